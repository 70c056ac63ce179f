// The command line: which arguments start the program, which answer and end it, with what
// status and on which stream.
#include "app/command_line.h"
#include "app/remote_command.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace trovel::test {
namespace {

enum class Ends { runs, help, version, usage_error, remote };

using Command = RemoteCommand;

TEST(CommandLine, ArgumentsDecideBetweenRunningAndAnswering) {
    struct Case {
        QStringList args; // after the program's name
        Ends expected;
        QString in_error = {}; // part of the error line, for usage errors
        RemoteRequest remote = {};
    };
    const std::vector<Case> cases = {
        {{}, Ends::runs},
        {{"--help"}, Ends::help},
        {{"-h"}, Ends::help},
        {{"-help"}, Ends::help},
        {{"--version"}, Ends::version},
        {{"-v"}, Ends::version},
        // Help wins over version, and over Qt's options.
        {{"--version", "--help"}, Ends::help},
        {{"-platform", "offscreen", "--help"}, Ends::help},
        // Qt's own options are not ours to refuse: Qt acts on them later.
        {{"-platform", "offscreen"}, Ends::runs},
        {{"-display", ":3", "-style", "fusion"}, Ends::runs},
        {{"-style=fusion", "-reverse"}, Ends::runs},
        {{"--session", "1234_5678"}, Ends::runs},
        {{"--bogus"}, Ends::usage_error, "'bogus'"},
        {{"-x"}, Ends::usage_error, "'x'"},
        {{"-hv"}, Ends::usage_error, "'hv'"},
        {{"--help=yes"}, Ends::usage_error},
        // An option that needs a value and has none does not swallow nothing silently.
        {{"-display"}, Ends::usage_error, "-display"},
        // Trovel opens nothing named on its command line.
        {{"help"}, Ends::usage_error, "'help'"},
        {{"--", "--help"}, Ends::usage_error, "'--help'"},
        {{"-"}, Ends::usage_error, "'-'"},
        {{"--help", "extra"}, Ends::usage_error, "'extra'"},
        // Commands for the running copy, with one dash or two.
        {{"--break"}, Ends::remote, {}, {Command::take_break}},
        {{"-skip"}, Ends::remote, {}, {Command::skip}},
        {{"--later"}, Ends::remote, {}, {Command::later}},
        {{"--resume"}, Ends::remote, {}, {Command::resume}},
        {{"--status"}, Ends::remote, {}, {Command::status}},
        {{"--status", "--json"}, Ends::remote, {}, {Command::status, 0, true}},
        {{"--json", "-status"}, Ends::remote, {}, {Command::status, 0, true}},
        {{"--pause"}, Ends::remote, {}, {Command::pause, 0}},
        {{"-pause"}, Ends::remote, {}, {Command::pause, 0}},
        {{"--pause=0"}, Ends::remote, {}, {Command::pause, 0}},
        {{"--pause=25"}, Ends::remote, {}, {Command::pause, 25}},
        {{"--pause=10080"}, Ends::remote, {}, {Command::pause, 10080}},
        {{"-display", ":3", "--break"}, Ends::remote, {}, {Command::take_break}},
        {{"--break", "--help"}, Ends::help},
        {{"--pause=10081"}, Ends::usage_error, "'10081'"},
        {{"--pause=-1"}, Ends::usage_error, "'-1'"},
        {{"--pause=half"}, Ends::usage_error, "'half'"},
        {{"--pause="}, Ends::usage_error, "--pause"},
        {{"--pause=99999999999"}, Ends::usage_error, "'99999999999'"},
        // The minutes belong after an equals sign; a word after a bare --pause is not taken.
        {{"--pause", "30"}, Ends::usage_error, "--pause=30"},
        {{"--break", "--skip"}, Ends::usage_error, "one command at a time"},
        {{"--pause=5", "--resume"}, Ends::usage_error, "one command at a time"},
        {{"--json"}, Ends::usage_error, "--json goes with --status"},
        {{"--break", "--json"}, Ends::usage_error, "--json goes with --status"},
        {{"--status=yes"}, Ends::usage_error},
        {{"--", "--pause"}, Ends::usage_error, "'--pause'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine got = parse_command_line(QStringList{QStringLiteral("trovel")} + c.args);
        switch (c.expected) {
        case Ends::remote:
            EXPECT_FALSE(got.run);
            EXPECT_EQ(got.remote, c.remote);
            EXPECT_TRUE(got.out.isEmpty() && got.err.isEmpty());
            break;
        case Ends::runs:
            EXPECT_TRUE(got.run);
            EXPECT_EQ(got.remote.command, Command::none);
            EXPECT_EQ(got.exit_code, 0);
            EXPECT_TRUE(got.out.isEmpty() && got.err.isEmpty());
            break;
        case Ends::help:
        case Ends::version:
            EXPECT_FALSE(got.run);
            EXPECT_EQ(got.exit_code, 0);
            EXPECT_EQ(got.remote.command, Command::none);
            EXPECT_EQ(got.out, c.expected == Ends::help ? usage_text() : version_text());
            EXPECT_TRUE(got.err.isEmpty());
            break;
        case Ends::usage_error:
            EXPECT_FALSE(got.run);
            EXPECT_EQ(got.exit_code, 2);
            EXPECT_EQ(got.remote.command, Command::none);
            EXPECT_TRUE(got.out.isEmpty());
            // One line saying what was wrong, then the usage.
            EXPECT_TRUE(got.err.startsWith(QStringLiteral("trovel: "))) << got.err.toStdString();
            EXPECT_TRUE(got.err.section(QLatin1Char('\n'), 0, 0).contains(c.in_error)) << got.err.toStdString();
            EXPECT_TRUE(got.err.endsWith(usage_text()));
            break;
        }
    }
}

TEST(CommandLine, TextsSayWhatAUserNeeds) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^trovel \\d+\\.\\d+\\.\\d+\\n$")).match(version_text()).hasMatch())
        << version_text().toStdString();
    const QString usage = usage_text();
    EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: trovel ")));
    for (const char *needed : {"--help", "--version", "$XDG_CONFIG_HOME/trovel.ini",
                               "$XDG_DATA_HOME/trovel/history.sqlite", "One copy runs", "trovel(1)", "--break",
                               "--skip", "--later", "--pause[=MINUTES]", "--resume", "--status [--json]", "status 3"})
        EXPECT_TRUE(usage.contains(QLatin1String(needed))) << needed;
    // A terminal of 80 columns shows every line whole.
    for (const QString &line : usage.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 79) << line.toStdString();
}

TEST(CommandLine, EveryCommandIsInTheManualPageAndTheReadme) {
    for (const char *name : {"README.md", "dist/trovel.1.in"}) {
        QFile file(QStringLiteral(TROVEL_SOURCE_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        // The manual page writes each dash as \-.
        const QString text = QString::fromUtf8(file.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
        for (const char *command : {"--break", "--skip", "--later", "--pause", "--resume", "--status", "--json"})
            EXPECT_TRUE(text.contains(QLatin1String(command))) << name << " lacks " << command;
        for (const char *status : {"3", "4", "5"})
            EXPECT_TRUE(QRegularExpression(QStringLiteral("status(es)? [^.]*\\b%1\\b").arg(QLatin1String(status)))
                            .match(text)
                            .hasMatch())
                << name << " lacks the status " << status;
    }
}

TEST(CommandLine, StatusIsOneLineOrOneJsonObject) {
    const QTimeZone zone(3600);
    const QDateTime now(QDate(2026, 12, 9), QTime(14, 0), zone);
    const auto at = [&](int days, int h, int m) { return QDateTime(now.date().addDays(days), QTime(h, m), zone); };
    struct Case {
        RemoteStatus status;
        QString line;
        QString until; // in the JSON, empty for null
    };
    const std::vector<Case> cases = {
        {{"type", 290, 0, 0}, "type 04:50 left, 0 breaks ignored\n", {}},
        {{"rest", 60, 1, 0}, "rest 01:00 left, 1 break ignored\n", {}},
        {{"type", 1800, 12, 0}, "type 30:00 left, 12 breaks ignored\n", {}},
        // A rest that waits for a full-screen program runs on below zero, as the bar shows.
        {{"type", -70, 2, 0}, "type -01:-10 left, 2 breaks ignored\n", {}},
        {{"alarm", 0, 0, 0}, "alarm 00:00 left, 0 breaks ignored\n", {}},
        {{"pause", 0, 3, 0}, "pause 00:00 left, 3 breaks ignored, paused until resumed\n", {}},
        {{"pause", 2100, 0, at(0, 14, 35).toSecsSinceEpoch()},
         "pause 35:00 left, 0 breaks ignored, paused until 14:35\n",
         "2026-12-09T14:35:00+01:00"},
        // Another day gets its date; the time is the caller's local one, not UTC's.
        {{"pause", 36000, 0, at(1, 0, 0).toSecsSinceEpoch()},
         "pause 600:00 left, 0 breaks ignored, paused until 2026-12-10 00:00\n",
         "2026-12-10T00:00:00+01:00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(status_line(c.status, now), c.line);
        const QString json = status_json(c.status, now);
        ASSERT_TRUE(json.endsWith(QLatin1Char('\n')) && json.count(QLatin1Char('\n')) == 1) << json.toStdString();
        const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
        EXPECT_EQ(object.value("phase").toString(), c.status.phase);
        EXPECT_EQ(object.value("time_left").toString(), c.line.section(QLatin1Char(' '), 1, 1));
        EXPECT_EQ(object.value("seconds_left").toInt(), c.status.seconds_left);
        EXPECT_EQ(object.value("breaks_ignored").toInt(), c.status.breaks_ignored);
        if (c.until.isEmpty())
            EXPECT_TRUE(object.value("paused_until").isNull());
        else
            EXPECT_EQ(object.value("paused_until").toString(), c.until);
    }
    // The properties as a GetAll answer gives them; a missing one is 0 or empty, not an error.
    const RemoteStatus got = remote_status(
        {{"Phase", "rest"}, {"SecondsLeft", 42}, {"BreaksIgnored", 3}, {"PausedUntil", qlonglong{1765288800}}});
    EXPECT_EQ(got.phase, "rest");
    EXPECT_EQ(got.seconds_left, 42);
    EXPECT_EQ(got.breaks_ignored, 3);
    EXPECT_EQ(got.paused_until, 1765288800);
    EXPECT_EQ(remote_status({{"Phase", "type"}}).paused_until, 0);
}

} // namespace
} // namespace trovel::test
