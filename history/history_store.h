// The history as the program uses it. Events are stamped on the GUI thread and written
// to the history file by one writer thread, so the GUI thread pays only for handing an
// event over, never for the disk, for a lock another program holds (up to 100 ms) or
// for opening the file. Nothing starts when a store is made. The events of the first
// minute after the first one (the program's start, recorded once the bar is on the
// screen) are held on the GUI thread and handed over together, at a read or the end if
// that comes sooner: the thread and SQLite cost no memory in a run's first minute, and a
// crash in it loses at most that minute. Then the thread waits for work without any
// timer, so it adds no wake-ups while the program is idle.
#pragma once

#include "history/history_event.h"
#include "history/history_file.h"
#include "history/history_recorder.h"

#include <QDate>
#include <functional>
#include <memory>
#include <vector>

class QObject;
class QThread;
class QTimer;

namespace trovel {

class HistoryStore : public HistoryRecorder {
public:
    // How long the first events are held before the writer thread starts.
    static constexpr int kFirstWriteDelayMs = 60000;

    explicit HistoryStore(QString path = history_file_path());
    // Writes every event handed over (giving a lock a few seconds), closes the file and
    // stops the thread.
    ~HistoryStore() override;
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    void record(HistoryEvent event) override;
    QDateTime now() const override { return clock_(); }

    // The calls below wait for the writer thread to finish what was handed over first.
    // Every event in the order recorded, those still waiting for the file included;
    // with `from`, only those of that date or later (give or take a day for zones).
    std::vector<HistoryEvent> events(QDate from = QDate());
    size_t waiting();

    bool started() const { return thread_ != nullptr; }

    // Seams for tests and the benchmark: the clock events are stamped with (local time
    // by default), how long the first events are held, and where the file's one-line
    // notes go.
    void set_clock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    void set_first_write_delay(int ms) { first_write_delay_ms_ = ms; }
    void set_note(std::function<void(const QString &)> note);

private:
    void start();
    void post(std::function<void()> work);
    void run_and_wait(const std::function<void()> &work);
    // Hands the events held so far to the writer thread.
    void hand_over();

    std::function<QDateTime()> clock_;
    std::vector<HistoryEvent> held_; // the first events, before the thread runs
    std::unique_ptr<QTimer> first_write_;
    int first_write_delay_ms_ = kFirstWriteDelayMs;
    std::unique_ptr<HistoryFile> file_; // used on the writer thread once it runs
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<QObject> context_; // lives in the writer thread; work is queued to it
};

} // namespace trovel
