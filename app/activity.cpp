// The form's part in following what the user really does: time away from keyboard and
// mouse counts as a micropause, a rest waits while another program is full screen, start
// at login, and the options kept in the [Trovel] section of the settings file.
#include "app/timer_u.h"

#include "app/autostart.h"
#include "settings/ini_file.h"
#include "settings/trovel_options.h"

#include <algorithm>
#include <cstdio>

namespace trovel {

namespace {

int32_t whole_seconds(int64_t ms) { return static_cast<int32_t>(std::clamp<int64_t>(ms / 1000, 0, INT32_MAX)); }

} // namespace

TForm1::TypingTick TForm1::activity_tick(int64_t slept_ms) {
    const ActivityRule::Verdict verdict = activity_rule_.typing_tick(
        {env_.tick_count(),
         rest_seconds_now(menu_1min->Checked(), menu_2min->Checked(), menu_5min->Checked(), type_minutes_),
         percent_left(elapsed_seconds_) <= 1, slept_ms},
        {natural_breaks_on(), menu_fullscreen_wait->Checked(), menu_call_wait->Checked()}, *idle_source_, *full_screen_,
        call_probe_.get());
    // A natural break is recorded when the user is back, with the whole time away.
    if (verdict.away_ms) record_history(HistoryEvent::natural_break(whole_seconds(*verdict.away_ms)));
    if (verdict.slept_ms) record_history(HistoryEvent::natural_break(whole_seconds(*verdict.slept_ms)));
    if (verdict.waited_ms) {
        const int32_t waited = whole_seconds(*verdict.waited_ms);
        record_history(verdict.waited_for == ActivityRule::WaitedFor::call ? HistoryEvent::call_wait(waited)
                                                                           : HistoryEvent::full_screen_wait(waited));
    }
    if (!verdict.hold_full_length) return verdict.rest_waits ? TypingTick::rest_waits : TypingTick::goes_on;

    if (verdict.natural_break) {
        // Time away counts like a rest that ran to its end; the typing before it is done,
        // and ended where the idle spell began.
        dec_ignored();
        break_counted();
        const std::optional<int64_t> away = activity_rule_.away_so_far();
        end_typing_phase(away ? whole_seconds(*away) : 0);
    }
    // The bar shows a whole typing phase while the user is away; the phase counted for
    // the history starts again with it, so only typing after the return counts.
    if (next_image_prefetched_) image_picture->Picture()->drop_prefetch();
    next_image_prefetched_ = false;
    start_countdown(type_minutes_, 0);
    begin_typing_phase();
    return TypingTick::held;
}

void TForm1::menu_autostartClick() {
    // The entry is the setting: the check follows the file, also when changing it failed
    // (the error goes to the box and the check stays as it was).
    const Autostart autostart = Autostart::for_this_program();
    QString error;
    const bool done = menu_autostart->Checked() ? autostart.disable(&error) : autostart.enable(&error);
    menu_autostart->setChecked(autostart.enabled());
    if (!done) report_.report(error);
}

void TForm1::load_own_options(const IniDocument &file) {
    QStringList complaints;
    const TrovelOptions options = trovel_options_from(file, &complaints);
    for (const QString &complaint : complaints)
        std::fprintf(stderr, "trovel: %s\n", qUtf8Printable(complaint));
    std::fflush(stderr);
    menu_natural->setChecked(options.natural_breaks);
    menu_fullscreen_wait->setChecked(options.full_screen_wait);
    menu_hands_off->setChecked(options.hands_off);
    menu_call_wait->setChecked(options.call_wait);
    menu_cover_screens->setChecked(options.cover_screens);
}

TFormStorage::Entries TForm1::own_option_entries(const IniDocument &file) const {
    TrovelOptions options;
    options.natural_breaks = menu_natural->Checked();
    options.full_screen_wait = menu_fullscreen_wait->Checked();
    options.hands_off = menu_hands_off->Checked();
    options.call_wait = menu_call_wait->Checked();
    options.cover_screens = menu_cover_screens->Checked();
    return trovel_option_entries(options, file);
}

} // namespace trovel
