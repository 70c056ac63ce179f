// The outside world as the program sees it: the millisecond counter, local time, the
// screens, the beep, the browser and the error box. The form and the widgets reach all
// of these through this one interface so tests can replace them with a fake.
#pragma once

#include "platform/error_boxes.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTime>
#include <cstdint>
#include <functional>

class QObject;

namespace trovel {

class Environment {
public:
    virtual ~Environment() = default;

    // A monotonic millisecond counter, 32 bits wide; it wraps after 2^32 ms.
    virtual uint32_t tick_count() = 0;
    // How long the computer has been suspended since it booted, in milliseconds: the
    // counter above stands still meanwhile. Only its growth between two readings is used.
    virtual int64_t time_asleep_ms() = 0;
    // The local time of day (milliseconds are ignored by every reader).
    virtual QTime local_time() = 0;

    // Size of the primary screen in pixels (W and H).
    virtual QSize screen_size() = 0;
    // Physical size of the primary screen in millimetres; empty when unknown.
    virtual QSizeF screen_size_mm() = 0;
    // Logical pixels per inch of the primary screen.
    virtual int screen_dpi() = 0;
    // Geometry of every screen, in the same coordinates as window positions, the primary
    // screen first.
    virtual QList<QRect> screen_rects() = 0;
    // Calls `changed` after a screen is added or removed, the primary screen changes or a
    // screen's geometry changes, until `context` is destroyed.
    virtual void watch_screens(QObject *context, std::function<void()> changed) = 0;

    // The desktop's default message beep.
    virtual void beep() = 0;
    // Open a URL (a web page, a mailto: address) in the user's browser.
    virtual void open_url(const QString &url) = 0;
    // The application's error report: a modal box with the error icon and an OK button.
    virtual void show_error(const QString &caption, const QString &text) = 0;
};

// The real thing: Qt's screens, CLOCK_MONOTONIC and CLOCK_BOOTTIME, QDesktopServices,
// QApplication::beep and QMessageBox (through ErrorBoxes).
class QtEnvironment : public Environment {
public:
    QtEnvironment();

    uint32_t tick_count() override;
    int64_t time_asleep_ms() override;
    QTime local_time() override;
    QSize screen_size() override;
    QSizeF screen_size_mm() override;
    int screen_dpi() override;
    QList<QRect> screen_rects() override;
    void watch_screens(QObject *context, std::function<void()> changed) override;
    void beep() override;
    void open_url(const QString &url) override;
    void show_error(const QString &caption, const QString &text) override;

    ErrorBoxes &error_boxes() { return error_boxes_; }

private:
    ErrorBoxes error_boxes_;
};

} // namespace trovel
