// Fuzzes the image-directory mask matcher: the input is a pattern and a name separated by
// the first line break, both UTF-8. The matcher is compared with a plain dynamic-programming
// matcher over the same folded code points; any difference aborts.
#include "app/file_mask.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// "*" any run of characters, "?" exactly one, anything else itself in any letter case.
bool reference_match(const QString &pattern_text, const QString &name_text) {
    const std::vector<char32_t> pattern = trovel::folded_characters(pattern_text);
    const std::vector<char32_t> name = trovel::folded_characters(name_text);
    // row[j]: whether the pattern so far matches the first j characters of the name.
    std::vector<char> row(name.size() + 1, 0), next(name.size() + 1, 0);
    row[0] = 1;
    for (char32_t p : pattern) {
        next[0] = p == U'*' && row[0];
        for (size_t j = 1; j <= name.size(); ++j) {
            if (p == U'*')
                next[j] = row[j] || next[j - 1];
            else
                next[j] = row[j - 1] && (p == U'?' || p == name[j - 1]);
        }
        row.swap(next);
    }
    return row[name.size()];
}

[[noreturn]] void fail(const char *what, const QString &pattern, const QString &name) {
    std::fprintf(stderr, "fuzz_mask: %s\n  pattern: %s\n  name: %s\n", what, pattern.toUtf8().constData(),
                 name.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    const QString pattern = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString name = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));

    if (trovel::wildcard_match(pattern, name) != reference_match(pattern, name))
        fail("the matcher and the reference disagree", pattern, name);

    // The directory part is a prefix ending in the last separator; the rest holds none.
    const QString mask = pattern + QLatin1Char('/') + name;
    const QString dir = trovel::mask_directory(mask);
    if (!mask.startsWith(dir) || !dir.endsWith(QLatin1Char('/')) || mask.mid(dir.size()).contains(QLatin1Char('/')))
        fail("wrong directory part", pattern, name);
    return 0;
}
