// The history as the program uses it. Events are stamped on the GUI thread and written
// to the history file by one writer thread, so the GUI thread pays only for handing an
// event over, never for the disk, for a lock another program holds (up to 100 ms) or
// for loading the SQLite driver. Nothing starts when a store is made: the thread starts
// at the first event or read, and then waits for work without any timer, so it adds no
// wake-ups while the program is idle.
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

namespace trovel {

class HistoryStore : public HistoryRecorder {
public:
    explicit HistoryStore(QString path = history_file_path());
    // Writes every event handed over, closes the file and stops the thread.
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
    // by default) and where the file's one-line notes go.
    void set_clock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    void set_note(std::function<void(const QString &)> note);

private:
    void start();
    void post(std::function<void()> work);
    void run_and_wait(const std::function<void()> &work);

    std::function<QDateTime()> clock_;
    std::unique_ptr<HistoryFile> file_; // used on the writer thread once it runs
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<QObject> context_; // lives in the writer thread; work is queued to it
};

} // namespace trovel
