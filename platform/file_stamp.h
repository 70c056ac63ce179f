// What tells one state of a file from another without reading it: device, inode, size and
// the modification and change times to the nanosecond. The change time moves on every
// write, rename or change of permissions and cannot be set back, so a file rewritten and
// given its old modification time again still differs (unless within one clock tick).
#pragma once

#include <QFile>
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace trovel {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileStamp of(const struct stat &st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }
    static std::optional<FileStamp> of(const QString &path) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
        return of(st);
    }
    bool operator==(const FileStamp &o) const {
        return device == o.device && inode == o.inode && size == o.size && same(modified, o.modified) &&
               same(changed, o.changed);
    }
    static bool same(timespec a, timespec b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }
};

} // namespace trovel
