// A form on a fake environment (1024 x 768 screen, a fake millisecond counter) whose tick
// list runs on a fake timer, so tests move time forward without waiting. The desktop's
// idle time and full-screen state are stand-ins (unknown and no, until a test says), the
// notification area and the wall-clock alarm are fakes, and the history goes to a list,
// unless a test makes the form with its history file.
#pragma once

#include "app/timer_u.h"
#include "support/fake_desktop.h"
#include "support/fake_environment.h"
#include "support/fake_history_recorder.h"
#include "support/fake_platform_timer.h"
#include "support/fake_tray_host.h"
#include "support/fake_wall_clock_alarm.h"
#include "support/test_report.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace trovel::test {

// The one door to the form's private variables, for tests that start from a counter no
// command sets (one at its limits, one far beyond the pictures).
struct FormAccess {
    static void set_image_counter(TForm1 &form, int32_t counter) { form.image_counter_ = counter; }
};

class FormTest : public ::testing::Test {
protected:
    FormTest() { recreate(); }

    // A fresh form, as at program start (the environment keeps its state). Unless asked to
    // keep them, the settings file of the form before is out of reach. The history starts
    // empty.
    void recreate(bool keep_settings = false) { make_form({.keep_settings = keep_settings}); }

    // How make_form() makes the next form, when a test needs more than recreate().
    struct Making {
        bool keep_settings = false;
        bool history_file = false;   // the history file in XDG_DATA_HOME instead of the list
        bool qt_tick_timer = false;  // the tick list on Qt's timer instead of the fake one
        bool placer = false;         // a compositor that places windows itself (placer)
        bool idle_time_known = true; // false: a desktop that gives no idle time at all
    };
    void make_form(Making how) {
        form.reset();
        history.events.clear();
        if (!how.keep_settings || !config) {
            config = std::make_unique<QTemporaryDir>();
            qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
        }
        auto idle_source = std::make_unique<FakeIdleSource>();
        auto probe = std::make_unique<FakeFullScreenProbe>();
        auto call_probe = std::make_unique<FakeCallProbe>();
        call = call_probe.get();
        auto tray_host = std::make_unique<FakeTrayHost>();
        auto window_placer = how.placer ? std::make_unique<FakeWindowPlacer>() : nullptr;
        placer = window_placer.get();
        auto wall_alarm = std::make_unique<FakeWallClockAlarm>();
        idle = idle_source.get();
        full_screen = probe.get();
        tray = tray_host.get();
        alarm = wall_alarm.get();
        form = std::make_unique<TForm1>(FormSeams{
            .env = env,
            .report = test_error_report(),
            .dialogs = form_dialogs ? *form_dialogs : qt_dialogs,
            .history = how.history_file ? nullptr : &history,
            .idle = std::move(idle_source),
            .full_screen = std::move(probe),
            .call = std::move(call_probe),
            .tick_timer = how.qt_tick_timer ? make_qt_platform_timer() : std::make_unique<FakePlatformTimer>(),
            .tray_host = std::move(tray_host),
            .placer = std::move(window_placer),
            .pause_alarm = std::move(wall_alarm),
            .idle_time_known = how.idle_time_known,
        });
        timer = how.qt_tick_timer ? nullptr : &fake_timer(*form->RxTimerList1);
    }
    QString settings_file() const { return config->filePath("trovel.ini"); }

    // Moves the fake counter forward; the tick list's passes fire on the way.
    void run_ms(uint32_t ms) { run_for(*timer, env.tick, ms); }
    // Lets n countdown ticks of 10 s pass.
    void ticks(int n) { run_ms(static_cast<uint32_t>(n) * 10000u); }

    // Shows the form, which starts the first typing countdown.
    void show() { form->show(); }
    // Shows the form and lets the window system put it on the screen, which starts the
    // history.
    void show_on_screen() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
    }
    // A typing length chosen as the menu does it.
    void type_length(TMenuItem *item) { item->Click(); }

    QString title() const { return form->windowTitle(); }
    QString countdown() const { return form->label_minutes->Caption(); }
    QRect geometry() const { return QRect(form->pos(), form->size()); }

    FakeEnvironment env;
    std::unique_ptr<QTemporaryDir> config; // outlives the form, which saves into it
    FakeHistoryRecorder history;           // outlives the form, which records its end
    QtDialogs qt_dialogs;
    Dialogs *form_dialogs = nullptr; // the file choosers of the next forms; nullptr: Qt's
    std::unique_ptr<TForm1> form;
    // Owned by the form.
    FakePlatformTimer *timer = nullptr; // nullptr on Qt's timer
    FakeIdleSource *idle = nullptr;
    FakeFullScreenProbe *full_screen = nullptr;
    FakeCallProbe *call = nullptr;
    FakeTrayHost *tray = nullptr;
    FakeWindowPlacer *placer = nullptr; // only when made with one
    FakeWallClockAlarm *alarm = nullptr;
};

} // namespace trovel::test
