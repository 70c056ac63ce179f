// Prepared statements over SQLite's C interface.
#include "history/sqlite_statement.h"

#include <sqlite3.h>

namespace trovel {

SqlStatement::SqlStatement(sqlite3 *db, const char *sql) {
    prepare_code_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) & 0xff;
}

SqlStatement::~SqlStatement() { sqlite3_finalize(stmt_); }

int SqlStatement::step() {
    if (!stmt_) return prepare_code_ != SQLITE_OK ? prepare_code_ : SQLITE_ERROR;
    return sqlite3_step(stmt_) & 0xff;
}

void SqlStatement::reset() { sqlite3_reset(stmt_); }

void SqlStatement::bind(int index, const QString &text) {
    if (text.isNull()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt_, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void SqlStatement::bind(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

QString SqlStatement::text(int column) const {
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(stmt_, column)) : QString();
}

int64_t SqlStatement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

int sql_exec(sqlite3 *db, const char *sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) & 0xff; }

int sql_exec(sqlite3 *db, const QString &sql) { return sql_exec(db, sql.toUtf8().constData()); }

QString sql_error_text(sqlite3 *db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

} // namespace trovel
