// A form on a fake environment (1024 x 768 screen, a fake millisecond counter) whose tick
// list runs on a fake timer, so tests move time forward without waiting. The desktop's
// idle time and full-screen state are stand-ins (unknown and no, until a test says), and
// the history goes to a list, unless a test hands the form back its history file.
#pragma once

#include "app/timer_u.h"
#include "platform/error_report.h"
#include "support/fake_desktop.h"
#include "support/fake_environment.h"
#include "support/fake_history_recorder.h"
#include "support/fake_platform_timer.h"

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

// While it lives, the messages handed to the application's error report are kept here
// instead of failing the test, as the test main's report does.
class ReportedErrors {
public:
    ReportedErrors() : previous_(set_error_report([this](const QString &message) { messages.append(message); })) {}
    ~ReportedErrors() { set_error_report(std::move(previous_)); }
    ReportedErrors(const ReportedErrors &) = delete;
    ReportedErrors &operator=(const ReportedErrors &) = delete;

    QStringList messages;

private:
    std::function<void(const QString &)> previous_;
};

class FormTest : public ::testing::Test {
protected:
    FormTest() { recreate(); }

    // A fresh form, as at program start (the environment keeps its state). Unless asked to
    // keep them, the settings file of the form before is out of reach. The history starts
    // empty.
    void recreate(bool keep_settings = false) {
        form.reset();
        history.events.clear();
        if (!keep_settings || !config) {
            config = std::make_unique<QTemporaryDir>();
            qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
        }
        form = std::make_unique<TForm1>(env);
        timer = &install_fake_timer(*form->RxTimerList1);
        auto idle_source = std::make_unique<FakeIdleSource>();
        auto probe = std::make_unique<FakeFullScreenProbe>();
        idle = idle_source.get();
        full_screen = probe.get();
        form->set_desktop(std::move(idle_source), std::move(probe));
        form->set_history(&history);
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
    std::unique_ptr<TForm1> form;
    FakePlatformTimer *timer = nullptr;
    FakeIdleSource *idle = nullptr; // owned by the form
    FakeFullScreenProbe *full_screen = nullptr;
};

} // namespace trovel::test
