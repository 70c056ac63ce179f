// Day totals with worked numbers: counting per local date, typing phases split at
// midnight, the days of the clock changes in Amsterdam, empty days; today's words and
// the CSV export.
#include "history/csv_export.h"
#include "history/day_totals.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trovel::test {
namespace {

const QTimeZone kAmsterdam("Europe/Amsterdam");

// A local time in Amsterdam; `offset_hours` picks one of the two 02:xx of the night the
// clocks go back.
QDateTime ams(QDate d, int h, int m, int offset_hours = 0) {
    if (offset_hours) return QDateTime(d, QTime(h, m), QTimeZone(offset_hours * 3600));
    return QDateTime(d, QTime(h, m), kAmsterdam);
}

HistoryEvent at(HistoryEvent e, QDateTime t) {
    e.at = t;
    return e;
}

HistoryEvent typing(QDateTime from, QDateTime to, int seconds) {
    return at(HistoryEvent::typing_phase(from, seconds), to);
}

struct TotalsCase {
    const char *name;
    std::vector<HistoryEvent> events;
    QDate first, last;
    std::vector<DayTotals> expected;
};

DayTotals day(QDate d, int taken, int natural, int ignored, int breaks, int64_t typing_s) {
    return DayTotals{d, taken, natural, ignored, breaks, typing_s * 1000};
}

TEST(DayTotals, WorkedNumbers) {
    const QDate d1(2026, 5, 4), d2(2026, 5, 5), d3(2026, 5, 6);
    const QDate spring(2026, 3, 29), autumn(2026, 10, 25); // 23 and 25 hours long
    const std::vector<TotalsCase> cases = {
        {"KindsCountOnTheirDayAndEmptyDaysArePresent",
         {at(HistoryEvent::rest_completed(60), ams(d1, 9, 0)), at(HistoryEvent::rest_completed(60), ams(d1, 10, 0)),
          at(HistoryEvent::natural_break(900), ams(d1, 12, 0)), at(HistoryEvent::rest_ignored(20), ams(d1, 13, 0)),
          at(HistoryEvent::break_taken(BreakSource::tray), ams(d1, 14, 0)),
          at(HistoryEvent::pause_on(), ams(d1, 15, 0)), at(HistoryEvent::full_screen_wait(30), ams(d3, 9, 0)),
          at(HistoryEvent::program_start(), ams(d3, 8, 0)), at(HistoryEvent::rest_ignored(50), ams(d3, 23, 59))},
         d1,
         d3,
         {day(d1, 2, 1, 1, 1, 0), day(d2, 0, 0, 0, 0, 0), day(d3, 0, 0, 1, 0, 0)}},
        {"ATypingPhaseOverMidnightSplitsItsMinutes",
         {typing(ams(d1, 23, 55), ams(d2, 0, 5), 600)},
         d1,
         d2,
         {day(d1, 0, 0, 0, 0, 300), day(d2, 0, 0, 0, 0, 300)}},
        {"CountedTimeIsLaidBackFromTheEnd", // held while away: 10 of the 30 minutes counted
         {typing(ams(d1, 23, 40), ams(d2, 0, 10), 600)},
         d1,
         d2,
         {day(d1, 0, 0, 0, 0, 0), day(d2, 0, 0, 0, 0, 600)}},
        {"AClockThatWentBackDuringAPhaseChangesNothing",
         {typing(ams(d2, 10, 30), ams(d2, 10, 0), 1200)},
         d2,
         d2,
         {day(d2, 0, 0, 0, 0, 1200)}},
        {"OnlyTheDaysAskedForAreCounted",
         {typing(ams(d1, 23, 50), ams(d2, 0, 20), 1800), at(HistoryEvent::rest_completed(60), ams(d1, 9, 0))},
         d2,
         d2,
         {day(d2, 0, 0, 0, 0, 1200)}},
        {"AnEventCountsOnItsDateInTheZone", // 23:30 UTC is already the next day in Amsterdam
         {at(HistoryEvent::rest_completed(60), QDateTime(d1, QTime(23, 30), QTimeZone::utc()))},
         d1,
         d2,
         {day(d1, 0, 0, 0, 0, 0), day(d2, 1, 0, 0, 0, 0)}},
        {"SpringDayOf23Hours",
         {typing(ams(spring, 1, 50), ams(spring, 3, 10), 1200), // 01:50 to 03:10 is 20 minutes
          typing(ams(spring, 23, 50), ams(spring.addDays(1), 0, 10), 1200)},
         spring,
         spring.addDays(1),
         {day(spring, 0, 0, 0, 0, 1800), day(spring.addDays(1), 0, 0, 0, 0, 600)}},
        {"AutumnDayOf25Hours",
         {at(HistoryEvent::rest_completed(60), ams(autumn, 2, 30, 2)),
          at(HistoryEvent::rest_completed(60), ams(autumn, 2, 30, 1)),
          typing(ams(autumn, 2, 50, 2), ams(autumn, 2, 10, 1), 1200),
          typing(ams(autumn, 23, 50), ams(autumn.addDays(1), 0, 10), 1200),
          typing(ams(autumn.addDays(-1), 23, 50), ams(autumn, 0, 10), 1200)},
         autumn.addDays(-1),
         autumn.addDays(1),
         {day(autumn.addDays(-1), 0, 0, 0, 0, 600), day(autumn, 2, 0, 0, 0, 600 + 1200 + 600),
          day(autumn.addDays(1), 0, 0, 0, 0, 600)}},
    };
    for (const TotalsCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<DayTotals> got = day_totals(c.events, c.first, c.last, kAmsterdam);
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(got[i].date.toString(Qt::ISODate).toStdString());
            EXPECT_EQ(got[i], c.expected[i])
                << "typing s " << got[i].typing_ms / 1000 << " rests " << got[i].rests_taken;
        }
    }
}

TEST(DayTotals, DateRangeTakesInTodayAndEveryEvent) {
    const QDate today(2026, 5, 6);
    EXPECT_EQ(history_date_range({}, today, kAmsterdam), std::make_pair(today, today));
    const std::vector<HistoryEvent> events = {at(HistoryEvent::pause_on(), ams(QDate(2026, 5, 1), 9, 0)),
                                              at(HistoryEvent::pause_on(), ams(QDate(2026, 5, 9), 9, 0))};
    EXPECT_EQ(history_date_range(events, today, kAmsterdam),
              std::make_pair(QDate(2026, 5, 1), QDate(2026, 5, 9))); // a clock once set ahead
}

TEST(DayTotals, TodayInWords) {
    struct Case {
        int taken, ignored, natural;
        int64_t typing_s;
        const char *words;
    };
    for (const Case &c : {
             Case{9, 2, 1, 192 * 60, "Today: 9 rests taken, 2 ignored, 1 natural break; 3 h 12 min typing"},
             Case{0, 0, 0, 0, "Today: 0 rests taken, 0 ignored, 0 natural breaks; 0 min typing"},
             Case{1, 1, 2, 120 * 60, "Today: 1 rest taken, 1 ignored, 2 natural breaks; 2 h typing"},
             Case{2, 0, 0, 29, "Today: 2 rests taken, 0 ignored, 0 natural breaks; 0 min typing"},
             Case{2, 0, 0, 59 * 60 + 30, "Today: 2 rests taken, 0 ignored, 0 natural breaks; 1 h typing"},
             Case{2, 0, 0, 61 * 60, "Today: 2 rests taken, 0 ignored, 0 natural breaks; 1 h 1 min typing"},
         }) {
        const DayTotals d{QDate(2026, 5, 4), c.taken, c.natural, c.ignored, 0, c.typing_s * 1000};
        EXPECT_EQ(today_in_words(d).toStdString(), c.words);
    }
}

TEST(CsvExport, OneRowPerDayAfterAHeader) {
    const std::vector<DayTotals> days = {
        DayTotals{QDate(2026, 3, 28), 9, 1, 2, 3, (192 * 60 + 20) * 1000},
        DayTotals{QDate(2026, 3, 29)},
    };
    EXPECT_EQ(csv_text(days), QByteArray("date,rests_taken,natural_breaks,ignored,breaks_taken,typing_minutes\n"
                                         "2026-03-28,9,1,2,3,192\n"
                                         "2026-03-29,0,0,0,0,0\n"));
}

TEST(CsvExport, WritesAtomicallyAndLeavesTheOldFileOnFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.csv"));
    const std::vector<DayTotals> days = {DayTotals{QDate(2026, 3, 29)}};
    const QByteArray text = csv_text(days);
    write_file(path, "old");
    QString error;
    EXPECT_TRUE(save_csv(path, days, &error)) << error.toStdString();
    EXPECT_EQ(read_file(path), text);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("week.csv")})
        << "no leftovers";

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.csv"));
    EXPECT_FALSE(save_csv(missing, days, &error));
    EXPECT_EQ(error, "Cannot write " + missing + ": No such file or directory");
    QDir().mkpath(dir.filePath(QStringLiteral("a_folder.csv")));
    EXPECT_FALSE(save_csv(dir.filePath(QStringLiteral("a_folder.csv")), days, &error));
    EXPECT_TRUE(error.endsWith(": Is a directory")) << error.toStdString();
    EXPECT_EQ(read_file(path), text);
}

} // namespace
} // namespace trovel::test
