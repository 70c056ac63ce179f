// A stand-in for the outside world in tests: every reading comes from a public field the
// test sets, and every action is recorded for the test to inspect.
#pragma once

#include "platform/environment.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <functional>

namespace trovel::test {

class FakeEnvironment : public Environment {
public:
    // Readings.
    uint32_t tick = 0;
    int64_t asleep_ms = 0; // time suspended: a test adds to it for a sleep
    QTime time{10, 0, 0};
    QSizeF screen_mm; // empty: the physical size is unknown
    int dpi = 96;
    QList<QRect> screens{QRect(0, 0, 1024, 768)}; // the primary first

    // Recorded actions.
    int beeps = 0;
    QStringList opened_urls;
    QList<QPair<QPointer<QObject>, std::function<void()>>> screen_watchers;
    QList<QPair<QString, QString>> errors; // caption, text

    // Moves both the millisecond counter and the time of day forward.
    void advance_ms(uint32_t ms);
    // Replaces the screens and tells the watchers that are still alive, as the desktop does.
    void change_screens(const QList<QRect> &now);

    uint32_t tick_count() override { return tick; }
    int64_t time_asleep_ms() override { return asleep_ms; }
    QTime local_time() override { return time; }
    QSize screen_size() override { return screens.value(0).size(); }
    QSizeF screen_size_mm() override { return screen_mm; }
    int screen_dpi() override { return dpi; }
    QList<QRect> screen_rects() override { return screens; }
    void watch_screens(QObject *context, std::function<void()> changed) override;
    void beep() override { ++beeps; }
    void open_url(const QString &url) override { opened_urls.append(url); }
    void show_error(const QString &caption, const QString &text) override { errors.append({caption, text}); }
};

} // namespace trovel::test
