// The history file: $XDG_DATA_HOME/trovel/history.sqlite (~/.local/share/trovel/ when
// XDG_DATA_HOME is unset), one row per event, written through SQLite's C library.
// Used from one thread at a time (HistoryStore's writer thread in the program).
//
// Nothing happens when a HistoryFile is made: the file is opened at the first event or
// read. No fault of the file ever stops the program or reaches the settings, and each is
// said once on stderr:
// - an event that cannot be written (no folder, a read-only or full disk, a file locked
//   by another program for more than 100 ms) waits in memory and is written, in order, at
//   a later event; at the end the file gets a few seconds more, and the events still not
//   written are counted in one line;
// - a file that is not a database, or is damaged (found at opening, at a write or at a
//   read), is moved aside as history.sqlite.broken-<date> and a new one begun; the events
//   that could be read from it stay in this run's statistics;
// - an SQLite file that is not Trovel's history (another program's, or of a newer version
//   whose rows this one cannot write) is moved aside unchanged as
//   history.sqlite.other-<date> and a new one begun.
#pragma once

#include "history/history_event.h"

#include <QDate>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

namespace trovel {

class SqlStatement;

// Where the history lives by default.
QString history_file_path();

class HistoryFile {
public:
    // How long a write waits for another program's lock before the event waits in memory.
    static constexpr int kBusyTimeoutMs = 100;
    // How long the last try at the program's end waits for such a lock.
    static constexpr int kFinishWaitMs = 3000;
    // Events kept in memory at most while the file cannot be written; beyond this the
    // oldest go (about a month of events, a few megabytes).
    static constexpr size_t kMaxWaiting = 20000;

    explicit HistoryFile(QString path = history_file_path());
    // finish()
    ~HistoryFile();
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    // Writes the event (whose `at` must be set) after any still waiting, or keeps it
    // waiting in memory. The sequence number is the file's.
    void record(HistoryEvent event);

    // Every event, in the order recorded: those read from a damaged file this run, those
    // in the file, then those still waiting (numbered on after the last). With `from`,
    // only those of that date or later; a day more is read, for events recorded in other
    // zones.
    std::vector<HistoryEvent> events(QDate from = QDate());
    // Events that could not be written yet.
    size_t waiting() const { return waiting_.size(); }
    bool is_open() const { return db_ != nullptr; }
    // Lets go of the file; the next event or read opens it again.
    void close();
    // The program's end: writes what waits, giving another program's lock up to
    // kFinishWaitMs, says in one line how many events could not be written, and closes.
    void finish();

    // Seams for tests: where the one-line notes go (stderr by default), and a page limit
    // that makes the file full as a full disk would (0: none).
    void set_note(std::function<void(const QString &)> note) { note_ = std::move(note); }
    void set_page_limit(int pages);

private:
    enum class Outcome { written, keep, broken, foreign };
    enum Fault { no_folder, cannot_open, locked, cannot_write, cannot_read, dropped, cannot_move, fault_count };

    bool open();
    Outcome set_up();
    void flush();
    Outcome write(const HistoryEvent &e);
    Outcome classify(int code, const QString &what, const QString &why);
    // Handles a broken or foreign file found open: keeps what can be read of a broken one,
    // closes it and moves it aside. False when it could not be moved.
    bool set_aside(Outcome why);
    bool move_aside(Outcome why, size_t salvaged);
    // Reads the file's events from `since` (an ISO date, empty for all) into `out`, their
    // sequence numbers after `base`; SQLITE_DONE or the error that ended the read.
    int read_events(const QString &since, int64_t base, std::vector<HistoryEvent> &out);
    QDate today() const;
    void say_once(Fault fault, const QString &text);
    void apply_page_limit();

    QString path_;
    std::function<void(const QString &)> note_;
    sqlite3 *db_ = nullptr;
    std::unique_ptr<SqlStatement> insert_; // prepared while the file is open
    std::deque<HistoryEvent> waiting_;
    // Read from a file found damaged this run, renumbered; later events are numbered on.
    std::vector<HistoryEvent> salvaged_;
    bool said_[fault_count] = {};
    int page_limit_ = 0;
    int busy_ms_ = kBusyTimeoutMs;
    bool newer_ = false; // the file is of a newer version
};

} // namespace trovel
