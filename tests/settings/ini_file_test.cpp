// The INI text and the settings file: lookups, the value rules, line-preserving writes
// (every table row over LF, CRLF and CR texts, key by key and as one document), the atomic
// replacement of the file, and the clean-up of what a killed write left.
#include "platform/save_file.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings_test_util.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace trovel {
namespace {

using test::read_file;
using test::with_eol;
using test::write_file;

const std::vector<QByteArray> kLineEndings = {"\n", "\r\n", "\r"};

std::string eol_name(const QByteArray &eol) { return eol == "\n" ? " (LF)" : eol == "\r\n" ? " (CRLF)" : " (CR)"; }

// One key read from the file as it is now, "dflt" when it is missing.
QString read_key(const QString &section, const QString &key, const QString &path) {
    IniDocument doc(path);
    doc.load();
    return doc.value(section, key).value_or("dflt");
}

// One key written to the file: a document loaded, set and committed.
bool write_key(const QString &section, const QString &key, const QString &value, const QString &path) {
    IniDocument doc(path);
    return doc.load() && doc.set(section, key, value) && doc.commit();
}

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString &name = "trovel.ini") const { return dir_.filePath(name); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
};

struct ReadCase {
    const char *name;
    QByteArray file;
    QString section;
    QString key;
    QString expected; // the default is always "dflt"
};

TEST_F(IniFileTest, ReadsByTheLookupAndValueRules) {
    const std::vector<ReadCase> cases = {
        {"plain key", "[TForm1]\nkey=value\n", "TForm1", "key", "value"},
        {"names in other letter cases", "[tform1]\nSPIN_TIMEOUT_VALUE=10\n", "TForm1", "spin_timeout_Value", "10"},
        {"missing section", "[Other]\nkey=v\n", "TForm1", "key", "dflt"},
        {"missing key", "[TForm1]\nother=v\n", "TForm1", "key", "dflt"},
        {"key of another section", "[A]\nkey=a\n[TForm1]\nx=1\n", "TForm1", "key", "dflt"},
        {"key after another section", "[A]\nkey=a\n[TForm1]\nkey=b\n", "TForm1", "key", "b"},
        {"key before any section", "key=v\n[TForm1]\n", "TForm1", "key", "dflt"},
        {"empty value is not the default", "[TForm1]\nkey=\n", "TForm1", "key", ""},
        {"blank value", "[TForm1]\nkey= \t \n", "TForm1", "key", ""},
        {"blanks around key and value", "[TForm1]\n  key \t=  some value \t\n", "TForm1", "key", "some value"},
        {"double quotes dropped", "[TForm1]\nkey=\"a b\"\n", "TForm1", "key", "a b"},
        {"single quotes dropped", "[TForm1]\nkey='a b'\n", "TForm1", "key", "a b"},
        {"quotes dropped after trimming", "[TForm1]\nkey=  \" a \"  \n", "TForm1", "key", " a "},
        {"mixed quotes kept", "[TForm1]\nkey=\"a'\n", "TForm1", "key", "\"a'"},
        {"one quote kept", "[TForm1]\nkey=\"\n", "TForm1", "key", "\""},
        {"two quotes give empty", "[TForm1]\nkey=\"\"\n", "TForm1", "key", ""},
        {"only one pair dropped", "[TForm1]\nkey=\"\"a\"\"\n", "TForm1", "key", "\"a\""},
        {"quote only at one end", "[TForm1]\nkey=\"a\n", "TForm1", "key", "\"a"},
        {"equals sign in value", "[TForm1]\nkey=a=b\n", "TForm1", "key", "a=b"},
        {"UTF-8 value",
         "[TForm1]\nkey=Gr\xc3\xbc\xc3\x9f"
         "e\n",
         "TForm1", "key", QString::fromUtf8("Grüße")},
        {"header with blanks", "  [ TForm1 ]  \nkey=v\n", "TForm1", "key", "v"},
        {"byte order mark", "\xef\xbb\xbf[TForm1]\nkey=v\n", "TForm1", "key", "v"},
        {"comment is no key", "[TForm1]\n;key=c\nkey=v\n", "TForm1", "key", "v"},
        {"first of repeated keys", "[TForm1]\nkey=1\nkey=2\n", "TForm1", "key", "1"},
        {"only the first of repeated sections", "[TForm1]\na=1\n[TForm1]\nkey=2\n", "TForm1", "key", "dflt"},
        {"last line without line end", "[TForm1]\nkey=v", "TForm1", "key", "v"},
        {"header without closing bracket", "[TForm1\nkey=v\n", "TForm1", "key", "dflt"},
    };
    for (const QByteArray &eol : kLineEndings) {
        for (const ReadCase &c : cases) {
            SCOPED_TRACE(std::string(c.name) + eol_name(eol));
            EXPECT_EQ(IniText(with_eol(c.file, eol)).value(c.section, c.key).value_or("dflt"), c.expected);
        }
    }
}

// A file that is missing is an empty document; one that cannot be read fails the load
// with the reason (a FIFO without waiting for a writer) and reads as empty.
TEST_F(IniFileTest, MissingOrUnreadableFileReadsAsEmpty) {
    IniDocument missing(path());
    EXPECT_TRUE(missing.load());
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.value("TForm1", "key"), std::nullopt);

    ASSERT_TRUE(QDir(dir_.path()).mkdir("a_folder.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.ini")).constData(), 0600), 0);
    write_file(path("private.ini"), "[S]\nk=1\n");
    ASSERT_TRUE(QFile::setPermissions(path("private.ini"), QFileDevice::WriteOwner));
    struct Case {
        const char *name;
        QString file;
        QString reason;
    };
    std::vector<Case> cases = {{"a folder", "a_folder.ini", "Is a directory"},
                               {"a FIFO", "fifo.ini", "Not a regular file"}};
    if (!test::running_as_root()) cases.push_back({"no permission", "private.ini", "Permission denied"});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument doc(path(c.file));
        EXPECT_FALSE(doc.load());
        EXPECT_EQ(doc.error(), c.reason);
        EXPECT_EQ(doc.value("S", "k"), std::nullopt);
        EXPECT_FALSE(doc.commit()) << "what could not be read is not overwritten";
    }
}

TEST_F(IniFileTest, ValuesAreCutAfter2047Characters) {
    const QString long_value(3000, u'x');
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80"); // a surrogate pair
    struct Case {
        const char *name;
        QString stored;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"exactly the limit", QString(2047, u'x'), QString(2047, u'x')},
        {"one over", QString(2048, u'x'), QString(2047, u'x')},
        {"quotes dropped before the cut", u'"' + QString(2047, u'x') + u'"', QString(2047, u'x')},
        {"no half of a pair", QString(2046, u'x') + emoji, QString(2046, u'x')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniText("[S]\nkey=" + c.stored.toUtf8() + "\n").value("S", "key"), c.expected);
    }
}

struct Write {
    QString section;
    QString key;
    QString value;
};

struct WriteCase {
    const char *name;
    std::optional<QByteArray> before; // nullopt: no file
    std::vector<Write> writes;
    QByteArray after;
};

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLine) {
    const std::vector<WriteCase> cases = {
        {"creates a missing file", std::nullopt, {{"TForm1", "a", "1"}, {"TForm1", "b", "2"}}, "[TForm1]\na=1\nb=2\n"},
        {"replaces a value in place", "[TForm1]\na=1\nb=2\nc=3\n", {{"TForm1", "b", "x"}}, "[TForm1]\na=1\nb=x\nc=3\n"},
        {"key keeps the file's spelling",
         "[tform1]\n  SPIN_Timeout_value = 5 \n",
         {{"TForm1", "spin_timeout_Value", "10"}},
         "[tform1]\nSPIN_Timeout_value=10\n"},
        {"new key ends its section",
         "[TForm1]\na=1\n\n[Other]\nx=1\n",
         {{"TForm1", "b", "2"}},
         "[TForm1]\na=1\nb=2\n\n[Other]\nx=1\n"},
        {"new key after the last line without line end",
         "[TForm1]\na=1",
         {{"TForm1", "b", "2"}},
         "[TForm1]\na=1\nb=2\n"},
        {"new key under an empty section", "[TForm1]\n[Other]\n", {{"TForm1", "a", "1"}}, "[TForm1]\na=1\n[Other]\n"},
        {"missing section appended", "[Other]\nx=1\n", {{"TForm1", "a", "1"}}, "[Other]\nx=1\n[TForm1]\na=1\n"},
        {"missing section after a last line without line end",
         "[Other]\nx=1",
         {{"TForm1", "a", "1"}},
         "[Other]\nx=1\n[TForm1]\na=1\n"},
        {"hand-written lines survive",
         "; my settings\n\n[TForm1]\n; keep me\nunknown=42\na=1\n   odd line\n\n[Other]\nz=9\n",
         {{"TForm1", "a", "2"}, {"TForm1", "new", "3"}, {"Other", "Z", "8"}},
         "; my settings\n\n[TForm1]\n; keep me\nunknown=42\na=2\n   odd line\nnew=3\n\n[Other]\nz=8\n"},
        {"first of repeated keys replaced", "[TForm1]\na=1\na=2\n", {{"TForm1", "a", "x"}}, "[TForm1]\na=x\na=2\n"},
        {"empty value", "[TForm1]\na=1\n", {{"TForm1", "a", ""}}, "[TForm1]\na=\n"},
        {"double-quoted value gets one more pair", std::nullopt, {{"S", "a", "\"x y\""}}, "[S]\na=\"\"x y\"\"\n"},
        {"single-quoted value gets double quotes", std::nullopt, {{"S", "a", "'x'"}}, "[S]\na=\"'x'\"\n"},
        {"lone quote counts as quoted", std::nullopt, {{"S", "a", "\""}}, "[S]\na=\"\"\"\n"},
        {"mixed quotes unchanged", std::nullopt, {{"S", "a", "\"x'"}}, "[S]\na=\"x'\n"},
        {"inner quotes unchanged", std::nullopt, {{"S", "a", "say \"hi\""}}, "[S]\na=say \"hi\"\n"},
        {"line break cannot split the line",
         std::nullopt,
         {{"S", "a", "one\ntwo\r\nthree\rfour"}},
         "[S]\na=one two three four\n"},
    };
    // Each row gives the same file whether its keys are written one call at a time or set
    // in one document that is written once.
    for (const bool one_document : {false, true}) {
        for (const QByteArray &eol : kLineEndings) {
            for (const WriteCase &c : cases) {
                SCOPED_TRACE(std::string(c.name) + eol_name(eol) + (one_document ? " in one document" : " key by key"));
                QFile::remove(path());
                if (c.before) write_file(path(), with_eol(*c.before, eol));
                if (one_document) {
                    IniDocument doc(path());
                    ASSERT_TRUE(doc.load());
                    for (const Write &w : c.writes) {
                        ASSERT_TRUE(doc.set(w.section, w.key, w.value));
                        // Reads see the text in memory before it is written.
                        EXPECT_EQ(
                            doc.value(w.section, w.key),
                            QString(w.value).replace("\r\n", " ").replace('\n', ' ').replace('\r', ' ').trimmed());
                    }
                    EXPECT_EQ(read_file(path()), c.before ? with_eol(*c.before, eol) : QByteArray());
                    ASSERT_TRUE(doc.commit()) << doc.error().toStdString();
                    EXPECT_EQ(doc.bytes(), read_file(path()));
                } else {
                    for (const Write &w : c.writes)
                        ASSERT_TRUE(write_key(w.section, w.key, w.value, path()));
                }
                // A new file is written with LF line ends.
                EXPECT_EQ(read_file(path()), c.before ? with_eol(c.after, eol) : c.after);
            }
        }
    }
}

// A save writes two sections in one go; a document that changed nothing leaves the file
// alone, and one whose names cannot be stored says so and changes nothing.
TEST_F(IniFileTest, DocumentWritesSeveralSectionsOnce) {
    write_file(path(), "[TForm1]\nFormVersion=1\n");
    IniDocument doc(path());
    ASSERT_TRUE(doc.load());
    EXPECT_TRUE(doc.exists());
    EXPECT_EQ(doc.value("TForm1", "FormVersion"), QString("1"));
    EXPECT_EQ(doc.value("TForm1", "missing"), std::nullopt);
    EXPECT_EQ(doc.value("Trovel", "NaturalBreaks"), std::nullopt);
    ASSERT_TRUE(doc.set("TForm1", "FormVersion", "1"));
    EXPECT_FALSE(doc.changed());
    ASSERT_TRUE(doc.set("TForm1", "Visible", "1"));
    ASSERT_TRUE(doc.set("Trovel", "NaturalBreaks", "True"));
    ASSERT_TRUE(doc.set("TForm1", "spin_timeout_Value", "7"));
    ASSERT_TRUE(doc.set("Trovel", "FullScreenWait", "30"));
    EXPECT_FALSE(doc.set("TForm1", "bad=key", "x"));
    EXPECT_FALSE(doc.error().isEmpty());
    EXPECT_TRUE(doc.changed());
    EXPECT_FALSE(doc.replaced_lines()) << "only lines added";
    ASSERT_TRUE(doc.commit());
    EXPECT_EQ(read_file(path()), "[TForm1]\nFormVersion=1\nVisible=1\nspin_timeout_Value=7\n"
                                 "[Trovel]\nNaturalBreaks=True\nFullScreenWait=30\n");
    ASSERT_TRUE(doc.set("TForm1", "Visible", "0"));
    EXPECT_TRUE(doc.replaced_lines());
}

// The copy kept before a file is overwritten holds the file as it was read, whatever
// was set since, with the file's permissions, in place of any older copy.
TEST_F(IniFileTest, DocumentCopiesTheFileAsItWasRead) {
    const QByteArray before = "; by hand, caf\xE9\r\n[TForm1]\r\nspin_timeout_Value=12\r\n";
    write_file(path(), before);
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0640), 0);
    write_file(path("trovel.ini.bak"), "older copy");
    IniDocument doc(path());
    ASSERT_TRUE(doc.load());
    ASSERT_TRUE(doc.set("TForm1", "spin_timeout_Value", "5"));
    ASSERT_TRUE(doc.copy_original_to(path("trovel.ini.bak")));
    EXPECT_EQ(read_file(path("trovel.ini.bak")), before);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("trovel.ini.bak")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(read_file(path()), before) << "the file itself waits for commit()";
    EXPECT_EQ(entries(), QStringList({"trovel.ini", "trovel.ini.bak"}));
}

// What a killed write leaves is ours to remove at the next start, but only our own
// temporary files, and only those older than the start: a write running now is not
// touched, and neither is any file of the user's, however alike its name.
TEST_F(IniFileTest, StaleTemporaryFilesAreRemoved) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("real"));
    write_file(path("real/trovel.ini"), "[S]\nk=1\n");
    ASSERT_TRUE(QFile::link("real/trovel.ini", path("trovel.ini")));
    const timespec start{1700000000, 500000000};
    auto make = [&](const QString &name, timespec modified) {
        write_file(path(name), "half a file");
        const timespec times[2] = {modified, modified};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path(name)).constData(), times, 0), 0);
    };
    const timespec old{start.tv_sec - 60, 0};
    struct Case {
        const char *name;
        timespec modified;
        bool removed;
    };
    const std::vector<Case> cases = {
        {"real/.trovel.ini.trovel-save-Ab3xY9", old, true},
        {"real/.trovel.ini.trovel-save-q0W9e8", {start.tv_sec, start.tv_nsec - 1}, true}, // just before the start
        {"real/.trovel.ini.trovel-save-Fresh1", start, false},                            // a write running now
        {"real/.trovel.ini.trovel-save-Fresh2", {start.tv_sec + 1, 0}, false},
        {"real/.trovel.ini.trovel-save-AB_123", old, false},     // not a name we make
        {"real/.trovel.ini.trovel-save-Ab3xY", old, false},      // too short
        {"real/trovel.ini.trovel-save-Ab3xY9", old, false},      // no leading point
        {"real/.trovel.ini.bak.trovel-save-Ab3xY9", old, false}, // another file's
        {".trovel.ini.trovel-save-Ab3xY9", old, false},          // beside the link, not the file
        // Copies of the user's own.
        {"real/.trovel.ini.backup", old, false},
        {"real/.trovel.ini.orig12", old, false},
        {"real/.trovel.ini.2024v1", old, false},
        {"real/.trovel.ini.bak.saved1", old, false},
        {"real/.trovel.ini.Ab3xY9", old, false},
    };
    for (const Case &c : cases)
        make(c.name, c.modified);
    ASSERT_TRUE(QDir(dir_.path()).mkpath("real/.trovel.ini.trovel-save-Dir123"));
    ASSERT_TRUE(QFile::link("trovel.ini", path("real/.trovel.ini.trovel-save-Lnk123")));

    EXPECT_EQ(remove_stale_save_files(path(), start), 2);
    for (const Case &c : cases)
        EXPECT_EQ(QFileInfo::exists(path(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo(path("real/.trovel.ini.trovel-save-Dir123")).isDir());
    EXPECT_TRUE(QFileInfo(path("real/.trovel.ini.trovel-save-Lnk123")).isSymLink());
    EXPECT_EQ(remove_stale_save_files(path("missing/trovel.ini"), start), 0);
}

TEST_F(IniFileTest, NewLinesFollowTheFirstLineEnding) {
    write_file(path(), "[A]\r\nx=1\ny=2\n");
    ASSERT_TRUE(write_key("A", "z", "3", path()));
    ASSERT_TRUE(write_key("B", "w", "4", path()));
    EXPECT_EQ(read_file(path()), "[A]\r\nx=1\ny=2\nz=3\r\n[B]\r\nw=4\r\n");
}

TEST_F(IniFileTest, WrittenValuesReadBackUnchanged) {
    const std::vector<QString> values = {
        "plain",
        "",
        "\"quoted\"",
        "'single'",
        "\"",
        "'",
        "\"\"",
        "\"a\" \"b\"",
        "\"x'",
        "a=b; c",
        "C:\\Sounds\\bell.wav",
        "\"  padded  \"",
        QString::fromUtf8("/home/j\xc3\xb6rg/Bilder/*.jpg"),
    };
    for (const QString &v : values) {
        SCOPED_TRACE(v.toStdString());
        ASSERT_TRUE(write_key("S", "k", v, path()));
        EXPECT_EQ(read_key("S", "k", path()), v);
    }
    // Blanks around a value are not part of it.
    ASSERT_TRUE(write_key("S", "k", "  padded  ", path()));
    EXPECT_EQ(read_key("S", "k", path()), "padded");
}

TEST_F(IniFileTest, NamesThatCannotBeStoredAreRefused) {
    write_file(path(), "[S]\nk=1\n");
    EXPECT_FALSE(write_key("", "k", "v", path()));
    EXPECT_FALSE(write_key("S", " ", "v", path()));
    EXPECT_FALSE(write_key("S", "a=b", "v", path()));
    EXPECT_FALSE(write_key("S", "a\nb", "v", path()));
    EXPECT_FALSE(write_key("S\nT", "k", "v", path()));
    EXPECT_FALSE(write_key("S", ";k", "v", path()));
    EXPECT_EQ(read_file(path()), "[S]\nk=1\n");
}

TEST_F(IniFileTest, WriteKeepsPermissionsAndLeavesNoTemporaryFile) {
    write_file(path(), "[S]\nk=1\n");
    ASSERT_TRUE(
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(write_key("S", "k", "2", path()));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), QStringList{"trovel.ini"});
}

TEST_F(IniFileTest, ChangedFileIsReplacedUnchangedFileIsLeftAlone) {
    auto inode = [this] {
        struct stat st {};
        ::stat(QFile::encodeName(path()).constData(), &st);
        return st.st_ino;
    };
    write_file(path(), "[S]\nk=1\n");
    const auto original = inode();
    ASSERT_TRUE(write_key("S", "k", "1", path()));
    EXPECT_EQ(inode(), original);
    ASSERT_TRUE(write_key("S", "k", "2", path()));
    EXPECT_NE(inode(), original) << "a new file renamed over the old one";
}

TEST_F(IniFileTest, WriteGoesThroughSymbolicLinks) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("real"));
    write_file(path("real/trovel.ini"), "[S]\nk=1\n");
    ASSERT_TRUE(QFile::link("real/trovel.ini", path("link.ini")));
    ASSERT_TRUE(QFile::link("link.ini", path("link2.ini")));
    ASSERT_TRUE(write_key("S", "k", "2", path("link2.ini")));
    EXPECT_TRUE(QFileInfo(path("link2.ini")).isSymLink());
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());
    EXPECT_EQ(read_file(path("real/trovel.ini")), "[S]\nk=2\n");

    // A link to a file not yet there makes the file, not a plain file in its place.
    ASSERT_TRUE(QFile::link("real/new.ini", path("dangling.ini")));
    ASSERT_TRUE(write_key("S", "k", "3", path("dangling.ini")));
    EXPECT_TRUE(QFileInfo(path("dangling.ini")).isSymLink());
    EXPECT_EQ(read_file(path("real/new.ini")), "[S]\nk=3\n");
}

TEST_F(IniFileTest, UnwritablePlacesReportFailure) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("a_folder.ini"));
    EXPECT_FALSE(write_key("S", "k", "v", path("a_folder.ini")));
    EXPECT_FALSE(write_key("S", "k", "v", path("missing/trovel.ini")));
    ASSERT_TRUE(QFile::link("loop.ini", path("loop.ini")));
    EXPECT_FALSE(write_key("S", "k", "v", path("loop.ini")));
}

TEST_F(IniFileTest, FullDiskLeavesTheOldFileWhole) {
    const QByteArray old_text = "; hand-written\n[S]\nk=1\n";
    write_file(path(), old_text);
    bool written = true;
    IniDocument doc(path());
    ASSERT_TRUE(doc.load());
    ASSERT_TRUE(doc.set("S", "k", "a value too long for the disk"));
    {
        test::FileSizeLimit limit(old_text.size() + 4);
        written = doc.commit();
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(doc.error().toStdString(), std::strerror(EFBIG));
    EXPECT_EQ(read_file(path()), old_text);
    EXPECT_EQ(entries(), QStringList{"trovel.ini"});
}

TEST_F(IniFileTest, ReadOnlyFileOrFolderIsNotWritten) {
    if (test::running_as_root()) GTEST_SKIP() << "a privileged user writes read-only files";
    write_file(path(), "[S]\nk=1\n");
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    EXPECT_FALSE(write_key("S", "k", "2", path()));
    EXPECT_FALSE(write_key("S", "k", "1", path())) << "even when nothing would change";
    EXPECT_EQ(read_file(path()), "[S]\nk=1\n");

    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(write_key("S", "k", "2", path()));
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(read_file(path()), "[S]\nk=1\n");
}

} // namespace
} // namespace trovel
