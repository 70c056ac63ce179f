// The instance lock of a configuration folder: a flock() held on an open descriptor.
#include "app/single_instance.h"

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

namespace trovel {

namespace {
const QString kLockName = QStringLiteral("trovel.lock");
} // namespace

QString instance_lock_path() { return QDir::cleanPath(config_folder() + QLatin1Char('/') + kLockName); }

InstanceLock InstanceLock::for_user() { return InstanceLock(instance_lock_path(), true); }

InstanceLock::InstanceLock(const QString &path, bool create_folder) {
    if (create_folder) QDir().mkpath(QFileInfo(path).absolutePath());
    // Close-on-exec: a browser or helper started from the program must not inherit the
    // lock and keep it after the program has ended.
    const QByteArray native = QFile::encodeName(path);
    do {
        fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        status_ = Status::owner;
        // Stamped now, so that what earlier copies left can be told from what this one
        // and any later one write.
        struct stat st {};
        if (::futimens(fd_, nullptr) == 0 && ::fstat(fd_, &st) == 0) taken_at_ = st.st_mtim;
        return;
    }
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    if (err == EWOULDBLOCK) {
        status_ = Status::taken;
        return;
    }
    error_ = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(err)));
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace trovel
