// The schema steps of the history file.
#include "history/history_schema.h"

#include "history/sqlite_statement.h"

#include <sqlite3.h>

namespace trovel {

const std::vector<QStringList> &history_migrations() {
    // Times are ISO 8601 text with the UTC offset, readable with any SQLite tool.
    static const std::vector<QStringList> steps{
        {QStringLiteral("CREATE TABLE events ("
                        " seq INTEGER PRIMARY KEY," // order of recording
                        " kind TEXT NOT NULL,"
                        " at TEXT NOT NULL,"
                        " seconds INTEGER NOT NULL DEFAULT 0,"
                        " started TEXT,"  // typing phases
                        " source TEXT)"), // breaks taken: menu or tray
         QStringLiteral("CREATE INDEX events_at ON events(at)")},
    };
    return steps;
}

int history_schema_version() { return static_cast<int>(history_migrations().size()); }

const QStringList &history_columns() {
    static const QStringList columns{QStringLiteral("seq"),     QStringLiteral("kind"),    QStringLiteral("at"),
                                     QStringLiteral("seconds"), QStringLiteral("started"), QStringLiteral("source")};
    return columns;
}

namespace {

// The file's user_version, or -1 with `code` set.
int user_version(sqlite3 *db, int *code) {
    SqlStatement q(db, "PRAGMA user_version");
    const int step = q.step();
    if (step == SQLITE_ROW) return static_cast<int>(q.integer(0));
    if (code) *code = step;
    return -1;
}

} // namespace

MigrationResult migrate_history(sqlite3 *db, const std::vector<QStringList> &steps, int *code) {
    auto fail = [&](int failed) {
        if (code) *code = failed;
        sql_exec(db, "ROLLBACK");
        return MigrationResult::failed;
    };
    const int version = user_version(db, code);
    if (version < 0) return MigrationResult::failed;
    if (version > static_cast<int>(steps.size())) return MigrationResult::newer_file;
    for (int v = version; v < static_cast<int>(steps.size()); ++v) {
        // BEGIN IMMEDIATE: two programs upgrading at once wait for each other instead of
        // both reading the old version.
        if (const int rc = sql_exec(db, "BEGIN IMMEDIATE"); rc != SQLITE_OK) return fail(rc);
        int rc = SQLITE_OK;
        const int now = user_version(db, &rc);
        if (now < 0) return fail(rc);
        if (now != v) { // someone else moved it on meanwhile
            sql_exec(db, "ROLLBACK");
            return migrate_history(db, steps, code);
        }
        for (const QString &statement : steps[static_cast<size_t>(v)])
            if (const int failed = sql_exec(db, statement); failed != SQLITE_OK) return fail(failed);
        if (const int failed = sql_exec(db, QStringLiteral("PRAGMA user_version = %1").arg(v + 1)); failed != SQLITE_OK)
            return fail(failed);
        if (const int failed = sql_exec(db, "COMMIT"); failed != SQLITE_OK) return fail(failed);
    }
    return MigrationResult::done;
}

} // namespace trovel
