// The history file on SQLite: opening, the schema, writing with retries, and moving a
// broken file aside.
#include "history/history_file.h"

#include "history/history_schema.h"
#include "platform/xdg_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

namespace trovel {

namespace {

// SQLite's primary result codes that matter here (the low byte of an extended code).
constexpr int kSqliteBusy = 5, kSqliteLocked = 6, kSqliteCorrupt = 11, kSqliteNotADb = 26;

int primary_code(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

void note_on_stderr(const QString &text) {
    std::fprintf(stderr, "trovel: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

QString history_file_path() {
    return xdg_home("XDG_DATA_HOME", ".local/share") + QLatin1String("/trovel/history.sqlite");
}

HistoryFile::HistoryFile(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("trovel-history-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)),
      note_(note_on_stderr) {}

HistoryFile::~HistoryFile() { close(); }

void HistoryFile::close() {
    if (!QSqlDatabase::contains(connection_)) return;
    query_.reset();
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
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
    // A second round only after a broken file was moved aside: the events go to the new one.
    for (int round = 0; round < 2 && !waiting_.empty(); ++round) {
        if (!open()) return;
        while (!waiting_.empty()) {
            const Outcome outcome = write(waiting_.front());
            if (outcome == Outcome::keep) return;
            if (outcome == Outcome::broken) break;
            waiting_.pop_front();
        }
    }
    if (waiting_.empty()) std::fill(std::begin(said_), std::end(said_), false); // a later fault is news again
}

QDate HistoryFile::today() const {
    // The date of the event at hand names a broken file; without one, the clock's.
    return waiting_.empty() ? QDate::currentDate() : waiting_.back().at.date();
}

bool HistoryFile::open() {
    if (query_) return true;
    // Twice at most: once more after a broken file was moved aside.
    for (int round = 0; round < 2; ++round) {
        const QString folder = QFileInfo(path_).absolutePath();
        if (!QDir().mkpath(folder)) {
            say_once(no_folder, QStringLiteral("cannot create the folder %1 for the history; events are kept in "
                                               "memory until it can be written")
                                    .arg(folder));
            return false;
        }
        if (!QSqlDatabase::contains(connection_)) {
            // Loads the SQLite plugin: the first open pays for it, start-up does not.
            QSqlDatabase added = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
            added.setDatabaseName(path_);
            added.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        }
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (!db.isValid()) {
            say_once(cannot_open, QStringLiteral("Qt's SQLite driver is missing; the history is kept in memory"));
            return false;
        }
        if (!db.open()) {
            classify(db.lastError(), QStringLiteral("open"));
            db = QSqlDatabase();
            close();
            return false;
        }
        auto setup = [&]() -> Outcome {
            QSqlQuery q(db);
            // Finds a file that is no database or has a damaged header or schema. Damage
            // further in shows when a write or read reaches it, and is handled there; a
            // full check would read the whole file at every start.
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                return classify(q.lastError(), QStringLiteral("read"));
            q.finish();
            // WAL: a reader (the statistics window, the sqlite3 tool) never blocks a write.
            // NORMAL: no sync at each event; a crash of the program loses nothing, a power
            // cut at most the last events, and the file stays sound.
            // Either may fail on a read-only file, which can still be read.
            q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
            q.finish();
            q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
            q.finish();
            QSqlError error;
            if (migrate_history(db, history_migrations(), &error) == MigrationResult::failed)
                return classify(error, QStringLiteral("set up"));
            return Outcome::written;
        };
        const Outcome outcome = setup();
        if (outcome == Outcome::written) {
            query_ = std::make_unique<QSqlQuery>(db);
            query_->prepare(
                QStringLiteral("INSERT INTO events (kind, at, seconds, started, source) VALUES (?, ?, ?, ?, ?)"));
            apply_page_limit();
            return true;
        }
        db = QSqlDatabase();
        close();
        if (outcome != Outcome::broken || !move_aside(today())) return false;
    }
    return false;
}

HistoryFile::Outcome HistoryFile::write(const HistoryEvent &e) {
    QSqlQuery &q = *query_;
    q.bindValue(0, kind_name(e.kind));
    q.bindValue(1, history_time_text(e.at));
    q.bindValue(2, e.seconds);
    q.bindValue(3, e.started.isValid() ? QVariant(history_time_text(e.started)) : QVariant());
    q.bindValue(4, e.source != BreakSource::none ? QVariant(source_name(e.source)) : QVariant());
    // Autocommit: one short transaction per event.
    if (q.exec()) {
        q.finish();
        return Outcome::written;
    }
    const Outcome outcome = classify(q.lastError(), QStringLiteral("write"));
    q.finish();
    if (outcome == Outcome::broken) {
        close();
        move_aside(today());
    }
    return outcome;
}

HistoryFile::Outcome HistoryFile::classify(const QSqlError &error, const QString &what) {
    switch (primary_code(error)) {
    case kSqliteCorrupt:
    case kSqliteNotADb:
        return Outcome::broken;
    case kSqliteBusy:
    case kSqliteLocked:
        say_once(locked, QStringLiteral("the history %1 is locked by another program; events are kept in memory "
                                        "and written at a later event")
                             .arg(path_));
        return Outcome::keep;
    default:
        say_once(what == QLatin1String("open") ? cannot_open : cannot_write,
                 QStringLiteral("cannot %1 the history %2 (%3); events are kept in memory and written at a later "
                                "event")
                     .arg(what, path_, error.text()));
        return Outcome::keep;
    }
}

bool HistoryFile::move_aside(const QDate &today) {
    const QString base = path_ + QStringLiteral(".broken-") + today.toString(Qt::ISODate);
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path_, target)) {
        say_once(cannot_move, QStringLiteral("the history %1 is damaged and cannot be moved aside; events are kept "
                                             "in memory")
                                  .arg(path_));
        return false;
    }
    // The journal belongs to the broken file: left here it would be played into the new one.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString side = path_ + QLatin1String(suffix);
        if (QFileInfo::exists(side) && !QFile::rename(side, target + QLatin1String(suffix))) QFile::remove(side);
    }
    note_(QStringLiteral("the history %1 was not a sound database; it was moved aside as %2 and a new one begun")
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
    if (query_) apply_page_limit();
}

void HistoryFile::apply_page_limit() {
    // SQLite never lowers the limit below the file's size, and clamps a large one.
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(page_limit_ > 0 ? page_limit_ : 2147483647));
}

std::vector<HistoryEvent> HistoryFile::events(QDate from) {
    std::vector<HistoryEvent> out;
    if (open()) {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        q.setForwardOnly(true);
        // Times are ISO text, so a date compares as their prefix.
        q.prepare(QStringLiteral("SELECT seq, kind, at, seconds, started, source FROM events WHERE at >= ? "
                                 "ORDER BY seq"));
        q.addBindValue(from.isValid() ? from.addDays(-1).toString(Qt::ISODate) : QStringLiteral(""));
        if (q.exec()) {
            while (q.next()) {
                const std::optional<HistoryKind> kind = kind_from_name(q.value(1).toString());
                if (!kind) // written by a newer program
                    continue;
                HistoryEvent e;
                e.seq = q.value(0).toLongLong();
                e.kind = *kind;
                e.at = history_time_from_text(q.value(2).toString());
                e.seconds = q.value(3).toInt();
                e.started = history_time_from_text(q.value(4).toString());
                e.source = source_from_name(q.value(5).toString());
                out.push_back(std::move(e));
            }
        } else if (classify(q.lastError(), QStringLiteral("read")) == Outcome::broken) {
            q = QSqlQuery();
            close();
            move_aside(today());
        }
    }
    int64_t seq = out.empty() ? 0 : out.back().seq;
    if (from.isValid() && is_open()) {
        QSqlQuery last(QSqlDatabase::database(connection_, false));
        if (last.exec(QStringLiteral("SELECT max(seq) FROM events")) && last.next())
            seq = std::max<int64_t>(seq, last.value(0).toLongLong());
    }
    for (HistoryEvent e : waiting_) {
        e.seq = ++seq;
        if (!from.isValid() || e.at.date() >= from.addDays(-1)) out.push_back(std::move(e));
    }
    return out;
}

} // namespace trovel
