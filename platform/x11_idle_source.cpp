// One round trip per query: the screen saver extension's QueryInfo on the root window.
#include "platform/x11_idle_source.h"

#include "platform/x11_connection.h"

#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

namespace trovel {

X11IdleSource::X11IdleSource(xcb_connection_t *connection) : connection_(connection) {}

std::optional<int64_t> X11IdleSource::idle_ms() {
    if (extension_ == Extension::absent) return std::nullopt;
    if (extension_ == Extension::unchecked) {
        if (!connection_) connection_ = x11::qt_connection();
        const xcb_query_extension_reply_t *ext =
            connection_ ? xcb_get_extension_data(connection_, &xcb_screensaver_id) : nullptr;
        root_ = ext && ext->present ? x11::root_window(connection_) : 0;
        extension_ = root_ != 0 ? Extension::present : Extension::absent;
        if (extension_ == Extension::absent) return std::nullopt;
    }
    if (xcb_connection_has_error(connection_)) return std::nullopt;
    // An error is taken here, so it never reaches Qt's event queue as a warning.
    xcb_generic_error_t *error = nullptr;
    xcb_screensaver_query_info_reply_t *info =
        xcb_screensaver_query_info_reply(connection_, xcb_screensaver_query_info(connection_, root_), &error);
    std::free(error);
    if (!info) return std::nullopt;
    const uint64_t ms = info->ms_since_user_input;
    std::free(info);
    return plausible_idle_ms(ms);
}

} // namespace trovel
