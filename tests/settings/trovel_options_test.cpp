// The [Trovel] section: which stored values switch the options, what falls back to the
// defaults, and that what a save writes reads back the same, beside an untouched [TForm1].
#include "settings/ini_file.h"
#include "settings/trovel_options.h"
#include "settings_test_util.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trovel {
namespace {

using test::read_file;
using test::with_eol;
using test::write_file;

TrovelOptions options_of(const QString &path, QStringList *complaints = nullptr) {
    IniDocument file(path);
    file.load(); // a file that cannot be read gives the defaults, as a missing one does
    return trovel_options_from(file, complaints);
}

TEST(TrovelOptions, ReadFromTheTrovelSection) {
    struct Case {
        const char *name;
        QByteArray file;
        TrovelOptions expected;
        int complaints = 0; // values not understood
    };
    const Case cases[] = {
        {"no section: the defaults", "[TForm1]\nFormVersion=1\n", {true, true}},
        {"both off", "[TForm1]\nFormVersion=1\n[Trovel]\nNaturalBreaks=0\nFullScreenWait=0\n", {false, false}},
        {"both on", "[Trovel]\nNaturalBreaks=1\nFullScreenWait=1\n", {true, true}},
        {"one off", "[Trovel]\nFullScreenWait=0\n", {true, false}},
        {"blanks and quotes around the value",
         "[Trovel]\nNaturalBreaks = \"0\" \nFullScreenWait=' 0'\n",
         {false, false}},
        {"true and false in any case", "[Trovel]\nNaturalBreaks=false\nFullScreenWait=TRUE\n", {false, true}},
        {"no and on", "[Trovel]\nNaturalBreaks=No\nFullScreenWait=on\n", {false, true}},
        {"yes and off, blanks around", "[Trovel]\nNaturalBreaks=\tyes \nFullScreenWait = OFF \n", {true, false}},
        {"values not understood are the defaults",
         "[Trovel]\nNaturalBreaks=banana\nFullScreenWait=00\n",
         {true, true},
         2},
        {"numbers other than 1 and 0", "[Trovel]\nNaturalBreaks=-1\nFullScreenWait=2147483648\n", {true, true}, 2},
        {"an empty value", "[Trovel]\nNaturalBreaks=2\nFullScreenWait=\n", {true, true}, 2},
        {"names in other letter cases", "[TROVEL]\nnaturalbreaks=0\nFULLSCREENWAIT=0\n", {false, false}},
        {"the first of repeated keys", "[Trovel]\nNaturalBreaks=0\nNaturalBreaks=1\n", {false, true}},
        {"a first key not understood is the default",
         "[Trovel]\nNaturalBreaks=nein\nNaturalBreaks=0\n",
         {true, true},
         1},
        {"only the first of repeated sections",
         "[Trovel]\nNaturalBreaks=0\n[Trovel]\nFullScreenWait=0\n",
         {false, true}},
        {"keys of [TForm1] are not ours", "[TForm1]\nNaturalBreaks=0\nFullScreenWait=0\n", {true, true}},
        {"hands-off rests on", "[Trovel]\nHandsOff=1\n", {true, true, true}},
        {"hands-off not understood is off", "[Trovel]\nHandsOff=sometimes\n", {true, true, false}, 1},
        {"covers off", "[Trovel]\nCoverScreens=0\n", {true, true, false, true, false}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.ini");
    for (const QByteArray &eol : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (eol == "\n" ? " (LF)" : eol == "\r" ? " (CR)" : " (CRLF)"));
            write_file(path, with_eol(c.file, eol));
            QStringList complaints;
            const TrovelOptions got = options_of(path, &complaints);
            EXPECT_EQ(got.natural_breaks, c.expected.natural_breaks);
            EXPECT_EQ(got.full_screen_wait, c.expected.full_screen_wait);
            EXPECT_EQ(got.hands_off, c.expected.hands_off);
            EXPECT_EQ(got.cover_screens, c.expected.cover_screens);
            EXPECT_EQ(complaints.size(), c.complaints) << complaints.join('\n').toStdString();
        }
    }
    EXPECT_EQ(options_of(dir.filePath("missing.ini")), TrovelOptions());
    write_file(path, "[Trovel]\nNaturalBreaks=banana\n");
    QStringList complaints;
    options_of(path, &complaints);
    EXPECT_EQ(complaints,
              QStringList{path + ": [Trovel] NaturalBreaks=banana is not understood (1 or 0 is); 1 is used"});
}

TEST(TrovelOptions, WhatASaveWritesReadsBackAndLeavesTForm1Alone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.ini");
    const QByteArray form = "[TForm1]\r\nFormVersion=1\r\n; by hand\r\nmenu_1min_Checked=True\r\n";
    for (const TrovelOptions &options :
         {TrovelOptions{false, true, true, true, true}, TrovelOptions{true, false, false, false, false},
          TrovelOptions{false, false, true, true, false}, TrovelOptions{true, true, false, false, true}}) {
        write_file(path, form);
        IniDocument file(path);
        ASSERT_TRUE(file.load());
        const auto entries = trovel_option_entries(options, file);
        QStringList keys;
        for (const auto &[key, value] : entries) {
            keys << key;
            ASSERT_TRUE(file.set(kTrovelSection, key, value));
        }
        EXPECT_EQ(keys.mid(0, 5),
                  (QStringList{"NaturalBreaks", "FullScreenWait", "HandsOff", "CallWait", "CoverScreens"}))
            << "in this order";
        ASSERT_TRUE(file.commit());
        EXPECT_EQ(options_of(path), options);
        EXPECT_TRUE(read_file(path).startsWith(form));
        EXPECT_TRUE(read_file(path)
                        .mid(form.size())
                        .startsWith("[Trovel]\r\nNaturalBreaks=" + format_trovel_flag(options.natural_breaks).toUtf8() +
                                    "\r\nFullScreenWait=" + format_trovel_flag(options.full_screen_wait).toUtf8() +
                                    "\r\nHandsOff=" + format_trovel_flag(options.hands_off).toUtf8() +
                                    "\r\nCallWait=" + format_trovel_flag(options.call_wait).toUtf8() +
                                    "\r\nCoverScreens=" + format_trovel_flag(options.cover_screens).toUtf8() + "\r\n"));
    }
}

// A line whose value already reads as the option (a spelling of the user's, blanks and
// all, or a value not understood while the option is its default) is kept as written;
// only an option that differs from its line is written.
TEST(TrovelOptions, UnchangedLinesAreKeptByteForByte) {
    struct Case {
        const char *line;
        bool natural_breaks;
        QStringList written; // the keys a save writes
    };
    const Case cases[] = {
        {"NaturalBreaks = false", false, {"FullScreenWait"}},
        {"NaturalBreaks=Yes", true, {"FullScreenWait"}},
        {"NaturalBreaks=banana", true, {"FullScreenWait"}},
        {"NaturalBreaks=banana", false, {"NaturalBreaks", "FullScreenWait"}},
        {"NaturalBreaks=on", false, {"NaturalBreaks", "FullScreenWait"}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.ini");
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.line) + (c.natural_breaks ? " kept on" : " switched off"));
        write_file(path, QByteArray("[Trovel]\n") + c.line + "\n");
        IniDocument file(path);
        ASSERT_TRUE(file.load());
        QStringList written;
        for (const auto &entry : trovel_option_entries({c.natural_breaks, true}, file))
            if (entry.first == kNaturalBreaksKey || entry.first == kFullScreenWaitKey) written << entry.first;
        EXPECT_EQ(written, c.written);
    }
}

} // namespace
} // namespace trovel
