// What the form needs of the history: record an event, and the clock events are stamped
// with. The real recorder is HistoryStore; tests put a fake in its place.
#pragma once

#include "history/history_event.h"

#include <QDateTime>

namespace trovel {

class HistoryRecorder {
public:
    virtual ~HistoryRecorder() = default;
    // Keeps one event. An event whose `at` is invalid is stamped with now(). Never throws
    // and never stops the program: an event that cannot be written yet waits in memory.
    virtual void record(HistoryEvent event) = 0;
    // The local date and time the recorder stamps events with; the form asks it when a
    // typing phase begins, so the phase's start and end come from the same clock.
    virtual QDateTime now() const = 0;
};

} // namespace trovel
