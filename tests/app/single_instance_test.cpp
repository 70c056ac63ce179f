// The instance lock: where it lives (beside the settings file, whatever the runtime
// folder), who may hold it, and that a holder that dies or a child it started never leaves
// it stuck.
#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace trovel::test {
namespace {

// Sets (or with nullopt unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char *name, std::optional<QByteArray> value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedEnv() { old_ ? qputenv(name_, *old_) : qunsetenv(name_); }

private:
    const char *name_;
    std::optional<QByteArray> old_;
};

using Status = InstanceLock::Status;

TEST(InstanceLockPath, BesideTheSettingsFileWhateverTheRuntimeFolder) {
    struct Case {
        std::optional<QByteArray> runtime, config, home;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"/run/user/1000", "/home/a/.cfg", "/home/a", "/home/a/.cfg/trovel.lock"},
        {std::nullopt, "/home/a/.cfg/", "/home/a", "/home/a/.cfg/trovel.lock"},
        {"", "/home/a/.cfg", "/home/a", "/home/a/.cfg/trovel.lock"},
        {"/run/user/1000", std::nullopt, "/home/b", "/home/b/.config/trovel.lock"},
        {"run/user", "relative", "/home/b", "/home/b/.config/trovel.lock"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime), config("XDG_CONFIG_HOME", c.config), home("HOME", c.home);
        EXPECT_EQ(instance_lock_path(), c.expected);
    }
}

TEST(InstanceLock, OneHolderAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.lock");
    auto first = std::make_unique<InstanceLock>(path);
    EXPECT_EQ(first->status(), Status::owner);
    {
        InstanceLock second(path);
        EXPECT_EQ(second.status(), Status::taken);
        EXPECT_TRUE(second.error().isEmpty());
    }
    // A refused start does not weaken the holder's lock.
    EXPECT_EQ(InstanceLock(path).status(), Status::taken);
    first.reset();
    EXPECT_EQ(InstanceLock(path).status(), Status::owner);
}

// The flock utility takes the same kind of lock, as another copy of the program would;
// without forking, the killed process is the one holding it.
TEST(InstanceLock, HolderKilledOutrightLeavesNoLock) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.lock");
    QProcess holder;
    holder.start(QStringLiteral("flock"), {QStringLiteral("--exclusive"), QStringLiteral("--no-fork"), path,
                                           QStringLiteral("sleep"), QStringLiteral("60")});
    ASSERT_TRUE(holder.waitForStarted());
    bool taken = false;
    for (int i = 0; i < 200 && !taken; ++i) {
        taken = InstanceLock(path).status() == Status::taken;
        if (!taken) QThread::msleep(10);
    }
    ASSERT_TRUE(taken) << "the flock utility never took the lock";
    holder.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(holder.waitForFinished());
    EXPECT_EQ(InstanceLock(path).status(), Status::owner);
}

// A browser opened from the program may outlive it; it must not inherit the lock.
TEST(InstanceLock, ChildProcessesDoNotInheritTheLock) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.lock");
    auto lock = std::make_unique<InstanceLock>(path);
    ASSERT_EQ(lock->status(), Status::owner);
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(child.waitForStarted());
    lock.reset();
    EXPECT_EQ(InstanceLock(path).status(), Status::owner);
    child.kill();
    child.waitForFinished();
}

// One copy started from a session with a runtime folder and one without, on the same
// settings: the second finds the first one's lock.
TEST(InstanceLock, MixedStartSharesTheLockOfTheConfigFolder) {
    QTemporaryDir dir;
    const QString runtime = dir.filePath("run"), config = dir.filePath("cfg");
    ASSERT_TRUE(QDir().mkpath(runtime));
    ScopedEnv config_env("XDG_CONFIG_HOME", config.toLocal8Bit());
    std::optional<ScopedEnv> runtime_env(std::in_place, "XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    const InstanceLock first = InstanceLock::for_user();
    ASSERT_EQ(first.status(), Status::owner);
    EXPECT_TRUE(QFileInfo::exists(config + "/trovel.lock")) << "the folder is made for it";
    EXPECT_FALSE(QFileInfo::exists(runtime + "/trovel.lock"));
    runtime_env.emplace("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_EQ(InstanceLock::for_user().status(), Status::taken);
}

// The moment the lock was taken tells what a dead copy left from what a running one writes.
TEST(InstanceLock, TakenAtIsTheFileSystemsTimeOfTaking) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trovel.lock");
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    const timespec long_ago[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), long_ago, 0), 0);
    QFile before(dir.filePath("before"));
    ASSERT_TRUE(before.open(QIODevice::WriteOnly));
    const InstanceLock lock(path);
    ASSERT_EQ(lock.status(), Status::owner);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(before.fileName()).constData(), &st), 0);
    EXPECT_GE(lock.taken_at().tv_sec, st.st_mtim.tv_sec);
    EXPECT_GT(lock.taken_at().tv_sec, 1000);
    EXPECT_EQ(InstanceLock(path).taken_at().tv_sec, 0) << "a copy that did not get the lock";
}

// Makes `folder` read-only for one scope: a read-only bind mount of it on itself, or, where
// no mount can be made (not root), the modes as a stand-in, which refuse the opening for
// writing the same way.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder) : folder_(folder) {
        mounted_ = QProcess::execute("mount", {"--bind", folder, folder}) == 0;
        if (mounted_ && QProcess::execute("mount", {"-o", "remount,ro,bind", folder}) != 0) {
            QProcess::execute("umount", {folder});
            mounted_ = false;
        }
        if (!mounted_) {
            QFile::setPermissions(folder + "/trovel.lock", QFile::ReadOwner);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder() {
        if (mounted_)
            QProcess::execute("umount", {folder_});
        else
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool mounted() const { return mounted_; }

private:
    QString folder_;
    bool mounted_ = false;
};

// Whatever stands at trovel.lock, and on a read-only file system, a second copy is refused
// while one holds the lock (the folder itself is locked), and the next one gets it after.
TEST(InstanceLock, HoldsWhateverStandsAtTheLockFile) {
    struct Case {
        const char *name;
        std::function<void(const QString &folder)> prepare;
        bool read_only;
    };
    const Case cases[] = {
        {"no file yet", [](const QString &) {}, false},
        {"a folder in its place", [](const QString &f) { ASSERT_TRUE(QDir(f).mkdir("trovel.lock")); }, false},
        {"a link to a file elsewhere",
         [](const QString &f) {
             ASSERT_TRUE(QFile(f + "/../elsewhere").open(QIODevice::WriteOnly));
             ASSERT_TRUE(QFile::link(f + "/../elsewhere", f + "/trovel.lock"));
         },
         false},
        {"a link to nowhere", [](const QString &f) { ASSERT_TRUE(QFile::link(f + "/../nowhere", f + "/trovel.lock")); },
         false},
        {"read-only with the file",
         [](const QString &f) { ASSERT_TRUE(QFile(f + "/trovel.lock").open(QIODevice::WriteOnly)); }, true},
        {"read-only without the file", [](const QString &) {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString folder = dir.filePath("cfg"), path = folder + "/trovel.lock";
        ASSERT_TRUE(QDir().mkpath(folder));
        c.prepare(folder);
        std::optional<ReadOnlyFolder> read_only;
        if (c.read_only) read_only.emplace(folder);
        {
            const InstanceLock first(path);
            EXPECT_EQ(first.status(), Status::owner) << first.error().toStdString();
            const InstanceLock second(path);
            EXPECT_EQ(second.status(), Status::taken) << second.error().toStdString();
        }
        EXPECT_EQ(InstanceLock(path).status(), Status::owner);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere"))) << "a file was made through the link";
        if (c.read_only) {
            QFile probe(folder + "/probe");
            EXPECT_FALSE(probe.open(QIODevice::WriteOnly)) << "the folder was not read-only";
        }
    }
}

// When no lock can be had the program runs unguarded rather than not at all.
TEST(InstanceLock, MissingFolderIsReportedNotTaken) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/trovel.lock");
    const InstanceLock lock(path);
    EXPECT_EQ(lock.status(), Status::unavailable);
    EXPECT_TRUE(lock.error().startsWith(path)) << lock.error().toStdString();
}

} // namespace
} // namespace trovel::test
