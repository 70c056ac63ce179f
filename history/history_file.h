// The history file: $XDG_DATA_HOME/trovel/history.sqlite (~/.local/share/trovel/ when
// XDG_DATA_HOME is unset), one row per event, written through Qt SQL's SQLite driver.
// Used from one thread at a time (HistoryStore's writer thread in the program).
//
// Nothing happens when a HistoryFile is made: the driver is loaded and the file opened
// at the first event or read. No fault of the file ever stops the program or reaches the
// settings: an event that cannot be written (no folder, a read-only or full disk, a file
// locked by another program for more than 100 ms) waits in memory and is written, in
// order, at a later event; a file that is not a database or is damaged is moved aside as
// history.sqlite.broken-<date> and a new one begun. Each fault is said once on stderr.
#pragma once

#include "history/history_event.h"

#include <QDate>
#include <QSqlError>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;

namespace trovel {

// Where the history lives by default.
QString history_file_path();

class HistoryFile {
public:
    // How long a write waits for another program's lock before the event waits in memory.
    static constexpr int kBusyTimeoutMs = 100;
    // Events kept in memory at most while the file cannot be written; beyond this the
    // oldest go (about a month of events, a few megabytes).
    static constexpr size_t kMaxWaiting = 20000;

    explicit HistoryFile(QString path = history_file_path());
    ~HistoryFile();
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    // Writes the event (whose `at` must be set) after any still waiting, or keeps it
    // waiting in memory. The sequence number is the file's.
    void record(HistoryEvent event);

    // Every event, in the order recorded: those in the file, then those still waiting
    // (numbered on after the file's last). With `from`, only those of that date or
    // later; a day more is read, for events recorded in other zones.
    std::vector<HistoryEvent> events(QDate from = QDate());
    // Events that could not be written yet.
    size_t waiting() const { return waiting_.size(); }
    bool is_open() const { return query_ != nullptr; }
    // Lets go of the file; the next event or read opens it again.
    void close();

    // Seams for tests: where the one-line notes go (stderr by default), and a page limit
    // that makes the file full as a full disk would (0: none).
    void set_note(std::function<void(const QString &)> note) { note_ = std::move(note); }
    void set_page_limit(int pages);

private:
    enum class Outcome { written, keep, broken };
    enum Fault { no_folder, cannot_open, locked, cannot_write, dropped, cannot_move, fault_count };

    bool open();
    void flush();
    Outcome write(const HistoryEvent &e);
    Outcome classify(const QSqlError &error, const QString &what);
    bool move_aside(const QDate &today);
    QDate today() const;
    void say_once(Fault fault, const QString &text);
    void apply_page_limit();

    QString path_;
    QString connection_;
    std::function<void(const QString &)> note_;
    std::unique_ptr<QSqlQuery> query_; // the prepared insert; set while the file is open
    std::deque<HistoryEvent> waiting_;
    bool said_[fault_count] = {};
    int page_limit_ = 0;
};

} // namespace trovel
