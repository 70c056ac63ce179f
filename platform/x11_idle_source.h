// Idle time from the X server's MIT-SCREEN-SAVER extension, on Qt's own connection.
#pragma once

#include "platform/idle_time.h"

#include <cstdint>

struct xcb_connection_t;

namespace trovel {

class X11IdleSource : public IdleTimeSource {
public:
    // Without a connection, Qt's is taken at the first query; nothing is done before.
    explicit X11IdleSource(xcb_connection_t *connection = nullptr);
    std::optional<int64_t> idle_ms() override;

private:
    enum class Extension { unchecked, present, absent };
    xcb_connection_t *connection_;
    uint32_t root_ = 0;
    Extension extension_ = Extension::unchecked;
};

} // namespace trovel
