// The program's command line, read before anything else exists: --help and --version
// answer without a display, the settings file or the single-instance lock, the commands
// for a running copy (--break, --status, ...) go to it over the session bus, and an option
// nobody knows ends the start with a usage error instead of being ignored.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace trovel {

// A command for the copy that runs already, sent to it over the session bus.
enum class RemoteCommand { none, take_break, skip, later, pause, resume, status };

// A pause asked for from outside lasts at most a week.
constexpr int32_t kMostPauseMinutes = 7 * 24 * 60;

struct RemoteRequest {
    RemoteCommand command = RemoteCommand::none;
    int32_t minutes = 0; // of --pause; 0: until resumed
    bool json = false;   // --status --json
    bool operator==(const RemoteRequest &) const = default;
};

// What the command line asks for: start the program, send a command to the running one,
// or print a text and end.
struct CommandLine {
    bool run = true; // false: send `remote` if it holds a command, else print the texts below
    int exit_code = 0;
    QString out; // for standard output
    QString err; // for standard error
    RemoteRequest remote;
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
