// INI key lookup, the line-preserving key write on a document in memory, and the atomic
// rewrite of the file.
//
// Every read must see the file as it is on disk. Parsing a large file for every key made a
// 50 MB file take a minute, so the last file read or written stays in memory with what
// identifies its state on disk (device, inode, size, modification and change times) and
// is used again while nothing of that has changed. The file is scanned as bytes; only the
// lines that can be a section header or a key are decoded.
#include "settings/ini_file.h"

#include "platform/file_stamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace trovel {

namespace {

// Larger files are read afresh by every call rather than held for the rest of the run.
constexpr qsizetype kMaxCachedFileSize = qsizetype(64) << 20;

bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

bool is_blank_byte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

QStringView trim_blanks(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && is_blank(s[begin]))
        ++begin;
    while (end > begin && is_blank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin);
}

// Cuts to the longest returned value, never between the halves of a surrogate pair.
QString capped(QString s) {
    if (s.size() <= kMaxProfileValueLength) return s;
    qsizetype n = kMaxProfileValueLength;
    if (s[n - 1].isHighSurrogate()) --n;
    s.truncate(n);
    return s;
}

// ---- Lines

// One line of the file as byte offsets: its text and its own terminator ("\n", "\r\n" or
// none on a last line without one). Lines stay bytes so that whatever they hold, even
// text that is not UTF-8, is written back exactly.
struct LineSpan {
    qsizetype begin = 0;
    qsizetype text_end = 0; // where its terminator starts
    qsizetype end = 0;      // where the next line starts
};

// The line of `data` that starts at `begin`.
LineSpan line_at(const QByteArray &data, qsizetype begin) {
    const char *p = data.constData();
    const qsizetype n = data.size();
    const void *nl = begin < n ? std::memchr(p + begin, '\n', size_t(n - begin)) : nullptr;
    if (!nl) return {begin, n, n};
    const qsizetype at = static_cast<const char *>(nl) - p;
    return {begin, (at > begin && p[at - 1] == '\r') ? at - 1 : at, at + 1};
}

QByteArrayView text_of(const QByteArray &data, const LineSpan &line) {
    return QByteArrayView(data.constData() + line.begin, line.text_end - line.begin);
}

// The first byte of the line's text that is not a blank, or -1 for a blank line. The
// byte order mark at the very start of the file is not part of the text. Blanks are
// ASCII, so this is also the first character of the decoded text when it is ASCII.
int first_text_byte(const QByteArray &data, const LineSpan &line) {
    const char *p = data.constData();
    qsizetype i = line.begin;
    if (i == 0 && line.text_end >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) i = 3;
    while (i < line.text_end && is_blank_byte(p[i]))
        ++i;
    return i < line.text_end ? static_cast<unsigned char>(p[i]) : -1;
}

enum class LineKind { other, section, key };

struct ParsedLine {
    LineKind kind = LineKind::other;
    QString name;
    QString value;
};

// A line's text exactly as stored. QString::fromUtf8 drops a leading byte order mark from
// every line it decodes, which would hide the start of a key name that begins with one
// (such a key could be written but never found again); only the file's own mark, at the
// start of its first line, is not part of the text.
QString line_text(QByteArrayView raw, bool first_line) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString s = decode(raw);
    if (first_line && s.startsWith(QChar(0xFEFF))) s.remove(0, 1);
    return s;
}

ParsedLine parse_line(QByteArrayView raw, bool first_line) {
    const QString s = line_text(raw, first_line);
    const QStringView t = trim_blanks(s);
    ParsedLine p;
    if (t.startsWith(u'[')) {
        const qsizetype close = t.lastIndexOf(u']');
        if (close > 0) {
            p.kind = LineKind::section;
            p.name = trim_blanks(t.mid(1, close - 1)).toString();
        }
        return p;
    }
    if (t.startsWith(u';')) return p;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return p;
    p.name = trim_blanks(t.left(eq)).toString();
    if (p.name.isEmpty()) return p;
    p.kind = LineKind::key;
    p.value = trim_blanks(t.mid(eq + 1)).toString();
    return p;
}

ParsedLine parse_line(const QByteArray &data, const LineSpan &line) {
    return parse_line(text_of(data, line), line.begin == 0);
}

// Whether the line is a section header, and its name. Only a line whose text starts with
// "[" can be one, so no other line is decoded.
bool is_section_header(const QByteArray &data, const LineSpan &line, QString *name) {
    if (first_text_byte(data, line) != '[') return false;
    ParsedLine p = parse_line(data, line);
    if (p.kind != LineKind::section) return false;
    *name = std::move(p.name);
    return true;
}

bool same_name(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The first section of a name in the file: from its header line to the next header line.
struct SectionSpan {
    QString name; // as asked for
    bool found = false;
    qsizetype header = 0; // where its header line starts
    qsizetype body = 0;   // where the line after the header starts
    qsizetype end = 0;    // where the next header line starts, or the end of the file
};

SectionSpan find_section(const QByteArray &data, const QString &name) {
    SectionSpan s{name};
    QString header_name;
    for (qsizetype at = 0; at < data.size();) {
        const LineSpan line = line_at(data, at);
        if (is_section_header(data, line, &header_name)) {
            if (s.found) {
                s.end = line.begin;
                return s;
            }
            if (same_name(header_name, name)) {
                s.found = true;
                s.header = line.begin;
                s.body = line.end;
            }
        }
        at = line.end;
    }
    s.end = data.size();
    return s;
}

// Where a key stands in its section: the section's first line of that key, or, when it
// has none, the section's last line that is not blank (its header when there is none).
struct KeyPlace {
    bool found = false;
    LineSpan line;
    ParsedLine key;
};

KeyPlace find_key(const QByteArray &data, const SectionSpan &section, const QString &key) {
    KeyPlace place;
    place.line = line_at(data, section.header);
    const qsizetype end = std::min(section.end, data.size());
    for (qsizetype at = section.body; at < end;) {
        const LineSpan line = line_at(data, at);
        const int first = first_text_byte(data, line);
        if (first >= 0) {
            place.line = line;
            // A key line holds "=" and starts with neither "[" nor ";".
            if (first != '[' && first != ';' && text_of(data, line).contains('=')) {
                ParsedLine p = parse_line(data, line);
                if (p.kind == LineKind::key && same_name(p.name, key)) {
                    place.found = true;
                    place.key = std::move(p);
                    return place;
                }
            }
        }
        at = line.end;
    }
    return place;
}

// The terminator of new lines: CRLF when the file's first line ends so, LF otherwise.
QByteArray new_line_ending(const QByteArray &data) {
    const qsizetype nl = data.indexOf('\n');
    return (nl > 0 && data[nl - 1] == '\r') ? QByteArray("\r\n") : QByteArray("\n");
}

// One change to a file: the bytes from `from` to `to` replaced by `text`.
struct Edit {
    qsizetype from = 0;
    qsizetype to = 0;
    QByteArray text;
};

Edit edit_at(qsizetype from, qsizetype to, std::initializer_list<QByteArrayView> parts) {
    Edit e{from, to, {}};
    for (QByteArrayView part : parts)
        e.text.append(part);
    return e;
}

// Applies the edit where the bytes are: only what follows it moves, and a large file is
// neither copied nor allocated again.
void apply(QByteArray &data, const Edit &e) {
    const qsizetype tail = data.size() - e.to;
    const qsizetype delta = e.text.size() - (e.to - e.from);
    if (delta > 0) data.resize(data.size() + delta);
    char *p = data.data();
    std::memmove(p + e.to + delta, p + e.to, size_t(tail));
    std::memcpy(p + e.from, e.text.constData(), size_t(e.text.size()));
    if (delta < 0) data.truncate(data.size() + delta);
}

bool has_line_break(const QString &s) { return s.contains(u'\n') || s.contains(u'\r'); }

QString quoted_for_write(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (!value.isEmpty()) {
        const QChar first = value.front();
        const QChar last = value.back();
        if ((first == u'"' && last == u'"') || (first == u'\'' && last == u'\'')) return u'"' + value + u'"';
    }
    return value;
}

// ---- The file kept in memory

// A file's identity; see FileStamp. Cache::recent covers changes within one clock tick.
using FileIdentity = FileStamp;

// A file's bytes and the section last looked up in them (a load or save asks for every
// key of one section).
struct IniText {
    QByteArray data;
    std::optional<SectionSpan> section;

    const SectionSpan &locate(const QString &name) {
        if (!section || section->name != name) section = find_section(data, name);
        return *section;
    }
};

struct Cache {
    std::mutex mutex;
    bool valid = false;
    FileIdentity identity;
    // A file changed moments before it was last known to hold `text` can change again
    // within the same step of the file system's clock, keeping its size and times; its
    // bytes are compared before they are used again.
    bool recent = false;
    IniText text;

    void drop() {
        valid = false;
        text = IniText();
    }
};

Cache &cache() {
    static Cache c;
    return c;
}

// The clock that stamps the files, which the kernel advances once per tick. Asked of the
// kernel directly, so that a library faking the time for this process cannot make a file
// look older than it is.
qint64 file_clock_now_ns() {
    timespec now{};
    ::syscall(SYS_clock_gettime, CLOCK_REALTIME_COARSE, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Whether a change to the file after the moment `known_ns`, when its content was known,
// could leave its times as they are. A change is stamped no earlier than the file clock
// at that moment, less the file system's step: two seconds for times in whole seconds (as
// FAT counts them); otherwise 20 ms, twice the coarsest step below a second (exFAT's
// 10 ms; most systems count nanoseconds).
bool changed_lately(const FileIdentity &id, qint64 known_ns) {
    auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    const bool whole_seconds = id.modified.tv_nsec == 0 && id.changed.tv_nsec == 0;
    const qint64 step = whole_seconds ? qint64(2000000000) : qint64(20000000);
    return std::max(ns(id.modified), ns(id.changed)) > known_ns - step;
}

bool same_content(int fd, const QByteArray &data) {
    QByteArray chunk(qsizetype(64) << 10, Qt::Uninitialized);
    qsizetype at = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, chunk.data(), size_t(chunk.size()), off_t(at));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return at == data.size();
        if (n > data.size() - at || std::memcmp(chunk.constData(), data.constData() + at, size_t(n)) != 0) return false;
        at += n;
    }
}

bool read_all(int fd, qsizetype expected, QByteArray &out) {
    // One byte more than expected, so that the end of the file is seen without growing.
    out.resize(std::max<qsizetype>(expected, 0) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == out.size()) out.resize(out.size() + std::max<qsizetype>(out.size() / 2, 4096));
        const ssize_t n = ::pread(fd, out.data() + got, size_t(out.size() - got), off_t(got));
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

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The text of the file at `native`, as it is now: the cached one while the file is
// unchanged, else read afresh and cached (or, for a file too large to keep, read into
// `scratch`). Null when the file is missing, cannot be read or is no regular file.
IniText *load_text(Cache &c, const QByteArray &native, IniText &scratch) {
    const qint64 now = file_clock_now_ns();
    // Not blocking: a FIFO in the file's place must not hang the program.
    const Fd fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    const FileIdentity before = FileIdentity::of(st);
    if (c.valid && c.identity == before && (!c.recent || same_content(fd.get(), c.text.data))) {
        c.recent = changed_lately(before, now);
        return &c.text;
    }
    QByteArray data;
    if (!read_all(fd.get(), qsizetype(st.st_size), data) || ::fstat(fd.get(), &st) != 0) return nullptr;
    if (data.size() > kMaxCachedFileSize) {
        c.drop();
        scratch = IniText{std::move(data), std::nullopt};
        return &scratch;
    }
    const FileIdentity after = FileIdentity::of(st);
    c.valid = true;
    c.identity = after;
    // A file that changed while it was read is compared at its next use.
    c.recent = !(after == before) || changed_lately(after, now);
    c.text = IniText{std::move(data), std::nullopt};
    return &c.text;
}

// ---- Reading and changing the text

// The value of a key by the reading rules; nothing when the section or key is missing.
std::optional<QString> read_value(IniText &text, const QString &section, const QString &key) {
    const QString section_name = trim_blanks(section).toString();
    const QString key_name = trim_blanks(key).toString();
    if (section_name.isEmpty() || key_name.isEmpty()) return std::nullopt;
    const SectionSpan &place_of_section = text.locate(section_name);
    if (!place_of_section.found) return std::nullopt;
    const KeyPlace place = find_key(text.data, place_of_section, key_name);
    if (!place.found) return std::nullopt;
    QString value = place.key.value;
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) value = value.mid(1, value.size() - 2);
    }
    return capped(value);
}

enum class SetResult { refused, unchanged, replaced, added };

// Stores one key in the text by the writing rules, keeping the section looked up in step
// with the bytes.
SetResult set_value(IniText &text, const QString &section, const QString &key, const QString &value) {
    const QString section_name = trim_blanks(section).toString();
    const QString key_name = trim_blanks(key).toString();
    if (section_name.isEmpty() || key_name.isEmpty() || has_line_break(section_name) || has_line_break(key_name) ||
        key_name.contains(u'=') || key_name.startsWith(u'[') || key_name.startsWith(u';'))
        return SetResult::refused;

    QByteArray &data = text.data;
    const SectionSpan span = text.locate(section_name);
    const QByteArray eol = new_line_ending(data);
    const QString stored = quoted_for_write(value);

    Edit edit;
    SetResult result = SetResult::added;
    const qsizetype old_size = data.size();
    qsizetype new_header = -1; // where a new section's header goes
    if (span.found) {
        const KeyPlace place = find_key(data, span, key_name);
        const LineSpan &line = place.line;
        if (place.found) {
            // The key keeps its spelling in the file.
            const QByteArray new_text = (place.key.name + u'=' + stored).toUtf8();
            if (text_of(data, line) == new_text) return SetResult::unchanged;
            edit = edit_at(line.begin, line.text_end, {new_text});
            result = SetResult::replaced;
        } else {
            const QByteArray new_line = (key_name + u'=' + stored).toUtf8();
            if (line.end == line.text_end) // the file's last line, without a line end
                edit = edit_at(line.end, line.end, {eol, new_line, eol});
            else
                edit = edit_at(line.end, line.end, {new_line, eol});
        }
    } else {
        const QByteArray new_line = (key_name + u'=' + stored).toUtf8();
        const QByteArray header = (u'[' + section_name + u']').toUtf8();
        const bool last_line_open = !data.isEmpty() && !data.endsWith('\n');
        new_header = data.size() + (last_line_open ? eol.size() : 0);
        edit = edit_at(data.size(), data.size(),
                       {last_line_open ? QByteArrayView(eol) : QByteArrayView(), header, eol, new_line, eol});
    }
    apply(data, edit);

    SectionSpan after = span;
    if (span.found) {
        // Everything changed lies in the section or at its end, which is the file's end
        // when its last line needed a line end.
        after.body = line_at(data, span.header).end;
        after.end += data.size() - old_size;
    } else {
        const LineSpan header_line = line_at(data, new_header);
        QString header_name;
        // The new header is the section asked for only if it reads back as that name (a
        // name that is not valid Unicode does not).
        after.found = is_section_header(data, header_line, &header_name) && same_name(header_name, section_name);
        after.header = header_line.begin;
        after.body = header_line.end;
        after.end = data.size();
    }
    text.section = std::move(after);
    return result;
}

// ---- Writing the file

// The file a write lands in: the path itself, or the end of its chain of symbolic links
// (a link is written through, never replaced by a plain file). Empty for a link loop.
QString resolve_symlinks(const QString &path) {
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray native = QFile::encodeName(current);
        struct stat st {};
        if (lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = readlink(native.constData(), target.data(), target.size());
        if (n <= 0 || n >= target.size()) return QString();
        target.truncate(n);
        const QString next = QFile::decodeName(target);
        current = QDir::cleanPath(QFileInfo(current).absoluteDir().absoluteFilePath(next));
    }
    return QString();
}

bool write_all(int fd, QByteArrayView data) {
    const char *p = data.data();
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

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString system_error(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// Where a write of a file lands and whether it may go there: the end of the path's links,
// and that file's state when it exists. Empty `error` when the file can be written.
struct WriteTarget {
    QString path;
    QByteArray native;
    bool exists = false;
    struct stat st {};
    QString error;
};

WriteTarget write_target(const QString &path) {
    WriteTarget t;
    t.path = resolve_symlinks(path);
    if (t.path.isEmpty()) {
        t.error = system_error(ELOOP);
        return t;
    }
    t.native = QFile::encodeName(t.path);
    const QByteArray folder = QFile::encodeName(QFileInfo(t.path).absolutePath());
    t.exists = ::stat(t.native.constData(), &t.st) == 0;
    if (!t.exists && errno != ENOENT) {
        t.error = system_error(errno);
    } else if (t.exists && !S_ISREG(t.st.st_mode)) {
        t.error = S_ISDIR(t.st.st_mode) ? system_error(EISDIR) : QStringLiteral("Not a regular file");
    } else if (t.exists && ::access(t.native.constData(), W_OK) != 0) {
        // The rename would replace a file that may not be written; such a file, or a
        // folder in which no file may be made, is a file that cannot be written.
        t.error = system_error(errno);
    } else if (::access(folder.constData(), W_OK | X_OK) != 0) {
        t.error = system_error(errno);
    }
    return t;
}

// Replaces the file `t` with `data`: written to a temporary file beside it, synced, given
// `mode` (and the old file's owner), and renamed over it. `*written` gets the new file's
// identity, when it can be told for sure, and `*known_ns` the file clock at the rename.
bool replace_file(const WriteTarget &t, QByteArrayView data, mode_t mode, std::optional<FileIdentity> *written,
                  qint64 *known_ns, QString *error) {
    const QFileInfo info(t.path);
    QByteArray temp =
        QFile::encodeName(info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = system_error(errno);
        return false;
    }
    int err = 0;
    auto step = [&err](bool ok) {
        if (!ok && !err) err = errno ? errno : EIO;
        return ok;
    };
    bool ok = step(::fchmod(fd, mode) == 0);
    if (ok && t.exists && (t.st.st_uid != ::geteuid() || t.st.st_gid != ::getegid())) {
        // Only possible for a privileged writer; a file that keeps another owner is
        // better than none, so a refusal here is not a failure.
        if (::fchown(fd, t.st.st_uid, t.st.st_gid) != 0) {
        }
    }
    ok = ok && step(write_all(fd, data)) && step(::fsync(fd) == 0);
    struct stat mine {};
    const bool known = ok && ::fstat(fd, &mine) == 0;
    ok = step(::close(fd) == 0) && ok;
    *known_ns = file_clock_now_ns();
    ok = ok && step(::rename(temp.constData(), t.native.constData()) == 0);
    if (!ok) {
        ::unlink(temp.constData());
        *error = system_error(err);
        return false;
    }
    // The folder is not synced: after a crash the rename may be lost, which leaves the
    // old content, whole, and that is all this promises.
    // The rename sets the file's change time, so its identity is taken from the path,
    // and only if the path still leads to the file just written.
    struct stat now {};
    if (known && ::stat(t.native.constData(), &now) == 0 && now.st_dev == mine.st_dev && now.st_ino == mine.st_ino)
        *written = FileIdentity::of(now);
    return true;
}

// A name that mkostemp() makes from a file's name: ".<name>." and six letters or digits.
bool is_temporary_name(QByteArrayView name, QByteArrayView file_name) {
    if (name.size() != file_name.size() + 8 || name[0] != '.' || name[file_name.size() + 1] != '.' ||
        name.sliced(1, file_name.size()) != file_name)
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

// ---- IniDocument

struct IniDocument::Text {
    IniText text;
};

IniDocument::IniDocument(const QString &path) : path_(path), text_(std::make_unique<Text>()) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(IniDocument &&) noexcept = default;
IniDocument &IniDocument::operator=(IniDocument &&) noexcept = default;

bool IniDocument::load() {
    text_ = std::make_unique<Text>();
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
        error_ = S_ISDIR(st.st_mode) ? system_error(EISDIR) : QStringLiteral("Not a regular file");
        return false;
    }
    Cache &c = cache();
    const std::lock_guard<std::mutex> lock(c.mutex);
    IniText scratch;
    errno = 0;
    const IniText *text = load_text(c, native, scratch);
    if (!text) {
        error_ = system_error(errno ? errno : EIO);
        return false;
    }
    // The bytes are shared with the kept copy until the first change.
    text_->text = *text;
    original_ = text->data;
    original_mode_ = st.st_mode & 07777;
    exists_ = true;
    return true;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const {
    return read_value(text_->text, section, key);
}

bool IniDocument::set(const QString &section, const QString &key, const QString &value) {
    switch (set_value(text_->text, section, key, value)) {
    case SetResult::refused:
        error_ = QStringLiteral("the name [%1] %2 cannot be stored").arg(section, key);
        return false;
    case SetResult::unchanged:
        return true;
    case SetResult::replaced:
        replaced_lines_ = true;
        break;
    case SetResult::added:
        break;
    }
    changed_ = true;
    return true;
}

QByteArray IniDocument::bytes() const { return text_->text.data; }

bool IniDocument::commit() {
    error_.clear();
    const WriteTarget target = write_target(path_);
    if (!target.error.isEmpty()) {
        error_ = target.error;
        return false;
    }
    // Most saves change nothing; rewriting the file for them would only cost a sync.
    if (target.exists && !changed_) return true;

    const QByteArray &data = text_->text.data;
    Cache &c = cache();
    const std::lock_guard<std::mutex> lock(c.mutex);
    std::optional<FileIdentity> written;
    qint64 known_ns = 0;
    const mode_t mode = target.exists ? (target.st.st_mode & 07777) : new_file_mode();
    if (!replace_file(target, data, mode, &written, &known_ns, &error_)) return false;

    original_ = data;
    original_mode_ = mode;
    exists_ = true;
    changed_ = replaced_lines_ = false;
    // The kept copy follows the file.
    if (!written || data.size() > kMaxCachedFileSize) {
        c.drop();
        return true;
    }
    c.text = text_->text;
    c.valid = true;
    c.identity = *written;
    c.recent = changed_lately(*written, known_ns);
    return true;
}

bool IniDocument::copy_original_to(const QString &path) {
    error_.clear();
    const WriteTarget target = write_target(path);
    if (!target.error.isEmpty()) {
        error_ = target.error;
        return false;
    }
    std::optional<FileIdentity> written;
    qint64 known_ns = 0;
    const mode_t mode = exists_ ? mode_t(original_mode_) : new_file_mode();
    return replace_file(target, original_, mode, &written, &known_ns, &error_);
}

// ---- The single-key functions

QString GetPrivateProfileString(const QString &section, const QString &key, const QString &default_value,
                                const QString &path) {
    Cache &c = cache();
    const std::lock_guard<std::mutex> lock(c.mutex);
    IniText scratch;
    IniText *text = load_text(c, QFile::encodeName(path), scratch);
    if (!text) return capped(default_value);
    return read_value(*text, section, key).value_or(capped(default_value));
}

bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value, const QString &path) {
    IniDocument document(path);
    return document.load() && document.set(section, key, value) && document.commit();
}

int remove_stale_temporary_files(const QString &path, const timespec &older_than) {
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
