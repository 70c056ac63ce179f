// One running copy per user. Two copies would overwrite each other's settings file, so a
// second start finds the lock held and ends at once. The lock is a flock() on a file in
// the user's runtime folder, held through a descriptor that stays open for the life of the
// process: the kernel drops it when the process ends in any way, even by SIGKILL or a
// crash, so a dead copy never blocks the next start.
#pragma once

#include <QString>

namespace trovel {

// Where the lock lives: $XDG_RUNTIME_DIR/trovel.lock when that is set to an absolute
// path, otherwise trovel.lock in the configuration folder. Both are the user's own, so
// there is one lock per user whatever the display.
QString instance_lock_path();

class InstanceLock {
public:
    enum class Status {
        owner,       // this process holds the lock
        taken,       // another process holds it: this copy should end
        unavailable, // no lock could be had (folder or file system refuses): run unguarded
    };

    // Tries to take the lock at `path` without waiting. The file is created when
    // missing; its folder too when `create_folder` is set.
    explicit InstanceLock(const QString &path, bool create_folder = false);
    // The current user's lock, at instance_lock_path(). The configuration folder is made
    // when the lock goes there; the runtime folder belongs to the session and never is.
    static InstanceLock for_user();
    ~InstanceLock(); // lets the lock go
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Status status() const { return status_; }
    // Why the lock was unavailable, for a warning; empty otherwise.
    const QString &error() const { return error_; }

private:
    int fd_ = -1;
    Status status_ = Status::unavailable;
    QString error_;
};

} // namespace trovel
