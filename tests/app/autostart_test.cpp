// Start at login: what Exec= holds for installed and other paths, that the entry is a
// valid desktop entry whose Exec= names the program, the check mark read from the file,
// and folders that cannot be written.
#include "app/autostart.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace trovel::test {
namespace {

// The program an Exec= value starts, read back by the desktop entry rules: the string
// escapes first, then one argument in double quotes or up to the first blank.
QString program_of_exec(const QString &exec) {
    QString s;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == u'\\' && i + 1 < exec.size()) {
            const QChar n = exec[++i];
            s += n == u's' ? QChar(u' ') : n == u'n' ? QChar(u'\n') : n == u't' ? QChar(u'\t') : n;
        } else {
            s += exec[i];
        }
    }
    s.replace(QStringLiteral("%%"), QStringLiteral("%"));
    if (!s.startsWith(u'"')) return s.section(u' ', 0, 0);
    QString arg;
    for (qsizetype i = 1; i < s.size() && s[i] != u'"'; ++i)
        arg += s[i] == u'\\' && i + 1 < s.size() ? s[++i] : s[i];
    return arg;
}

QString exec_line(const QByteArray &entry) {
    for (const QByteArray &line : entry.split('\n'))
        if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5));
    return {};
}

class AutostartTest : public ::testing::Test {
protected:
    Autostart at(const QString &program = "/home/u/src/trovel/build/trovel") const {
        return Autostart(dir.path(), program, {"/usr/local/bin", "/usr/bin"});
    }
    QString folder() const { return dir.filePath("autostart"); }
    QStringList folder_entries() const {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

TEST_F(AutostartTest, ExecNamesTheRunningProgram) {
    struct Case {
        QString program;
        QString exec;
    };
    const Case cases[] = {
        {"/usr/local/bin/trovel", "trovel"},
        {"/usr/bin/trovel", "trovel"},
        {"/usr/bin/trovel-dev", "/usr/bin/trovel-dev"},
        {"/opt/bin/trovel", "/opt/bin/trovel"},
        {"/home/u/build/trovel", "/home/u/build/trovel"},
        {"/home/u/my build/trovel", "\"/home/u/my build/trovel\""},
        {"/home/u/100%/trovel", "/home/u/100%%/trovel"},
        {"/home/u/a$b\"c`d\\e/trovel", "\"/home/u/a\\\\$b\\\\\"c\\\\`d\\\\\\\\e/trovel\""},
        {"/home/u/it's (new)/trovel", "\"/home/u/it's (new)/trovel\""},
        {QString::fromUtf8("/home/jürgen/trovel"), QString::fromUtf8("/home/jürgen/trovel")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        EXPECT_EQ(at(c.program).exec_value(), c.exec);
        if (c.exec != "trovel") {
            EXPECT_EQ(program_of_exec(c.exec), c.program);
        }
    }
}

TEST_F(AutostartTest, EntryIsValidAndComesAndGoes) {
    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validate.isEmpty()) << "desktop-file-utils is installed by scripts/deps";
    for (const QString &program : {QString("/usr/bin/trovel"), QString("/home/u/my build/$HOME/100%/trovel"),
                                   QString::fromUtf8("/home/jürgen/a\\b/trovel")}) {
        SCOPED_TRACE(program.toStdString());
        const Autostart a = at(program);
        EXPECT_FALSE(a.enabled());
        QString error;
        ASSERT_TRUE(a.enable(&error)) << error.toStdString();
        EXPECT_TRUE(a.enabled());
        EXPECT_EQ(a.file_path(), folder() + "/trovel.desktop");
        EXPECT_EQ(read_file(a.file_path()), a.desktop_entry());
        EXPECT_EQ(folder_entries(), QStringList{"trovel.desktop"});                // no temporary file left
        EXPECT_TRUE(QFile::permissions(a.file_path()).testFlag(QFile::ReadOther)); // as desktop entries are
        QProcess p;
        p.start(validate, {a.file_path()});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
        const QString exec = exec_line(read_file(a.file_path()));
        EXPECT_EQ(exec == "trovel" ? "/usr/bin/trovel" : program_of_exec(exec), program);
        EXPECT_TRUE(a.enable(&error)); // again: the same file
        EXPECT_EQ(folder_entries(), QStringList{"trovel.desktop"});
        EXPECT_TRUE(a.disable(&error));
        EXPECT_FALSE(a.enabled());
        EXPECT_FALSE(QFile::exists(a.file_path()));
        EXPECT_TRUE(a.disable(&error)) << "not there: no error";
    }
}

TEST_F(AutostartTest, ADesktopsOwnSwitchTurnsTheCheckOff) {
    QDir().mkpath(folder());
    const QByteArray base = at().desktop_entry();
    struct Case {
        const char *what;
        QByteArray file;
        bool enabled;
    };
    const Case cases[] = {
        {"our entry", base, true},
        {"Hidden=true", base + "Hidden=true\n", false},
        {"Hidden=false", base + "Hidden=false\n", true},
        {"switched off by GNOME",
         QByteArray(base).replace("X-GNOME-Autostart-enabled=true", "X-GNOME-Autostart-enabled=false"), false},
        {"Hidden in another group", base + "[Desktop Action x]\nHidden=true\n", true},
        {"an empty file", "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        write_file(at().file_path(), c.file);
        EXPECT_EQ(at().enabled(), c.enabled);
    }
    QFile::remove(at().file_path());
    QDir().mkpath(at().file_path()); // a folder of that name is no entry
    EXPECT_FALSE(at().enabled());
}

TEST_F(AutostartTest, AutostartFolderThatIsAFileIsReportedAndKept) {
    write_file(folder(), "not a folder");
    QString error;
    EXPECT_FALSE(at().enable(&error));
    EXPECT_EQ(error, "Unable to create the folder " + folder() + ": Not a directory");
    EXPECT_EQ(read_file(folder()), "not a folder");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"autostart"});
    EXPECT_FALSE(at().enabled());
    EXPECT_TRUE(at().disable(&error)) << "nothing there to remove";
}

TEST_F(AutostartTest, PathsAnEntryCannotHoldAreReported) {
    for (const QString &program :
         {QString("/home/u/a\nb/trovel"), QString("/home/u/caf") + QChar::ReplacementCharacter + "/trovel"}) {
        QString error;
        EXPECT_FALSE(at(program).enable(&error));
        EXPECT_TRUE(error.startsWith("Unable to start trovel at login from ")) << error.toStdString();
        EXPECT_FALSE(QFile::exists(at().file_path()));
    }
}

TEST_F(AutostartTest, ReadOnlyFolderIsReportedAndKept) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QDir().mkpath(folder());
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    EXPECT_FALSE(at().enable(&error));
    EXPECT_EQ(error, "Unable to write to " + at().file_path() + ": Permission denied");
    EXPECT_TRUE(folder_entries().isEmpty());
    EXPECT_FALSE(at().enabled());

    // An entry in a folder that became read-only stays, and so does its check mark.
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(at().enable(&error));
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(at().disable(&error));
    EXPECT_EQ(error, "Unable to remove " + at().file_path() + ": Permission denied");
    EXPECT_TRUE(at().enabled());
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace trovel::test
