// The main form: the one window of the program, compact bar while the user types and rest
// window during a micropause. It owns every control and device, and its handlers carry
// the names of the events they serve; the outside world comes in through FormSeams. The
// members are implemented in several files by concern: form_setup.cpp (controls, shapes,
// start and end), break_cycle.cpp (the countdown state machine and its display),
// placement.cpp (places, dragging and the controls' mouse routing), menu_tree.cpp and
// menu_commands.cpp (the popup menu and its commands), rest_content.cpp (pictures,
// message and sound of a rest), activity.cpp (time away, full-screen programs and start
// at login) and form_history.cpp (the history of the cycle and the statistics window).
#pragma once

#include "app/activity_rule.h"
#include "app/controls.h"
#include "app/cycle_words.h"
#include "app/dialogs.h"
#include "app/form_seams.h"
#include "app/menu_item.h"
#include "app/screen_covers.h"
#include "app/timed_pause.h"
#include "history/history_recorder.h"
#include "platform/environment.h"
#include "platform/error_report.h"
#include "platform/media_player.h"
#include "platform/rx_timer_list.h"
#include "platform/tray_icon.h"
#include "settings/form_storage.h"
#include "widgets/adv_picture.h"
#include "widgets/html_label.h"
#include "widgets/rx_clock.h"
#include "widgets/shader.h"

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QMenu;
class QMouseEvent;

namespace trovel {

// The maker's home page, opened by the menu and by the link on the clock.
inline const QString kHomePageUrl = QStringLiteral("https://trovel.example.org/");
inline const QString kHomePageText = QStringLiteral("trovel.example.org");

// "Later" puts a rest off by this many minutes of typing, at most this often in a row.
constexpr int32_t kPostponeMinutes = 5;
constexpr int32_t kMostPostponesInARow = 2;

namespace test {
struct FormAccess;
}

class HistoryStore;
class IniDocument;
class StatisticsWindow;

class TForm1 : public QWidget {
    Q_OBJECT
    // The one way in for tests that set a private variable (a counter at its limits).
    friend struct test::FormAccess;

public:
    // The form reaches the outside world only through `seams`.
    explicit TForm1(FormSeams seams, QWidget *parent = nullptr);
    ~TForm1() override;

    // The end of a run whose X connection is gone, as the process is about to exit without
    // destroying the form: saves the settings unless a close already did, and writes and
    // closes the history, as the destruction would. Nothing here talks to the display:
    // every value saved is one the form holds.
    void end_without_display();

    Environment &env() { return env_; }

    // ---- controls (owned through Qt's parent chain) ----
    TPanel *Panel_menu = nullptr;
    TPanel *Panel_hands = nullptr;
    TImage *Image_hands = nullptr;
    TProgressPanel *Panel_progress = nullptr;
    TShader *Shader1 = nullptr;
    TButton *SpeedButton1 = nullptr;
    TButton *btn_test = nullptr;
    TLabel *label_minutes = nullptr;
    TPanel *Panel_www = nullptr;
    TButton *btn_ignore = nullptr;
    TLabel *lbl_cancel_count = nullptr;
    TLabel *Label2 = nullptr;
    TPanel *Panel_image = nullptr;
    TMemo *Memo1 = nullptr;
    TAdvPicture *image_picture = nullptr;
    TRxClock *RxClock1 = nullptr;
    THTMLabel *HTMLabel1 = nullptr;
    TLabel *label_image_nr = nullptr;
    TLabel *Lbl_default_left = nullptr;
    TLabel *lbl_default_top = nullptr;
    TLabel *lbl_nag_left = nullptr;
    TLabel *lbl_nag_top = nullptr;
    TAdvSpinEdit *spin_timeout = nullptr;
    TMediaPlayer *MediaPlayer1 = nullptr;
    TRxTimerList *RxTimerList1 = nullptr;
    TRxTimerEvent RxTimerEvent_TYPE{QStringLiteral("RxTimerEvent_TYPE")};
    TRxTimerEvent RxTimerEvent_knipper{QStringLiteral("RxTimerEvent_knipper")};
    TRxTrayIcon *RxTrayIcon1 = nullptr;
    TFormStorage *FormStorage1 = nullptr;

    // ---- the popup menu's items (the root holds the top-level items) ----
    TMenuItem *PopupMenu1 = nullptr;
    TMenuItem *menu_test = nullptr, *Rest1 = nullptr, *restbetweencountdowns1 = nullptr;
    TMenuItem *menu_1min = nullptr, *menu_2min = nullptr, *menu_5min = nullptr;
    TMenuItem *menu_play = nullptr, *menu_soundfile = nullptr, *menu_use_nag = nullptr, *menu_center = nullptr,
              *menu_cover_screens = nullptr;
    TMenuItem *menusize1 = nullptr, *menu_full = nullptr, *menu_large = nullptr, *menu_small = nullptr,
              *menu_tiny = nullptr;
    TMenuItem *menu_show_image = nullptr, *menu_pict_dir = nullptr, *menu_random = nullptr;
    TMenuItem *menu_clock = nullptr, *menu_half_hour = nullptr, *menu_nag_store = nullptr;
    TMenuItem *menu_natural = nullptr, *menu_fullscreen_wait = nullptr;
    TMenuItem *menu_hands_off = nullptr, *menu_call_wait = nullptr;
    TMenuItem *menu_postpone = nullptr;
    TMenuItem *menu_restart = nullptr, *menu_statistics = nullptr, *Typing1 = nullptr, *minutes1 = nullptr;
    TMenuItem *N1min1 = nullptr, *N2min1 = nullptr, *N3min1 = nullptr, *N4min1 = nullptr, *N5min1 = nullptr,
              *N6min1 = nullptr, *N7min1 = nullptr, *N8min1 = nullptr, *N9min1 = nullptr;
    TMenuItem *N10min1 = nullptr, *N15min1 = nullptr, *N20min1 = nullptr, *N30min1 = nullptr;
    TMenuItem *menu_default_store = nullptr, *menu_autostart = nullptr, *menu_pause = nullptr;
    TMenuItem *menu_pause_for = nullptr, *menu_pause_30 = nullptr, *menu_pause_60 = nullptr, *menu_pause_120 = nullptr,
              *menu_pause_tomorrow = nullptr;
    TMenuItem *menu_disclaimer = nullptr, *menu_wwwhomepage = nullptr, *menu_vantor = nullptr, *exitclose1 = nullptr;

    // Read-only views of the cycle's variables, for the benchmarks and tests.
    const QString &state() const { return state_; }
    int32_t elapsed_seconds() const { return elapsed_seconds_; }
    int32_t type_minutes() const { return type_minutes_; }
    bool dragging() const { return dragging_; }
    int32_t image_counter() const { return image_counter_; }
    uint32_t rand_seed() const { return rand_seed_; }
    // When the timed pause under way ends; invalid while none runs.
    const QDateTime &timed_pause_end() const { return timed_pause_end_; }
    // The seconds left of the typing or rest countdown (below zero while a rest waits for
    // a full-screen program); 0 while paused or while the alarm shows.
    int32_t seconds_left() const;
    int32_t breaks_ignored() const;

    // ---- start and end ----
    void FormCreate();
    void FormShow();
    void FormClose();
    void make_small();
    void make_large();

    // ---- break cycle (break_cycle.cpp) ----
    void start_countdown(int32_t minutes, int32_t kind);
    void start_typing();
    void start_rest();
    void start_pause();
    // Leaves the pause, as unchecking menu_pause does, when the timed pause's end comes.
    void timed_pause_ended();
    // The timed pause is over however the pause ended: no end to wait for, hints as before.
    void end_timed_pause();
    // A timed pause of `minutes` (more than 0) from now, asked for from outside.
    void pause_for_minutes(int minutes);
    void RxTimerEvent_TYPETimer();
    void RxTimerEvent_knipperTimer();
    void inc_ignored();
    void dec_ignored();
    void show_countdown(int32_t minutes, int32_t elapsed);
    void set_progress(int32_t percent);
    // The percentage of the running countdown left after elapsed seconds.
    int32_t percent_left(int32_t elapsed) const;
    bool half_hour_rule();

    // ---- placement and dragging (placement.cpp) ----
    void read_positions();
    void write_positions();
    void place_form(const QString &where); // a place word (app/cycle_words.h)
    void screens_changed();
    // The other screens are covered while a rest or the alarm shows, if the option is on;
    // otherwise no cover exists.
    void update_covers();
    void FormMouseDown(QWidget *sender, Qt::MouseButton button, QPoint pos);
    void FormMouseUp(QWidget *sender, Qt::MouseButton button, QPoint pos);
    void menu_default_storeClick();
    void menu_nag_storeClick();

    // ---- commands (menu_commands.cpp) ----
    void btn_ignoreClick(); // also menu_restart and double clicks on the progress bar
    // "Later": the rest or alarm gives way to five more minutes of typing, at most twice
    // in a row.
    void menu_postponeClick();
    // Also btn_test; the tray icon's double click passes its own source.
    void menu_testClick(BreakSource source = BreakSource::menu);
    void menu_pauseClick();
    // "PAUSE for": pauses, or stays paused, until the chosen end.
    void menu_pause_forClick(PauseLength length);
    void toggle_state(TMenuItem &item);
    void N1min1Click(TMenuItem &item);
    void N10min1Click(TMenuItem &item);
    void menu_show_imageClick();
    void menu_payClick();
    void menu_disclaimerClick();
    void menu_wwwhomepageClick();
    void exitclose1Click();
    void SpeedButton1Click(); // also clicks on the hands: opens the popup menu
    QPoint popup_point() const;
    void menu_selectsoundClick();
    void menu_pict_dirClick();
    Dialogs &dialogs() { return dialogs_; }

    // ---- time away, full-screen programs, start at login (activity.cpp) ----
    void menu_autostartClick();

    // ---- history and statistics (form_history.cpp) ----
    void menu_statisticsClick();
    // The open statistics window, if any.
    StatisticsWindow *statistics_window() const;

    // ---- rest content (rest_content.cpp) ----
    void next_image();
    // The file next_image would show now (empty for the message), without taking a step.
    QString predicted_image();
    // Starts decoding that file in the background when the rest is to show a picture.
    void prefetch_next_image();
    void show_image(const QString &name);
    // Plays the sound file; one that will not play is told of once and the rest goes on.
    void play_sound();
    int32_t random(int32_t n);
    QString image_directory() const;

    // The compact or large shape's automatic height follows the visible rows.
    void set_auto_size(bool on);
    bool auto_size() const { return auto_size_; }
    // Sets the form's size; the user cannot resize the borderless window.
    void set_form_size(int w, int h);
    // Tells a compositor that places windows itself where the form now stands.
    void tell_placer();

signals:
    // The phase, the breaks-ignored count or the end of the pause changed (never sent by a
    // mere tick).
    void cycle_changed();
    // The bar is on the screen for the first time: late start-up work may follow.
    void on_screen();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    bool filter_mouse(QWidget *watched, QMouseEvent *e);
    // Every change of phase goes through here.
    void set_phase(const QString &word);
    // Pauses, or stays paused, until `end`, which the wall-clock alarm then brings.
    void pause_until(const QDateTime &end);
    void create_controls(std::unique_ptr<TrayHost> tray_host, std::unique_ptr<PlatformTimer> tick_timer);
    void create_menu();
    void wire_menu();
    void realign();
    void apply_auto_size();
    void set_panel_www_visible(bool v);
    void set_drag_cursor(bool on);
    bool is_drag_surface(QObject *o) const;
    // What the natural break and full-screen wait leave of one countdown tick while typing.
    enum class TypingTick { goes_on, held, rest_waits };
    TypingTick activity_tick(int64_t slept_ms);
    // A rest or a natural break counted: "later" may be used again.
    void break_counted();
    // "Later" is offered while a rest or the alarm shows, unless used twice in a row.
    void update_postpone();
    // How long the computer slept since the last tick (or the countdown's start).
    int64_t take_time_asleep();
    // The options of the [Trovel] section, which are no stored properties.
    void load_own_options(const IniDocument &file);
    // Time away counts: the item is checked, and not disabled because the desktop gives
    // no idle time.
    bool natural_breaks_on() const { return menu_natural->Checked() && menu_natural->Enabled(); }
    TFormStorage::Entries own_option_entries(const IniDocument &file) const;
    // The history file's store, made at its first use (never before the bar is shown).
    HistoryStore &history_store();
    HistoryRecorder &history();
    // Hands an event to the history once the program's start is recorded (once the bar
    // is on the screen); before that nothing is recorded and nothing opened.
    void record_history(HistoryEvent event);
    void record_program_start();
    void record_program_end();
    // A typing phase's row: opened when its countdown starts, written when it ends.
    void begin_typing_phase();
    // Records the phase under way; `idle_seconds` at its end were time away, not typing.
    void end_typing_phase(int32_t idle_seconds = 0);

    // ---- the break cycle's variables ----
    QString state_; // a phase word (app/cycle_words.h)
    int32_t countdown_minutes_ = 0;
    int32_t elapsed_seconds_ = 0; // always a multiple of 10
    int32_t type_minutes_ = 1;
    bool next_image_prefetched_ = false; // once per typing phase, shortly before its end
    int64_t asleep_seen_ms_ = 0;         // time suspended as read at the last tick
    int32_t postpones_in_a_row_ = 0;     // since a rest last ran to its end or a natural break
    bool postponed_countdown_ = false;   // the typing countdown running is a postponed rest's

    // ---- placement ----
    int32_t default_left_ = 0, default_top_ = 0, nag_left_ = 0, nag_top_ = 0;
    int32_t drag_x_ = 0, drag_y_ = 0;
    bool dragging_ = false;

    // ---- rest content ----
    int32_t image_counter_ = 1;
    QString unplayable_sound_; // the sound file whose error was told; told once
    uint32_t rand_seed_ = 0;   // the runtime's generator: never reseeded, so every run draws the same steps

    Environment &env_;
    const ErrorReport &report_;
    Dialogs &dialogs_;
    bool auto_size_ = true;
    bool shown_once_ = false;
    bool drag_cursor_ = false;
    QWidget *pressed_ = nullptr; // the control a click started on

    // ---- time away and full-screen programs ----
    ActivityRule activity_rule_;
    std::unique_ptr<IdleTimeSource> idle_source_;
    std::unique_ptr<FullScreenProbe> full_screen_;
    std::unique_ptr<WindowPlacer> placer_;  // nullptr: the window system keeps X positions
    std::unique_ptr<CallProbe> call_probe_; // asked at the tick that would start a rest

    // ---- the timed pause ----
    std::unique_ptr<WallClockAlarm> pause_alarm_;
    QDateTime timed_pause_end_; // invalid while no timed pause runs

    // ---- history ----
    std::unique_ptr<HistoryStore> history_store_;
    HistoryRecorder *history_recorder_ = nullptr; // nullptr: the history file
    QPointer<StatisticsWindow> statistics_window_;
    QDateTime typing_started_;
    bool typing_open_ = false;                     // a typing phase is being counted for the history
    bool history_started_ = false;                 // the start was recorded, so the end will be
    BreakSource click_source_ = BreakSource::menu; // who runs the default item's command

    ScreenCovers covers_;
};

} // namespace trovel
