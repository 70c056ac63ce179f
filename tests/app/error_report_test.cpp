// The application's error report: an exception from any handler shows one error box and
// the program goes on.
#include "app/application.h"
#include "form_fixture.h"
#include "platform/error_text.h"

#include <QTest>
#include <QTimer>
#include <stdexcept>

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

// The report as the program installs it: the error box through the environment,
// captioned with the form's title.
class ErrorReport : public FormTest {
protected:
    void SetUp() override {
        previous_ = app()->set_error_handler(
            [this](const QString &message) { env.show_error(form->windowTitle(), error_box_text(message)); });
    }
    void TearDown() override { app()->set_error_handler(std::move(previous_)); }
    static TApplication *app() { return static_cast<TApplication *>(QCoreApplication::instance()); }

private:
    std::function<void(const QString &)> previous_;
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
    // The real Qt timer and the real counter drive the tick list here.
    form = std::make_unique<TForm1>(env);
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
            env.tick += 10;  // the fake counter moves on as real time passes
            return ticks >= 2;
        },
        10000));
    ASSERT_FALSE(env.errors.isEmpty());
    EXPECT_EQ(env.errors.first().first, "05:00 Type trovel");
    EXPECT_EQ(env.errors.first().second, "No MCI device open.");
}

struct ThrowOnPress : QObject {
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::MouseButtonPress)
            throw std::runtime_error("Pressed");
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

}  // namespace
}  // namespace trovel::test
