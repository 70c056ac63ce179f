// The form's part in the history: the events of the break cycle handed to the recorder,
// one row per typing phase, the program's start and end, and the statistics window.
// Nothing of the history is opened before the window system has put the bar on the
// screen.
#include "app/timer_u.h"

#include "app/statistics_window.h"
#include "history/history_store.h"

namespace trovel {

HistoryStore &TForm1::history_store() {
    if (!history_store_) history_store_ = std::make_unique<HistoryStore>();
    return *history_store_;
}

HistoryRecorder &TForm1::history() { return history_recorder_ ? *history_recorder_ : history_store(); }

void TForm1::record_history(HistoryEvent event) {
    if (history_started_) history().record(std::move(event));
}

void TForm1::record_program_start() {
    if (history_started_) return;
    history_started_ = true;
    history().record(HistoryEvent::program_start());
    // The typing phase under way since the first show is counted from here.
    if (state_ == phase::type) begin_typing_phase();
}

void TForm1::record_program_end() {
    if (!history_started_) return;
    // A natural break still going on is recorded with the time away so far.
    if (const auto away = activity_rule_.away_so_far())
        record_history(HistoryEvent::natural_break(static_cast<int32_t>(*away / 1000)));
    end_typing_phase();
    record_history(HistoryEvent::program_end());
    history_started_ = false;
}

void TForm1::begin_typing_phase() {
    end_typing_phase();
    if (!history_started_) return;
    typing_started_ = history().now();
    typing_open_ = true;
}

void TForm1::end_typing_phase(int32_t idle_seconds) {
    if (!typing_open_) return;
    typing_open_ = false;
    // A phase that counted nothing (cut short by a command at once, held while the user
    // is away, or idle from its start) leaves no row.
    const int32_t typed = elapsed_seconds_ - idle_seconds;
    if (typed > 0) record_history(HistoryEvent::typing_phase(typing_started_, typed));
}

void TForm1::menu_statisticsClick() {
    show_statistics_window(statistics_window_, history_store(), dialogs(), env_, this);
}

StatisticsWindow *TForm1::statistics_window() const { return statistics_window_.data(); }

} // namespace trovel
