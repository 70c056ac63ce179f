// The statistics chart: paints the days it is given from history_chart_geometry. Only
// paints; the window sets the days.
#pragma once

#include "widgets/history_chart_geometry.h"

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace trovel {

class HistoryChart : public QWidget {
public:
    static inline const QColor kBackground{255, 255, 255};
    static inline const QColor kTakenColor{46, 160, 67};
    static inline const QColor kNaturalColor{66, 133, 244};
    static inline const QColor kIgnoredColor{219, 68, 55};
    static inline const QColor kTypingColor{242, 153, 0};
    static inline const QColor kGridColor{225, 225, 225};

    explicit HistoryChart(QWidget *parent = nullptr);

    void set_days(std::vector<ChartDay> days);
    const std::vector<ChartDay> &days() const { return days_; }
    // The geometry the chart is painted with at its present size and font.
    ChartGeometry current_geometry() const;
    // The legend's entries, in the order drawn.
    static QStringList legend_texts();
    // "0", "30 min", "1 h", "1 h 30".
    static QString minutes_label(int minutes);

    QSize sizeHint() const override { return QSize(720, 300); }
    QSize minimumSizeHint() const override { return QSize(420, 180); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<ChartDay> days_;
};

} // namespace trovel
