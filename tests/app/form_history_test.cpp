// The history as the break cycle writes it: one row per event at the step where it
// happens, nothing before the bar is shown, the real history file in a temporary data
// folder, and the statistics window from the menu.
#include "app/statistics_window.h"
#include "form_fixture.h"
#include "history/history_file.h"
#include "support/fake_tray_host.h"

#include <QDir>
#include <QLabel>
#include <QTest>

namespace trovel::test {
namespace {

class FormHistory : public FormTest {
protected:
    // The rows recorded so far as "kind seconds" (and the source of a break taken).
    QStringList rows() const {
        QStringList out;
        for (const HistoryEvent &e : history.events)
            out << kind_name(e.kind) + ' ' + QString::number(e.seconds) +
                       (e.kind == HistoryKind::break_taken ? ' ' + source_name(e.source) : QString());
        return out;
    }
    // A fresh form with a data folder of its own, where its history file goes once it is
    // shown.
    void own_history_file() {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
        make_form({.history_file = true});
    }
    QString history_path() const { return data->filePath("trovel/history.sqlite"); }

    std::unique_ptr<QTemporaryDir> data;
};

TEST_F(FormHistory, EachEventIsOneRowAtItsStep) {
    struct Case {
        const char *what;
        std::function<void()> act; // from a 1-minute typing phase just begun
        QStringList rows;
    };
    const std::vector<Case> cases = {
        {"a rest run to its end", [this] { ticks(12); }, {"typing_phase 60", "rest_completed 60"}},
        {"a rest ignored after 20 s",
         [this] {
             ticks(8);
             form->btn_ignoreClick();
         },
         {"typing_phase 60", "rest_ignored 20"}},
        {"a break from the menu after 30 s",
         [this] {
             ticks(3);
             form->menu_test->Click();
         },
         {"break_taken 0 menu", "typing_phase 30"}},
        {"a break from the tray",
         [this] {
             ticks(1);
             tray->double_click_left();
         },
         {"break_taken 0 tray", "typing_phase 10"}},
        // The typing counted ends where the idle spell began.
        {"a natural break from the phase's start: away for 80 s, then a whole phase",
         [this] {
             for (int64_t ms : {60000, 70000, 80000, 0, 0, 0, 0, 0, 0}) {
                 idle->answer = ms;
                 ticks(1);
             }
         },
         {"natural_break 80", "typing_phase 60"}},
        {"a natural break after 20 s of typing in a 2-minute phase",
         [this] {
             type_length(form->N2min1);
             for (int64_t ms : {0, 0, 10000, 20000, 30000, 40000, 50000, 60000, 70000, 0}) {
                 idle->answer = ms;
                 ticks(1);
             }
         },
         {"typing_phase 20", "natural_break 70"}},
        {"a rest that waited 20 s for a full-screen program",
         [this] {
             full_screen->answer = true;
             ticks(7);
             full_screen->answer = false;
             ticks(1);
         },
         {"full_screen_wait 20", "typing_phase 80"}},
        {"pause and back",
         [this] {
             ticks(2);
             form->menu_pause->Click();
             ticks(5);
             form->menu_pause->Click();
         },
         {"typing_phase 20", "pause_on 0", "pause_off 0"}},
        // A phase that counted nothing leaves no row.
        {"a break taken while paused ends the pause",
         [this] {
             form->menu_pause->Click();
             form->menu_test->Click();
         },
         {"pause_on 0", "break_taken 0 menu", "pause_off 0"}},
        {"the end of the program", [this] { ticks(4), form.reset(); }, {"typing_phase 40", "program_end 0"}},
        {"the end while away",
         [this] {
             ticks(1);
             for (int64_t ms : {60000, 70000}) {
                 idle->answer = ms;
                 ticks(1);
             }
             form.reset();
         },
         {"natural_break 70", "program_end 0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show_on_screen();
        type_length(form->N1min1);
        history.events.clear();
        c.act();
        EXPECT_EQ(rows().join(", ").toStdString(), c.rows.join(", ").toStdString());
    }
}

TEST_F(FormHistory, StartIsRecordedOnceTheBarIsOnTheScreenAndNothingBefore) {
    own_history_file();
    form->menu_testClick();
    form->btn_ignoreClick();
    form->menu_pauseClick();
    form->menu_pauseClick();
    ticks(3);
    form.reset();
    EXPECT_FALSE(QDir(data->path()).exists("trovel")) << "nothing opened before the bar is shown";

    recreate();
    show();
    EXPECT_EQ(rows(), QStringList{}) << "not before the window system has put the bar on the screen";
    show_on_screen();
    show_on_screen();
    EXPECT_EQ(rows(), QStringList{"program_start 0"}) << "once";
    ticks(2);
    form->close(); // a close request, as a signal makes it
    form.reset();
    EXPECT_EQ(rows(), (QStringList{"program_start 0", "typing_phase 20", "program_end 0"}));
}

TEST_F(FormHistory, BreakCycleWritesOneRowPerEventToTheHistoryFile) {
    own_history_file();
    show_on_screen();
    type_length(form->N1min1);
    ticks(12); // a rest run to its end
    ticks(8);  // the next rest, ignored after 20 s
    form->btn_ignoreClick();
    for (int64_t ms : {60000, 70000, 0}) { // a natural break
        idle->answer = ms;
        ticks(1);
    }
    form.reset(); // the store writes what it holds and lets go of the file
    ASSERT_TRUE(QFile::exists(history_path()));

    HistoryFile file(history_path());
    std::map<HistoryKind, std::vector<int32_t>> seconds;
    for (const HistoryEvent &e : file.events())
        seconds[e.kind].push_back(e.seconds);
    using V = std::vector<int32_t>;
    EXPECT_EQ(seconds[HistoryKind::program_start], V{0});
    EXPECT_EQ(seconds[HistoryKind::rest_completed], V{60});
    EXPECT_EQ(seconds[HistoryKind::rest_ignored], V{20});
    EXPECT_EQ(seconds[HistoryKind::natural_break], V{70});
    EXPECT_EQ(seconds[HistoryKind::program_end], V{0});
    EXPECT_EQ(seconds[HistoryKind::typing_phase], (V{60, 60, 10}));
}

TEST_F(FormHistory, StatisticsMenuOpensOneWindowOverTheHistoryFile) {
    own_history_file();
    show_on_screen();
    type_length(form->N1min1);
    ticks(12);
    form->menu_statistics->Click();
    StatisticsWindow *window = form->statistics_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Trovel statistics");
    EXPECT_EQ(window->today_label->text(), "Today: 1 rest taken, 0 ignored, 0 natural breaks; 1 min typing");
    form->menu_statistics->Click();
    EXPECT_EQ(form->statistics_window(), window) << "one at a time";
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->statistics_window(), nullptr);

    form->menu_statistics->Click(); // open when the program ends
    QPointer<StatisticsWindow> open = form->statistics_window();
    form.reset();
    EXPECT_TRUE(open.isNull());
}

} // namespace
} // namespace trovel::test
