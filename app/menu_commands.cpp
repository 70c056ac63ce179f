// What the menu items, buttons and clicks do.
#include "app/timer_u.h"

#include "app/popup_menu.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trovel {

void TForm1::btn_ignoreClick() {
    if (state_ == phase::rest) {
        record_history(HistoryEvent::rest_ignored(elapsed_seconds_));
        inc_ignored();
    }
    start_typing();
}

void TForm1::menu_postponeClick() {
    if ((state_ != phase::rest && state_ != phase::alarm) || postpones_in_a_row_ >= kMostPostponesInARow) return;
    record_history(HistoryEvent::rest_postponed(state_ == phase::rest ? elapsed_seconds_ : 0));
    ++postpones_in_a_row_;
    start_typing();
    start_countdown(kPostponeMinutes, 0);
    postponed_countdown_ = true;
}

void TForm1::menu_testClick(BreakSource source) {
    record_history(HistoryEvent::break_taken(source));
    dec_ignored();
    start_rest();
}

void TForm1::menu_pauseClick() {
    menu_pause->setChecked(!menu_pause->Checked());
    if (menu_pause->Checked())
        start_pause();
    else
        start_typing();
}

void TForm1::menu_pause_forClick(PauseLength length) { pause_until(pause_end(pause_alarm_->now(), length)); }

void TForm1::pause_for_minutes(int minutes) { pause_until(pause_alarm_->now().addSecs(int64_t{minutes} * 60)); }

void TForm1::pause_until(const QDateTime &end) {
    if (state_ != phase::pause) start_pause();
    QString error;
    if (!pause_alarm_->set(end, &error)) {
        // Paused still, as asked, but the user must know it will not end by itself.
        end_timed_pause();
        report_.report(tr("The pause will not end by itself: %1").arg(error));
        return;
    }
    timed_pause_end_ = end;
    const QString until = paused_until_text(end);
    RxTrayIcon1->setHint(until);
    menu_pause->Hint = until;
    emit cycle_changed();
}

void TForm1::toggle_state(TMenuItem &item) {
    item.setChecked(!item.Checked());
    // A new size or option applies at once to a rest window that is shown.
    if (!Panel_image->isHidden()) make_large();
}

void TForm1::N1min1Click(TMenuItem &item) {
    toggle_state(item);
    // "N1min1" ... "N9min1": the number after the N (the caption is translated).
    spin_timeout->setValue(item.objectName().mid(1).section(QLatin1String("min"), 0, 0).toInt());
    type_minutes_ = spin_timeout->Value();
    start_typing();
}

void TForm1::N10min1Click(TMenuItem &item) {
    toggle_state(item);
    // "N10min1" ... "N30min1": the number after the N.
    spin_timeout->setValue(item.objectName().mid(1).section(QLatin1String("min"), 0, 0).toInt());
    type_minutes_ = spin_timeout->Value();
    start_typing();
}

void TForm1::menu_show_imageClick() {
    menu_show_image->setChecked(!menu_show_image->Checked());
    menu_clock->setChecked(!menu_clock->Checked());
}

void TForm1::menu_payClick() {
    menu_play->setChecked(!menu_play->Checked());
    menu_soundfile->setChecked(!menu_play->Checked());
    MediaPlayer1->Close();
}

void TForm1::menu_disclaimerClick() {
    Memo1->show();
    realign();
    make_large();
    place_form(place::center);
}

void TForm1::menu_wwwhomepageClick() {
    env_.open_url(kHomePageUrl);
    start_typing();
}

void TForm1::exitclose1Click() {
    // Ends the event loop without a close request: the settings are saved as the form is
    // destroyed, with "Visible" = 1.
    QCoreApplication::exit(0);
}

QPoint TForm1::popup_point() const { return QPoint(x() + Panel_hands->x() + 15, y() + Panel_hands->y() + 10); }

void TForm1::SpeedButton1Click() {
    // Built at each opening, so it shows the items as they are now.
    PopupMenuView view(*PopupMenu1, this);
    view.exec(popup_point());
}

void TForm1::menu_selectsoundClick() {
    const QString path = dialogs().open_sound_file(this);
    if (path.isEmpty()) return;
    // The caption is the setting, so it holds the new path even when the file will not open.
    menu_soundfile->setCaption(path);
    // A file chosen again is told of again when it will not play.
    unplayable_sound_.clear();
    play_sound();
}

void TForm1::menu_pict_dirClick() {
    const QString path = dialogs().open_picture_file(this);
    if (path.isEmpty()) return;
    // The chosen file's folder with its extension: "/home/me/pics/sea.jpg" gives
    // "/home/me/pics/*.jpg", so only files of that kind take part in the rests.
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString directory = file.left(file.lastIndexOf(QLatin1Char('/')) + 1);
    const QString name = file.mid(directory.size());
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    menu_pict_dir->setCaption(directory + QStringLiteral("*") + (dot < 0 ? QString() : name.mid(dot)));
    image_counter_ = 1;
}

} // namespace trovel
