// INI key lookup and the line-preserving, atomic key write.
#include "settings/ini_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trovel {

namespace {

bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

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

// One line of the file as it stands: its text and its own terminator ("\n", "\r\n" or
// none on a last line without one). Lines are kept as bytes so that whatever they hold,
// even text that is not UTF-8, is written back exactly.
struct RawLine {
    QByteArray text;
    QByteArray eol;
};

std::vector<RawLine> split_lines(const QByteArray &data) {
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            lines.push_back({data.mid(start), QByteArray()});
            break;
        }
        qsizetype text_end = nl;
        if (text_end > start && data[text_end - 1] == '\r') --text_end;
        lines.push_back({data.mid(start, text_end - start), data.mid(text_end, nl + 1 - text_end)});
        start = nl + 1;
    }
    return lines;
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
QString line_text(const QByteArray &raw, bool first_line) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString s = decode(raw);
    if (first_line && s.startsWith(QChar(0xFEFF))) s.remove(0, 1);
    return s;
}

ParsedLine parse_line(const QByteArray &raw, bool first_line) {
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

bool same_name(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Where a key stands in the file: the first section of the name and, in it, the first
// line of the key.
struct KeyPlace {
    qsizetype section_line = -1;      // header line, -1 when the section is missing
    qsizetype last_content_line = -1; // last non-blank line of the section
    qsizetype key_line = -1;          // -1 when the key is missing
    ParsedLine key;
};

KeyPlace find_key(const std::vector<RawLine> &lines, const QString &section, const QString &key) {
    KeyPlace place;
    for (size_t i = 0; i < lines.size(); ++i) {
        ParsedLine p = parse_line(lines[i].text, i == 0);
        if (place.section_line < 0) {
            if (p.kind == LineKind::section && same_name(p.name, section))
                place.section_line = place.last_content_line = qsizetype(i);
            continue;
        }
        if (p.kind == LineKind::section) break;
        if (!trim_blanks(line_text(lines[i].text, false)).isEmpty()) place.last_content_line = qsizetype(i);
        if (place.key_line < 0 && p.kind == LineKind::key && same_name(p.name, key)) {
            place.key_line = qsizetype(i);
            place.key = std::move(p);
        }
    }
    return place;
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

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Replaces the file at `path` (no symbolic link) with `data`: written to a temporary
// file beside it, synced, given the old file's mode and owner, and renamed over it.
bool replace_file(const QString &path, const QByteArray &data, const struct stat *old) {
    const QFileInfo info(path);
    QByteArray temp =
        QFile::encodeName(info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, old ? (old->st_mode & 07777) : new_file_mode()) == 0;
    if (ok && old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
        // Only possible for a privileged writer; a file that keeps another owner is
        // better than none, so a refusal here is not a failure.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
        }
    }
    ok = ok && write_all(fd, data) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    // The folder is not synced: after a crash the rename may be lost, which leaves the
    // old content, whole, and that is all this promises.
    return ok;
}

} // namespace

QString GetPrivateProfileString(const QString &section, const QString &key, const QString &default_value,
                                const QString &path) {
    const QString section_name = trim_blanks(section).toString();
    const QString key_name = trim_blanks(key).toString();
    QFile file(path);
    if (section_name.isEmpty() || key_name.isEmpty() || !file.open(QIODevice::ReadOnly)) return capped(default_value);
    const KeyPlace place = find_key(split_lines(file.readAll()), section_name, key_name);
    if (place.key_line < 0) return capped(default_value);
    QString value = place.key.value;
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) value = value.mid(1, value.size() - 2);
    }
    return capped(value);
}

bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value, const QString &path) {
    const QString section_name = trim_blanks(section).toString();
    const QString key_name = trim_blanks(key).toString();
    if (section_name.isEmpty() || key_name.isEmpty() || has_line_break(section_name) || has_line_break(key_name) ||
        key_name.contains(u'=') || key_name.startsWith(u'[') || key_name.startsWith(u';'))
        return false;

    const QString target = resolve_symlinks(path);
    if (target.isEmpty()) return false;
    const QByteArray native = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (!exists && errno != ENOENT) return false;
    // The rename would replace a file that may not be written; such a file, or a folder
    // in which no file may be made, is a file that cannot be written.
    if (exists && (!S_ISREG(st.st_mode) || ::access(native.constData(), W_OK) != 0)) return false;
    if (::access(folder.constData(), W_OK | X_OK) != 0) return false;

    QByteArray data;
    if (exists) {
        QFile file(target);
        if (!file.open(QIODevice::ReadOnly)) return false;
        data = file.readAll();
        if (file.error() != QFileDevice::NoError) return false;
    }

    std::vector<RawLine> lines = split_lines(data);
    const QByteArray eol = (!lines.empty() && lines.front().eol == "\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray key_line = (key_name + u'=' + quoted_for_write(value)).toUtf8();
    const KeyPlace place = find_key(lines, section_name, key_name);
    if (place.key_line >= 0) {
        lines[size_t(place.key_line)].text = (place.key.name + u'=' + quoted_for_write(value)).toUtf8();
    } else if (place.section_line >= 0) {
        RawLine &after = lines[size_t(place.last_content_line)];
        if (after.eol.isEmpty()) after.eol = eol;
        lines.insert(lines.begin() + place.last_content_line + 1, RawLine{key_line, eol});
    } else {
        if (!lines.empty() && lines.back().eol.isEmpty()) lines.back().eol = eol;
        lines.push_back({(u'[' + section_name + u']').toUtf8(), eol});
        lines.push_back({key_line, eol});
    }

    QByteArray out;
    out.reserve(data.size() + key_line.size() + section_name.size() + 8);
    for (const RawLine &line : lines)
        out += line.text + line.eol;
    // Most keys of a save hold the value they had; rewriting the file for them would only
    // cost a sync each.
    if (exists && out == data) return true;
    return replace_file(target, out, exists ? &st : nullptr);
}

} // namespace trovel
