// The statistics chart's arithmetic with worked numbers: a 644 x 263 chart whose plot is
// 560 x 200 pixels, 14 columns of 40; the axes' steps; a chart too small to draw.
#include "widgets/history_chart_geometry.h"

#include <gtest/gtest.h>

namespace trovel::test {
namespace {

ChartMetrics metrics(QSize size) {
    ChartMetrics m;
    m.size = size;
    m.text_height = 10;
    m.count_label_width = 20;
    m.minutes_label_width = 40;
    m.legend_text_widths = {50, 60};
    return m;
}

TEST(HistoryChartGeometry, Axes) {
    struct Case {
        int top;
        Axis counts, minutes;
    };
    for (const Case &c :
         {Case{0, {1, 4}, {15, 60}}, Case{5, {1, 5}, {15, 60}}, Case{6, {2, 6}, {15, 60}}, Case{9, {2, 10}, {15, 60}},
          Case{11, {5, 15}, {15, 60}}, Case{61, {20, 80}, {30, 90}}, Case{192, {50, 200}, {60, 240}},
          Case{500, {100, 500}, {180, 540}}, Case{3000, {1000, 3000}, {1440, 4320}}}) {
        SCOPED_TRACE(c.top);
        EXPECT_EQ(count_axis(c.top), c.counts);
        EXPECT_EQ(minutes_axis(c.top), c.minutes);
    }
}

TEST(HistoryChartGeometry, WorkedNumbers) {
    // Left: 8 + 20 + 4 = 32; right: 644 - 8 - 40 - 4 = 592. Top: 8 + 10 + 8 + 5 = 31;
    // zero line: 263 - 8 - 20 - 4 = 231.
    std::vector<ChartDay> days(14);
    days[0] = {3, 1, 2, 192, "Mon", "4"};
    days[13] = {9, 0, 0, 7, "Sun", "17"};
    const ChartGeometry g = history_chart_geometry(metrics(QSize(644, 263)), days);
    EXPECT_EQ(g.plot, QRect(32, 31, 560, 200));
    EXPECT_EQ(g.counts, (Axis{2, 10})); // 9 at most: five steps of 2
    EXPECT_EQ(g.minutes, (Axis{60, 240}));

    // Counts: 20 pixels each. Minutes: 200 / 240 of a pixel each.
    ASSERT_EQ(g.days.size(), 14u);
    EXPECT_EQ(g.days[0],
              (DayColumn{QRect(32, 31, 40, 200), QRect(40, 171, 24, 60), QRect(40, 151, 24, 20), QRect(40, 111, 24, 40),
                         QPoint(52, 71), QRect(32, 235, 40, 10), QRect(32, 245, 40, 10)}));
    // An empty day: no bars, the line on the zero line.
    EXPECT_TRUE(g.days[1].taken.isEmpty() && g.days[1].natural.isEmpty() && g.days[1].ignored.isEmpty());
    EXPECT_EQ(g.days[1].typing, QPoint(92, 231));
    EXPECT_EQ(g.days[13].column, QRect(552, 31, 40, 200));
    EXPECT_EQ(g.days[13].taken, QRect(560, 51, 24, 180));
    EXPECT_EQ(g.days[13].typing, QPoint(572, 225)); // 7 minutes: 5.83 pixels, rounded to 6

    EXPECT_EQ(g.count_ticks, (std::vector<AxisTick>{{0, 231, QRect(8, 226, 20, 10)},
                                                    {2, 191, QRect(8, 186, 20, 10)},
                                                    {4, 151, QRect(8, 146, 20, 10)},
                                                    {6, 111, QRect(8, 106, 20, 10)},
                                                    {8, 71, QRect(8, 66, 20, 10)},
                                                    {10, 31, QRect(8, 26, 20, 10)}}));
    EXPECT_EQ(g.minute_ticks, (std::vector<AxisTick>{{0, 231, QRect(596, 226, 40, 10)},
                                                     {60, 181, QRect(596, 176, 40, 10)},
                                                     {120, 131, QRect(596, 126, 40, 10)},
                                                     {180, 81, QRect(596, 76, 40, 10)},
                                                     {240, 31, QRect(596, 26, 40, 10)}}));
    EXPECT_EQ(g.legend, (std::vector<LegendEntry>{{QRect(32, 8, 10, 10), QRect(46, 8, 50, 10)},
                                                  {QRect(108, 8, 10, 10), QRect(122, 8, 60, 10)}}));
}

TEST(HistoryChartGeometry, ColumnsShareAnUnevenWidthWithoutGaps) {
    std::vector<ChartDay> days(3, ChartDay{1, 0, 0, 0, "", ""});
    const ChartGeometry g = history_chart_geometry(metrics(QSize(84 + 100, 263)), days); // 100 over 3
    ASSERT_EQ(g.days.size(), 3u);
    EXPECT_EQ(g.days[0].column, QRect(32, 31, 33, 200));
    EXPECT_EQ(g.days[1].column, QRect(65, 31, 33, 200));
    EXPECT_EQ(g.days[2].column, QRect(98, 31, 34, 200));
}

TEST(HistoryChartGeometry, TooSmallToDrawGivesNothingNegative) {
    for (QSize size : {QSize(0, 0), QSize(40, 30), QSize(100, 60)}) {
        SCOPED_TRACE(size.width());
        const ChartGeometry g =
            history_chart_geometry(metrics(size), std::vector<ChartDay>(14, {5, 5, 5, 600, "", ""}));
        EXPECT_GE(g.plot.width(), 0);
        EXPECT_GE(g.plot.height(), 0);
        for (const DayColumn &c : g.days)
            EXPECT_TRUE(c.taken.width() >= 0 && c.taken.height() >= 0 && c.ignored.height() >= 0);
    }
}

} // namespace
} // namespace trovel::test
