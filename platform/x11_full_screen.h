// "Another program is full screen" on X11: the root's _NET_ACTIVE_WINDOW, when it is not
// one of ours, is mapped and covers a whole screen.
#pragma once

#include "platform/full_screen.h"

#include <QList>
#include <QRect>
#include <cstdint>
#include <functional>

struct xcb_connection_t;

namespace trovel {

class X11FullScreenProbe : public FullScreenProbe {
public:
    // Whether an X window is one of this program's own.
    using OwnWindow = std::function<bool(uint32_t window)>;

    // Empty arguments take Qt's: its connection (at the first query, not before) and its
    // windows. The screens are always Qt's.
    explicit X11FullScreenProbe(xcb_connection_t *connection = nullptr, OwnWindow own_window = {});
    bool other_program_full_screen() override;

private:
    bool connect();

    xcb_connection_t *connection_;
    OwnWindow own_window_;
    bool connected_ = false;
    bool unusable_ = false;
    uint32_t root_ = 0;
    uint32_t net_active_window_ = 0, net_wm_window_type_ = 0, net_wm_window_type_desktop_ = 0;
};

// Whether `window` is the X window of one of this application's top-level Qt windows.
bool is_qt_window_of_ours(uint32_t window);

// Qt's screens in X pixels (Qt keeps a screen's top-left corner in device pixels and
// divides only its size by the scale factor).
QList<QRect> qt_screen_rects_in_device_pixels();

} // namespace trovel
