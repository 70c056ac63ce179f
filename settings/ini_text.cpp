// Parsing an INI text, looking keys up, and the line-preserving key write. The text is
// scanned as bytes; only the lines that can be a section header or a key are decoded.
#include "settings/ini_text.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>

namespace trovel {

namespace {

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

// One line of the text as byte offsets: its text and its own terminator ("\n", "\r\n",
// "\r", or none on a last line without one). Lines stay bytes so that whatever they hold,
// even text that is not UTF-8, is written back exactly.
struct LineSpan {
    qsizetype begin = 0;
    qsizetype text_end = 0; // where its terminator starts
    qsizetype end = 0;      // where the next line starts
};

// The line of `data` that starts at `begin`. Searched a block at a time, so that a text
// with one kind of line end never has the whole rest of it searched for the other kind
// at every line.
LineSpan line_at(const QByteArray &data, qsizetype begin) {
    constexpr qsizetype kBlock = 4096;
    const char *p = data.constData();
    const qsizetype n = data.size();
    for (qsizetype from = begin; from < n; from += kBlock) {
        const qsizetype length = std::min(n - from, kBlock);
        const void *nl = std::memchr(p + from, '\n', size_t(length));
        const qsizetype stop = nl ? static_cast<const char *>(nl) - p : from + length;
        if (const void *cr = std::memchr(p + from, '\r', size_t(stop - from))) {
            const qsizetype at = static_cast<const char *>(cr) - p;
            return {begin, at, (at + 1 < n && p[at + 1] == '\n') ? at + 2 : at + 1};
        }
        if (nl) return {begin, stop, stop + 1};
    }
    return {begin, n, n};
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

// The terminator of new lines: that of the text's first line; LF when it has none.
QByteArray new_line_ending(const QByteArray &data) {
    const LineSpan first = line_at(data, 0);
    if (first.end == first.text_end) return QByteArray("\n");
    return data.mid(first.text_end, first.end - first.text_end);
}

// One change to a text: the bytes from `from` to `to` replaced by `text`.
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

// A file's bytes and the section last looked up in them (a load or save asks for every
// key of one section).
struct TextState {
    QByteArray data;
    std::optional<SectionSpan> section;

    const SectionSpan &locate(const QString &name) {
        if (!section || section->name != name) section = find_section(data, name);
        return *section;
    }
};
// ---- Reading and changing the text

// The value of a key by the reading rules; nothing when the section or key is missing.
std::optional<QString> read_value(TextState &text, const QString &section, const QString &key) {
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

using SetResult = IniText::SetResult;

// Stores one key in the text by the writing rules, keeping the section looked up in step
// with the bytes.
SetResult set_value(TextState &text, const QString &section, const QString &key, const QString &value) {
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
        const bool last_line_open = !data.isEmpty() && !data.endsWith('\n') && !data.endsWith('\r');
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

} // namespace

struct IniText::State {
    TextState text;
};

IniText::IniText(QByteArray bytes)
    : state_(std::make_unique<State>(State{TextState{std::move(bytes), std::nullopt}})) {}
IniText::~IniText() = default;
IniText::IniText(IniText &&) noexcept = default;
IniText &IniText::operator=(IniText &&) noexcept = default;
IniText::IniText(const IniText &other) : state_(std::make_unique<State>(*other.state_)) {}
IniText &IniText::operator=(const IniText &other) {
    if (this != &other) state_ = std::make_unique<State>(*other.state_);
    return *this;
}

std::optional<QString> IniText::value(const QString &section, const QString &key) const {
    return read_value(state_->text, section, key);
}

IniText::SetResult IniText::set(const QString &section, const QString &key, const QString &value) {
    return set_value(state_->text, section, key, value);
}

const QByteArray &IniText::bytes() const { return state_->text.data; }

} // namespace trovel
