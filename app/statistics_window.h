// The statistics window: today in words, a chart of 14 days (older ones a week at a time
// by buttons) and the CSV export. One ordinary, resizable window that Escape closes; the
// form keeps at most one through show_statistics_window.
#pragma once

#include "app/dialogs.h"
#include "history/history_event.h"
#include "history/history_store.h"
#include "platform/environment.h"

#include <QDate>
#include <QPointer>
#include <QTimeZone>
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;

namespace trovel {

class HistoryChart;

class StatisticsWindow : public QWidget {
public:
    static constexpr int kDaysShown = 14;
    static constexpr int kDaysPerStep = 7;

    // Reads the history at once: make it only when it is to be shown.
    StatisticsWindow(HistoryStore &store, Dialogs &dialogs, Environment &env, QWidget *parent = nullptr);

    // Reads the history again and shows the days up to today.
    void refresh();
    void show_older();
    void show_newer();
    // Asks where to save and writes one row per day, from the first recorded to today.
    void export_csv();

    QDate today() const { return today_; }
    QDate last_day_shown() const { return last_; }

    QLabel *today_label = nullptr;
    QLabel *range_label = nullptr;
    HistoryChart *chart = nullptr;
    QPushButton *older_button = nullptr;
    QPushButton *newer_button = nullptr;
    QPushButton *export_button = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void show_days();

    HistoryStore &store_;
    Dialogs &dialogs_;
    Environment &env_;
    QTimeZone zone_;
    std::vector<HistoryEvent> events_;
    QDate today_, first_recorded_, last_;
};

// Shows the statistics window held in `window`: a new one when there is none (deleted
// when closed), otherwise the open one, read again and brought to the front.
StatisticsWindow *show_statistics_window(QPointer<StatisticsWindow> &window, HistoryStore &store, Dialogs &dialogs,
                                         Environment &env, QWidget *parent = nullptr);

} // namespace trovel
