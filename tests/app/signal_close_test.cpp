// Closing on SIGTERM, SIGINT and SIGHUP: the signal reaches the GUI thread, popups and
// modal dialogs give way, and the form is closed as a close request closes it.
#include "app/signal_close.h"
#include "form_fixture.h"

#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace trovel::test {
namespace {

sighandler_t current_handler(int signo) {
    struct sigaction now = {};
    sigaction(signo, nullptr, &now);
    return now.sa_handler;
}

TEST(SignalClose, EachSignalReachesTheEventLoopAndHandlersAreRestored) {
    for (int signo : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signo);
        // Whatever was there before (a library may have put its own) comes back after.
        const sighandler_t before = current_handler(signo);
        int received = 0, calls = 0;
        {
            SignalClose close([&](int s) { received = s, ++calls; });
            ASSERT_TRUE(close.installed());
            raise(signo);
            // Nothing happens inside the handler itself; the event loop delivers it.
            EXPECT_EQ(calls, 0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 2000));
            QTest::qWait(20);
        }
        EXPECT_EQ(received, signo);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(current_handler(signo), before);
    }
}

// `nohup trovel` must survive the closing of its terminal.
TEST(SignalClose, SignalIgnoredFromTheStartStaysIgnored) {
    const sighandler_t before = signal(SIGHUP, SIG_IGN);
    int calls = 0;
    {
        SignalClose close([&](int) { ++calls; });
        EXPECT_EQ(current_handler(SIGHUP), SIG_IGN);
        raise(SIGHUP);
        QTest::qWait(50);
    }
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(current_handler(SIGHUP), SIG_IGN);
    signal(SIGHUP, before);
}

// A logout sends SIGTERM and at once SIGHUP: whatever comes while the close runs must not
// cut it short. Only the same signal again once the close has run (the user insisting on
// an end that takes too long) ends the process at once.
TEST(SignalCloseDeathTest, OnlyARepeatAfterTheCloseEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char *name;
        int first;
        std::vector<int> during, after; // raised inside the close, and once it has run
        int killed_by;                  // 0: the process lives on
    };
    const Case cases[] = {
        {"logout: TERM, HUP during the close", SIGTERM, {SIGHUP}, {}, 0},
        {"HUP, TERM during the close", SIGHUP, {SIGTERM}, {}, 0},
        {"TERM twice during the close", SIGTERM, {SIGTERM, SIGINT}, {}, 0},
        {"TERM, then HUP once closed", SIGTERM, {}, {SIGHUP}, 0},
        {"TERM, then TERM once closed", SIGTERM, {}, {SIGTERM}, SIGTERM},
        {"INT, then INT once closed", SIGINT, {}, {SIGINT}, SIGINT},
        {"TERM with HUP during, then HUP once closed", SIGTERM, {SIGHUP}, {SIGHUP}, SIGHUP},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto run = [&c] {
            int calls = 0;
            SignalClose close([&](int) {
                for (int s : c.during)
                    raise(s);
                ++calls;
            });
            raise(c.first);
            if (!QTest::qWaitFor([&] { return calls > 0; }, 2000)) std::_Exit(3);
            for (int s : c.after)
                raise(s);
            QTest::qWait(50);
            std::_Exit(calls == 1 ? 0 : 2);
        };
        if (c.killed_by)
            EXPECT_EXIT(run(), testing::KilledBySignal(c.killed_by), "");
        else
            EXPECT_EXIT(run(), testing::ExitedWithCode(0), "");
    }
}

class SignalCloseForm : public FormTest {};

// Whatever nested loop is open when the signal comes, the form ends up closed through its
// close request: the settings file says Visible=0, and destroying the form does not
// write it again.
TEST_F(SignalCloseForm, ClosesPopupsAndModalDialogsThenTheForm) {
    struct Case {
        const char *name;
        std::function<void(QWidget *)> open; // runs a nested event loop until closed
    };
    const std::vector<Case> cases = {
        {"nothing open", [](QWidget *) { QTest::qWait(300); }},
        {"popup menu",
         [](QWidget *parent) {
             QMenu menu(parent);
             menu.addAction(QStringLiteral("one"));
             menu.exec(QPoint(10, 10));
         }},
        {"message box without an escape button",
         [](QWidget *parent) {
             QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                             QMessageBox::Ok | QMessageBox::Save, parent);
             box.exec();
         }},
        {"dialog opened from a popup menu",
         [](QWidget *parent) {
             QMenu menu(parent);
             QAction *action = menu.addAction(QStringLiteral("dialog"));
             QObject::connect(action, &QAction::triggered, parent, [parent] {
                 QDialog dialog(parent);
                 dialog.exec();
             });
             QTimer::singleShot(50, &menu, [action] { action->trigger(); });
             menu.exec(QPoint(10, 10));
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        recreate();
        show();
        QWidget *target = form.get();
        SignalClose close([target](int) { close_for_signal(target); });
        QTimer::singleShot(150, [] { raise(SIGTERM); });
        // A nested loop the signal failed to end is ended here, so the fault shows as a
        // failure rather than a hang.
        bool stuck = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&stuck] {
            stuck = true;
            while (QWidget *w = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                  : QApplication::activeModalWidget())
                w->hide();
        });
        watchdog.start(3000);
        c.open(form.get());
        watchdog.stop();
        EXPECT_FALSE(stuck) << "the signal left a popup or dialog open";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 2000));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        QFile ini(settings_file());
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        const QByteArray saved = ini.readAll();
        EXPECT_TRUE(saved.contains("\nVisible=0")) << saved.toStdString();
        ini.close();
        form.reset();
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        EXPECT_EQ(ini.readAll(), saved) << "the form's destruction wrote the file again";
    }
}

} // namespace
} // namespace trovel::test
