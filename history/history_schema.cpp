// The schema steps of the history file.
#include "history/history_schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

MigrationResult migrate_history(QSqlDatabase &db, const std::vector<QStringList> &steps, QSqlError *error) {
    auto fail = [&](const QSqlQuery &q) {
        if (error) *error = q.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return MigrationResult::failed;
    };
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (error) *error = q.lastError();
        return MigrationResult::failed;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > static_cast<int>(steps.size())) return MigrationResult::newer_file;
    for (int v = version; v < static_cast<int>(steps.size()); ++v) {
        // BEGIN IMMEDIATE: two programs upgrading at once wait for each other instead of
        // both reading the old version.
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return fail(q);
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA user_version")) || !check.next()) return fail(check);
        if (check.value(0).toInt() != v) { // someone else moved it on meanwhile
            check.finish();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return migrate_history(db, steps, error);
        }
        check.finish();
        for (const QString &statement : steps[static_cast<size_t>(v)])
            if (!q.exec(statement)) return fail(q);
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1)) || !q.exec(QStringLiteral("COMMIT")))
            return fail(q);
    }
    return MigrationResult::done;
}

} // namespace trovel
