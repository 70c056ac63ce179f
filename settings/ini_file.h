// Reading and writing single keys of an INI file, one call per key. Every call sees the
// file as it is on disk now (the last file read or written is kept in memory only while
// it is unchanged there); a write rewrites the whole file atomically and keeps every line
// it does not change byte for byte. Safe to call from any thread.
#pragma once

#include <QString>

namespace trovel {

// The longest value a read returns; the rest is cut off (a 2,048-character buffer
// with its terminating zero).
inline constexpr int kMaxProfileValueLength = 2047;

// The value of `key` in `section` of the file at `path`.
// Section and key names match in any letter case; the first section of that name and
// its first line with that key are the ones read. A missing file, section or key gives
// `default_value`; a key with nothing after "=" gives the empty text. The value loses
// its leading and trailing blanks, then one pair of equal quote characters (" or ')
// around it when it is at least two characters long. At most kMaxProfileValueLength
// characters are returned, of the value or of the default.
QString GetPrivateProfileString(const QString &section, const QString &key, const QString &default_value,
                                const QString &path);

// Stores `value` as `key` in `section` of the file at `path`.
// An existing key line is replaced where it stands (the key keeps its spelling in the
// file); a new key becomes the section's last line; a missing section is appended at the
// end of the file; a missing file is created (its folder must exist). No other line is
// changed and nothing is deleted. New lines take the file's line ending (CRLF when its
// first line ends so, LF otherwise).
// A non-empty value whose first and last characters are both " or both ' is written
// inside one more pair of double quotes, so that a read gives it back unchanged. A line
// break cannot be stored in a value; each one is written as a space.
// The file is replaced atomically (a temporary file in the same folder, synced, then
// renamed over it), keeping its permissions and writing through a symbolic link, so a
// crash or a full disk leaves either the old or the new content. Returns false, leaving
// the file as it was, when the file or its folder cannot be written, when the path is
// not a regular file, or when the section or key name cannot be stored (empty, holding
// a line break, a key holding "=").
bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value, const QString &path);

} // namespace trovel
