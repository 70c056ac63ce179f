#include "app/file_mask.h"

#include <QDir>
#include <QDirIterator>

#include <optional>
#include <vector>

namespace trovel {

QString mask_directory(const QString &mask) {
    const qsizetype slash = mask.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : mask.left(slash + 1);
}

std::vector<char32_t> folded_characters(const QString &text) {
    std::vector<char32_t> out;
    out.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        out.push_back(QChar::toCaseFolded(c));
    }
    return out;
}

bool wildcard_match(const QString &pattern_text, const QString &name_text) {
    const std::vector<char32_t> pattern = folded_characters(pattern_text);
    const std::vector<char32_t> name = folded_characters(name_text);
    // Greedy match with one backtrack point: never recursive, and at worst proportional to
    // the product of the two lengths.
    size_t p = 0, n = 0, resume = 0;
    std::optional<size_t> star;
    const size_t plen = pattern.size(), nlen = name.size();
    while (n < nlen) {
        if (p < plen && pattern[p] == U'*') {
            star = p++;
            resume = n;
        } else if (p < plen && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star) {
            p = *star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < plen && pattern[p] == U'*')
        ++p;
    return p == plen;
}

QStringList list_matching(const QString &mask) {
    const QString dir = mask_directory(mask);
    const QString pattern = mask.mid(dir.size());
    QStringList names;
    if (pattern.isEmpty()) return names;
    QDirIterator it(dir.isEmpty() ? QStringLiteral(".") : dir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (wildcard_match(pattern, name)) names.append(name);
    }
    return names;
}

} // namespace trovel
