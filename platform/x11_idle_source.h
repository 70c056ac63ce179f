// Idle time from the X server's MIT-SCREEN-SAVER extension, on Qt's own connection, and
// the user's return from an alarm on the SYNC extension's IDLETIME counter, whose event
// Qt's event loop hands over, so that nobody asks while the user is away.
#pragma once

#include "platform/idle_time.h"

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace trovel {

class X11IdleSource : public IdleTimeSource {
public:
    // Without a connection, Qt's is taken at the first query; nothing is done before.
    explicit X11IdleSource(xcb_connection_t *connection = nullptr);
    ~X11IdleSource() override;
    X11IdleSource(const X11IdleSource &) = delete;
    X11IdleSource &operator=(const X11IdleSource &) = delete;

    std::optional<int64_t> idle_ms() override;
    // Only on Qt's connection, whose events Qt reads; elsewhere nothing is watched.
    void watch_for_return() override;
    bool quiet_since_last_answer() override;

private:
    class ReturnAlarm;
    enum class Extension { unchecked, present, absent };
    xcb_connection_t *connection_;
    uint32_t root_ = 0;
    Extension extension_ = Extension::unchecked;
    std::optional<int64_t> last_answer_;
    std::unique_ptr<ReturnAlarm> alarm_; // made at the first watch
    bool alarm_failed_ = false;
    bool watching_ = false; // armed after the last answer
};

} // namespace trovel
