// The statistics window's controls and what its buttons do.
#include "app/statistics_window.h"

#include "history/csv_export.h"
#include "history/day_totals.h"
#include "widgets/history_chart.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace trovel {

namespace {

QString title() { return QCoreApplication::translate("trovel::StatisticsWindow", "Trovel statistics"); }

} // namespace

StatisticsWindow::StatisticsWindow(HistoryStore &store, Dialogs &dialogs, Environment &env, QWidget *parent)
    : QWidget(parent, Qt::Window), store_(store), dialogs_(dialogs), env_(env), zone_(QTimeZone::systemTimeZone()) {
    setWindowTitle(title());
    today_label = new QLabel(this);
    today_label->setObjectName(QStringLiteral("today"));
    QFont bold = today_label->font();
    bold.setBold(true);
    today_label->setFont(bold);
    chart = new HistoryChart(this);
    chart->setObjectName(QStringLiteral("chart"));
    older_button = new QPushButton(QCoreApplication::translate("trovel::StatisticsWindow", "< &Older"), this);
    newer_button = new QPushButton(QCoreApplication::translate("trovel::StatisticsWindow", "&Newer >"), this);
    range_label = new QLabel(this);
    range_label->setAlignment(Qt::AlignCenter);
    export_button = new QPushButton(QCoreApplication::translate("trovel::StatisticsWindow", "&Export CSV..."), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(older_button);
    buttons->addWidget(range_label, 1);
    buttons->addWidget(newer_button);
    buttons->addSpacing(24);
    buttons->addWidget(export_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(today_label);
    layout->addWidget(chart, 1);
    layout->addLayout(buttons);

    connect(older_button, &QPushButton::clicked, this, [this] { show_older(); });
    connect(newer_button, &QPushButton::clicked, this, [this] { show_newer(); });
    connect(export_button, &QPushButton::clicked, this, [this] { export_csv(); });
    resize(760, 420);
    refresh();
}

void StatisticsWindow::refresh() {
    events_ = store_.events();
    today_ = store_.now().toTimeZone(zone_).date();
    first_recorded_ = history_date_range(events_, today_, zone_).first;
    last_ = today_;
    const std::vector<DayTotals> today = day_totals(events_, today_, today_, zone_);
    today_label->setText(today_in_words(today.front()));
    show_days();
}

void StatisticsWindow::show_older() {
    // Not past the week that begins with the first recorded day.
    last_ = std::min(last_, std::max(last_.addDays(-kDaysPerStep), first_recorded_.addDays(kDaysShown - 1)));
    show_days();
}

void StatisticsWindow::show_newer() {
    last_ = std::min(last_.addDays(kDaysPerStep), today_);
    show_days();
}

void StatisticsWindow::show_days() {
    const QDate first = last_.addDays(1 - kDaysShown);
    const QLocale locale;
    std::vector<ChartDay> days;
    for (const DayTotals &d : day_totals(events_, first, last_, zone_))
        days.push_back(ChartDay{d.rests_taken, d.natural_breaks, d.ignored, d.typing_minutes(),
                                locale.dayName(d.date.dayOfWeek(), QLocale::ShortFormat),
                                QString::number(d.date.day())});
    chart->set_days(std::move(days));
    range_label->setText(
        QCoreApplication::translate("trovel::StatisticsWindow", "%1 to %2")
            .arg(locale.toString(first, QLocale::ShortFormat), locale.toString(last_, QLocale::ShortFormat)));
    older_button->setEnabled(first > first_recorded_);
    newer_button->setEnabled(last_ < today_);
}

void StatisticsWindow::export_csv() {
    const QString path = dialogs_.save_csv_file(this);
    if (path.isEmpty()) return;
    const auto [first, last] = history_date_range(events_, today_, zone_);
    QString error;
    if (!save_csv(path, day_totals(events_, first, last, zone_), &error)) env_.show_error(title(), error);
}

void StatisticsWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

StatisticsWindow *show_statistics_window(QPointer<StatisticsWindow> &window, HistoryStore &store, Dialogs &dialogs,
                                         Environment &env, QWidget *parent) {
    if (window) {
        window->refresh();
    } else {
        window = new StatisticsWindow(store, dialogs, env, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace trovel
