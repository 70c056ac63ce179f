// The popup menu's items in display order, with their captions, hints, kinds, radio
// groups and design states, and the command each item runs.
#include "app/timer_u.h"

namespace trovel {

namespace {

TMenuItem *item(TMenuItem *parent, const char *name, const QString &caption) {
    return new TMenuItem(QString::fromLatin1(name), caption, *parent);
}

TMenuItem *radio(TMenuItem *parent, const char *name, const QString &caption, int group, bool checked = false) {
    TMenuItem *i = item(parent, name, caption);
    i->RadioItem = true;
    i->GroupIndex = group;
    i->setChecked(checked);
    return i;
}

TMenuItem *separator(TMenuItem *parent, const char *name) { return item(parent, name, QStringLiteral("-")); }

} // namespace

void TForm1::create_menu() {
    PopupMenu1 = new TMenuItem(QStringLiteral("PopupMenu1"), report_);
    PopupMenu1->setParent(this);

    menu_test = item(PopupMenu1, "menu_test", tr("&TROVEL Take microbreak"));
    menu_test->Default = true;

    Rest1 = item(PopupMenu1, "Rest1", tr("Rest (micropause/nag) settings"));
    restbetweencountdowns1 = item(Rest1, "restbetweencountdowns1", tr("MINUTES of micropause (1, 2 or 5)"));
    menu_1min = radio(restbetweencountdowns1, "menu_1min", tr("&1 minute"), 7, true);
    menu_2min = radio(restbetweencountdowns1, "menu_2min", tr("&2 minutes"), 7);
    menu_5min = radio(restbetweencountdowns1, "menu_5min", tr("&5 minutes"), 7);
    separator(Rest1, "N4");
    menu_play = item(Rest1, "menu_play", tr("&Play wav/mp3 file at startof micropause"));
    // The two captions below are settings (the file and the folder chosen); until one is
    // chosen they hold the English text the settings file knows, and the menu shows its
    // translation.
    menu_soundfile = item(Rest1, "menu_soundfile", QStringLiteral("Click here to select wav/mp3 file to play..."));
    menu_soundfile->show_while_default(tr("Click here to select wav/mp3 file to play..."));
    separator(Rest1, "N11");
    menu_use_nag = item(Rest1, "menu_use_nag", tr("show nagwindow during micropause"));
    menu_use_nag->setChecked(true);
    menu_center = item(Rest1, "menu_center", tr("use screen &Center for nagwindow"));
    menu_center->setChecked(true);
    menu_cover_screens = item(Rest1, "menu_cover_screens", tr("cover OTHER SCREENS during micropause"));
    menu_cover_screens->setChecked(true);
    menusize1 = item(Rest1, "menusize1", tr("size of nagwindow (full/quarter/...)"));
    menu_full = radio(menusize1, "menu_full", tr("&Full screen"), 8, true);
    menu_large = radio(menusize1, "menu_large", tr("screen/4"), 8);
    menu_small = radio(menusize1, "menu_small", tr("screen/8"), 8);
    menu_tiny = radio(menusize1, "menu_tiny", tr("screen/16"), 8);
    separator(Rest1, "N6");
    menu_show_image = item(Rest1, "menu_show_image", tr("show &IMAGES from image-directory"));
    menu_show_image->setChecked(true);
    menu_pict_dir = item(Rest1, "menu_pict_dir", QStringLiteral("Click here to set image-directory..."));
    menu_pict_dir->show_while_default(tr("Click here to set image-directory..."));
    menu_pict_dir->Hint = tr("klick here to select one imagefile");
    menu_random = item(Rest1, "menu_random", tr("show images in rand&Om order"));
    menu_random->Hint = tr("instead of original consecutive order");
    separator(Rest1, "N14");
    menu_clock = item(Rest1, "menu_clock", tr("show CLOCK (instead of images)"));
    menu_half_hour = item(Rest1, "menu_half_hour", tr("show clock when near half/whole hour"));
    menu_natural = item(Rest1, "menu_natural", tr("count time &AWAY as micropause"));
    menu_natural->setChecked(true);
    menu_hands_off = item(Rest1, "menu_hands_off", tr("micropause counts only with HANDS OFF"));
    menu_fullscreen_wait = item(Rest1, "menu_fullscreen_wait", tr("wait while another program is &FULL SCREEN"));
    menu_fullscreen_wait->setChecked(true);
    menu_call_wait = item(Rest1, "menu_call_wait", tr("wait while a CALL uses the MICROPHONE or camera"));
    menu_call_wait->setChecked(true);
    separator(Rest1, "N1");
    menu_nag_store = item(Rest1, "menu_nag_store", tr("store current position for &Nag-window"));

    separator(PopupMenu1, "N2");
    menu_restart = item(PopupMenu1, "menu_restart", tr("start &TYPING (ignore break)"));
    menu_postpone = item(PopupMenu1, "menu_postpone", tr("&LATER: micropause in 5 minutes"));
    menu_postpone->setEnabled(false);
    menu_statistics = item(PopupMenu1, "menu_statistics", tr("&STATISTICS..."));
    Typing1 = item(PopupMenu1, "Typing1", tr("Type settings"));
    minutes1 = item(Typing1, "minutes1", tr("&MINUTES allowed"));
    TMenuItem **one_digit[] = {&N1min1, &N2min1, &N3min1, &N4min1, &N5min1, &N6min1, &N7min1, &N8min1, &N9min1};
    for (int m = 1; m <= 9; ++m) {
        const QByteArray name = "N" + QByteArray::number(m) + "min1";
        *one_digit[m - 1] = radio(minutes1, name.constData(), tr("&%1 min").arg(m), 0, m == 5);
    }
    N10min1 = radio(minutes1, "N10min1", tr("10 min"), 0);
    N15min1 = radio(minutes1, "N15min1", tr("15 min"), 0);
    N20min1 = radio(minutes1, "N20min1", tr("20 min"), 0);
    N30min1 = radio(minutes1, "N30min1", tr("30 min"), 0);
    separator(Typing1, "N8");
    menu_default_store = item(Typing1, "menu_default_store", tr("store POSITION as default"));
    // Its check mark comes from the autostart entry at the first show, not from trovel.ini.
    menu_autostart = item(Typing1, "menu_autostart", tr("start trovel at &LOGIN"));
    separator(Typing1, "N5");
    menu_pause = item(Typing1, "menu_pause", tr("&PAUSE trovel"));
    menu_pause_for = item(Typing1, "menu_pause_for", tr("PAUSE for"));
    menu_pause_30 = item(menu_pause_for, "menu_pause_30", tr("30 minutes"));
    menu_pause_60 = item(menu_pause_for, "menu_pause_60", tr("1 hour"));
    menu_pause_120 = item(menu_pause_for, "menu_pause_120", tr("2 hours"));
    menu_pause_tomorrow = item(menu_pause_for, "menu_pause_tomorrow", tr("until tomorrow"));

    separator(PopupMenu1, "N3");
    menu_disclaimer = item(PopupMenu1, "menu_disclaimer", tr("Version 2.0; Show disclaimer...."));
    menu_wwwhomepage = item(PopupMenu1, "menu_wwwhomepage", tr("Visit us %1").arg(kHomePageText));
    menu_wwwhomepage->Hint = tr("visit our site %1").arg(kHomePageText);
    menu_vantor = item(PopupMenu1, "menu_vantor", tr("vantor alarm icon (disable trovel)"));
    menu_vantor->Hint = tr("if image exists then show it (alarm)");
    menu_vantor->setVisible(false);
    menu_vantor->setEnabled(false);
    separator(PopupMenu1, "N12");
    exitclose1 = item(PopupMenu1, "exitclose1", tr("E&XIT/close/stop trovel"));
    exitclose1->Hint = tr("stop the program");
}

void TForm1::wire_menu() {
    auto toggle = [this](TMenuItem &i) { toggle_state(i); };
    menu_test->OnClick = [this](TMenuItem &) { menu_testClick(click_source_); };
    for (TMenuItem *i :
         {menu_1min, menu_2min, menu_5min, menu_use_nag, menu_center, menu_full, menu_large, menu_small, menu_tiny,
          menu_random, menu_half_hour, menu_natural, menu_fullscreen_wait, menu_hands_off, menu_call_wait})
        i->OnClick = toggle;
    menu_play->OnClick = [this](TMenuItem &) { menu_payClick(); };
    menu_soundfile->OnClick = [this](TMenuItem &) { menu_selectsoundClick(); };
    menu_pict_dir->OnClick = [this](TMenuItem &) { menu_pict_dirClick(); };
    menu_show_image->OnClick = [this](TMenuItem &) { menu_show_imageClick(); };
    menu_clock->OnClick = [this](TMenuItem &) { menu_show_imageClick(); };
    menu_cover_screens->OnClick = [this](TMenuItem &i) {
        i.setChecked(!i.Checked());
        update_covers(); // at once, also during a rest
    };
    menu_nag_store->OnClick = [this](TMenuItem &) { menu_nag_storeClick(); };
    menu_restart->OnClick = [this](TMenuItem &) { btn_ignoreClick(); };
    menu_postpone->OnClick = [this](TMenuItem &) { menu_postponeClick(); };
    menu_statistics->OnClick = [this](TMenuItem &) { menu_statisticsClick(); };
    for (TMenuItem *i : {N1min1, N2min1, N3min1, N4min1, N5min1, N6min1, N7min1, N8min1, N9min1})
        i->OnClick = [this](TMenuItem &m) { N1min1Click(m); };
    for (TMenuItem *i : {N10min1, N15min1, N20min1, N30min1})
        i->OnClick = [this](TMenuItem &m) { N10min1Click(m); };
    menu_default_store->OnClick = [this](TMenuItem &) { menu_default_storeClick(); };
    menu_autostart->OnClick = [this](TMenuItem &) { menu_autostartClick(); };
    menu_pause->OnClick = [this](TMenuItem &) { menu_pauseClick(); };
    const std::pair<TMenuItem *, PauseLength> pause_lengths[] = {{menu_pause_30, PauseLength::minutes_30},
                                                                 {menu_pause_60, PauseLength::hour_1},
                                                                 {menu_pause_120, PauseLength::hours_2},
                                                                 {menu_pause_tomorrow, PauseLength::until_tomorrow}};
    for (const auto &[i, length] : pause_lengths)
        i->OnClick = [this, length](TMenuItem &) { menu_pause_forClick(length); };
    menu_disclaimer->OnClick = [this](TMenuItem &) { menu_disclaimerClick(); };
    menu_wwwhomepage->OnClick = [this](TMenuItem &) { menu_wwwhomepageClick(); };
    exitclose1->OnClick = [this](TMenuItem &) { exitclose1Click(); };
}

} // namespace trovel
