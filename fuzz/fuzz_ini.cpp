// Fuzzes the settings document (the INI text and the file's rewrite). The input is the file's bytes, optionally
// followed by a NUL and the write to make: "value", or "section NUL key NUL value". Without a section and key, the
// first key of the first section found in the file is written (or a new one). Every check aborts on failure, so
// libFuzzer reports it:
// - reads of the names found in the file give the same value before and after the write,
//   except for the key written, which reads back as stored;
// - the write changes one line or adds a key line (and a section line) and nothing else;
// - an invalid section or key name is refused and leaves the file alone;
// - no temporary file is left beside the file.
#include "settings/ini_file.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

using trovel::IniDocument;
using trovel::kMaxProfileValueLength;

namespace {

const QString kDefault = QStringLiteral("<no value>");

// The file as it is now.
IniDocument loaded(const QString &path) {
    IniDocument doc(path);
    if (!doc.load()) std::abort();
    return doc;
}

QString read_key(const IniDocument &doc, const QString &section, const QString &key) {
    return doc.value(section, key).value_or(kDefault);
}

// One key written: the file loaded, the key set and the document committed.
bool write_key(const QString &section, const QString &key, const QString &value, const QString &path) {
    IniDocument doc = loaded(path);
    return doc.set(section, key, value) && doc.commit();
}

// In the temporary folder (scripts/fuzz points it at a tmpfs folder of its own, which keeps
// the writer's fsync cheap and is removed even when a crash skips this one's cleanup).
QTemporaryDir *work_dir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz_ini-XXXXXX"));
    return &dir;
}

[[noreturn]] void fail(const char *what, const QString &detail = QString()) {
    std::fprintf(stderr, "fuzz_ini: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

QString trim_blanks(const QString &s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && is_blank(s[begin]))
        ++begin;
    while (end > begin && is_blank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin);
}

bool has_line_break(const QString &s) { return s.contains(u'\n') || s.contains(u'\r'); }

bool valid_names(const QString &section, const QString &key) {
    const QString s = trim_blanks(section), k = trim_blanks(key);
    return !s.isEmpty() && !k.isEmpty() && !has_line_break(s) && !has_line_break(k) && !k.contains(u'=') &&
           !k.startsWith(u'[') && !k.startsWith(u';');
}

// What a read gives back after `value` was written: line breaks become spaces; a value
// quoted at both ends with the same quote comes back whole; any other value loses its
// outer blanks and then one pair of equal quotes.
QString expected_read(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (!value.isEmpty() && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value;
    value = trim_blanks(value);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// A read returns at most kMaxProfileValueLength characters, cut so that no surrogate
// pair is split.
bool read_matches(const QString &got, const QString &expected) {
    if (expected.size() <= kMaxProfileValueLength) return got == expected;
    return got.size() <= kMaxProfileValueLength && got.size() >= kMaxProfileValueLength - 1 && expected.startsWith(got);
}

// Section and key names as a reader would spot them, without copying the parser's rules:
// they only pick names worth asking for.
std::vector<std::pair<QString, QString>> names_in(const QByteArray &file) {
    std::vector<std::pair<QString, QString>> names;
    QString section;
    for (const QByteArray &raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) {
            section = line.mid(1, line.lastIndexOf(u']') - 1);
        } else if (line.indexOf(u'=') > 0 && !section.isEmpty()) {
            names.emplace_back(section, line.left(line.indexOf(u'=')));
        }
        if (names.size() >= 16) break;
    }
    return names;
}

QByteArray read_all(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) fail("cannot read back", path);
    return f.readAll();
}

struct Line {
    QByteArray text, eol;
};

std::vector<Line> lines_of(const QByteArray &data) {
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            lines.push_back({data.mid(start), {}});
            break;
        }
        const qsizetype end = (nl > start && data[nl - 1] == '\r') ? nl - 1 : nl;
        lines.push_back({data.mid(start, end - start), data.mid(end, nl + 1 - end)});
        start = nl + 1;
    }
    return lines;
}

// Equal lines, where a line that had no ending (the file's last) may have gained one.
bool same_line(const Line &before, const Line &after) {
    if (!before.eol.isEmpty()) return before.text == after.text && before.eol == after.eol;
    const QByteArray now = after.text + after.eol;
    return now == before.text || now == before.text + "\n" || now == before.text + "\r\n";
}

// The new file is the old one with at most one line replaced, or with one or two lines added.
void check_lines_kept(const QByteArray &before_data, const QByteArray &after_data) {
    const std::vector<Line> before = lines_of(before_data), after = lines_of(after_data);
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && same_line(before[prefix], after[prefix]))
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           same_line(before[before.size() - 1 - suffix], after[after.size() - 1 - suffix]))
        ++suffix;
    const size_t removed = before.size() - prefix - suffix, added = after.size() - prefix - suffix;
    const bool replaced = removed == 1 && added == 1;
    const bool inserted = removed == 0 && added <= 2;
    if (!replaced && !inserted) fail("the write changed other lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nul = input.indexOf('\0');
    const QByteArray file = nul < 0 ? input : input.left(nul);
    const QList<QByteArray> command = nul < 0 ? QList<QByteArray>() : input.mid(nul + 1).split('\0');

    const std::vector<std::pair<QString, QString>> names = names_in(file);
    QString section = names.empty() ? QStringLiteral("TForm1") : names.front().first;
    QString key = names.empty() ? QStringLiteral("Version") : names.front().second;
    QString value = QStringLiteral("two words");
    if (command.size() >= 3) {
        section = QString::fromUtf8(command[0]);
        key = QString::fromUtf8(command[1]);
        value = QString::fromUtf8(command[2]);
    } else if (command.size() >= 1) {
        value = QString::fromUtf8(command.back());
    }

    const QString path = work_dir()->filePath(QStringLiteral("trovel.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(file) != file.size())
            fail("cannot write the input file");
    }

    std::vector<std::pair<QString, QString>> probes = names;
    probes.emplace_back(QStringLiteral("TForm1"), QStringLiteral("Version"));
    probes.emplace_back(section, key);
    std::vector<QString> before;
    const IniDocument original = loaded(path);
    for (const auto &[s, k] : probes) {
        before.push_back(read_key(original, s, k));
        if (before.back().size() > kMaxProfileValueLength) fail("a read returned too much", s + u'/' + k);
    }

    const bool valid = valid_names(section, key);
    if (write_key(section, key, value, path) != valid)
        fail(valid ? "a valid write failed" : "an invalid write succeeded", section + u'/' + key);
    const QByteArray written = read_all(path);
    if (!valid) {
        if (written != file) fail("a refused write changed the file");
        return 0;
    }
    check_lines_kept(file, written);
    if (QDir(work_dir()->path()).entryList(QDir::Files | QDir::Hidden).size() != 1) fail("a temporary file was left");

    const IniDocument after = loaded(path);
    const QString got = read_key(after, section, key);
    if (!read_matches(got, expected_read(value))) fail("the value written does not read back:", got);

    const QString s_name = trim_blanks(section), k_name = trim_blanks(key);
    for (size_t i = 0; i < probes.size(); ++i) {
        const auto &[s, k] = probes[i];
        const bool same_key = trim_blanks(s).compare(s_name, Qt::CaseInsensitive) == 0 &&
                              trim_blanks(k).compare(k_name, Qt::CaseInsensitive) == 0;
        if (!same_key && read_key(after, s, k) != before[i]) fail("the write changed another key:", s + u'/' + k);
    }

    // Writing the same value again changes nothing.
    if (!write_key(section, key, value, path) || read_all(path) != written)
        fail("writing the same value again changed the file");
    return 0;
}
