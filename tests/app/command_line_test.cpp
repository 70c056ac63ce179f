// The command line: which arguments start the program, which answer and end it, with what
// status and on which stream.
#include "app/command_line.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace trovel::test {
namespace {

enum class Ends { runs, help, version, usage_error };

TEST(CommandLine, ArgumentsDecideBetweenRunningAndAnswering) {
    struct Case {
        QStringList args; // after the program's name
        Ends expected;
        QString in_error = {}; // part of the error line, for usage errors
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
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine got = parse_command_line(QStringList{QStringLiteral("trovel")} + c.args);
        switch (c.expected) {
        case Ends::runs:
            EXPECT_TRUE(got.run);
            EXPECT_EQ(got.exit_code, 0);
            EXPECT_TRUE(got.out.isEmpty() && got.err.isEmpty());
            break;
        case Ends::help:
        case Ends::version:
            EXPECT_FALSE(got.run);
            EXPECT_EQ(got.exit_code, 0);
            EXPECT_EQ(got.out, c.expected == Ends::help ? usage_text() : version_text());
            EXPECT_TRUE(got.err.isEmpty());
            break;
        case Ends::usage_error:
            EXPECT_FALSE(got.run);
            EXPECT_EQ(got.exit_code, 2);
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
                               "$XDG_DATA_HOME/trovel/history.sqlite", "One copy runs", "trovel(1)"})
        EXPECT_TRUE(usage.contains(QLatin1String(needed))) << needed;
    // A terminal of 80 columns shows every line whole.
    for (const QString &line : usage.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 79) << line.toStdString();
}

} // namespace
} // namespace trovel::test
