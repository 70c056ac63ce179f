// The application's error report: an exception from any handler shows one error box and
// the program goes on; the entry points from the event loop let no exception through.
#include "form_fixture.h"
#include "platform/error_boxes.h"
#include "platform/error_report.h"
#include "platform/error_text.h"
#include "support/fake_tray_host.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest-spi.h>
#include <stdexcept>
#include <utility>

namespace trovel::test {
namespace {

TEST(ErrorBoxText, FullStopOnlyAfterCharactersThatSortAfterIt) {
    const std::pair<const char *, const char *> cases[] = {
        {"Unable to write to trovel.ini", "Unable to write to trovel.ini."},
        {"Done.", "Done."},
        {"a list (of things)", "a list (of things)"},
        {"trailing blank ", "trailing blank "},
        {"ends in a digit 5", "ends in a digit 5."},
        {"ends in a slash/", "ends in a slash/."},
        {"ends in a comma,", "ends in a comma,"},
        {"", ""},
    };
    for (const auto &[message, text] : cases)
        EXPECT_EQ(error_box_text(message), text) << message;
}

// A box runs its own event loop, in which timers go on: an error that comes again while
// its box is open (a sound that fails at every rest) does not stack a second box.
TEST(ErrorBoxesTest, SameTextIsNotShownAgainWhileItsBoxIsOpen) {
    QStringList shown;
    std::function<void()> while_open;
    ErrorBoxes boxes([&](const QString &, const QString &text) {
        shown.append(text);
        if (while_open) std::exchange(while_open, nullptr)();
    });
    while_open = [&] {
        boxes.report("04:50 Rest trovel", "Couldn't open '/snd/bell.wav'.");
        boxes.report("04:40 Rest trovel", "Couldn't open '/snd/bell.wav'.");
        boxes.report("04:40 Rest trovel", "Unable to write to trovel.ini.");
    };
    testing::internal::CaptureStderr();
    boxes.report("05:00 Rest trovel", "Couldn't open '/snd/bell.wav'.");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "trovel: Couldn't open '/snd/bell.wav'.\n"
                                                      "trovel: Couldn't open '/snd/bell.wav'.\n");
    EXPECT_EQ(shown, QStringList({"Couldn't open '/snd/bell.wav'.", "Unable to write to trovel.ini."}));
    // Once the box is closed, the next rest's error shows again.
    boxes.report("04:50 Rest trovel", "Couldn't open '/snd/bell.wav'.");
    EXPECT_EQ(shown.size(), 3);
    EXPECT_FALSE(boxes.failed_while_ending());
}

// After a signal began the end of the run, an error shows no box (nobody may be there to
// close it) and goes to stderr; the run's status then tells that it failed.
TEST(ErrorBoxesTest, NoBoxOnceTheRunEndsOnASignal) {
    int boxes_shown = 0;
    ErrorBoxes boxes([&](const QString &, const QString &) { ++boxes_shown; });
    boxes.end_without_boxes();
    testing::internal::CaptureStderr();
    boxes.report("04:10 Type trovel", "Unable to write to trovel.ini.");
    boxes.report("04:10 Type trovel", "Unable to write to trovel.ini.");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "trovel: Unable to write to trovel.ini.\ntrovel: Unable to write to trovel.ini.\n");
    EXPECT_EQ(boxes_shown, 0);
    EXPECT_TRUE(boxes.failed_while_ending());
}

// The report as the program fills it: the error box through the environment, captioned
// with the form's title. The application and the form hand their errors to it.
class ErrorReport : public FormTest {
protected:
    void SetUp() override {
        previous_ = test_error_report().set_sink(
            [this](const QString &message) { env.show_error(form->windowTitle(), error_box_text(message)); });
    }
    void TearDown() override { test_error_report().set_sink(std::move(previous_)); }

private:
    trovel::ErrorReport::Sink previous_;
};

TEST_F(ErrorReport, ExceptionInATimerSlotIsReportedAndTheTimerGoesOn) {
    QTimer timer;
    int calls = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++calls;
        throw std::runtime_error("Tick failed");
    });
    timer.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls >= 3; }, 5000));
    timer.stop();
    ASSERT_GE(env.errors.size(), 3);
    EXPECT_EQ(env.errors.first().second, "Tick failed.");
}

TEST_F(ErrorReport, ExceptionInTheCountdownTickShowsTheBoxCaptionedWithTheTitleAndTicksGoOn) {
    // The real Qt timer drives the tick list here.
    make_form({.qt_tick_timer = true});
    env.tick = 0;
    form->show();
    int ticks = 0;
    form->RxTimerEvent_TYPE.setInterval(100);
    form->RxTimerEvent_TYPE.OnTimer = [&](TRxTimerEvent &) {
        ++ticks;
        throw std::runtime_error("No MCI device open");
    };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            env.tick += 10; // the fake counter moves on as real time passes
            return ticks >= 2;
        },
        10000));
    ASSERT_FALSE(env.errors.isEmpty());
    EXPECT_EQ(env.errors.first().first, "05:00 Type trovel");
    EXPECT_EQ(env.errors.first().second, "No MCI device open.");
}

struct ThrowOnPress : QObject {
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::MouseButtonPress) throw std::runtime_error("Pressed");
        return false;
    }
};

TEST_F(ErrorReport, ExceptionInAMouseHandlerIsReported) {
    show();
    ThrowOnPress thrower;
    form->Panel_menu->installEventFilter(&thrower);
    QTest::mousePress(form->Panel_menu, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    ASSERT_EQ(env.errors.size(), 1);
    EXPECT_EQ(env.errors.first().second, "Pressed.");
}

// Each entry point from the event loop catches what its work raises: called directly, as
// the event loop would call it, nothing comes out, and the message reaches the report once.
TEST_F(ErrorReport, EntryPointsReportTheirErrorsAndLetNothingThrough) {
    QTemporaryDir dir;
    write_file(dir.filePath("notes.wav"), "this is not a sound\n");
    struct Case {
        const char *what;
        std::function<void()> enter;
    };
    // "Take a break" with play on and a file that is no sound raises on the way.
    const Case cases[] = {
        {"a tick pass", [this] { ticks(30); }},
        {"a menu item's Click", [this] { form->menu_test->Click(); }},
        {"the Next button", [this] { form->btn_test->click(); }},
        {"the tray icon's double click", [this] { tray->double_click_left(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show();
        form->menu_play->setChecked(true);
        form->menu_soundfile->setCaption(dir.filePath("notes.wav"));
        env.errors.clear();
        EXPECT_NO_THROW(c.enter());
        ASSERT_EQ(env.errors.size(), 1);
        EXPECT_EQ(form->state(), "rest") << "the steps before the error stand";
        ticks(6);
        EXPECT_EQ(form->state(), "type") << "the rest counts down";
    }
}

TEST(TestMain, AnErrorReportFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(test_error_report().report(QStringLiteral("Disk full")), "error report: Disk full");
}

} // namespace
} // namespace trovel::test
