// The program's command line: Trovel's two options, and Qt's own ones passed through.
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>

#ifndef TROVEL_VERSION
#error "TROVEL_VERSION must be defined by the build (the project's version)"
#endif

namespace trovel {

namespace {

// Options that QGuiApplication and QApplication take out of argv themselves (those that
// take a value first). They must not count as unknown here, or a session manager that
// restarts the program with -session, or someone trying another -style, would be
// refused. They stay out of the help text: they are Qt's, not ours.
const char *const kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "name",
    "visual",      "geometry",           "icon",          "title",   "style",
    "stylesheet",  "qmljsdebugger",
};
const char *const kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "testability", "widgetcount"};

} // namespace

QString version_text() { return QStringLiteral("trovel " TROVEL_VERSION "\n"); }

QString usage_text() {
    return QStringLiteral("Usage: trovel [OPTION]\n"
                          "\n"
                          "Trovel reminds you to rest your hands. A small bar on top of all other windows\n"
                          "counts down the minutes you may type; when they are up, it grows into a rest\n"
                          "window for a micropause of one, two or five minutes, then shrinks back.\n"
                          "Every setting is in the menu that opens when you click the bar's hands.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "Qt's own options, such as -display NAME or -platform NAME, are passed to Qt.\n"
                          "\n"
                          "The settings are kept in $XDG_CONFIG_HOME/trovel.ini (normally\n"
                          "~/.config/trovel.ini), the history of rests in\n"
                          "$XDG_DATA_HOME/trovel/history.sqlite (normally ~/.local/share/trovel/).\n"
                          "One copy runs for each settings file, so normally one per user: starting\n"
                          "Trovel again while it runs does nothing.\n"
                          "\n"
                          "The manual page trovel(1) tells more.\n");
}

CommandLine parse_command_line(const QStringList &arguments) {
    QCommandLineParser parser;
    // Qt's options are single words after one dash (-display, -style); ours work with
    // one or two dashes.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    const auto usage_error = [](const QString &what) {
        return CommandLine{false, 2, QString(),
                           QStringLiteral("trovel: ") + what + QLatin1String("\n\n") + usage_text()};
    };
    if (!parser.parse(arguments)) return usage_error(parser.errorText());
    // Trovel opens no files named on its command line; a word there is a mistake (a
    // missing dash), not something to ignore.
    if (!parser.positionalArguments().isEmpty())
        return usage_error(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) return CommandLine{false, 0, usage_text(), QString()};
    if (parser.isSet(version)) return CommandLine{false, 0, version_text(), QString()};
    return CommandLine{};
}

CommandLine parse_command_line(int argc, const char *const *argv) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    return parse_command_line(arguments);
}

} // namespace trovel
