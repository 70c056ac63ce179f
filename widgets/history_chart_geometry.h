// Where the statistics chart puts everything, as pure arithmetic on the widget's size and
// text sizes: per day a stacked bar (rests taken, natural breaks, rests ignored) against
// the count axis at the left, typing minutes as a line against the axis at the right,
// the day's name and date under its bar, and a legend above. Pixel rectangles, with
// heights rounded half up.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace trovel {

struct ChartDay {
    int taken = 0, natural = 0, ignored = 0;
    int typing_minutes = 0;
    QString name; // "Mon"
    QString date; // "29"
};

struct ChartMetrics {
    QSize size;
    int text_height = 12;
    int count_label_width = 24;          // the widest label of the count axis
    int minutes_label_width = 40;        // the widest label of the minutes axis
    std::vector<int> legend_text_widths; // one per legend entry, in the order drawn
};

struct AxisTick {
    int value = 0;
    int y = 0;
    QRect label;
    bool operator==(const AxisTick &) const = default;
};

struct DayColumn {
    QRect column;                  // the day's share of the plot's width, full height
    QRect taken, natural, ignored; // bottom up; empty when the count is 0
    QPoint typing;                 // the typing line's point
    QRect name_box, date_box;
    bool operator==(const DayColumn &) const = default;
};

struct LegendEntry {
    QRect swatch, text;
    bool operator==(const LegendEntry &) const = default;
};

struct Axis {
    int step = 1;
    int max = 1;
    bool operator==(const Axis &) const = default;
};

struct ChartGeometry {
    QRect plot; // the bars' area; its bottom edge (y + height) is the zero line
    Axis counts, minutes;
    std::vector<AxisTick> count_ticks, minute_ticks;
    std::vector<DayColumn> days;
    std::vector<LegendEntry> legend;
};

inline constexpr int kChartPad = 8; // around the chart
inline constexpr int kChartGap = 4; // between a label and what it labels

// The count axis for counts up to `top`: a step of 1, 2 or 5 times a power of ten, at
// most five steps, and at least 0 to 4.
Axis count_axis(int top);
// The minutes axis for up to `top` minutes: a step of 15 or 30 minutes or whole hours,
// at most four steps, and at least one hour.
Axis minutes_axis(int top);

ChartGeometry history_chart_geometry(const ChartMetrics &metrics, const std::vector<ChartDay> &days);

} // namespace trovel
