// The per-user instance lock: where it lives, who may hold it, and that a holder that dies
// or a child it started never leaves it stuck.
#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

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

TEST(InstanceLockPath, RuntimeFolderFirstThenConfigFolder) {
    struct Case {
        std::optional<QByteArray> runtime, config, home;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"/run/user/1000", "/home/a/.cfg", "/home/a", "/run/user/1000/trovel.lock"},
        {"/run/user/1000/", std::nullopt, "/home/a", "/run/user/1000/trovel.lock"},
        // Unset, empty or relative: the runtime folder is not used.
        {std::nullopt, "/home/a/.cfg", "/home/a", "/home/a/.cfg/trovel.lock"},
        {"", "/home/a/.cfg", "/home/a", "/home/a/.cfg/trovel.lock"},
        {"run/user", std::nullopt, "/home/b", "/home/b/.config/trovel.lock"},
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

TEST(InstanceLock, ForUserMakesOnlyTheConfigFolder) {
    QTemporaryDir dir;
    const QString runtime = dir.filePath("run"), config = dir.filePath("cfg");
    ASSERT_TRUE(QDir().mkpath(runtime));
    ScopedEnv config_env("XDG_CONFIG_HOME", config.toLocal8Bit());
    {
        ScopedEnv runtime_env("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        const InstanceLock lock = InstanceLock::for_user();
        EXPECT_EQ(lock.status(), Status::owner);
        EXPECT_TRUE(QFileInfo::exists(runtime + "/trovel.lock"));
        EXPECT_FALSE(QFileInfo::exists(config)) << "a start must not create the config folder";
    }
    {
        ScopedEnv runtime_env("XDG_RUNTIME_DIR", std::nullopt);
        const InstanceLock lock = InstanceLock::for_user();
        EXPECT_EQ(lock.status(), Status::owner);
        EXPECT_TRUE(QFileInfo::exists(config + "/trovel.lock"));
    }
}

// When no lock can be had the program runs unguarded rather than not at all.
TEST(InstanceLock, UnusablePlaceIsReportedNotTaken) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("a_folder"));
    for (const QString &path : {dir.filePath("missing/trovel.lock"), dir.filePath("a_folder")}) {
        SCOPED_TRACE(path.toStdString());
        const InstanceLock lock(path);
        EXPECT_EQ(lock.status(), Status::unavailable);
        EXPECT_TRUE(lock.error().startsWith(path)) << lock.error().toStdString();
    }
}

} // namespace
} // namespace trovel::test
