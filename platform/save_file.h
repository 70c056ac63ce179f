// Writing a file whole or not at all, and sweeping away what a killed write left behind.
#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <optional>
#include <sys/types.h>

namespace trovel {

// Replaces the file at `path` with `bytes` so that, whatever happens meanwhile (a kill, a
// full disk, a crash), the file is afterwards either wholly the old one or wholly the new
// one. A symbolic link is written through to the file it ends at, never replaced. The
// bytes go to a temporary file beside that file (".<name>.trovel-save-XXXXXX"), which is
// synced, given `mode` when one is asked for, else the old file's permissions (a new
// file 0666 less the umask), and renamed over it; then the folder is synced. False, with the file as it was
// and no temporary file left, when the file or its folder cannot be written or the path
// leads to no regular file; `*error` then says why as the system words it ("Permission
// denied", "No space left on device").
bool save_file(const QString &path, const QByteArray &bytes, QString *error, std::optional<mode_t> mode = {});

// Whether save_file(path) could replace the file now, and if not, why.
bool can_save_file(const QString &path, QString *error);

// The file a write of `path` lands in: the path itself, or the end of its chain of
// symbolic links. Empty for a link loop.
QString resolve_symlinks(const QString &path);

// Removes the temporary files that a save of `path` (through its symbolic links) left
// behind when it was killed: regular files of this user named as save_file names them,
// beside the file, last modified before `older_than`. A save in progress, newer than that,
// is left alone, and so is every other file. Returns how many were removed.
int remove_stale_save_files(const QString &path, const timespec &older_than);

} // namespace trovel
