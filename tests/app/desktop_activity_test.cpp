// What the user really does, on the real form tick by tick with stand-ins for the
// desktop: time away holds the bar at the full typing length and counts as a rest, a rest
// waits while another program is full screen, both options off change nothing, the two
// options live in [Trovel] beside an unchanged [TForm1], and start at login follows its
// autostart entry.
#include "app/countdown.h"
#include "app/stored_props.h"
#include "form_fixture.h"
#include "support/fake_tray_host.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace trovel::test {
namespace {

class DesktopActivity : public FormTest {
protected:
    // One countdown tick at which the desktop says the user has been idle `idle_ms`.
    void tick_idle(std::optional<int64_t> idle_ms) {
        idle->answer = idle_ms;
        ticks(1);
    }
    // n ticks of one idle spell that has lasted `idle_ms` at the first of them.
    void away(int n, int64_t idle_ms) {
        for (int i = 0; i < n; ++i)
            tick_idle(idle_ms + 10000 * i);
    }
    // n ticks with the user at the keyboard.
    void busy(int n) {
        for (int i = 0; i < n; ++i)
            tick_idle(0);
    }
    int ignored() const { return form->lbl_cancel_count->Caption().toInt(); }
    std::vector<HistoryEvent> rows(HistoryKind kind) const {
        std::vector<HistoryEvent> out;
        for (const HistoryEvent &e : history.events)
            if (e.kind == kind) out.push_back(e);
        return out;
    }
};

TEST_F(DesktopActivity, TimeAwayOfARestsLengthHoldsTheBarFullAndCountsOnce) {
    struct Case {
        int64_t idle_at_sixth_tick; // the spell goes on from here, 10 s more at each tick
        const char *title_at_sixth_tick;
        int ignored_before;
    };
    const Case cases[] = {
        {59999, "02:00 Type trovel", 0}, // 1 ms short of the 1-minute rest: typing goes on
        {59999, "02:00 Type trovel", 2},
        {60000, "03:00 Type trovel", 0}, // a rest's length: held at the full length
        {60000, "03:00 Type trovel", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.idle_at_sixth_tick) + " ms idle, ignored " + std::to_string(c.ignored_before));
        recreate();
        show_on_screen();
        type_length(form->N3min1);
        for (int i = 0; i < c.ignored_before; ++i)
            form->inc_ignored();
        const QRect place = geometry();
        // Away from the start: idle times grow with the clock, as a desktop reports them.
        away(6, c.idle_at_sixth_tick - 50000);
        EXPECT_EQ(title(), c.title_at_sixth_tick);
        // Held from the sixth tick or the seventh, for longer than the whole typing phase.
        for (int i = 1; i <= 30; ++i) {
            tick_idle(c.idle_at_sixth_tick + 10000 * i);
            ASSERT_EQ(title(), "03:00 Type trovel") << "tick " << i;
        }
        const int after = std::max(c.ignored_before - 1, 0);
        EXPECT_EQ(ignored(), after) << "lowered once for the whole spell";
        EXPECT_EQ(form->Panel_menu->Color(), after > 0 ? clRed : clBtnFace);
        EXPECT_EQ(form->Shader1->width(), 53) << "a full bar";
        EXPECT_EQ(form->state(), "type");
        EXPECT_EQ(geometry(), place) << "neither moved nor grown";
        EXPECT_EQ(env.beeps, 0);
        EXPECT_TRUE(rows(HistoryKind::natural_break).empty()) << "recorded when the user is back";

        busy(1);
        EXPECT_EQ(title(), "02:50 Type trovel") << "counts on from the full length";
        const auto breaks = rows(HistoryKind::natural_break);
        ASSERT_EQ(breaks.size(), 1u);
        EXPECT_EQ(breaks[0].seconds, (c.idle_at_sixth_tick + 300000) / 1000) << "the longest idle time seen";
        busy(16);
        EXPECT_EQ(form->state(), "type");
        busy(1);
        EXPECT_EQ(form->state(), "rest") << "a normal phase after the return";
    }
}

TEST_F(DesktopActivity, ADesktopThatGivesNoIdleTimeTurnsNaturalBreaksOffForTheRun) {
    make_form({.idle_time_known = false});
    show_on_screen();
    type_length(form->N3min1);
    EXPECT_FALSE(form->menu_natural->Enabled());
    EXPECT_TRUE(form->menu_natural->Checked()) << "the setting itself is kept";
    EXPECT_TRUE(form->menu_natural->Hint.contains("does not tell")) << form->menu_natural->Hint.toStdString();
    // Whatever a source would say, and a sleep a rest long: no natural break.
    away(8, 60000);
    EXPECT_EQ(title(), "01:40 Type trovel");
    EXPECT_EQ(idle->queries, 0);
    recreate();
    EXPECT_TRUE(form->menu_natural->Enabled()) << "a desktop that tells";
}

TEST_F(DesktopActivity, IdleSpellAcrossTheEndOfATypingPhase) {
    show_on_screen();
    type_length(form->N1min1);
    form->inc_ignored();
    form->inc_ignored();
    busy(1);
    away(5, 10000); // left 50 s before the end: the rest comes as usual
    EXPECT_EQ(form->state(), "rest");
    const int asked = idle->queries;
    away(6, 60000); // the rest runs its course, whatever the user does
    EXPECT_EQ(idle->queries, asked) << "not asked during a rest";
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(ignored(), 1);
    // The same spell, now longer than a rest: that rest was its break. The bar is held
    // at the full length, and nothing more is counted.
    away(9, 120000);
    EXPECT_EQ(title(), "01:00 Type trovel");
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(ignored(), 1);
    EXPECT_EQ(form->Panel_menu->Color(), clRed);
    busy(1);
    EXPECT_EQ(title(), "00:50 Type trovel");
    EXPECT_EQ(history.count(HistoryKind::rest_completed), 1);
    EXPECT_EQ(history.count(HistoryKind::natural_break), 0);
}

TEST_F(DesktopActivity, TimeAsleepCountsAsTimeAway) {
    struct Case {
        const char *what;
        bool natural;
        bool resting;     // the rest showed when the lid closed (after 20 s of it)
        int64_t slept_ms; // the tick after waking comes this much later
        const char *title_after;
        int ignored_after;
        int natural_breaks; // recorded, with the sleep's length
        int rests_completed;
    };
    const Case cases[] = {
        {"a night while typing: a natural break, typing starts over", true, false, 8 * 3600 * 1000LL,
         "03:00 Type trovel", 1, 1, 0},
        {"a sleep shorter than a rest while typing: nothing", true, false, 59999, "02:40 Type trovel", 2, 0, 0},
        {"natural breaks off: as today", false, false, 8 * 3600 * 1000LL, "02:40 Type trovel", 2, 0, 0},
        // Taking the break lowered the count once already.
        {"a rest slept through to its end: completed", true, true, 30000, "03:00 Type trovel", 0, 0, 1},
        {"a rest woken from before its end goes on", true, true, 29999, "00:30 Rest trovel", 1, 0, 0},
        {"natural breaks off: the rest goes on", false, true, 8 * 3600 * 1000LL, "00:30 Rest trovel", 1, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show_on_screen();
        type_length(form->N3min1);
        form->menu_natural->setChecked(c.natural);
        form->inc_ignored();
        form->inc_ignored();
        if (c.resting) {
            form->menu_testClick();
            busy(2);
        } else {
            busy(1);
        }
        env.asleep_ms += c.slept_ms;
        busy(1);
        EXPECT_EQ(title(), c.title_after);
        EXPECT_EQ(ignored(), c.ignored_after);
        const auto breaks = rows(HistoryKind::natural_break);
        ASSERT_EQ(breaks.size(), size_t(c.natural_breaks));
        for (const HistoryEvent &e : breaks)
            EXPECT_EQ(e.seconds, c.slept_ms / 1000);
        EXPECT_EQ(history.count(HistoryKind::rest_completed), c.rests_completed);
    }
}

TEST_F(DesktopActivity, RestWaitsWhileAnotherProgramIsFullScreenOrACallGoesOn) {
    for (const bool by_call : {false, true}) {
        for (const int waiting_ticks : {0, 1, 30}) {
            SCOPED_TRACE(std::to_string(waiting_ticks) + (by_call ? " ticks of a call" : " ticks of full screen"));
            recreate();
            show_on_screen();
            EXPECT_TRUE(call->started) << "the call probe starts after the first expose";
            type_length(form->N1min1);
            idle->answer = 0;
            (by_call ? call->answer : full_screen->answer) = waiting_ticks > 0;
            ticks(5);
            EXPECT_EQ(full_screen->queries + call->queries, 0) << "asked only when the countdown ends";
            for (int i = 0; i < waiting_ticks; ++i) {
                ticks(1);
                ASSERT_EQ(form->state(), "type") << "tick " << i;
                ASSERT_EQ(title(), countdown_text(1, 60 + 10 * i) + " Type trovel") << "tick " << i;
                ASSERT_FALSE(form->Shader1->isVisibleTo(form.get()));
            }
            full_screen->answer = call->answer = false;
            ticks(1);
            EXPECT_EQ(form->state(), "rest") << "within one tick of the end of the wait";
            EXPECT_EQ(title(), "01:00 Rest trovel");
            EXPECT_EQ(full_screen->queries, waiting_ticks + 1);
            const auto waits = rows(by_call ? HistoryKind::call_wait : HistoryKind::full_screen_wait);
            ASSERT_EQ(waits.size(), waiting_ticks > 0 ? 1u : 0u);
            if (!waits.empty()) {
                EXPECT_EQ(waits[0].seconds, 10 * waiting_ticks);
            }
        }
    }
}

TEST_F(DesktopActivity, TakingABreakNeverWaits) {
    show_on_screen();
    type_length(form->N1min1);
    full_screen->answer = true;
    ticks(2);
    form->menu_testClick();
    EXPECT_EQ(form->state(), "rest");
    ticks(6 + 8); // the rest, then a typing phase that waits two ticks past its end
    ASSERT_EQ(form->state(), "type");
    ASSERT_EQ(countdown(), "00:-20");
    tray->double_click_left();
    EXPECT_EQ(form->state(), "rest");
    EXPECT_EQ(title(), "01:00 Rest trovel");
    EXPECT_EQ(history.count(HistoryKind::full_screen_wait), 0) << "the break ended the wait";
    const auto breaks = rows(HistoryKind::break_taken);
    ASSERT_EQ(breaks.size(), 2u);
    EXPECT_EQ(breaks[0].source, BreakSource::menu);
    EXPECT_EQ(breaks[1].source, BreakSource::tray);
}

// Both options off, a user away the whole time and a full-screen program change nothing;
// nor do the options on with the user at work or with an idle time nobody can tell.
TEST_F(DesktopActivity, WithoutTheOptionsOrWithTheUserAtWorkTheCycleIsAsBefore) {
    struct Case {
        const char *what;
        bool options;
        std::optional<int64_t> idle_at_start; // grows by 10 s a tick
        bool idle_grows, full_screen_on;
    };
    const Case cases[] = {
        {"the stand-ins' defaults: idle unknown, no full screen", true, std::nullopt, false, false},
        {"both options off, away for hours, full screen", false, 3600000, true, true},
        {"both options on, the user at work", true, 0, false, false},
    };
    std::optional<QStringList> before;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show_on_screen();
        form->menu_natural->setChecked(c.options);
        form->menu_fullscreen_wait->setChecked(c.options);
        type_length(form->N1min1);
        full_screen->answer = c.full_screen_on;
        QStringList trace;
        for (int i = 0; i < 40; ++i) {
            if (i == 15) form->btn_ignoreClick();
            if (i == 27) form->menu_testClick();
            idle->answer = c.idle_at_start ? std::optional<int64_t>(*c.idle_at_start + (c.idle_grows ? 10000 * i : 0))
                                           : std::nullopt;
            ticks(1);
            trace << QStringLiteral("%1 %2 %3 %4,%5 %6x%7")
                         .arg(title(), form->state(), form->lbl_cancel_count->Caption())
                         .arg(form->x())
                         .arg(form->y())
                         .arg(form->width())
                         .arg(form->height());
        }
        if (!c.options) {
            EXPECT_EQ(idle->queries, 0);
            EXPECT_EQ(full_screen->queries, 0);
        }
        if (before)
            EXPECT_EQ(trace.join('\n').toStdString(), before->join('\n').toStdString());
        else
            before = trace;
    }
}

// The [TForm1] section's keys: the placement, then one per stored property.
QStringList form_section_keys(const QByteArray &file) {
    QStringList keys;
    bool in_form = false;
    for (const QByteArray &raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[')) {
            in_form = line == "[TForm1]";
            continue;
        }
        if (in_form && line.contains('=')) keys << line.section('=', 0, 0);
    }
    return keys;
}

// The [Trovel] section's lines, its header included.
QByteArray trovel_section(const QByteArray &file) {
    const qsizetype at = file.indexOf("[Trovel]");
    if (at < 0) return {};
    const qsizetype next = file.indexOf("\n[", at);
    return file.mid(at, next < 0 ? -1 : next + 1 - at);
}

TEST_F(DesktopActivity, OptionsLiveInTheirOwnSectionBesideAnUnchangedTForm1) {
    struct Case {
        const char *what;
        QByteArray file;
        bool natural, full_screen;
        QByteArray saved; // how the [Trovel] section begins after the save; later options follow
    };
    const Case cases[] = {
        {"no file", "", true, true, "[Trovel]\nNaturalBreaks=1\nFullScreenWait=1\n"},
        {"no section", "[TForm1]\nFormVersion=1\n", true, true, "[Trovel]\nNaturalBreaks=1\nFullScreenWait=1\n"},
        {"both off", "[Trovel]\nNaturalBreaks=0\nFullScreenWait=0\n", false, false,
         "[Trovel]\nNaturalBreaks=0\nFullScreenWait=0\n"},
        {"other spellings, kept as written", "[Trovel]\nNaturalBreaks=yes\nFullScreenWait = Off \n", true, false,
         "[Trovel]\nNaturalBreaks=yes\nFullScreenWait = Off \n"},
        {"false is off", "[Trovel]\nNaturalBreaks=false\n", false, true,
         "[Trovel]\nNaturalBreaks=false\nFullScreenWait=1\n"},
        {"a value not understood is the default, its line kept", "[Trovel]\nNaturalBreaks=banana\nFullScreenWait=-1\n",
         true, true, "[Trovel]\nNaturalBreaks=banana\nFullScreenWait=-1\n"},
        {"the first of duplicate keys counts", "[Trovel]\nNaturalBreaks=0\nNaturalBreaks=1\n", false, true,
         "[Trovel]\nNaturalBreaks=0\nNaturalBreaks=1\nFullScreenWait=1\n"},
        {"read when [TForm1] is refused for its version", "[TForm1]\nFormVersion=0\n[Trovel]\nFullScreenWait=0\n", true,
         false, "[Trovel]\nFullScreenWait=0\nNaturalBreaks=1\n"},
    };
    QStringList expected_keys = {
        "FormVersion",       "Flags",   "ShowCmd", "PixelsPerInch", "MinMaxPos(1024x768)", "MinMaxPos",
        "NormPos(1024x768)", "NormPos", "Visible"};
    for (const QString &entry : form_stored_props())
        expected_keys << QString(entry).replace('.', '_');
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        if (!c.file.isEmpty()) write_file(settings_file(), c.file);
        show_on_screen();
        EXPECT_EQ(form->menu_natural->Checked(), c.natural);
        EXPECT_EQ(form->menu_fullscreen_wait->Checked(), c.full_screen);
        form.reset();
        const QByteArray saved = read_file(settings_file());
        EXPECT_TRUE(trovel_section(saved).startsWith(c.saved)) << trovel_section(saved).toStdString();
        EXPECT_TRUE(trovel_section(saved).contains("\nHandsOff=0\n"));
        EXPECT_TRUE(trovel_section(saved).contains("\nCoverScreens=1\n"));
        if (c.file.isEmpty()) {
            EXPECT_EQ(form_section_keys(saved), expected_keys) << "the keys of today, in their order";
        }
        EXPECT_FALSE(
            form_section_keys(saved).join(' ').contains(QRegularExpression("natural|fullscreen|autostart|cover")));
    }

    // A change reaches the next start.
    recreate();
    show_on_screen();
    form->menu_natural->Click();
    form->menu_cover_screens->Click();
    recreate(true);
    show_on_screen();
    EXPECT_FALSE(form->menu_natural->Checked());
    EXPECT_TRUE(form->menu_fullscreen_wait->Checked());
    EXPECT_FALSE(form->menu_cover_screens->Checked());
}

TEST_F(DesktopActivity, StartAtLoginFollowsItsEntry) {
    show_on_screen();
    const QString entry = config->filePath("autostart/trovel.desktop");
    EXPECT_FALSE(form->menu_autostart->Checked());
    form->menu_autostart->Click();
    EXPECT_TRUE(form->menu_autostart->Checked());
    EXPECT_TRUE(read_file(entry).contains("\nExec="));
    form->menu_autostart->Click();
    EXPECT_FALSE(form->menu_autostart->Checked());
    EXPECT_FALSE(QFile::exists(entry));

    // The check mark comes from the entry at start, not from the settings file.
    form->menu_autostart->Click();
    recreate(true);
    show_on_screen();
    EXPECT_TRUE(form->menu_autostart->Checked());
    EXPECT_FALSE(read_file(settings_file()).contains("autostart"));
    write_file(entry, read_file(entry) + "Hidden=true\n"); // switched off by the desktop
    recreate(true);
    show_on_screen();
    EXPECT_FALSE(form->menu_autostart->Checked());

    // A folder that cannot be written: a clear message, and the check stays as it was.
    QFile::remove(entry);
    QDir(config->path()).rmdir("autostart");
    write_file(config->filePath("autostart"), "a file");
    ReportedErrors errors;
    form->menu_autostart->Click();
    EXPECT_EQ(errors.messages,
              QStringList{"Unable to create the folder " + config->filePath("autostart") + ": Not a directory"});
    EXPECT_FALSE(form->menu_autostart->Checked());
}

} // namespace
} // namespace trovel::test
