// One running copy per settings file. Two copies would overwrite each other's settings, so
// a second start finds the lock held and ends at once. The lock is a flock() on the folder
// that holds the settings file (and on trovel.lock in it, which earlier versions locked),
// held through descriptors that stay open for the life of the process: the kernel drops it
// when the process ends in any way, even by SIGKILL or a crash, so a dead copy never
// blocks the next start. A descriptor open for reading is enough, so the lock holds on a
// read-only file system and whatever stands at trovel.lock.
#pragma once

#include <QString>
#include <ctime>

namespace trovel {

// Where the lock lives: trovel.lock in the configuration folder, beside the settings file
// it guards. Copies started with different runtime folders or displays but the same
// configuration folder share it.
QString instance_lock_path();

class InstanceLock {
public:
    enum class Status {
        owner,       // this process holds the lock
        taken,       // another process holds it: this copy should end
        unavailable, // the folder cannot be opened or locked: run unguarded
    };

    // Tries to take the lock of the folder of `path`, and of `path`, without waiting. The
    // file is created when missing and it can be; its folder too when `create_folder` is
    // set.
    explicit InstanceLock(const QString &path, bool create_folder = false);
    // The lock of the current configuration folder, at instance_lock_path(); the folder is
    // made when missing.
    static InstanceLock for_user();
    ~InstanceLock(); // lets the lock go
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Status status() const { return status_; }
    // Why the lock was unavailable, for a warning; empty otherwise.
    const QString &error() const { return error_; }
    // When this process took the lock, by the file system's clock (the lock file's
    // modification time, set as it is taken); zero unless the status is owner and the
    // file could be stamped. A file a dead copy left is older than this; one a running
    // copy writes is not.
    const timespec &taken_at() const { return taken_at_; }

private:
    int folder_fd_ = -1, file_fd_ = -1;
    timespec taken_at_{};
    Status status_ = Status::unavailable;
    QString error_;
};

} // namespace trovel
