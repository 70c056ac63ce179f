// The instance lock of a configuration folder: flock() held on open descriptors, on the
// folder itself and on trovel.lock in it.
#include "app/single_instance.h"

#include "platform/error_text.h"
#include "settings/settings_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace trovel {

namespace {

const QString kLockName = QStringLiteral("trovel.lock");

int open_retrying(const QByteArray &path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.constData(), flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// 0 when the lock is had, else errno (EWOULDBLOCK: another process holds it).
int lock_now(int fd) {
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

QString reason(const QString &path, int err) { return QStringLiteral("%1: %2").arg(path, system_error(err)); }

} // namespace

QString instance_lock_path() { return QDir::cleanPath(config_folder() + QLatin1Char('/') + kLockName); }

InstanceLock InstanceLock::for_user() { return InstanceLock(instance_lock_path(), true); }

InstanceLock::InstanceLock(const QString &path, bool create_folder) {
    const QString folder = QFileInfo(path).absolutePath();
    if (create_folder) QDir().mkpath(folder);
    // Close-on-exec everywhere: a browser or helper started from the program must not
    // inherit the lock and keep it after the program has ended.
    // The folder is the lock every copy takes: it needs only a descriptor open for
    // reading, so it holds on a read-only file system and whatever stands at trovel.lock.
    QString folder_error;
    folder_fd_ = open_retrying(QFile::encodeName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd_ < 0) {
        folder_error = reason(folder, errno);
    } else if (const int err = lock_now(folder_fd_); err != 0) {
        ::close(std::exchange(folder_fd_, -1));
        if (err == EWOULDBLOCK) {
            status_ = Status::taken;
            return;
        }
        // NFS takes an exclusive flock only on a descriptor open for writing: the file
        // below then carries the lock alone.
        folder_error = reason(folder, err);
    }
    // trovel.lock is locked too where it can be opened: earlier versions locked only it,
    // and a copy of one may still run; and its time tells when the lock was taken. Never
    // through a symbolic link, which could point anywhere.
    const QByteArray native = QFile::encodeName(path);
    file_fd_ = open_retrying(native, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file_fd_ < 0) file_fd_ = open_retrying(native, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    QString file_error = file_fd_ < 0 ? reason(path, errno) : QString();
    if (file_fd_ >= 0) {
        if (const int err = lock_now(file_fd_); err != 0) {
            ::close(std::exchange(file_fd_, -1));
            if (err == EWOULDBLOCK) {
                if (folder_fd_ >= 0) ::close(std::exchange(folder_fd_, -1));
                status_ = Status::taken;
                return;
            }
            file_error = reason(path, err);
        }
    }
    if (folder_fd_ < 0 && file_fd_ < 0) {
        error_ = file_error.isEmpty() ? folder_error : file_error;
        return;
    }
    status_ = Status::owner;
    // Stamped now, so that what earlier copies left can be told from what this one and
    // any later one write. Where it cannot be stamped (a read-only file system, a folder
    // in its place) the time stays zero and nothing is taken for a leftover.
    struct stat st {};
    if (file_fd_ >= 0 && ::fstat(file_fd_, &st) == 0 && S_ISREG(st.st_mode) && ::futimens(file_fd_, nullptr) == 0 &&
        ::fstat(file_fd_, &st) == 0)
        taken_at_ = st.st_mtim;
}

InstanceLock::~InstanceLock() {
    if (file_fd_ >= 0) ::close(file_fd_);
    if (folder_fd_ >= 0) ::close(folder_fd_);
}

} // namespace trovel
