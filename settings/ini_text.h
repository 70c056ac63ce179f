// The text of an INI file in memory: read by key, changed by key, and given back as bytes
// that keep every line nobody changed exactly as it was. Nothing here touches a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace trovel {

// The longest value a read returns; the rest is cut off (a 2,048-character buffer
// with its terminating zero).
inline constexpr int kMaxProfileValueLength = 2047;

// Lines end with LF, CRLF or a lone CR, each read alike.
//
// Reading: section and key names match in any letter case; the first section of that
// name and its first line with that key are the ones read. A key with nothing after "="
// gives the empty text. The value loses its leading and trailing blanks, then one pair
// of equal quote characters (" or ') around it when it is at least two characters long.
// At most kMaxProfileValueLength characters are returned.
//
// Writing: an existing key line is replaced where it stands (the key keeps its spelling
// in the text); a new key becomes the section's last line; a missing section is appended
// at the end. No other line is changed and nothing is deleted. New lines take the text's
// line ending (that of its first line; LF when it has none). A non-empty value whose
// first and last characters are both " or both ' is written inside one more pair of
// double quotes, so that a read gives it back unchanged. A line break cannot be stored in
// a value; each one is written as a space.
class IniText {
public:
    explicit IniText(QByteArray bytes = {});
    ~IniText();
    IniText(IniText &&) noexcept;
    IniText &operator=(IniText &&) noexcept;
    IniText(const IniText &);
    IniText &operator=(const IniText &);

    // The value of `key` in `section`; nothing when the section or the key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // What a set() did: refused the name (empty, holding a line break, a key holding "="
    // or starting with "[" or ";"; the text stays as it was), found the line already so,
    // replaced a line the text held, or added lines.
    enum class SetResult { refused, unchanged, replaced, added };
    SetResult set(const QString &section, const QString &key, const QString &value);

    const QByteArray &bytes() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace trovel
