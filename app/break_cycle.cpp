// The break cycle: typing and rest countdowns in 10-second ticks, the pause and its timed
// end, the hidden alarm, the breaks-ignored count, and what the bar shows of the running
// countdown.
#include "app/timer_u.h"

#include "app/countdown.h"

#include <QFileInfo>

namespace trovel {

void TForm1::start_countdown(int32_t minutes, int32_t kind) {
    RxTimerList1->setActive(false);
    countdown_minutes_ = minutes;
    elapsed_seconds_ = 0;
    set_progress(100);
    RxTimerEvent_TYPE.Tag = kind;
    postponed_countdown_ = false;
    asleep_seen_ms_ = env_.time_asleep_ms();
    RxTimerList1->setActive(true);
    show_countdown(countdown_minutes_, elapsed_seconds_);
}

void TForm1::start_typing() {
    if (state_ == phase::pause) record_history(HistoryEvent::pause_off());
    end_timed_pause();
    begin_typing_phase();
    menu_nag_store->setEnabled(false);
    dragging_ = false;
    set_phase(phase::type);
    update_postpone();
    next_image_prefetched_ = false;
    Panel_hands->setColor(clBtnFace);
    RxTimerEvent_knipper.setEnabled(false);
    make_small();
    RxTimerEvent_TYPE.setEnabled(true);
    RxTrayIcon1->setAnimated(false);
    place_form(place::type);
    menu_pause->setChecked(false);
    start_countdown(type_minutes_, 0);
    Shader1->setFromColor(clTeal);
    Shader1->setToColor(clLime);
    Panel_hands->setColor(clLime);
}

void TForm1::start_rest() {
    menu_nag_store->setEnabled(true);
    Memo1->hide();
    realign();

    if (menu_vantor->Checked()) {
        // The hidden alarm: show the alarm picture, if there is one, until the user acts.
        if (!QFileInfo(image_directory() + QStringLiteral("tmp.bmp")).isFile()) return;
        show_image(QStringLiteral("tmp.bmp"));
        if (state_ == phase::pause) record_history(HistoryEvent::pause_off());
        end_timed_pause();
        end_typing_phase();
        set_phase(phase::alarm);
        update_postpone();
        RxTimerEvent_knipper.setEnabled(true);
        make_large();
        update_covers();
        if (menu_play->Checked()) {
            play_sound();
            env_.beep();
        }
        return;
    }

    RxTimerEvent_knipper.setEnabled(true);
    RxTimerEvent_TYPE.setEnabled(true);
    if (state_ == phase::pause) record_history(HistoryEvent::pause_off());
    end_timed_pause();
    end_typing_phase();
    set_phase(phase::rest);
    update_postpone();
    // With no rest item checked the rest is as long as the typing was (a postponed rest's
    // five minutes do not change that).
    start_countdown(rest_minutes_now(menu_1min->Checked(), menu_2min->Checked(), menu_5min->Checked(),
                                     postponed_countdown_ ? type_minutes_ : countdown_minutes_),
                    1);

    RxTrayIcon1->setAnimated(true);
    menu_pause->setChecked(false);
    Shader1->setFromColor(clRed);
    Shader1->setToColor(clYellow);
    Panel_hands->setColor(clRed);
    if (menu_show_image->Checked())
        make_large();
    else
        make_small();
    if (menu_play->Checked()) {
        play_sound();
        env_.beep();
    }

    const bool near_hour = half_hour_rule();
    if (menu_clock->Checked() || near_hour) {
        RxClock1->show();
        make_large();
    } else {
        RxClock1->hide();
    }
    place_form(menu_center->Checked() ? place::center : place::nag);
    if (menu_show_image->Checked() && !near_hour) next_image();
}

bool TForm1::half_hour_rule() { return menu_half_hour->Checked() && near_half_hour(env_.local_time().minute()); }

void TForm1::start_pause() {
    end_typing_phase();
    if (state_ != phase::pause) record_history(HistoryEvent::pause_on());
    set_phase(phase::pause);
    update_postpone();
    menu_pause->setChecked(true);
    place_form(place::type);
    Shader1->setFromColor(clWhite);
    Shader1->setToColor(clYellow);
    set_progress(0);
    RxTimerEvent_TYPE.setEnabled(false);
    env_.beep();
}

void TForm1::timed_pause_ended() {
    if (!timed_pause_end_.isValid()) return;
    menu_pause->setChecked(false);
    start_typing();
}

void TForm1::end_timed_pause() {
    if (!timed_pause_end_.isValid()) return;
    pause_alarm_->cancel();
    timed_pause_end_ = QDateTime();
    // Outside a timed pause the tray's tip is the window title and PAUSE has no hint.
    RxTrayIcon1->setHint(windowTitle());
    menu_pause->Hint.clear();
    emit cycle_changed();
}

void TForm1::set_phase(const QString &word) {
    if (state_ == word) return;
    state_ = word;
    emit cycle_changed();
}

int32_t TForm1::seconds_left() const {
    if (state_ != phase::type && state_ != phase::rest) return 0;
    // Wraps in 32 bits as the countdown's text does.
    return static_cast<int32_t>(static_cast<uint32_t>(countdown_minutes_) * 60u -
                                static_cast<uint32_t>(elapsed_seconds_));
}

int32_t TForm1::breaks_ignored() const { return lbl_cancel_count->Caption().toInt(); }

int32_t TForm1::percent_left(int32_t elapsed) const { return countdown_percent_left(countdown_minutes_, elapsed); }

int64_t TForm1::take_time_asleep() {
    const int64_t now = env_.time_asleep_ms();
    const int64_t slept = std::max<int64_t>(now - asleep_seen_ms_, 0);
    asleep_seen_ms_ = now;
    return slept;
}

void TForm1::break_counted() {
    postpones_in_a_row_ = 0;
    update_postpone();
}

void TForm1::update_postpone() {
    menu_postpone->setEnabled((state_ == phase::rest || state_ == phase::alarm) &&
                              postpones_in_a_row_ < kMostPostponesInARow);
}

void TForm1::RxTimerEvent_TYPETimer() {
    const int64_t slept_ms = take_time_asleep();
    // A hands-off rest stands still at a tick that finds input within its last seconds.
    if (state_ == phase::rest && slept_ms == 0 &&
        !activity_rule_.rest_tick_counts(env_.tick_count(), menu_hands_off->Checked(), *idle_source_))
        return;
    elapsed_seconds_ += 10;
    if (countdown_minutes_ == 0) return;
    const TypingTick activity = state_ == phase::type ? activity_tick(slept_ms) : TypingTick::goes_on;
    if (activity == TypingTick::held) return;
    // A rest the computer slept through to its end ran its course.
    const int32_t rest_seconds = countdown_minutes_ * 60;
    if (state_ == phase::rest && natural_breaks_on() && slept_ms / 1000 >= rest_seconds - elapsed_seconds_)
        elapsed_seconds_ = std::max(elapsed_seconds_, rest_seconds);
    show_countdown(countdown_minutes_, elapsed_seconds_);
    const int32_t percent = percent_left(elapsed_seconds_);
    set_progress(percent);
    // When the typing phase will end within three more ticks, the coming rest's picture is
    // decoded in the background.
    if (state_ == phase::type && percent > 1 && percent_left(elapsed_seconds_ + 30) <= 1 && !next_image_prefetched_) {
        next_image_prefetched_ = true;
        prefetch_next_image();
    }
    if (percent > 1) return;
    if (state_ == phase::type) {
        // A rest that waits for a full-screen program: the count runs on below zero.
        if (activity != TypingTick::rest_waits) start_rest();
    } else if (state_ == phase::rest) {
        record_history(HistoryEvent::rest_completed(elapsed_seconds_));
        activity_rule_.rest_counted(env_.tick_count());
        dec_ignored();
        break_counted();
        start_typing();
    }
}

void TForm1::RxTimerEvent_knipperTimer() { Panel_hands->setColor(Panel_hands->Color() == clYellow ? clRed : clYellow); }

void TForm1::inc_ignored() {
    const int count = lbl_cancel_count->Caption().toInt() + 1;
    lbl_cancel_count->setCaption(QString::number(count));
    if (lbl_cancel_count->Caption().toInt() > 0) {
        Panel_menu->setColor(clRed);
        Panel_progress->setColor(clRed);
    }
    emit cycle_changed();
}

void TForm1::dec_ignored() {
    const int count = lbl_cancel_count->Caption().toInt() - 1;
    lbl_cancel_count->setCaption(QString::number(count));
    if (lbl_cancel_count->Caption().toInt() <= 0) {
        lbl_cancel_count->setCaption(QStringLiteral("0"));
        Panel_menu->setColor(clBtnFace);
        Panel_progress->setColor(clBtnFace);
    }
    emit cycle_changed();
}

void TForm1::show_countdown(int32_t minutes, int32_t elapsed) {
    label_minutes->setCaption(countdown_text(minutes, elapsed));
    covers_.set_text(label_minutes->Caption());
    setWindowTitle(label_minutes->Caption() +
                   (RxTimerEvent_TYPE.Tag != 0 ? QStringLiteral(" Rest trovel") : QStringLiteral(" Type trovel")));
    // The tray's tool tip is the title too. While typing it changes at whole minutes only:
    // each change is a message on the session bus to a status-notifier panel.
    if (RxTimerEvent_TYPE.Tag != 0 || elapsed % 60 == 0) RxTrayIcon1->setHint(windowTitle());
}

void TForm1::set_progress(int32_t percent) {
    Panel_progress->setPercent(percent);
    const int32_t w = progress_width(Panel_progress->width() - 6, percent);
    // A width of 0 or less shows no bar.
    Shader1->setVisible(w > 0);
    Shader1->resize(std::max(w, 0), Shader1->height());
}

} // namespace trovel
