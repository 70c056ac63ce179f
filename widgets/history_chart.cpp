// Painting the statistics chart.
#include "widgets/history_chart.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace trovel {

HistoryChart::HistoryChart(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the chart paints all of its rectangle
}

void HistoryChart::set_days(std::vector<ChartDay> days) {
    days_ = std::move(days);
    update();
}

QStringList HistoryChart::legend_texts() {
    return {QCoreApplication::translate("trovel::HistoryChart", "rests taken"),
            QCoreApplication::translate("trovel::HistoryChart", "natural breaks"),
            QCoreApplication::translate("trovel::HistoryChart", "rests ignored"),
            QCoreApplication::translate("trovel::HistoryChart", "typing (right axis)")};
}

QString HistoryChart::minutes_label(int minutes) {
    if (minutes == 0) return QStringLiteral("0");
    if (minutes < 60) return QCoreApplication::translate("trovel::HistoryChart", "%1 min").arg(minutes);
    if (minutes % 60 == 0) return QCoreApplication::translate("trovel::HistoryChart", "%1 h").arg(minutes / 60);
    return QCoreApplication::translate("trovel::HistoryChart", "%1 h %2").arg(minutes / 60).arg(minutes % 60);
}

ChartGeometry HistoryChart::current_geometry() const {
    const QFontMetrics fm(font());
    ChartMetrics m;
    m.size = size();
    m.text_height = fm.height();
    m.count_label_width = fm.horizontalAdvance(QStringLiteral("0000"));
    m.minutes_label_width = fm.horizontalAdvance(minutes_label(10 * 60 + 10)); // the widest, in this language
    for (const QString &text : legend_texts())
        m.legend_text_widths.push_back(fm.horizontalAdvance(text));
    return history_chart_geometry(m, days_);
}

void HistoryChart::paintEvent(QPaintEvent *) {
    const ChartGeometry g = current_geometry();
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    const QColor text_color(40, 40, 40);
    const int left = g.plot.x(), right = g.plot.x() + g.plot.width();
    const int zero = g.plot.y() + g.plot.height();

    p.setPen(text_color);
    for (const AxisTick &t : g.count_ticks) {
        if (t.value > 0) {
            p.setPen(kGridColor);
            p.drawLine(left, t.y, right - 1, t.y);
            p.setPen(text_color);
        }
        p.drawText(t.label, Qt::AlignRight | Qt::AlignVCenter, QString::number(t.value));
    }
    for (const AxisTick &t : g.minute_ticks)
        p.drawText(t.label, Qt::AlignLeft | Qt::AlignVCenter, minutes_label(t.value));

    for (size_t i = 0; i < g.days.size(); ++i) {
        const DayColumn &c = g.days[i];
        p.fillRect(c.taken, kTakenColor);
        p.fillRect(c.natural, kNaturalColor);
        p.fillRect(c.ignored, kIgnoredColor);
        p.drawText(c.name_box, Qt::AlignHCenter | Qt::AlignTop, days_[i].name);
        p.drawText(c.date_box, Qt::AlignHCenter | Qt::AlignTop, days_[i].date);
    }
    p.setPen(text_color);
    p.drawLine(left, zero, right - 1, zero);

    // The typing line over the bars, with a square mark on each day.
    if (!g.days.empty()) {
        QPolygon line;
        for (const DayColumn &c : g.days)
            line << c.typing;
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kTypingColor, 2));
        p.drawPolyline(line);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (const DayColumn &c : g.days)
            p.fillRect(QRect(c.typing - QPoint(2, 2), QSize(5, 5)), kTypingColor);
    }

    const QStringList texts = legend_texts();
    const QColor swatches[] = {kTakenColor, kNaturalColor, kIgnoredColor, kTypingColor};
    p.setPen(text_color);
    for (size_t i = 0; i < g.legend.size() && i < 4; ++i) {
        p.fillRect(g.legend[i].swatch, swatches[i]);
        p.drawText(g.legend[i].text, Qt::AlignLeft | Qt::AlignVCenter, texts[int(i)]);
    }
}

} // namespace trovel
