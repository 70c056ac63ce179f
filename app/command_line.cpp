// The program's command line: Trovel's options, the commands for a running copy, and Qt's
// own options passed through.
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
                          "Commands for the Trovel that runs already, sent over the session bus:\n"
                          "  --break            take a break now\n"
                          "  --skip             end the rest and start typing (counted as ignored)\n"
                          "  --later            put the rest off by five minutes (twice in a row at most)\n"
                          "  --pause[=MINUTES]  pause until resumed, or for MINUTES (at most 10080)\n"
                          "  --resume           end the pause and start typing\n"
                          "  --status [--json]  print the phase, the time left, the breaks ignored and\n"
                          "                     when a pause ends\n"
                          "They end with status 3 when no Trovel runs, 4 without a session bus, and 5\n"
                          "when --later is not possible now.\n"
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
    const struct {
        RemoteCommand command;
        QCommandLineOption option;
    } commands[] = {
        {RemoteCommand::take_break, QCommandLineOption(QStringLiteral("break"))},
        {RemoteCommand::skip, QCommandLineOption(QStringLiteral("skip"))},
        {RemoteCommand::later, QCommandLineOption(QStringLiteral("later"))},
        {RemoteCommand::pause, QCommandLineOption(QStringLiteral("pause"), QString(), QStringLiteral("minutes"))},
        {RemoteCommand::resume, QCommandLineOption(QStringLiteral("resume"))},
        {RemoteCommand::status, QCommandLineOption(QStringLiteral("status"))},
    };
    for (const auto &c : commands)
        parser.addOption(c.option);
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOption(json);

    const auto usage_error = [](const QString &what) {
        return CommandLine{
            false, 2, QString(), QStringLiteral("trovel: ") + what + QLatin1String("\n\n") + usage_text(), {}};
    };
    // The minutes of --pause may be left out; Qt's parser knows no optional values, so a
    // bare --pause is the pause until resumed.
    QStringList args = arguments;
    for (qsizetype i = 1; i < args.size() && args[i] != QLatin1String("--"); ++i)
        if (args[i] == QLatin1String("--pause") || args[i] == QLatin1String("-pause"))
            args[i] = QStringLiteral("--pause=0");
    if (!parser.parse(args)) return usage_error(parser.errorText());
    // Trovel opens no files named on its command line; a word there is a mistake (a
    // missing dash), not something to ignore.
    if (!parser.positionalArguments().isEmpty()) {
        const QString word = parser.positionalArguments().constFirst();
        bool number = false;
        word.toInt(&number);
        if (number && parser.isSet(QStringLiteral("pause")))
            return usage_error(
                QStringLiteral("unexpected argument '%1' (a pause of %1 minutes is --pause=%1).").arg(word));
        return usage_error(QStringLiteral("unexpected argument '%1'.").arg(word));
    }
    if (parser.isSet(help)) return CommandLine{false, 0, usage_text(), QString(), {}};
    if (parser.isSet(version)) return CommandLine{false, 0, version_text(), QString(), {}};

    RemoteRequest remote;
    int given = 0;
    for (const auto &c : commands)
        if (parser.isSet(c.option)) {
            remote.command = c.command;
            ++given;
        }
    if (given > 1)
        return usage_error(QStringLiteral("one command at a time: --break, --skip, --later, --pause, --resume or "
                                          "--status."));
    if (parser.isSet(json) && remote.command != RemoteCommand::status)
        return usage_error(QStringLiteral("--json goes with --status."));
    remote.json = parser.isSet(json);
    if (remote.command == RemoteCommand::pause) {
        const QString value = parser.value(QStringLiteral("pause"));
        bool ok = false;
        remote.minutes = value.toInt(&ok);
        if (!ok || remote.minutes < 0 || remote.minutes > kMostPauseMinutes)
            return usage_error(QStringLiteral("--pause takes whole minutes from 0 to %1 (a week), not '%2'.")
                                   .arg(kMostPauseMinutes)
                                   .arg(value));
    }
    if (remote.command != RemoteCommand::none) return CommandLine{false, 0, QString(), QString(), remote};
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
