// Event constructors and the words the history file stores.
#include "history/history_event.h"

#include <array>
#include <utility>

namespace trovel {

namespace {

HistoryEvent make(HistoryKind kind, int32_t seconds = 0) {
    HistoryEvent e;
    e.kind = kind;
    e.seconds = seconds;
    return e;
}

// Stored in the file: never rename one, only add.
constexpr std::array<std::pair<HistoryKind, const char *>, 12> kKindNames{{
    {HistoryKind::rest_completed, "rest_completed"},
    {HistoryKind::rest_ignored, "rest_ignored"},
    {HistoryKind::break_taken, "break_taken"},
    {HistoryKind::natural_break, "natural_break"},
    {HistoryKind::full_screen_wait, "full_screen_wait"},
    {HistoryKind::pause_on, "pause_on"},
    {HistoryKind::pause_off, "pause_off"},
    {HistoryKind::program_start, "program_start"},
    {HistoryKind::program_end, "program_end"},
    {HistoryKind::typing_phase, "typing_phase"},
    {HistoryKind::rest_postponed, "rest_postponed"},
    {HistoryKind::call_wait, "call_wait"},
}};

} // namespace

HistoryEvent HistoryEvent::rest_completed(int32_t rest_seconds) {
    return make(HistoryKind::rest_completed, rest_seconds);
}
HistoryEvent HistoryEvent::rest_ignored(int32_t seconds_run) { return make(HistoryKind::rest_ignored, seconds_run); }
HistoryEvent HistoryEvent::break_taken(BreakSource from) {
    HistoryEvent e = make(HistoryKind::break_taken);
    e.source = from;
    return e;
}
HistoryEvent HistoryEvent::natural_break(int32_t seconds_away) {
    return make(HistoryKind::natural_break, seconds_away);
}
HistoryEvent HistoryEvent::full_screen_wait(int32_t seconds_waited) {
    return make(HistoryKind::full_screen_wait, seconds_waited);
}
HistoryEvent HistoryEvent::rest_postponed(int32_t seconds_run) {
    return make(HistoryKind::rest_postponed, seconds_run);
}
HistoryEvent HistoryEvent::call_wait(int32_t seconds_waited) { return make(HistoryKind::call_wait, seconds_waited); }
HistoryEvent HistoryEvent::pause_on() { return make(HistoryKind::pause_on); }
HistoryEvent HistoryEvent::pause_off() { return make(HistoryKind::pause_off); }
HistoryEvent HistoryEvent::program_start() { return make(HistoryKind::program_start); }
HistoryEvent HistoryEvent::program_end() { return make(HistoryKind::program_end); }
HistoryEvent HistoryEvent::typing_phase(const QDateTime &started, int32_t seconds_counted) {
    HistoryEvent e = make(HistoryKind::typing_phase, seconds_counted);
    e.started = started;
    return e;
}

QString kind_name(HistoryKind kind) {
    for (const auto &[k, name] : kKindNames)
        if (k == kind) return QString::fromLatin1(name);
    return QString();
}

std::optional<HistoryKind> kind_from_name(QStringView name) {
    for (const auto &[k, n] : kKindNames)
        if (name == QLatin1String(n)) return k;
    return std::nullopt;
}

QString source_name(BreakSource source) {
    switch (source) {
    case BreakSource::menu:
        return QStringLiteral("menu");
    case BreakSource::tray:
        return QStringLiteral("tray");
    case BreakSource::none:
        break;
    }
    return QString();
}

BreakSource source_from_name(QStringView name) {
    if (name == QLatin1String("menu")) return BreakSource::menu;
    if (name == QLatin1String("tray")) return BreakSource::tray;
    return BreakSource::none;
}

QString history_time_text(const QDateTime &t) {
    if (!t.isValid()) return QString();
    // A local QDateTime prints no offset; one fixed to its own offset does.
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime history_time_from_text(const QString &text) { return QDateTime::fromString(text, Qt::ISODate); }

} // namespace trovel
