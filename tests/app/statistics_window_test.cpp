// The statistics window offscreen over a known history file: today's words, pixels at
// known points of the chart, a week older and newer, one window at a time that Escape
// closes, and the CSV export byte for byte through a stand-in file chooser.
#include "app/statistics_window.h"
#include "support/fake_environment.h"
#include "support/test_files.h"
#include "widgets/history_chart.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace trovel::test {
namespace {

// Answers only the CSV chooser: with `csv`, "" being a cancelled dialog.
class CsvDialogs : public Dialogs {
public:
    QString csv;
    int asked = 0;
    QString open_sound_file(QWidget *) override { return {}; }
    QString open_picture_file(QWidget *) override { return {}; }
    QString save_csv_file(QWidget *) override { return ++asked, csv; }
};

const QDate kToday(2026, 5, 20); // a Wednesday

QDateTime on(QDate d, int h, int m) { return QDateTime(d, QTime(h, m)); }

class StatisticsWindowTest : public ::testing::Test {
protected:
    StatisticsWindowTest() : store(dir.filePath(QStringLiteral("trovel/history.sqlite"))) {
        store.set_clock([] { return on(kToday, 16, 0); });
        // Today: 3 rests taken, 1 ignored, 2 natural breaks, 1 break taken, 72 min typing.
        for (int h : {9, 10, 11})
            add(HistoryEvent::rest_completed(300), on(kToday, h, 0));
        add(HistoryEvent::rest_ignored(40), on(kToday, 12, 0));
        add(HistoryEvent::natural_break(1800), on(kToday, 13, 0));
        add(HistoryEvent::natural_break(900), on(kToday, 14, 0));
        add(HistoryEvent::break_taken(BreakSource::tray), on(kToday, 14, 30));
        add(HistoryEvent::typing_phase(on(kToday, 8, 0), 72 * 60), on(kToday, 9, 12));
        // Two days ago: one rest. Twenty days ago: the first event recorded.
        add(HistoryEvent::rest_completed(60), on(kToday.addDays(-2), 10, 0));
        add(HistoryEvent::program_start(), on(kToday.addDays(-20), 8, 0));
    }
    void add(HistoryEvent e, QDateTime at) {
        e.at = at;
        store.record(e);
    }
    StatisticsWindow *open() {
        StatisticsWindow *w = show_statistics_window(slot, store, dialogs, env);
        w->resize(800, 480);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    ~StatisticsWindowTest() override { delete slot.data(); }

    QTemporaryDir dir;
    HistoryStore store;
    CsvDialogs dialogs;
    FakeEnvironment env;
    QPointer<StatisticsWindow> slot;
};

TEST_F(StatisticsWindowTest, SaysTodayInWords) {
    StatisticsWindow *w = open();
    EXPECT_EQ(w->windowTitle(), "Trovel statistics");
    EXPECT_EQ(w->today_label->text(), "Today: 3 rests taken, 1 ignored, 2 natural breaks; 1 h 12 min typing");
}

TEST_F(StatisticsWindowTest, ChartPixelsAtKnownPoints) {
    StatisticsWindow *w = open();
    HistoryChart *chart = w->chart;
    ASSERT_EQ(chart->days().size(), 14u);
    EXPECT_EQ(chart->days()[13].name, "Wed");
    EXPECT_EQ(chart->days()[13].date, "20");
    const QImage image = chart->grab().toImage();
    const ChartGeometry g = chart->current_geometry();
    auto pixel = [&](QPoint p) { return QColor(image.pixel(p)); };
    const DayColumn &today = g.days[13], &two_ago = g.days[11], &empty = g.days[12];

    EXPECT_EQ(g.counts.max, 6); // 3 + 2 + 1 today, in steps of 2
    EXPECT_NEAR(today.taken.height(), g.plot.height() / 2, 1);
    EXPECT_EQ(pixel(today.taken.center()), HistoryChart::kTakenColor);
    EXPECT_EQ(pixel(today.natural.center()), HistoryChart::kNaturalColor);
    EXPECT_EQ(pixel(today.ignored.center()), HistoryChart::kIgnoredColor);
    EXPECT_EQ(pixel(today.typing), HistoryChart::kTypingColor);
    EXPECT_EQ(pixel(two_ago.taken.center()), HistoryChart::kTakenColor);
    // Above the bars, between grid lines, and in a day without events: background.
    const int between = (g.count_ticks[1].y + g.count_ticks[2].y) / 2;
    EXPECT_EQ(pixel(QPoint(two_ago.taken.center().x(), between)), HistoryChart::kBackground);
    EXPECT_EQ(pixel(QPoint(empty.column.center().x(), between)), HistoryChart::kBackground);
    EXPECT_EQ(pixel(g.legend[0].swatch.center()), HistoryChart::kTakenColor);
}

TEST_F(StatisticsWindowTest, OlderAndNewerDaysAWeekAtATime) {
    StatisticsWindow *w = open();
    EXPECT_EQ(w->last_day_shown(), kToday);
    EXPECT_FALSE(w->newer_button->isEnabled());
    w->older_button->click();
    EXPECT_EQ(w->last_day_shown(), kToday.addDays(-7));
    EXPECT_EQ(w->chart->days()[13].date, "13");
    EXPECT_TRUE(w->newer_button->isEnabled());
    // The first recorded day, 20 days ago, is the first shown: no further back.
    EXPECT_FALSE(w->older_button->isEnabled());
    w->older_button->click();
    EXPECT_EQ(w->last_day_shown(), kToday.addDays(-7));
    w->newer_button->click();
    EXPECT_EQ(w->last_day_shown(), kToday);
}

TEST_F(StatisticsWindowTest, OneWindowAtATimeThatEscapeCloses) {
    StatisticsWindow *w = open();
    EXPECT_EQ(open(), w);
    EXPECT_TRUE(w->isWindow());
    EXPECT_NE(w->minimumSizeHint(), w->maximumSize()) << "resizable";
    add(HistoryEvent::rest_ignored(10), on(kToday, 15, 0));
    open(); // the open one is read again
    EXPECT_EQ(w->today_label->text(), "Today: 3 rests taken, 2 ignored, 2 natural breaks; 1 h 12 min typing");

    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(slot.isNull());
    EXPECT_NE(open(), nullptr);
}

TEST_F(StatisticsWindowTest, ExportsOneRowPerDayFromTheFirstRecordedByteForByte) {
    StatisticsWindow *w = open();
    dialogs.csv = dir.filePath(QStringLiteral("history.csv"));
    w->export_button->click();
    EXPECT_EQ(dialogs.asked, 1);
    QByteArray expected = "date,rests_taken,natural_breaks,ignored,breaks_taken,typing_minutes\n";
    for (int back = 20; back >= 0; --back) {
        const QDate d = kToday.addDays(-back);
        const QByteArray counts = back == 2 ? "1,0,0,0,0" : back == 0 ? "3,2,1,1,72" : "0,0,0,0,0";
        expected += d.toString(Qt::ISODate).toLatin1() + "," + counts + "\n";
    }
    EXPECT_EQ(read_file(dialogs.csv), expected);
    EXPECT_TRUE(env.errors.isEmpty());

    // Cancelled: nothing written. A folder that is not there: an error, nothing written.
    dialogs.csv.clear();
    w->export_button->click();
    dialogs.csv = dir.filePath(QStringLiteral("missing/history.csv"));
    w->export_button->click();
    ASSERT_EQ(env.errors.size(), 1);
    EXPECT_EQ(env.errors[0].first, "Trovel statistics");
    EXPECT_TRUE(env.errors[0].second.contains(dialogs.csv));
    EXPECT_FALSE(QFileInfo::exists(dialogs.csv));
}

TEST(StatisticsDialogs, CsvChooserSavesACsvFile) {
    QFileDialog dialog;
    set_up_csv_dialog(dialog);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(), QStringList{"CSV file (*.csv)"});
    EXPECT_EQ(dialog.defaultSuffix(), "csv");
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

} // namespace
} // namespace trovel::test
