// Reading the settings file in one read and writing it back in one atomic rewrite.
#include "settings/ini_file.h"

#include "platform/error_text.h"

#include "platform/save_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel {

namespace {

bool read_all(int fd, qsizetype expected, QByteArray &out) {
    // One byte more than expected, so that the end of the file is seen without growing.
    out.resize(std::max<qsizetype>(expected, 0) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == out.size()) out.resize(out.size() + std::max<qsizetype>(out.size() / 2, 4096));
        const ssize_t n = ::read(fd, out.data() + got, size_t(out.size() - got));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        got += n;
    }
    out.truncate(got);
    return true;
}

// Why a file that exists is no file to read or write.
QString not_regular(const struct stat &st) {
    return S_ISDIR(st.st_mode) ? system_error(EISDIR) : QStringLiteral("Not a regular file");
}

} // namespace

IniDocument::IniDocument(const QString &path) : path_(path) {}

bool IniDocument::load() {
    text_ = IniText();
    original_.clear();
    exists_ = changed_ = replaced_lines_ = false;
    error_.clear();
    const QByteArray native = QFile::encodeName(path_);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT) return true; // also a link to a file not yet there
        error_ = system_error(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error_ = not_regular(st);
        return false;
    }
    // Not blocking: a FIFO put in the file's place after the check must not hang the
    // program.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error_ = system_error(errno);
        return false;
    }
    QByteArray data;
    errno = 0;
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        error_ = not_regular(st);
        ok = false;
    } else if (ok) {
        ok = read_all(fd, qsizetype(st.st_size), data);
    }
    if (!ok && error_.isEmpty()) error_ = system_error(errno ? errno : EIO);
    ::close(fd);
    if (!ok) return false;
    // The bytes are shared with the original until the first change.
    original_ = data;
    text_ = IniText(std::move(data));
    original_mode_ = st.st_mode & 07777;
    exists_ = true;
    return true;
}

bool IniDocument::set(const QString &section, const QString &key, const QString &value) {
    switch (text_.set(section, key, value)) {
    case IniText::SetResult::refused:
        error_ = QStringLiteral("the name [%1] %2 cannot be stored").arg(section, key);
        return false;
    case IniText::SetResult::unchanged:
        return true;
    case IniText::SetResult::replaced:
        replaced_lines_ = true;
        break;
    case IniText::SetResult::added:
        break;
    }
    changed_ = true;
    return true;
}

bool IniDocument::commit() {
    error_.clear();
    // Most saves change nothing; rewriting the file for them would only cost a sync. The
    // file must still be one that a save could write.
    if (!changed_ && QFile::exists(path_)) return can_save_file(path_, &error_);
    if (!save_file(path_, text_.bytes(), &error_)) return false;
    original_ = text_.bytes();
    exists_ = true;
    changed_ = replaced_lines_ = false;
    struct stat st {};
    if (::stat(QFile::encodeName(path_).constData(), &st) == 0) original_mode_ = st.st_mode & 07777;
    return true;
}

bool IniDocument::copy_original_to(const QString &path) {
    error_.clear();
    return save_file(path, original_, &error_, exists_ ? std::optional<mode_t>(mode_t(original_mode_)) : std::nullopt);
}

} // namespace trovel
