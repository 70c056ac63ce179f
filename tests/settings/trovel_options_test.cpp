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

TEST(TrovelOptions, ReadFromTheTrovelSection) {
    struct Case {
        const char *name;
        QByteArray file;
        TrovelOptions expected;
    };
    const Case cases[] = {
        {"no section: the defaults", "[TForm1]\nFormVersion=1\n", {true, true}},
        {"both off", "[TForm1]\nFormVersion=1\n[Trovel]\nNaturalBreaks=0\nFullScreenWait=0\n", {false, false}},
        {"both on", "[Trovel]\nNaturalBreaks=1\nFullScreenWait=1\n", {true, true}},
        {"one off", "[Trovel]\nFullScreenWait=0\n", {true, false}},
        {"blanks and quotes around the value",
         "[Trovel]\nNaturalBreaks = \"0\" \nFullScreenWait=' 0'\n",
         {false, true}},
        {"other values are the defaults", "[Trovel]\nNaturalBreaks=false\nFullScreenWait=00\n", {true, true}},
        {"more other values", "[Trovel]\nNaturalBreaks=2\nFullScreenWait=\n", {true, true}},
        {"names in other letter cases", "[TROVEL]\nnaturalbreaks=0\nFULLSCREENWAIT=0\n", {false, false}},
        {"the first of repeated keys", "[Trovel]\nNaturalBreaks=0\nNaturalBreaks=1\n", {false, true}},
        {"a first key with another value is the default",
         "[Trovel]\nNaturalBreaks=no\nNaturalBreaks=0\n",
         {true, true}},
        {"only the first of repeated sections",
         "[Trovel]\nNaturalBreaks=0\n[Trovel]\nFullScreenWait=0\n",
         {false, true}},
        {"keys of [TForm1] are not ours", "[TForm1]\nNaturalBreaks=0\nFullScreenWait=0\n", {true, true}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.ini");
    for (const QByteArray &eol : {QByteArray("\n"), QByteArray("\r\n")}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (eol == "\n" ? " (LF)" : " (CRLF)"));
            write_file(path, with_eol(c.file, eol));
            const TrovelOptions got = read_trovel_options(path);
            EXPECT_EQ(got.natural_breaks, c.expected.natural_breaks);
            EXPECT_EQ(got.full_screen_wait, c.expected.full_screen_wait);
        }
    }
    EXPECT_EQ(read_trovel_options(dir.filePath("missing.ini")), TrovelOptions());
}

TEST(TrovelOptions, WhatASaveWritesReadsBackAndLeavesTForm1Alone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.ini");
    const QByteArray form = "[TForm1]\r\nFormVersion=1\r\n; by hand\r\nmenu_1min_Checked=True\r\n";
    for (const TrovelOptions &options : {TrovelOptions{false, true}, TrovelOptions{true, false},
                                         TrovelOptions{false, false}, TrovelOptions{true, true}}) {
        write_file(path, form);
        const auto entries = trovel_option_entries(options);
        ASSERT_EQ(entries.size(), 2);
        EXPECT_EQ(entries[0].first, "NaturalBreaks");
        EXPECT_EQ(entries[1].first, "FullScreenWait");
        for (const auto &[key, value] : entries)
            ASSERT_TRUE(WritePrivateProfileString(kTrovelSection, key, value, path));
        EXPECT_EQ(read_trovel_options(path), options);
        EXPECT_TRUE(read_file(path).startsWith(form));
        EXPECT_EQ(read_file(path).mid(form.size()),
                  "[Trovel]\r\nNaturalBreaks=" + format_trovel_flag(options.natural_breaks).toUtf8() +
                      "\r\nFullScreenWait=" + format_trovel_flag(options.full_screen_wait).toUtf8() + "\r\n");
    }
}

} // namespace
} // namespace trovel
