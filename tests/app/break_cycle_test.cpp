// The break cycle driven through the fake counter: when phases end, what the bar and the
// title show, the ignored-breaks count, the pause, the timed pause and the hidden alarm; and
// the countdown arithmetic and the timed pause's end on their own, with worked numbers at
// their boundaries.
#include "app/countdown.h"
#include "app/timed_pause.h"
#include "form_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

namespace trovel::test {
namespace {

using BreakCycle = FormTest;

TEST_F(BreakCycle, FirstShowStartsTheFiveMinuteBarAtTheCentre) {
    show();
    EXPECT_EQ(geometry(), QRect(447, 362, 130, 44));
    EXPECT_EQ(title(), "05:00 Type trovel");
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(form->Shader1->width(), 53);
    ticks(1);
    EXPECT_EQ(title(), "04:50 Type trovel");
    EXPECT_EQ(form->Shader1->width(), 51); // 97 % of 53
}

TEST_F(BreakCycle, TypingEndsOnTheFirstTickAtOnePercentOrLess) {
    struct Case {
        TMenuItem *TForm1::*item;
        int ticks_to_rest;
    };
    const Case cases[] = {
        {&TForm1::N1min1, 6},   {&TForm1::N2min1, 12},  {&TForm1::N5min1, 30},   {&TForm1::N9min1, 54},
        {&TForm1::N10min1, 60}, {&TForm1::N15min1, 89}, {&TForm1::N20min1, 119}, {&TForm1::N30min1, 178},
    };
    for (const Case &c : cases) {
        recreate();
        show();
        TMenuItem *item = (*form).*(c.item);
        SCOPED_TRACE(item->Caption().toStdString());
        if (!item->Checked()) type_length(item);
        ticks(c.ticks_to_rest - 1);
        ASSERT_EQ(form->state(), "type");
        ticks(1);
        EXPECT_EQ(form->state(), "rest");
        // The rest's own countdown replaces the typing text at once.
        EXPECT_EQ(title(), "01:00 Rest trovel");
    }
}

TEST_F(BreakCycle, RestGrowsTheWindowAndShrinksBackAfterItsLength) {
    show();
    type_length(form->N1min1);
    ticks(6);
    EXPECT_EQ(geometry(), QRect(30, 37, 964, 694));
    EXPECT_EQ(form->Shader1->FromColor(), clRed);
    EXPECT_EQ(form->Shader1->ToColor(), clYellow);
    EXPECT_TRUE(form->RxTrayIcon1->Animated());
    EXPECT_TRUE(form->menu_nag_store->Enabled());
    ticks(5);
    EXPECT_EQ(form->state(), "rest");
    EXPECT_EQ(title(), "00:10 Rest trovel");
    ticks(1);
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(geometry(), QRect(447, 362, 130, 44));
    EXPECT_EQ(title(), "01:00 Type trovel");
    EXPECT_EQ(form->Panel_hands->Color(), clLime);
    EXPECT_FALSE(form->RxTrayIcon1->Animated());
    EXPECT_FALSE(form->menu_nag_store->Enabled());
}

TEST_F(BreakCycle, RestLengthComesFromTheCheckedItemOrTheTypingLength) {
    struct Case {
        const char *what;
        TMenuItem *TForm1::*click; // clicked once before the rest (toggles it)
        int rest_ticks;
    };
    const Case cases[] = {
        {"1 minute (design)", nullptr, 6},
        {"2 minutes", &TForm1::menu_2min, 12},
        {"5 minutes", &TForm1::menu_5min, 30},
        {"none checked: as long as the 3-minute typing phase", &TForm1::menu_1min, 18},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show();
        type_length(form->N3min1);
        if (c.click) ((*form).*(c.click))->Click();
        ticks(18);
        ASSERT_EQ(form->state(), "rest");
        ticks(c.rest_ticks - 1);
        EXPECT_EQ(form->state(), "rest");
        ticks(1);
        EXPECT_EQ(form->state(), "type");
    }
}

TEST_F(BreakCycle, IgnoredBreaksTurnTheBarRedUntilTheCountIsBackAtZero) {
    show();
    type_length(form->N1min1);
    form->menu_testClick(); // a break taken at count 0 keeps "0"
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "0");
    EXPECT_EQ(form->state(), "rest");

    form->btn_ignoreClick(); // ignoring a running rest
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "1");
    EXPECT_EQ(form->Panel_menu->Color(), clRed);
    EXPECT_EQ(form->Panel_progress->Color(), clRed);

    form->btn_ignoreClick(); // ignoring while typing adds nothing
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "1");

    ticks(6); // typing ends
    ticks(6); // the rest runs to its end
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "0");
    EXPECT_EQ(form->Panel_menu->Color(), clBtnFace);
    EXPECT_EQ(form->Panel_progress->Color(), clBtnFace);
}

TEST_F(BreakCycle, PauseDuringARestKeepsTheLargeWindowAtTheTypingPlaceAndStopsTicks) {
    show();
    form->menu_default_storeClick(); // the typing place: where the bar stands now
    form->menu_testClick();
    ASSERT_EQ(form->state(), "rest");
    const QString rest_title = title();
    form->menu_pauseClick();
    EXPECT_EQ(form->state(), "pause");
    EXPECT_TRUE(form->menu_pause->Checked());
    EXPECT_EQ(geometry(), QRect(447, 362, 964, 694));
    EXPECT_EQ(form->Shader1->width(), 0);
    EXPECT_EQ(form->Shader1->FromColor(), clWhite);
    EXPECT_EQ(env.beeps, 1);
    const int elapsed = form->elapsed_seconds();
    const TColor hands = form->Panel_hands->Color();
    run_ms(300);
    EXPECT_NE(form->Panel_hands->Color(), hands) << "the hands keep blinking";
    ticks(30);
    EXPECT_EQ(form->elapsed_seconds(), elapsed);
    EXPECT_EQ(title(), rest_title) << "the title keeps the last countdown's text and suffix";

    form->menu_pauseClick(); // leaving the pause starts a fresh typing countdown
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(title(), "05:00 Type trovel");
    ticks(1);
    EXPECT_EQ(title(), "04:50 Type trovel");
}

TEST_F(BreakCycle, TakingABreakWhilePausedStartsANormalRest) {
    show();
    form->menu_pauseClick();
    form->menu_testClick();
    EXPECT_EQ(form->state(), "rest");
    EXPECT_FALSE(form->menu_pause->Checked());
    ticks(6);
    EXPECT_EQ(form->state(), "type");
}

TEST_F(BreakCycle, BlinkAlternatesTheHandsPanelEveryThreeHundredMilliseconds) {
    show();
    form->menu_testClick();
    EXPECT_EQ(form->Panel_hands->Color(), clRed);
    std::vector<TColor> seen;
    for (int i = 0; i < 4; ++i) {
        run_ms(300);
        seen.push_back(form->Panel_hands->Color());
    }
    EXPECT_EQ(seen, (std::vector<TColor>{clYellow, clRed, clYellow, clRed}));
}

TEST_F(BreakCycle, AlarmWithoutItsPictureLetsTheTypingCountdownRunBelowZero) {
    QTemporaryDir dir;
    show();
    type_length(form->N1min1);
    form->menu_vantor->setChecked(true);
    form->menu_pict_dir->setCaption(dir.path() + "/*.jpg");
    ticks(6);
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(form->Shader1->width(), 0);
    QStringList texts;
    for (int i = 0; i < 7; ++i) {
        ticks(1);
        texts << countdown();
    }
    EXPECT_EQ(texts, QStringList({"00:-10", "00:-20", "00:-30", "00:-40", "00:-50", "-01:00", "-01:-10"}));
    EXPECT_EQ(geometry().size(), QSize(130, 44));

    // The picture appears later: the next tick finds it.
    QFile bmp(dir.path() + "/tmp.bmp");
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly));
    bmp.close();
    const QPoint place = form->pos();
    ticks(1);
    EXPECT_EQ(form->state(), "alarm");
    EXPECT_EQ(geometry(), QRect(place, QSize(964, 694))) << "the alarm window is not moved";
    EXPECT_TRUE(form->RxTimerEvent_knipper.Enabled());
    ticks(1);
    EXPECT_EQ(countdown(), "-01:-30") << "no countdown is started for an alarm";
    form->btn_ignoreClick();
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "0");
}

TEST_F(BreakCycle, LaterPutsARestOffByFiveMinutesAtMostTwiceInARow) {
    struct Case {
        const char *what;
        bool alarm;          // the hidden alarm shows instead of a rest
        bool uncheck_1min;   // no rest item: the rest is as long as the typing
        const char *between; // what happens between the second postpone and the third try
    };
    const Case cases[] = {
        {"a rest, twice, then refused", false, false, ""},
        {"with no rest item the next rest is the typing length, not five minutes", false, true, ""},
        {"a rest that runs to its end allows it again", false, false, "complete"},
        {"the alarm, like a rest", true, false, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show_on_screen();
        type_length(form->N3min1);
        if (c.uncheck_1min) form->menu_1min->Click();
        EXPECT_FALSE(form->menu_postpone->Enabled()) << "not while typing";
        QTemporaryDir pictures;
        if (c.alarm) {
            form->menu_pict_dir->setCaption(pictures.path() + "/*.jpg");
            QFile(pictures.filePath("tmp.bmp")).open(QIODevice::WriteOnly);
            form->menu_vantor->setChecked(true);
        }
        for (int postpone = 1; postpone <= 2; ++postpone) {
            form->menu_testClick();
            ASSERT_EQ(form->state(), c.alarm ? "alarm" : "rest");
            ASSERT_TRUE(form->menu_postpone->Enabled()) << postpone;
            ticks(2);
            form->menu_postpone->Click();
            EXPECT_EQ(form->state(), "type");
            EXPECT_EQ(title(), "05:00 Type trovel");
            EXPECT_EQ(form->Shader1->width(), 53);
            EXPECT_EQ(form->lbl_cancel_count->Caption(), "0") << "not counted as ignored";
            EXPECT_FALSE(form->menu_postpone->Enabled());
        }
        EXPECT_EQ(history.count(HistoryKind::rest_postponed), 2);
        EXPECT_EQ(history.count(HistoryKind::rest_ignored), 0);
        if (c.alarm) {
            form->menu_testClick();
            EXPECT_FALSE(form->menu_postpone->Enabled()) << "a third time refused";
            continue;
        }
        ticks(30); // the postponed five minutes run out: a normal rest
        ASSERT_EQ(form->state(), "rest");
        EXPECT_EQ(title(), c.uncheck_1min ? "03:00 Rest trovel" : "01:00 Rest trovel");
        if (QString(c.between) == "complete") {
            ticks(c.uncheck_1min ? 18 : 6);
            ASSERT_EQ(form->state(), "type");
            form->menu_testClick();
            EXPECT_TRUE(form->menu_postpone->Enabled()) << "allowed again after a completed rest";
        } else {
            EXPECT_FALSE(form->menu_postpone->Enabled()) << "a third time refused";
            form->menu_postpone->Click();
            EXPECT_EQ(form->state(), "rest");
            EXPECT_EQ(history.count(HistoryKind::rest_postponed), 2);
        }
    }
}

TEST_F(BreakCycle, AHandsOffRestStandsStillWhileTheUserTypes) {
    struct Case {
        const char *what;
        bool hands_off;
        std::vector<std::optional<int64_t>> idle; // the idle time at each rest tick
        int ticks_counted;
    };
    const std::optional<int64_t> typing = 3000, away = 10000, unknown;
    const Case cases[] = {
        {"off: every tick counts", false, {typing, typing, typing}, 3},
        {"on: ticks with input in the last 10 s stand still", true, {typing, away, typing, away, away}, 3},
        {"on: just under 10 s is input", true, {9999, away}, 1},
        {"on: an unknown idle time counts", true, {unknown, unknown}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show_on_screen();
        form->menu_hands_off->setChecked(c.hands_off);
        form->menu_testClick();
        const int asked = idle->queries;
        for (const auto &i : c.idle) {
            idle->answer = i;
            ticks(1);
        }
        EXPECT_EQ(form->elapsed_seconds(), 10 * c.ticks_counted);
        EXPECT_EQ(title(), countdown_text(1, 10 * c.ticks_counted) + " Rest trovel");
        EXPECT_EQ(idle->queries - asked, c.hands_off ? int(c.idle.size()) : 0) << "asked only for a hands-off rest";
    }
    // The rest can always be ended: "type" counts it as ignored.
    form->btn_ignoreClick();
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "1");
}

TEST_F(BreakCycle, ScreenReadersHearThePhaseAndTheTimeLeft) {
    show();
    type_length(form->N1min1);
    auto *window = QAccessible::queryAccessibleInterface(form.get());
    auto *progress = QAccessible::queryAccessibleInterface(form->Panel_progress);
    auto *minutes = QAccessible::queryAccessibleInterface(form->label_minutes);
    auto *ignored = QAccessible::queryAccessibleInterface(form->lbl_cancel_count);
    auto *hands = QAccessible::queryAccessibleInterface(form->Panel_hands);
    ASSERT_TRUE(window && progress && minutes && ignored && hands);
    ASSERT_NE(progress->valueInterface(), nullptr);
    EXPECT_EQ(progress->role(), QAccessible::ProgressBar);
    EXPECT_EQ(hands->text(QAccessible::Name), "Trovel menu");
    EXPECT_EQ(ignored->text(QAccessible::Description), "breaks ignored");
    struct Step {
        int ticks;
        const char *window_name, *time;
        int percent;
    };
    const Step steps[] = {
        {0, "01:00 Type trovel", "01:00", 100},
        {3, "00:30 Type trovel", "00:30", 50},
        {3, "01:00 Rest trovel", "01:00", 100},
        {1, "00:50 Rest trovel", "00:50", 83},
    };
    for (const Step &step : steps) {
        ticks(step.ticks);
        SCOPED_TRACE(step.window_name);
        EXPECT_EQ(window->text(QAccessible::Name), step.window_name);
        EXPECT_EQ(minutes->text(QAccessible::Name), step.time);
        EXPECT_EQ(minutes->text(QAccessible::Description), "time left");
        EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), step.percent);
        EXPECT_EQ(progress->text(QAccessible::Value), QString::number(step.percent) + " %");
    }
}

TEST_F(BreakCycle, TheTrayToolTipIsTheTitleChangedAtWholeMinutesWhileTyping) {
    show();
    auto tip = [&] { return tray->log->empty() ? QString() : tray->log->back().tip; };
    auto tips_sent = [&] {
        int n = 0;
        for (const TrayCall &call : *tray->log)
            n += call.kind == TrayCall::Modify && (&call == &tray->log->front() || call.tip != (&call - 1)->tip);
        return n;
    };
    EXPECT_EQ(tip(), "05:00 Type trovel");
    const int before = tips_sent();
    ticks(5);
    EXPECT_EQ(tip(), "05:00 Type trovel") << "not at every tick";
    ticks(1);
    EXPECT_EQ(tip(), "04:00 Type trovel");
    ticks(24);
    // 04:00, 03:00, 02:00, 01:00, then 00:00 and the rest's 01:00 at the same tick.
    EXPECT_EQ(tips_sent() - before, 6) << "one new tip a minute while typing";
    EXPECT_EQ(form->state(), "rest");
    EXPECT_EQ(tip(), "01:00 Rest trovel");
    ticks(1);
    EXPECT_EQ(tip(), "00:50 Rest trovel") << "every tick during a rest";
}

TEST(CountdownRules, PercentLeftRoundsHalvesToEvenInExtendedPrecision) {
    struct Case {
        int32_t minutes, elapsed, percent;
        const char *why;
    };
    const Case cases[] = {
        {5, 0, 100, "start"},
        {5, 10, 97, "3.33 % gone"},
        {4, 30, 88, "12.5 % gone: the half goes to the even 12, not up to 13"},
        {20, 30, 98, "2.5 % gone: the half goes to the even 2, not up to 3"},
        {20, 690, 42, "57.5 % gone: exact only in extended precision (double gives 57.4999...)"},
        {15, 880, 2, "one tick before the end of 15 minutes"},
        {15, 890, 1, "98.9 % gone rounds to 99: 15 minutes end a tick early"},
        {20, 1190, 1, "20 minutes end a tick early"},
        {1, 60, 0, "the end"},
        {1, 70, -17, "past the end (the alarm's countdown runs on)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(countdown_percent_left(c.minutes, c.elapsed), c.percent) << c.why;
}

TEST(CountdownRules, TextAndProgressWidth) {
    struct Text {
        int32_t minutes, elapsed;
        const char *text;
    };
    const Text texts[] = {
        {5, 0, "05:00"},
        {1, 60, "00:00"},
        {1, 70, "00:-10"},
        {15, 10, "14:50"},
        {100, 0, "100:00"},
        {0, 130, "-02:-10"},
        {0, 60, "-01:00"},
        {35791395, 0, "-35791393:-16"},      // minutes x 60 wraps in 32 bits
        {40000000, INT32_MIN, "4208605:52"}, // and so does taking the elapsed seconds off
    };
    for (const Text &t : texts)
        EXPECT_EQ(countdown_text(t.minutes, t.elapsed), t.text) << t.minutes << " min, " << t.elapsed << " s";
    struct Width {
        int32_t available, percent, width;
    };
    const Width widths[] = {{53, 100, 53}, {53, 50, 26}, {53, 97, 51},
                            {53, 1, 0},    {53, -5, -2}, {53, 40524560, -21471656}}; // the product wraps
    for (const Width &w : widths)
        EXPECT_EQ(progress_width(w.available, w.percent), w.width) << w.available << " px, " << w.percent << " %";
}

TEST_F(BreakCycle, CountdownTextAndProgressWidth) {
    form->show_countdown(1, 70);
    EXPECT_EQ(countdown(), "00:-10");
    EXPECT_EQ(title(), "00:-10 Type trovel");
    struct Width {
        int percent, width;
    };
    const Width widths[] = {{100, 53}, {50, 26}, {97, 51}, {1, 0}, {0, 0}, {-5, 0}};
    for (const Width &w : widths) {
        form->set_progress(w.percent);
        EXPECT_EQ(form->Shader1->width(), w.width) << w.percent << " %";
        EXPECT_EQ(form->Shader1->isVisibleTo(form.get()), w.width > 0) << w.percent << " %";
    }
}

// The spin box refuses a length of 0 (see BadInput); the countdown still copes with one.
TEST_F(BreakCycle, ZeroMinutesOnlyCountsSeconds) {
    form->spin_timeout->MinValue = 0;
    form->spin_timeout->setValue(0);
    show();
    EXPECT_EQ(title(), "00:00 Type trovel");
    ticks(10);
    EXPECT_EQ(form->elapsed_seconds(), 100);
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(title(), "00:00 Type trovel");
}

TEST_F(BreakCycle, PauseForEndsByItselfAtItsEndOrAtWakingAfterIt) {
    const QDateTime now = alarm->clock; // 14:00
    const std::tuple<TMenuItem * TForm1::*, QDateTime, const char *, int> cases[] = {
        {&TForm1::menu_pause_30, now.addSecs(1800), "paused until 14:30", 0},
        {&TForm1::menu_pause_60, now.addSecs(3600), "paused until 15:00", 0},
        {&TForm1::menu_pause_120, now.addSecs(7200), "paused until 16:00", 0},
        {&TForm1::menu_pause_tomorrow, now.addSecs(16 * 3600), "paused until 06:00", 180}, // slept past it
    };
    show();
    for (const auto &[item, end, hint, late_minutes] : cases) {
        SCOPED_TRACE(hint);
        alarm->clock = now;
        (form.get()->*item)->Click();
        EXPECT_TRUE(form->menu_pause->Checked());
        EXPECT_EQ(alarm->at, end);
        EXPECT_EQ(form->menu_pause->Hint, hint);
        EXPECT_EQ(tray->log->back().tip, hint);
        ticks(30);
        EXPECT_EQ(form->state(), "pause");
        env.asleep_ms += late_minutes * 60000;
        alarm->fire_at(end.addSecs(late_minutes * 60));
        EXPECT_EQ(title(), "05:00 Type trovel");
        EXPECT_FALSE(form->menu_pause->Checked());
        EXPECT_EQ(form->menu_pause->Hint, "");
        EXPECT_EQ(tray->log->back().tip, "05:00 Type trovel") << "the title again";
    }
}

TEST_F(BreakCycle, EveryOtherEndOfATimedPauseCancelsItsEnd) {
    const std::pair<TMenuItem * TForm1::*, const char *> ends[] = {
        {&TForm1::menu_pause, "type"}, {&TForm1::menu_test, "rest"}, {&TForm1::N10min1, "type"}};
    show();
    for (const auto &[item, state] : ends) {
        form->menu_pause_120->Click();
        form->menu_pause_30->Click(); // a new end; the pause goes on
        (form.get()->*item)->Click();
        EXPECT_EQ(form->state(), state);
        EXPECT_FALSE(alarm->at.isValid());
        EXPECT_EQ(form->RxTrayIcon1->Tip(), title());
    }
    EXPECT_EQ(env.beeps, 3) << "one pause each time";

    ReportedErrors errors;
    form->menu_pause_60->Click();
    alarm->refuse = true;
    form->menu_pause_30->Click();
    EXPECT_EQ(form->state(), "pause");
    EXPECT_EQ(errors.messages,
              QStringList{"The pause will not end by itself: Cannot make a timer: Too many open files"});
    EXPECT_FALSE(form->RxTrayIcon1->Tip().contains("until")) << "no end is promised that will not come";
}

TEST(CountdownRules, PauseEndsAfterItsLengthOrAtSixOnTheNextDay) {
    const QTimeZone utc = QTimeZone::utc(), berlin("Europe/Berlin"); // summer time: 29 Mar to 25 Oct 2026
    auto at = [](const QTimeZone &zone, int mo, int d, int h, int mi) {
        return QDateTime(QDate(2026, mo, d), QTime(h, mi), zone);
    };
    const std::tuple<QDateTime, PauseLength, QDateTime, const char *> cases[] = {
        {at(utc, 12, 9, 14, 0), PauseLength::minutes_30, at(utc, 12, 9, 14, 30), "paused until 14:30"},
        {at(utc, 12, 9, 23, 59), PauseLength::until_tomorrow, at(utc, 12, 10, 6, 0), "paused until 06:00"},
        {at(utc, 12, 10, 0, 30), PauseLength::until_tomorrow, at(utc, 12, 11, 6, 0), "paused until 06:00"},
        {at(utc, 12, 10, 5, 0), PauseLength::until_tomorrow, at(utc, 12, 11, 6, 0), "paused until 06:00"},
        {at(berlin, 3, 29, 1, 45), PauseLength::minutes_30, at(utc, 3, 29, 1, 15), "paused until 03:15"},
        {at(berlin, 3, 28, 23, 0), PauseLength::until_tomorrow, at(utc, 3, 29, 4, 0), "paused until 06:00"},
        {at(berlin, 10, 24, 23, 0), PauseLength::until_tomorrow, at(utc, 10, 25, 5, 0), "paused until 06:00"},
    };
    ASSERT_TRUE(berlin.isValid()) << "time zone data (tzdata)";
    for (const auto &[now, length, end, text] : cases) {
        SCOPED_TRACE(now.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(pause_end(now, length), end);
        EXPECT_EQ(paused_until_text(pause_end(now, length)), text);
    }
}

TEST(CountdownRules, HalfHourRuleBoundaries) {
    const std::pair<int, bool> minutes[] = {{0, true},  {4, true},   {5, false},  {25, false}, {26, true}, {30, true},
                                            {34, true}, {35, false}, {55, false}, {56, true},  {59, true}};
    for (const auto &[minute, near] : minutes)
        EXPECT_EQ(near_half_hour(minute), near) << "minute " << minute;
}

TEST_F(BreakCycle, HalfHourRuleShowsTheClockNearTheHalfAndWholeHour) {
    show();
    form->menu_half_hour->setChecked(true);
    env.time = QTime(14, 26, 59);
    EXPECT_TRUE(form->half_hour_rule());
    env.time = QTime(14, 25, 59);
    EXPECT_FALSE(form->half_hour_rule()) << "the minute counts, not the seconds";
    env.time = QTime(14, 30);
    form->menu_testClick();
    EXPECT_FALSE(form->RxClock1->isHidden());
    form->btn_ignoreClick();
    env.time = QTime(14, 15);
    form->menu_testClick();
    EXPECT_TRUE(form->RxClock1->isHidden());
    form->menu_half_hour->setChecked(false);
    env.time = QTime(14, 30);
    EXPECT_FALSE(form->half_hour_rule());
}

} // namespace
} // namespace trovel::test
