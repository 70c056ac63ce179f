// INI files and writes the fuzzer (fuzz/fuzz_ini) turned up, kept so they stay handled.
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings_test_util.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace trovel {
namespace {

using test::read_file;
using test::write_file;

// A byte order mark is part of the text everywhere but at the very start of the file. A key
// name beginning with one used to be written but never found again (the line decoder
// dropped the mark from every line), so each save of it added another line.
TEST(IniFuzzRegression, ByteOrderMarkCountsOnlyAtTheStartOfTheFile) {
    struct Case {
        const char *name;
        QByteArray file;
        QString key;
        QString expected;
    };
    const QString bom(QChar(0xFEFF));
    const std::vector<Case> cases = {
        {"file's own mark", "\xEF\xBB\xBF[S]\nkey=1\n", "key", "1"},
        {"mark before a later key", "[S]\n\xEF\xBB\xBFkey=1\nkey=2\n", "key", "2"},
        {"key named with a mark", "[S]\n\xEF\xBB\xBFkey=1\nkey=2\n", bom + "key", "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniText(c.file).value("S", c.key).value_or("dflt"), c.expected);
    }
}

TEST(IniFuzzRegression, KeyStartingWithAByteOrderMarkReadsBackAndIsWrittenOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.ini");
    // The fuzzer's case: an empty file; section "\xEF" (not UTF-8, read as U+FFFD); key
    // "\v" U+FEFF U+0001, whose leading blank goes; an empty value.
    write_file(path, "");
    const QString section = QString::fromUtf8("\xEF");
    const QString key = QString::fromUtf8("\x0B\xEF\xBB\xBF\x01");
    auto write = [&] {
        IniDocument doc(path);
        return doc.load() && doc.set(section, key, "") && doc.commit();
    };
    ASSERT_TRUE(write());
    IniDocument doc(path);
    ASSERT_TRUE(doc.load());
    EXPECT_EQ(doc.value(section, key), "");
    const QByteArray once = read_file(path);
    EXPECT_EQ(once, "[\xEF\xBF\xBD]\n\xEF\xBB\xBF\x01=\n");
    ASSERT_TRUE(write());
    EXPECT_EQ(read_file(path), once);
}

} // namespace
} // namespace trovel
