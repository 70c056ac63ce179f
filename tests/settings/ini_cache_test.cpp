// The INI functions keep the last file in memory: every call must still see the file as it
// is on disk, whatever changed it, and a large file must not be parsed once per key.
#include "settings/ini_file.h"
#include "settings_test_util.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace trovel {
namespace {

using test::read_file;
using test::write_file;

class IniCacheTest : public ::testing::Test {
protected:
    QString path(const QString &name = "trovel.ini") const { return dir_.filePath(name); }
    QByteArray native(const QString &name = "trovel.ini") const { return QFile::encodeName(path(name)); }
    struct stat stat_of(const QString &name = "trovel.ini") const {
        struct stat st {};
        ::stat(native(name).constData(), &st);
        return st;
    }
    // Gives the file the modification time `when` (and a new change time, which cannot be
    // set).
    void set_modified(const QString &name, const timespec &when) const {
        const timespec times[2] = {when, when};
        ASSERT_EQ(::utimensat(AT_FDCWD, native(name).constData(), times, 0), 0);
    }
    QString read(const QString &key, const QString &name = "trovel.ini") const {
        return GetPrivateProfileString("S", key, "dflt", path(name));
    }
    QTemporaryDir dir_;
};

TEST_F(IniCacheTest, FileChangedBehindOurBackIsReadAgain) {
    struct Case {
        const char *name;
        std::function<void()> change; // turns "k=1" into "k=2", or removes the file
        QString expected;
    };
    const QByteArray after = "[S]\nk=2\n"; // the same size as before
    const std::vector<Case> cases = {
        {"rewritten in place, a new modification time",
         [&] {
             const timespec old = stat_of().st_mtim;
             write_file(path(), after);
             set_modified("trovel.ini", {old.tv_sec + 10, old.tv_nsec});
         },
         "2"},
        {"rewritten in place, its modification time set back",
         [&] {
             const timespec old = stat_of().st_mtim;
             write_file(path(), after);
             set_modified("trovel.ini", old);
         },
         "2"},
        {"replaced by rename, same size and modification time",
         [&] {
             write_file(path("new.ini"), after);
             set_modified("new.ini", stat_of().st_mtim);
             ASSERT_EQ(::rename(native("new.ini").constData(), native().constData()), 0);
         },
         "2"},
        {"replaced by rename, another size, same modification time",
         [&] {
             write_file(path("new.ini"), "[S]\nk=2\nother=3\n");
             set_modified("new.ini", stat_of().st_mtim);
             ASSERT_EQ(::rename(native("new.ini").constData(), native().constData()), 0);
         },
         "2"},
        {"made a link to another file",
         [&] {
             write_file(path("other.ini"), after);
             QFile::remove(path());
             ASSERT_TRUE(QFile::link("other.ini", path()));
         },
         "2"},
        {"removed", [&] { QFile::remove(path()); }, "dflt"},
        {"a folder in its place",
         [&] {
             QFile::remove(path());
             ASSERT_TRUE(QDir(dir_.path()).mkdir("trovel.ini"));
         },
         "dflt"},
        // Reading a FIFO would wait for a writer that never comes.
        {"a FIFO in its place",
         [&] {
             QFile::remove(path());
             ASSERT_EQ(::mkfifo(native().constData(), 0600), 0);
         },
         "dflt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        QDir(dir_.path()).rmdir("trovel.ini");
        write_file(path(), "[S]\nk=1\n");
        ASSERT_EQ(read("k"), "1");
        c.change();
        EXPECT_EQ(read("k"), c.expected);
    }
}

TEST_F(IniCacheTest, WriteBuildsOnTheFileAsItIsNow) {
    write_file(path(), "[S]\nk=1\n");
    ASSERT_EQ(read("k"), "1");
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "x", path()));
    // Someone adds a line and keeps the size and times the file had.
    const struct stat before = stat_of();
    write_file(path("new.ini"), "[S]\nk=1\na=x\nb=7\n");
    set_modified("new.ini", before.st_mtim);
    ASSERT_EQ(::rename(native("new.ini").constData(), native().constData()), 0);
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", path()));
    EXPECT_EQ(read_file(path()), "[S]\nk=2\na=x\nb=7\n");
}

// A file rewritten again and again within moments: where the file system's clock moves in
// steps, its times (and size) may stay the same, and only its bytes tell.
TEST_F(IniCacheTest, FileRewrittenWithinMomentsIsReadRight) {
    for (int i = 0; i < 50; ++i) {
        const QString value = QString::number(i % 10);
        write_file(path(), "[S]\nk=" + value.toUtf8() + "\n");
        ASSERT_EQ(read("k"), value) << "rewrite " << i;
        ASSERT_TRUE(WritePrivateProfileString("S", "k", QString::number((i + 5) % 10), path()));
        ASSERT_EQ(read("k"), QString::number((i + 5) % 10)) << "write " << i;
    }
}

// Every write followed by reads must give what a fresh read of the file gives: the keys
// before, in and after the section written, in files with CRLF line ends, repeated
// sections and a last line without a line end. Reading another file in between makes the
// next read of the first one start afresh.
TEST_F(IniCacheTest, ReadsAfterWritesAgreeWithAFreshRead) {
    struct Write {
        const char *section;
        const char *key;
        const char *value;
    };
    const std::vector<Write> writes = {
        {"A", "k", "a much longer value than before"},
        {"A", "k", "s"},
        {"A", "new", "1"},
        {"B", "k", "b2"},
        {"C", "k", "c"},
        {"A", "new", "22"},
        {"c", "K", "C2"},
        {"B", "m", ""},
        {"D", "z", "\"q\""},
        {"A", "k", "back"},
    };
    const QStringList keys = {"k", "new", "m", "z", "x"};
    const QStringList sections = {"A", "B", "C", "D"};
    const std::vector<QByteArray> files = {
        "; notes\n[A]\nk=1\n\n[B]\nk=b\nx=1\n[A]\nk=second\n",
        "[A]\r\nk=1\r\n[B]\r\nk=b\r\n",
        "[B]\nk=b\n[A]\nk=1",
        "\xEF\xBB\xBF[A]\nk=1\n[B]",
    };
    write_file(path("other.ini"), "[S]\nk=other\n");
    for (const QByteArray &file : files) {
        SCOPED_TRACE(file.toStdString());
        write_file(path(), file);
        for (const Write &w : writes) {
            SCOPED_TRACE(std::string(w.section) + "/" + w.key + "=" + w.value);
            ASSERT_TRUE(WritePrivateProfileString(w.section, w.key, w.value, path()));
            QStringList cached;
            for (const QString &s : sections)
                for (const QString &k : keys)
                    cached << GetPrivateProfileString(s, k, "-", path());
            ASSERT_EQ(read("k", "other.ini"), "other");
            QStringList fresh;
            for (const QString &s : sections)
                for (const QString &k : keys)
                    fresh << GetPrivateProfileString(s, k, "-", path());
            EXPECT_EQ(cached, fresh);
            EXPECT_EQ(GetPrivateProfileString(w.section, w.key, "-", path()), QString::fromUtf8(w.value));
        }
    }
}

TEST_F(IniCacheTest, TwoFilesAlternate) {
    write_file(path("one.ini"), "[S]\nk=1\n");
    write_file(path("two.ini"), "[S]\nk=2\n");
    ASSERT_TRUE(QFile::link("one.ini", path("link.ini")));
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const QString one = QString::number(10 + round);
        const QString two = QString::number(20 + round);
        ASSERT_TRUE(WritePrivateProfileString("S", "k", one, path("one.ini")));
        ASSERT_TRUE(WritePrivateProfileString("S", "k", two, path("two.ini")));
        EXPECT_EQ(read("k", "one.ini"), one);
        EXPECT_EQ(read("k", "two.ini"), two);
        EXPECT_EQ(read("k", "link.ini"), one);
        EXPECT_EQ(read("k", "two.ini"), two);
    }
    EXPECT_EQ(read_file(path("one.ini")), "[S]\nk=12\n");
    EXPECT_EQ(read_file(path("two.ini")), "[S]\nk=22\n");
}

// A load asks for each key in turn; a large file is read once for all of them, not once
// per key (which took over 10 s for these 100 reads).
TEST_F(IniCacheTest, ManyReadsOfALargeFileTakeLittleLongerThanOne) {
    QByteArray big;
    big.reserve(20 << 20);
    while (big.size() < (20 << 20))
        big += "; a note that is long enough to make many lines of the file, line after line\n";
    write_file(path(), big + "[S]\nk=1\n");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(read("k"), "1");
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
} // namespace trovel
