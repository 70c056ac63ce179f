// The settings file: read once into a text in memory, changed by key, and written back in
// one atomic rewrite that keeps every line it does not change byte for byte. One document
// belongs to one thread at a time.
#pragma once

#include "settings/ini_text.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trovel {

// One INI file's text (see IniText for the rules of reading and writing keys), read once
// and written back in one piece.
class IniDocument {
public:
    // The document of the file at `path`; nothing is read before load().
    explicit IniDocument(const QString &path);

    // Reads the file as it is now. A missing file is an empty document (commit() creates
    // it). False, leaving the document empty, when the file exists but cannot be read or
    // is no regular file (a FIFO in its place is not waited on).
    bool load();
    // Whether load() found the file.
    bool exists() const { return exists_; }

    // The value of `key` in `section`; nothing when the section or the key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const { return text_.value(section, key); }

    // Stores `value` as `key` in `section` of the text in memory. False, leaving the text
    // as it was, when the section or key name cannot be stored.
    bool set(const QString &section, const QString &key, const QString &value);
    // Whether a set() changed the text; and whether one changed a line the file already
    // held (rather than only adding lines).
    bool changed() const { return changed_; }
    bool replaced_lines() const { return replaced_lines_; }

    // Writes the text to the file whole or not at all (save_file): after a crash the file
    // is either wholly old or wholly new, and a symbolic link is written through. A file
    // that exists and was not changed is not written again. False, with the file as it
    // was, when the file or its folder cannot be written or the path is no regular file:
    // even when nothing changed, a file that could not be written fails.
    bool commit();

    // Writes the bytes the file held at load() to `path` in the same atomic way, with the
    // loaded file's permissions: a copy kept before the file is changed.
    bool copy_original_to(const QString &path);

    const QString &path() const { return path_; }
    // The text as it stands now.
    const QByteArray &bytes() const { return text_.bytes(); }
    // Why the last load(), set(), commit() or copy failed, as the system words it ("No
    // space left on device") or as the document found it.
    const QString &error() const { return error_; }

private:
    QString path_;
    IniText text_;
    QByteArray original_;
    unsigned original_mode_ = 0;
    bool exists_ = false;
    bool changed_ = false;
    bool replaced_lines_ = false;
    QString error_;
};

} // namespace trovel
