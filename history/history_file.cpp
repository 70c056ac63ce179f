// The history file on SQLite: opening, telling Trovel's history from other files, the
// schema, writing with retries, and moving a broken or foreign file aside.
#include "history/history_file.h"

#include "history/history_schema.h"
#include "history/sqlite_statement.h"
#include "platform/xdg_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace trovel {

namespace {

void note_on_stderr(const QString &text) {
    std::fprintf(stderr, "trovel: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

QString history_file_path() {
    return xdg_home("XDG_DATA_HOME", ".local/share") + QLatin1String("/trovel/history.sqlite");
}

HistoryFile::HistoryFile(QString path) : path_(std::move(path)), note_(note_on_stderr) {}

HistoryFile::~HistoryFile() { finish(); }

void HistoryFile::close() {
    insert_.reset();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    newer_ = false;
}

void HistoryFile::finish() {
    if (!waiting_.empty()) {
        busy_ms_ = kFinishWaitMs;
        if (db_) sqlite3_busy_timeout(db_, busy_ms_);
        flush();
        busy_ms_ = kBusyTimeoutMs;
    }
    if (!waiting_.empty()) {
        const size_t lost = waiting_.size();
        note_(QStringLiteral("the history %1 could not be written at the end; %2 %3 of this run %4 lost")
                  .arg(path_)
                  .arg(lost)
                  .arg(lost == 1 ? QStringLiteral("event") : QStringLiteral("events"),
                       lost == 1 ? QStringLiteral("is") : QStringLiteral("are")));
        waiting_.clear();
    }
    close();
}

void HistoryFile::record(HistoryEvent event) {
    if (waiting_.size() >= kMaxWaiting) {
        waiting_.pop_front();
        say_once(dropped, QStringLiteral("more than %1 events could not be written to %2; the oldest are dropped")
                              .arg(kMaxWaiting)
                              .arg(path_));
    }
    waiting_.push_back(std::move(event));
    flush();
}

void HistoryFile::flush() {
    // A second round only after a broken or foreign file was moved aside: the events go
    // to the new one.
    for (int round = 0; round < 2 && !waiting_.empty(); ++round) {
        if (!open()) return;
        while (!waiting_.empty()) {
            const Outcome outcome = write(waiting_.front());
            if (outcome == Outcome::keep) return;
            if (outcome != Outcome::written) break;
            waiting_.pop_front();
        }
    }
    if (waiting_.empty()) std::fill(std::begin(said_), std::end(said_), false); // a later fault is news again
}

QDate HistoryFile::today() const {
    // The date of the event at hand names a file moved aside; without one, the clock's.
    return waiting_.empty() ? QDate::currentDate() : waiting_.back().at.date();
}

bool HistoryFile::open() {
    if (db_) return true;
    // Twice at most: once more after a broken or foreign file was moved aside.
    for (int round = 0; round < 2; ++round) {
        const QString folder = QFileInfo(path_).absolutePath();
        if (!QDir().mkpath(folder)) {
            say_once(no_folder, QStringLiteral("cannot create the folder %1 for the history; events are kept in "
                                               "memory until it can be written")
                                    .arg(folder));
            return false;
        }
        const int rc = sqlite3_open_v2(QFile::encodeName(path_).constData(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const QString why = db_ ? sql_error_text(db_) : QString();
            close();
            if (classify(rc & 0xff, QStringLiteral("open"), why) != Outcome::broken || !move_aside(Outcome::broken, 0))
                return false;
            continue;
        }
        sqlite3_busy_timeout(db_, busy_ms_);
        const Outcome outcome = set_up();
        if (outcome == Outcome::written) {
            insert_ = std::make_unique<SqlStatement>(
                db_, "INSERT INTO events (kind, at, seconds, started, source) VALUES (?, ?, ?, ?, ?)");
            apply_page_limit();
            return true;
        }
        if (outcome == Outcome::keep) {
            close();
            return false;
        }
        if (!set_aside(outcome)) return false;
    }
    return false;
}

HistoryFile::Outcome HistoryFile::set_up() {
    // Finds a file that is no database or has a damaged header or schema. Damage further
    // in shows when a write or read reaches it, and is handled there; a full check would
    // read the whole file at every start.
    int64_t objects = 0, version = 0;
    for (auto [sql, value] :
         {std::pair{"SELECT count(*) FROM sqlite_master", &objects}, std::pair{"PRAGMA user_version", &version}}) {
        SqlStatement q(db_, sql);
        const int rc = q.step();
        if (rc != SQLITE_ROW) return classify(rc, QStringLiteral("read"), sql_error_text(db_));
        *value = q.integer(0);
    }
    // Tell another program's file before anything is changed in it. An empty file is a
    // new history; a file with tables is ours when its version is set and its events
    // table has every column a row of ours needs.
    if (objects > 0) {
        if (version == 0) return Outcome::foreign;
        QStringList columns;
        SqlStatement q(db_, "PRAGMA table_info(events)");
        int rc;
        while ((rc = q.step()) == SQLITE_ROW)
            columns << q.text(1);
        if (rc != SQLITE_DONE) return classify(rc, QStringLiteral("read"), sql_error_text(db_));
        for (const QString &column : history_columns())
            if (!columns.contains(column)) return Outcome::foreign;
    }
    int code = SQLITE_OK;
    const MigrationResult migrated = migrate_history(db_, history_migrations(), &code);
    if (migrated == MigrationResult::failed) return classify(code, QStringLiteral("set up"), sql_error_text(db_));
    // A newer version's file takes our rows as long as its table lets them in, and is
    // otherwise left as that version made it.
    newer_ = migrated == MigrationResult::newer_file;
    if (newer_) return Outcome::written;
    // WAL: a reader (the statistics window, the sqlite3 tool) never blocks a write.
    // NORMAL: no sync at each event; a crash of the program loses nothing, a power cut at
    // most the last events, and the file stays sound. Either may fail on a read-only
    // file, which can still be read.
    sql_exec(db_, "PRAGMA journal_mode = WAL");
    sql_exec(db_, "PRAGMA synchronous = NORMAL");
    return Outcome::written;
}

HistoryFile::Outcome HistoryFile::write(const HistoryEvent &e) {
    SqlStatement &q = *insert_;
    q.bind(1, kind_name(e.kind));
    q.bind(2, history_time_text(e.at));
    q.bind(3, int64_t{e.seconds});
    q.bind(4, e.started.isValid() ? history_time_text(e.started) : QString());
    q.bind(5, e.source != BreakSource::none ? source_name(e.source) : QString());
    // Autocommit: one short transaction per event.
    const int rc = q.step();
    const QString why = rc == SQLITE_DONE ? QString() : sql_error_text(db_);
    q.reset();
    if (rc == SQLITE_DONE) return Outcome::written;
    // A newer version's table that refuses our rows (a column we do not fill, say).
    if (newer_ && (rc == SQLITE_CONSTRAINT || rc == SQLITE_ERROR)) {
        set_aside(Outcome::foreign);
        return Outcome::foreign;
    }
    const Outcome outcome = classify(rc, QStringLiteral("write"), why);
    if (outcome == Outcome::broken) set_aside(outcome);
    return outcome;
}

HistoryFile::Outcome HistoryFile::classify(int code, const QString &what, const QString &why) {
    switch (code) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Outcome::broken;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        say_once(locked, QStringLiteral("the history %1 is locked by another program; events are kept in memory "
                                        "and written at a later event")
                             .arg(path_));
        return Outcome::keep;
    default:
        if (what == QLatin1String("read")) {
            say_once(cannot_read, QStringLiteral("cannot read the history %1 (%2); the statistics show the events "
                                                 "read before the error")
                                      .arg(path_, why));
            return Outcome::keep;
        }
        say_once(what == QLatin1String("open") ? cannot_open : cannot_write,
                 QStringLiteral("cannot %1 the history %2 (%3); events are kept in memory and written at a later "
                                "event")
                     .arg(what, path_, why));
        return Outcome::keep;
    }
}

bool HistoryFile::set_aside(Outcome why) {
    size_t salvaged = 0;
    if (why == Outcome::broken && db_) {
        // What can still be read is kept for this run's statistics; the file itself is
        // kept aside as it is.
        std::vector<HistoryEvent> read;
        read_events(QString(), salvaged_.empty() ? 0 : salvaged_.back().seq, read);
        salvaged = read.size();
        salvaged_.insert(salvaged_.end(), read.begin(), read.end());
    }
    close();
    return move_aside(why, salvaged);
}

bool HistoryFile::move_aside(Outcome why, size_t salvaged) {
    const bool broken = why == Outcome::broken;
    const QString base =
        path_ + (broken ? QStringLiteral(".broken-") : QStringLiteral(".other-")) + today().toString(Qt::ISODate);
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path_, target)) {
        say_once(cannot_move, QStringLiteral("the history %1 %2 and cannot be moved aside; events are kept in "
                                             "memory")
                                  .arg(path_, broken ? QStringLiteral("is damaged")
                                                     : QStringLiteral("is not one this version can write")));
        return false;
    }
    // The journal belongs to the file moved: left here it would be played into the new one.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString side = path_ + QLatin1String(suffix);
        if (QFileInfo::exists(side) && !QFile::rename(side, target + QLatin1String(suffix))) QFile::remove(side);
    }
    if (!broken)
        note_(QStringLiteral("%1 is not a history this version of Trovel can write (another program's file or a "
                             "newer Trovel's); it was moved aside unchanged as %2 and a new one begun")
                  .arg(path_, target));
    else if (salvaged > 0)
        note_(QStringLiteral("the history %1 is damaged; it was moved aside as %2 and a new one begun; the %3 "
                             "events read from it before the damage count in this run's statistics")
                  .arg(path_, target)
                  .arg(salvaged));
    else
        note_(QStringLiteral("the history %1 was not a sound database; it was moved aside as %2 and a new one "
                             "begun")
                  .arg(path_, target));
    return true;
}

void HistoryFile::say_once(Fault fault, const QString &text) {
    if (said_[fault]) return;
    said_[fault] = true;
    note_(text);
}

void HistoryFile::set_page_limit(int pages) {
    page_limit_ = pages;
    if (db_) apply_page_limit();
}

void HistoryFile::apply_page_limit() {
    // SQLite never lowers the limit below the file's size, and clamps a large one.
    sql_exec(db_, QStringLiteral("PRAGMA max_page_count = %1").arg(page_limit_ > 0 ? page_limit_ : 2147483647));
}

int HistoryFile::read_events(const QString &since, int64_t base, std::vector<HistoryEvent> &out) {
    // Times are ISO text, so a date compares as their prefix.
    SqlStatement q(db_, since.isEmpty() ? "SELECT seq, kind, at, seconds, started, source FROM events ORDER BY seq"
                                        : "SELECT seq, kind, at, seconds, started, source FROM events WHERE at >= ? "
                                          "ORDER BY seq");
    if (!since.isEmpty()) q.bind(1, since);
    int rc;
    while ((rc = q.step()) == SQLITE_ROW) {
        const std::optional<HistoryKind> kind = kind_from_name(q.text(1));
        if (!kind) // written by a newer program
            continue;
        HistoryEvent e;
        e.seq = base + q.integer(0);
        e.kind = *kind;
        e.at = history_time_from_text(q.text(2));
        e.seconds = static_cast<int32_t>(q.integer(3));
        e.started = history_time_from_text(q.text(4));
        e.source = source_from_name(q.text(5));
        out.push_back(std::move(e));
    }
    return rc;
}

std::vector<HistoryEvent> HistoryFile::events(QDate from) {
    const QDate first = from.isValid() ? from.addDays(-1) : QDate();
    auto wanted = [&](const HistoryEvent &e) { return !first.isValid() || e.at.date() >= first; };
    std::vector<HistoryEvent> out;
    // Twice at most: once more after a file found damaged was moved aside.
    for (int round = 0; round < 2; ++round) {
        out.clear();
        for (const HistoryEvent &e : salvaged_)
            if (wanted(e)) out.push_back(e);
        if (!open()) break;
        const int64_t base = salvaged_.empty() ? 0 : salvaged_.back().seq;
        const int rc = read_events(first.isValid() ? first.toString(Qt::ISODate) : QString(), base, out);
        if (rc == SQLITE_DONE || classify(rc, QStringLiteral("read"), sql_error_text(db_)) != Outcome::broken) break;
        set_aside(Outcome::broken);
    }
    int64_t seq = out.empty() ? (salvaged_.empty() ? 0 : salvaged_.back().seq) : out.back().seq;
    if (first.isValid() && is_open()) {
        SqlStatement last(db_, "SELECT max(seq) FROM events");
        if (last.step() == SQLITE_ROW)
            seq = std::max<int64_t>(seq, (salvaged_.empty() ? 0 : salvaged_.back().seq) + last.integer(0));
    }
    for (HistoryEvent e : waiting_) {
        e.seq = ++seq;
        if (wanted(e)) out.push_back(std::move(e));
    }
    return out;
}

} // namespace trovel
