// The few pieces of SQLite's C interface the history uses: a prepared statement that is
// finalized on every path, and plain statements run for their effect.
#pragma once

#include <QString>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace trovel {

class SqlStatement {
public:
    // A statement that fails to prepare steps to the prepare's error.
    SqlStatement(sqlite3 *db, const char *sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    // SQLITE_ROW, SQLITE_DONE or the primary code of an error.
    int step();
    // Ready to run again; the values bound stay until bound anew.
    void reset();
    // A null QString binds NULL.
    void bind(int index, const QString &text);
    void bind(int index, int64_t value);
    QString text(int column) const;
    int64_t integer(int column) const;

private:
    sqlite3_stmt *stmt_ = nullptr;
    int prepare_code_ = 0;
};

// Runs `sql` (one or more statements without rows); the primary result code.
int sql_exec(sqlite3 *db, const char *sql);
int sql_exec(sqlite3 *db, const QString &sql);
// The connection's message for its last error ("database or disk is full").
QString sql_error_text(sqlite3 *db);

} // namespace trovel
