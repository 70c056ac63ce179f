// Qt reports the tray icon's mouse input as whole activations, and which ones depends on
// the notification area: an XEmbed tray gives a Trigger for a press and a DoubleClick for
// the second press of a double click, while a status-notifier panel (KDE Plasma, GNOME
// with AppIndicator, XFCE, ...) gives one Trigger for each click and never a DoubleClick.
// This map turns either into the notifications real clicks and double clicks send, timing
// the Triggers itself against the desktop's double-click interval.
#pragma once

#include "platform/tray_host.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace trovel {

enum class TrayActivation { Trigger, DoubleClick, Context, MiddleClick };

class TrayActivationMap {
public:
    // A monotonic millisecond counter, and the desktop's double-click interval in ms.
    using Clock = std::function<int64_t()>;
    using Interval = std::function<int()>;

    // Empty functions stand for the monotonic clock and the desktop's setting
    // (QStyleHints::mouseDoubleClickInterval), read at each click so a change applies at once.
    explicit TrayActivationMap(Clock now = {}, Interval double_click_interval = {});

    // Sends the notifications activation `a` stands for, in order.
    void map(TrayActivation a, const std::function<void(TrayNotification)> &send);

private:
    Clock now_;
    Interval interval_;
    // When the last Trigger came, while it may still become the first click of a double click.
    std::optional<int64_t> first_click_;
    // The last Trigger was taken as the second click of a double click, so a native
    // DoubleClick for the same press must not double click again.
    bool second_click_taken_ = false;
};

} // namespace trovel
