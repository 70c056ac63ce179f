// Reading and writing INI files. A document holds one file's text in memory: it is read
// once, takes any number of key writes, and goes back to the file in one atomic rewrite
// that keeps every line it does not change byte for byte. The single-key functions are
// one read or one write of a document each. Every read sees the file as it is on disk now
// (the last file read or written is kept in memory only while it is unchanged there).
// Safe to call from any thread; one document belongs to one thread at a time.
#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <memory>
#include <optional>

namespace trovel {

// The longest value a read returns; the rest is cut off (a 2,048-character buffer
// with its terminating zero).
inline constexpr int kMaxProfileValueLength = 2047;

// One INI file's text, read once and written back in one piece.
//
// Reading: section and key names match in any letter case; the first section of that
// name and its first line with that key are the ones read. A key with nothing after "="
// gives the empty text. The value loses its leading and trailing blanks, then one pair
// of equal quote characters (" or ') around it when it is at least two characters long.
// At most kMaxProfileValueLength characters are returned.
//
// Writing: an existing key line is replaced where it stands (the key keeps its spelling
// in the file); a new key becomes the section's last line; a missing section is appended
// at the end of the file. No other line is changed and nothing is deleted. New lines take
// the file's line ending (CRLF when its first line ends so, LF otherwise). A non-empty
// value whose first and last characters are both " or both ' is written inside one more
// pair of double quotes, so that a read gives it back unchanged. A line break cannot be
// stored in a value; each one is written as a space.
class IniDocument {
public:
    // The document of the file at `path`; nothing is read before load().
    explicit IniDocument(const QString &path);
    ~IniDocument();
    IniDocument(IniDocument &&) noexcept;
    IniDocument &operator=(IniDocument &&) noexcept;
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    // Reads the file as it is now. A missing file is an empty document (commit() creates
    // it). False, leaving the document empty, when the file exists but cannot be read or
    // is no regular file.
    bool load();
    // Whether load() found the file.
    bool exists() const { return exists_; }

    // The value of `key` in `section`; nothing when the section or the key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Stores `value` as `key` in `section` of the text in memory. False, leaving the text
    // as it was, when the section or key name cannot be stored (empty, holding a line
    // break, a key holding "=" or starting with "[" or ";").
    bool set(const QString &section, const QString &key, const QString &value);
    // Whether a set() changed the text; and whether one changed a line the file already
    // held (rather than only adding lines).
    bool changed() const { return changed_; }
    bool replaced_lines() const { return replaced_lines_; }

    // Writes the text to the file: one temporary file beside it (named ".<name>.XXXXXX"),
    // synced, given the old file's permissions and renamed over it, so that after a crash
    // the file is either wholly old or wholly new. A symbolic link is written through, not
    // replaced. A file that exists and was not changed is not written again. False, with
    // the file as it was, when the file or its folder cannot be written or the path is no
    // regular file: even when nothing changed, a file that could not be written fails.
    bool commit();

    // Writes the bytes the file held at load() to `path` in the same atomic way, with the
    // loaded file's permissions: a copy kept before the file is changed.
    bool copy_original_to(const QString &path);

    const QString &path() const { return path_; }
    // The text as it stands now.
    QByteArray bytes() const;
    // Why the last load(), set(), commit() or copy failed, as the system words it ("No
    // space left on device") or as the document found it.
    const QString &error() const { return error_; }

private:
    struct Text;
    QString path_;
    std::unique_ptr<Text> text_;
    QByteArray original_;
    unsigned original_mode_ = 0;
    bool exists_ = false;
    bool changed_ = false;
    bool replaced_lines_ = false;
    QString error_;
};

// The value of `key` in `section` of the file at `path`, as IniDocument::value reads it;
// `default_value` (cut to kMaxProfileValueLength) when the file, section or key is missing.
QString GetPrivateProfileString(const QString &section, const QString &key, const QString &default_value,
                                const QString &path);

// Stores one key in the file at `path`: a document loaded, set and committed. A missing
// file is created (its folder must exist). False, leaving the file as it was, when the
// document refuses the name or the file cannot be written.
bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value, const QString &path);

// Removes the temporary files that a write of `path` (through its symbolic links) left
// behind when it was killed: regular files of this user named ".<name>.XXXXXX" beside the
// file, last modified before `older_than`. A write in progress, newer than that, is left
// alone. Returns how many were removed.
int remove_stale_temporary_files(const QString &path, const timespec &older_than);

} // namespace trovel
