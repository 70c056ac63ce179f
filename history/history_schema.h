// The history file's tables and how an older file is brought forward. The schema's
// version is the file's PRAGMA user_version: 0 is a new, empty file.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;

namespace trovel {

// Step i brings a file from version i to version i + 1. Steps are only ever appended.
const std::vector<QStringList> &history_migrations();

// The version the schema has after every step of history_migrations().
int history_schema_version();

// The columns every version's events table has; a row of ours needs them.
const QStringList &history_columns();

enum class MigrationResult { done, newer_file, failed };

// Runs the steps from the file's version on, each in its own transaction together with
// its new user_version, so a file is always at one whole version. A file newer than the
// steps know is left as it is (newer_file). On failure `code` gets SQLite's primary result
// code of the failing statement.
MigrationResult migrate_history(sqlite3 *db, const std::vector<QStringList> &steps, int *code);

} // namespace trovel
