// One round trip per query: the screen saver extension's QueryInfo on the root window.
// A watch is one request without a reply: the alarm is set below the idle time just read,
// and the server sends its event when input brings the counter under it.
#include "platform/x11_idle_source.h"

#include "platform/x11_connection.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <cstdlib>
#include <cstring>
#include <xcb/screensaver.h>
#include <xcb/sync.h>
#include <xcb/xcb.h>

namespace trovel {

namespace {

// The IDLETIME system counter, or 0 when the server has none. The list is read by hand:
// each entry is a counter, an 8-byte resolution, a 16-bit name length and the name,
// padded to 4 bytes, and libxcb's iterator over it steps wrongly.
xcb_sync_counter_t idle_time_counter(xcb_connection_t *c) {
    xcb_sync_list_system_counters_reply_t *list =
        xcb_sync_list_system_counters_reply(c, xcb_sync_list_system_counters(c), nullptr);
    if (!list) return 0;
    const auto *at = reinterpret_cast<const uint8_t *>(list + 1);
    const auto *end = reinterpret_cast<const uint8_t *>(list) + 32 + size_t{list->length} * 4;
    xcb_sync_counter_t found = 0;
    for (uint32_t i = 0; i < list->counters_len && at + 14 <= end && !found; ++i) {
        uint32_t id = 0;
        uint16_t name_length = 0;
        std::memcpy(&id, at, 4);
        std::memcpy(&name_length, at + 12, 2);
        if (at + 14 + name_length > end) break;
        if (name_length == 8 && std::memcmp(at + 14, "IDLETIME", 8) == 0) found = id;
        at += (14 + name_length + 3) & ~3u;
    }
    std::free(list);
    return found;
}

} // namespace

// The alarm and the filter through which its event comes from Qt's event queue.
class X11IdleSource::ReturnAlarm : public QAbstractNativeEventFilter {
public:
    // Nothing when the server has no SYNC extension or no IDLETIME counter.
    static std::unique_ptr<ReturnAlarm> make(xcb_connection_t *c) {
        const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_sync_id);
        if (!ext || !ext->present) return nullptr;
        std::free(xcb_sync_initialize_reply(c, xcb_sync_initialize(c, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION),
                                            nullptr));
        const xcb_sync_counter_t counter = idle_time_counter(c);
        if (!counter) return nullptr;
        return std::unique_ptr<ReturnAlarm>(new ReturnAlarm(c, counter, ext->first_event + XCB_SYNC_ALARM_NOTIFY));
    }

    ~ReturnAlarm() override {
        if (auto *app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
        if (created_ && !xcb_connection_has_error(c_)) {
            xcb_sync_destroy_alarm(c_, alarm_);
            xcb_flush(c_);
        }
    }

    // Input since the reading brings the counter under half of it at once; half leaves
    // room for a counter value the server has not brought up to date. An alarm set under
    // a counter already below fires at once, so input just before is not missed.
    bool arm(int64_t idle_ms) {
        const int64_t below = idle_ms / 2;
        if (below <= 0 || xcb_connection_has_error(c_)) return false;
        const uint32_t value[] = {static_cast<uint32_t>(below >> 32), static_cast<uint32_t>(below)};
        if (!created_) {
            alarm_ = xcb_generate_id(c_);
            const uint32_t list[] = {
                counter_, XCB_SYNC_VALUETYPE_ABSOLUTE, value[0], value[1], XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON, 0, 0,
                1};
            xcb_sync_create_alarm(c_, alarm_,
                                  XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE |
                                      XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS,
                                  list);
            created_ = true;
        } else {
            // An alarm that fired went inactive; a change sets it going again.
            const uint32_t list[] = {value[0], value[1], 1};
            xcb_sync_change_alarm(c_, alarm_, XCB_SYNC_CA_VALUE | XCB_SYNC_CA_EVENTS, list);
        }
        xcb_flush(c_);
        fired_ = false;
        return true;
    }

    bool fired() const { return fired_ || xcb_connection_has_error(c_); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override {
        if (type != "xcb_generic_event_t" || !created_) return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != notify_type_) return false;
        const auto *notify = reinterpret_cast<const xcb_sync_alarm_notify_event_t *>(event);
        if (notify->alarm != alarm_) return false;
        if (notify->state != XCB_SYNC_ALARMSTATE_DESTROYED) fired_ = true;
        return true;
    }

private:
    ReturnAlarm(xcb_connection_t *c, xcb_sync_counter_t counter, uint8_t notify_type)
        : c_(c), counter_(counter), notify_type_(notify_type) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    xcb_connection_t *c_;
    xcb_sync_counter_t counter_;
    uint8_t notify_type_;
    xcb_sync_alarm_t alarm_ = 0;
    bool created_ = false;
    bool fired_ = true;
};

X11IdleSource::X11IdleSource(xcb_connection_t *connection) : connection_(connection) {}

X11IdleSource::~X11IdleSource() = default;

std::optional<int64_t> X11IdleSource::idle_ms() {
    last_answer_.reset();
    watching_ = false;
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
    last_answer_ = plausible_idle_ms(ms);
    return last_answer_;
}

void X11IdleSource::watch_for_return() {
    if (!last_answer_ || alarm_failed_) return;
    if (!alarm_) {
        // Qt reads the events of its own connection only; the filter needs its application.
        if (!QCoreApplication::instance() || connection_ != x11::qt_connection()) return;
        alarm_ = ReturnAlarm::make(connection_);
        alarm_failed_ = !alarm_;
        if (!alarm_) return;
    }
    watching_ = alarm_->arm(*last_answer_);
}

bool X11IdleSource::quiet_since_last_answer() { return watching_ && !alarm_->fired(); }

} // namespace trovel
