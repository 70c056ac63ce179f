// The statistics chart's arithmetic.
#include "widgets/history_chart_geometry.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace trovel {

namespace {

int steps_needed(int top, int step) { return (top + step - 1) / step; }

// Distance from the zero line for `value` of `max` over `height` pixels, half up.
int scaled(int value, int max, int height) {
    if (max <= 0 || height <= 0) return 0;
    return static_cast<int>((int64_t(value) * height * 2 + max) / (int64_t(max) * 2));
}

} // namespace

Axis count_axis(int top) {
    top = std::max(top, 4);
    for (int power = 1;; power *= 10)
        for (int factor : {1, 2, 5})
            if (const int step = factor * power; steps_needed(top, step) <= 5)
                return Axis{step, steps_needed(top, step) * step};
}

Axis minutes_axis(int top) {
    top = std::max(top, 60);
    static constexpr std::array<int, 9> kSteps{15, 30, 60, 120, 180, 240, 360, 480, 720};
    for (int step : kSteps)
        if (steps_needed(top, step) <= 4) return Axis{step, steps_needed(top, step) * step};
    const int step = steps_needed(steps_needed(top, 4), 720) * 720; // whole half-days
    return Axis{step, steps_needed(top, step) * step};
}

ChartGeometry history_chart_geometry(const ChartMetrics &m, const std::vector<ChartDay> &days) {
    ChartGeometry g;
    const int th = m.text_height;
    const int left = kChartPad + m.count_label_width + kChartGap;
    const int right = m.size.width() - kChartPad - m.minutes_label_width - kChartGap;
    // Room above for the legend and half of the top tick's label.
    const int top = kChartPad + th + kChartPad + th / 2;
    // Room below for two lines of day labels.
    const int base = m.size.height() - kChartPad - 2 * th - kChartGap;
    g.plot = QRect(left, top, std::max(right - left, 0), std::max(base - top, 0));
    const int w = g.plot.width(), h = g.plot.height();
    const int zero = top + h;

    int count_top = 0, minutes_top = 0;
    for (const ChartDay &d : days) {
        count_top = std::max(count_top, d.taken + d.natural + d.ignored);
        minutes_top = std::max(minutes_top, d.typing_minutes);
    }
    g.counts = count_axis(count_top);
    g.minutes = minutes_axis(minutes_top);
    auto count_y = [&](int v) { return zero - scaled(v, g.counts.max, h); };
    auto minutes_y = [&](int v) { return zero - scaled(v, g.minutes.max, h); };

    for (int v = 0; v <= g.counts.max; v += g.counts.step) {
        const int y = count_y(v);
        g.count_ticks.push_back({v, y, QRect(kChartPad, y - th / 2, m.count_label_width, th)});
    }
    for (int v = 0; v <= g.minutes.max; v += g.minutes.step) {
        const int y = minutes_y(v);
        g.minute_ticks.push_back({v, y, QRect(left + w + kChartGap, y - th / 2, m.minutes_label_width, th)});
    }

    const int n = static_cast<int>(days.size());
    for (int i = 0; i < n; ++i) {
        const ChartDay &d = days[static_cast<size_t>(i)];
        const int x0 = left + i * w / n, x1 = left + (i + 1) * w / n;
        const int cw = x1 - x0;
        const int bar_w = std::max(cw * 3 / 5, cw > 0 ? 1 : 0);
        const int bx = x0 + (cw - bar_w) / 2;
        auto segment = [&](int from, int to) {
            const int y_from = count_y(from), y_to = count_y(to);
            return QRect(bx, y_to, bar_w, y_from - y_to);
        };
        DayColumn c;
        c.column = QRect(x0, top, cw, h);
        c.taken = segment(0, d.taken);
        c.natural = segment(d.taken, d.taken + d.natural);
        c.ignored = segment(d.taken + d.natural, d.taken + d.natural + d.ignored);
        c.typing = QPoint(bx + bar_w / 2, minutes_y(d.typing_minutes));
        c.name_box = QRect(x0, zero + kChartGap, cw, th);
        c.date_box = QRect(x0, zero + kChartGap + th, cw, th);
        g.days.push_back(c);
    }

    int x = left;
    for (int text_w : m.legend_text_widths) {
        g.legend.push_back({QRect(x, kChartPad, th, th), QRect(x + th + kChartGap, kChartPad, text_w, th)});
        x += th + kChartGap + text_w + 3 * kChartGap;
    }
    return g;
}

} // namespace trovel
