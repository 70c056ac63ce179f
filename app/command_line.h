// The program's command line, read before anything else exists: --help and --version
// answer without a display, the settings file or the single-instance lock, and an option
// nobody knows ends the start with a usage error instead of being ignored.
#pragma once

#include <QString>
#include <QStringList>

namespace trovel {

// What the command line asks for: either start the program, or print a text and end.
struct CommandLine {
    bool run = true; // false: print the texts below and end with exit_code
    int exit_code = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// Reads the arguments (the program's name first, as in argv). Qt's own options
// (-platform, -display, -style, -session, ...) are accepted and left for Qt to act on.
CommandLine parse_command_line(const QStringList &arguments);

// The same for main()'s arguments, decoded as the system encodes file names.
CommandLine parse_command_line(int argc, const char *const *argv);

// The --help text: what Trovel is, its options, where it keeps its files.
QString usage_text();

// "trovel" and the version the build was made with.
QString version_text();

} // namespace trovel
