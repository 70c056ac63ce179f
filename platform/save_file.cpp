// The atomic replacement of a file: temporary file, sync, rename, sync of the folder.
//
// QSaveFile was measured against this and not used: its temporary name
// ("<name>.XXXXXX") is one a user may choose for a copy of their own, which the sweep at
// start would then delete, and its errors word the failure differently for each step.
#include "platform/save_file.h"

#include "platform/error_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel {

namespace {

constexpr char kTemporaryInfix[] = ".trovel-save-";

bool write_all(int fd, const QByteArray &data) {
    const char *p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

mode_t default_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Whether `name` is a temporary file's name for `file_name`: ".<name>.trovel-save-" and
// the six letters or digits mkostemp() adds.
bool is_temporary_name(QByteArrayView name, QByteArrayView file_name) {
    const QByteArrayView infix(kTemporaryInfix);
    if (name.size() != 1 + file_name.size() + infix.size() + 6 || name[0] != '.' ||
        name.sliced(1, file_name.size()) != file_name || name.sliced(1 + file_name.size(), infix.size()) != infix)
        return false;
    for (char ch : name.last(6)) {
        if (!((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))) return false;
    }
    return true;
}

bool earlier(const timespec &a, const timespec &b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

} // namespace

QString resolve_symlinks(const QString &path) {
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray native = QFile::encodeName(current);
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(native.constData(), target.data(), size_t(target.size()));
        if (n <= 0 || n >= target.size()) return QString();
        target.truncate(n);
        const QString next = QFile::decodeName(target);
        current = QDir::cleanPath(QFileInfo(current).absoluteDir().absoluteFilePath(next));
    }
    return QString();
}

namespace {

// Where a save of a path lands, and that file's state when it exists.
struct SaveTarget {
    QString path;
    QByteArray native;
    QByteArray folder;
    bool exists = false;
    struct stat st {};
};

bool save_target(const QString &path, SaveTarget *t, QString *error) {
    auto failed = [error](const QString &why) {
        if (error) *error = why;
        return false;
    };
    t->path = resolve_symlinks(path);
    if (t->path.isEmpty()) return failed(system_error(ELOOP));
    const QFileInfo info(t->path);
    t->native = QFile::encodeName(t->path);
    t->folder = QFile::encodeName(info.absolutePath());
    t->exists = ::stat(t->native.constData(), &t->st) == 0;
    if (!t->exists && errno != ENOENT) return failed(system_error(errno));
    if (t->exists && !S_ISREG(t->st.st_mode))
        return failed(S_ISDIR(t->st.st_mode) ? system_error(EISDIR) : QStringLiteral("Not a regular file"));
    // The rename would replace a file that may not be written; such a file, like a folder
    // in which no file may be made, is a file that cannot be written.
    if (t->exists && ::access(t->native.constData(), W_OK) != 0) return failed(system_error(errno));
    if (::access(t->folder.constData(), W_OK | X_OK) != 0) return failed(system_error(errno));
    return true;
}

} // namespace

bool can_save_file(const QString &path, QString *error) {
    SaveTarget t;
    return save_target(path, &t, error);
}

bool save_file(const QString &path, const QByteArray &bytes, QString *error, std::optional<mode_t> mode) {
    auto failed = [error](const QString &why) {
        if (error) *error = why;
        return false;
    };
    SaveTarget t;
    if (!save_target(path, &t, error)) return false;
    const QByteArray &native = t.native;
    const QByteArray &folder = t.folder;
    const bool exists = t.exists;
    const struct stat &st = t.st;
    const QFileInfo info(t.path);

    QByteArray temp = folder + "/." + QFile::encodeName(info.fileName()) + kTemporaryInfix + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return failed(system_error(errno));
    int err = 0;
    auto step = [&err](bool ok) {
        if (!ok && !err) err = errno ? errno : EIO;
        return ok;
    };
    // A mode asked for wins (a copy as private as the file it copies); else the old file's.
    const mode_t new_mode = mode ? *mode : exists ? (st.st_mode & 07777) : default_mode();
    bool ok = step(::fchmod(fd, new_mode) == 0);
    if (ok && exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        // Only possible for a privileged writer; a file that keeps another owner is
        // better than none, so a refusal here is not a failure.
        [[maybe_unused]] const int ignored = ::fchown(fd, st.st_uid, st.st_gid);
    }
    ok = ok && step(write_all(fd, bytes)) && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    ok = ok && step(::rename(temp.constData(), native.constData()) == 0);
    if (!ok) {
        ::unlink(temp.constData());
        return failed(system_error(err));
    }
    // The rename reaches the disk with the folder; a folder that cannot be synced (some
    // file systems refuse) still holds the whole new file or the whole old one.
    const int dir_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd >= 0) {
        ::fsync(dir_fd);
        ::close(dir_fd);
    }
    return true;
}

int remove_stale_save_files(const QString &path, const timespec &older_than) {
    const QString target = resolve_symlinks(path);
    if (target.isEmpty()) return 0;
    const QFileInfo info(target);
    const QByteArray file_name = QFile::encodeName(info.fileName());
    DIR *dir = ::opendir(QFile::encodeName(info.absolutePath()).constData());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (!is_temporary_name(QByteArrayView(entry->d_name), file_name)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || !earlier(st.st_mtim, older_than)) continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace trovel
