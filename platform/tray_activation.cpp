// Turning the tray icon's activations into clicks and double clicks.
#include "platform/tray_activation.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <chrono>

namespace trovel {

TrayActivationMap::TrayActivationMap(Clock now, Interval double_click_interval)
    : now_(std::move(now)), interval_(std::move(double_click_interval)) {
    using namespace std::chrono;
    if (!now_) now_ = [] { return time_point_cast<milliseconds>(steady_clock::now()).time_since_epoch().count(); };
    if (!interval_) interval_ = [] { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); };
}

void TrayActivationMap::map(TrayActivation a, const std::function<void(TrayNotification)> &send) {
    // The state is settled before anything is sent: a handler may raise, and the next
    // click must still be judged right.
    switch (a) {
    case TrayActivation::Trigger: {
        const int64_t t = now_();
        // As Qt judges presses: strictly less than the interval apart is a double click.
        // The click after a double click starts a new pair, as a third press does on a
        // window.
        const bool second = first_click_ && t - *first_click_ >= 0 && t - *first_click_ < interval_();
        second_click_taken_ = second;
        if (second) {
            first_click_.reset();
            // The double click stands in for the second press; its release follows.
            send(TrayNotification::LeftDouble);
            send(TrayNotification::LeftUp);
        } else {
            first_click_ = t;
            send(TrayNotification::LeftDown);
            send(TrayNotification::LeftUp);
        }
        break;
    }
    case TrayActivation::DoubleClick: {
        const bool taken = second_click_taken_;
        second_click_taken_ = false;
        first_click_.reset();
        if (!taken) send(TrayNotification::LeftDouble);
        break;
    }
    // Another button between two left clicks makes them two single clicks.
    case TrayActivation::Context:
        first_click_.reset();
        second_click_taken_ = false;
        send(TrayNotification::RightDown);
        send(TrayNotification::RightUp);
        break;
    case TrayActivation::MiddleClick:
        first_click_.reset();
        second_click_taken_ = false;
        send(TrayNotification::MiddleDown);
        send(TrayNotification::MiddleUp);
        break;
    }
}

} // namespace trovel
