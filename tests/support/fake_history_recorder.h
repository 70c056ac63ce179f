// A stand-in for the history in the form's tests: keeps every event in a list, stamped
// with a clock the test sets.
#pragma once

#include "history/history_recorder.h"

#include <vector>

namespace trovel::test {

class FakeHistoryRecorder : public HistoryRecorder {
public:
    QDateTime clock{QDate(2026, 5, 20), QTime(10, 0)};
    std::vector<HistoryEvent> events;

    void record(HistoryEvent event) override {
        if (!event.at.isValid()) event.at = clock;
        event.seq = static_cast<int64_t>(events.size()) + 1;
        events.push_back(std::move(event));
    }
    QDateTime now() const override { return clock; }
    // How many events of `kind` were recorded.
    int count(HistoryKind kind) const {
        int n = 0;
        for (const HistoryEvent &e : events)
            n += e.kind == kind;
        return n;
    }
};

} // namespace trovel::test
