// Image-directory masks such as "/home/me/pics/*.jpg": the directory part and the entries
// that match the wildcard part, in the order the file system lists them.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace trovel {

// The mask up to and including its last "/", or empty when it has none.
QString mask_directory(const QString &mask);

// The text as case-folded code points, the characters that matching compares: "?" stands
// for one character even where UTF-16 needs two units for it, and letters beyond the first
// plane fold too. A lone surrogate stays one character of its own.
std::vector<char32_t> folded_characters(const QString &text);

// Whether name matches pattern: "*" stands for any run of characters, "?" for exactly one;
// letter case is ignored.
bool wildcard_match(const QString &pattern, const QString &name);

// Names of the entries of the mask's directory that match its wildcard part, of every kind
// (hidden files and directories too), unsorted. Empty when the directory cannot be read.
QStringList list_matching(const QString &mask);

} // namespace trovel
