#include "app/file_mask.h"

#include <QDir>
#include <QDirIterator>

namespace trovel {

QString mask_directory(const QString &mask) {
    const qsizetype slash = mask.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : mask.left(slash + 1);
}

bool wildcard_match(const QString &pattern, const QString &name) {
    // Greedy match with one backtrack point: linear in practice and never recursive.
    qsizetype p = 0, n = 0, star = -1, resume = 0;
    const qsizetype plen = pattern.size(), nlen = name.size();
    while (n < nlen) {
        if (p < plen && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < plen && (pattern[p] == QLatin1Char('?') ||
                                pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < plen && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == plen;
}

QStringList list_matching(const QString &mask) {
    const QString dir = mask_directory(mask);
    const QString pattern = mask.mid(dir.size());
    QStringList names;
    if (pattern.isEmpty())
        return names;
    QDirIterator it(dir.isEmpty() ? QStringLiteral(".") : dir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (wildcard_match(pattern, name))
            names.append(name);
    }
    return names;
}

}  // namespace trovel
