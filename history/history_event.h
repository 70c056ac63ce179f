// One event of the break cycle as the history keeps it: what happened, when (local date
// and time with its UTC offset), and the order in which it was recorded.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace trovel {

enum class HistoryKind {
    rest_completed,   // a rest ran to its end; seconds: its length
    rest_ignored,     // the user went back to typing during a rest; seconds: how much of it ran
    break_taken,      // a rest started from the menu or the tray; source says which
    natural_break,    // the user was away at least a rest's length; seconds: how long
    full_screen_wait, // a rest waited for a full-screen program; seconds: how long
    pause_on,
    pause_off,
    program_start,
    program_end,
    typing_phase,   // one typing phase; started..at, seconds: the typing time counted
    rest_postponed, // "later": a rest put off by five minutes; seconds: how much of it ran
    call_wait,      // a rest waited for a call (microphone or camera); seconds: how long
};

enum class BreakSource { none, menu, tray };

struct HistoryEvent {
    HistoryKind kind = HistoryKind::program_start;
    // Local date and time with the UTC offset in force then; for a typing phase its end.
    // Left invalid, the recorder stamps the event when it records it.
    QDateTime at;
    // Given by the store: strictly increasing in the order of recording, so the order
    // stays right when the clock goes backwards.
    int64_t seq = 0;
    int32_t seconds = 0;
    QDateTime started; // typing phase only
    BreakSource source = BreakSource::none;

    static HistoryEvent rest_completed(int32_t rest_seconds);
    static HistoryEvent rest_ignored(int32_t seconds_run);
    static HistoryEvent break_taken(BreakSource from);
    static HistoryEvent natural_break(int32_t seconds_away);
    static HistoryEvent full_screen_wait(int32_t seconds_waited);
    static HistoryEvent rest_postponed(int32_t seconds_run);
    static HistoryEvent call_wait(int32_t seconds_waited);
    static HistoryEvent pause_on();
    static HistoryEvent pause_off();
    static HistoryEvent program_start();
    static HistoryEvent program_end();
    static HistoryEvent typing_phase(const QDateTime &started, int32_t seconds_counted);

    bool operator==(const HistoryEvent &) const = default;
};

// The words the history file uses for kinds and sources ("rest_completed", "tray").
QString kind_name(HistoryKind kind);
std::optional<HistoryKind> kind_from_name(QStringView name);
QString source_name(BreakSource source);
BreakSource source_from_name(QStringView name);

// A date-time as the history file writes it: ISO 8601 local time with its offset,
// "2026-10-25T02:30:00+01:00", which keeps both the wall clock and the instant.
QString history_time_text(const QDateTime &t);
// The inverse; invalid for text that is not such a time.
QDateTime history_time_from_text(const QString &text);

} // namespace trovel
