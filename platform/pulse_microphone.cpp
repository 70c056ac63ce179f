#include "platform/pulse_microphone.h"

#include "platform/pulse_api.h"
#include "platform/pulse_qt_mainloop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <map>
#include <string>

namespace trovel {

bool is_a_recording(const RecordingStream &stream, qint64 own_pid) {
    if (stream.corked) return false;
    // A volume control's meter takes only peaks; these are the meters of the usual ones.
    if (stream.resample_method == "peaks") return false;
    for (const char *meter : {"org.PulseAudio.pavucontrol", "org.gnome.VolumeControl", "org.kde.kmixd"})
        if (stream.application_id == meter) return false;
    bool is_number = false;
    const qint64 pid = stream.process_id.toLongLong(&is_number);
    return !(is_number && pid == own_pid);
}

struct PulseMicrophone::Watch {
    struct Stream {
        uint32_t source;
        bool recording; // is_a_recording, whatever its source
    };

    const char *library;
    bool started = false;
    const PulseApi *pa = nullptr;
    PulseQtMainloop loop;
    pa_context *context = nullptr;
    bool listed = false; // the server's streams were listed on this connection
    bool was_ready = false;
    QElapsedTimer ready_since;
    int quick_failures = 0;
    int attempts = 0;
    std::map<uint32_t, bool> monitor_source; // source index: records what an output plays
    std::map<uint32_t, Stream> streams;      // source output index
    State told = State::unknown;
    std::function<void()> changed;
    QTimer retry;

    explicit Watch(const char *library) : library(library) {
        retry.setSingleShot(true);
        QObject::connect(&retry, &QTimer::timeout, [this] { connect(); });
    }

    ~Watch() {
        if (context) {
            pa->pa_context_set_state_callback(context, nullptr, nullptr);
            pa->pa_context_set_subscribe_callback(context, nullptr, nullptr);
            pa->pa_context_disconnect(context);
            pa->pa_context_unref(context);
        }
    }

    State state() const {
        if (!listed) return State::unknown;
        const bool recording = std::any_of(streams.begin(), streams.end(), [this](const auto &entry) {
            const Stream &stream = entry.second;
            const auto source = monitor_source.find(stream.source);
            // A source not heard of yet was made a moment ago: monitors come with their output.
            return stream.recording && (source == monitor_source.end() || !source->second);
        });
        return recording ? State::recording : State::free;
    }

    void tell() {
        const State now = state();
        if (now == told) return;
        told = now;
        if (changed) changed();
    }

    void drop(pa_operation *operation) {
        if (operation) pa->pa_operation_unref(operation);
    }

    void connect() {
        ++attempts;
        was_ready = false;
        pa_proplist *properties = pa->pa_proplist_new();
        pa->pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Trovel");
        pa->pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "trovel");
        pa_context *c = pa->pa_context_new_with_proplist(loop.api(), nullptr, properties);
        pa->pa_proplist_free(properties);
        if (!c) return; // out of memory: stays unknown
        context = c;
        pa->pa_context_set_state_callback(c, on_state, this);
        // NOFAIL: with no server, libpulse waits for one to appear on the session bus instead
        // of failing; only with a bus to ask, since without one libdbus would launch one.
        // Never autospawn: a break reminder must not start a sound server.
        const bool bus = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
                         QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/bus");
        const auto flags = pa_context_flags_t(PA_CONTEXT_NOAUTOSPAWN | (bus ? PA_CONTEXT_NOFAIL : 0));
        // It fails at once when no server listens and nothing could tell when one does (no
        // bus to wait on): then the state stays unknown, and nothing is retried.
        if (pa->pa_context_connect(c, nullptr, flags, nullptr) < 0 && context == c) lost(c, true);
    }

    // The connection is gone: forget what it said, and try again unless nothing would
    // tell when to.
    void lost(pa_context *c, bool at_connect = false) {
        const int error = pa->pa_context_errno(c);
        const bool steady = was_ready && ready_since.elapsed() >= kSteadyMs;
        const bool refused_at_once = at_connect || (!was_ready && error == PA_ERR_CONNECTIONREFUSED);
        // Safe inside the context's own callbacks: libpulse holds a reference while it calls.
        pa->pa_context_unref(c);
        context = nullptr;
        listed = false;
        streams.clear();
        monitor_source.clear();
        tell();
        if (refused_at_once) return;
        if (steady) quick_failures = 0;
        const int delay = steady ? 0 : std::min(kFirstRetryMs << std::min(quick_failures, 8), kLongestRetryMs);
        if (!steady) ++quick_failures;
        retry.start(delay);
    }

    void ready(pa_context *c) {
        was_ready = true;
        ready_since.start();
        pa->pa_context_set_subscribe_callback(c, on_event, this);
        const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
        drop(pa->pa_context_subscribe(c, mask, nullptr, nullptr));
        // Asked after subscribing: a stream that comes in between is announced and listed,
        // and keeping it twice is harmless. The answers come in the order asked.
        drop(pa->pa_context_get_source_info_list(c, on_source, this));
        drop(pa->pa_context_get_source_output_info_list(c, on_stream_list, this));
    }

    void keep(const pa_source_output_info &info) {
        const auto property = [&info, this](const char *key) {
            const char *value = pa->pa_proplist_gets(info.proplist, key);
            return value ? QByteArray(value) : QByteArray();
        };
        RecordingStream stream;
        stream.corked = info.corked != 0;
        stream.process_id = property(PA_PROP_APPLICATION_PROCESS_ID);
        stream.application_id = property(PA_PROP_APPLICATION_ID);
        stream.resample_method = info.resample_method ? QByteArray(info.resample_method) : QByteArray();
        streams[info.index] = {info.source, is_a_recording(stream, QCoreApplication::applicationPid())};
    }

    static void on_state(pa_context *c, void *userdata) {
        auto *watch = static_cast<Watch *>(userdata);
        if (c != watch->context) return;
        switch (watch->pa->pa_context_get_state(c)) {
        case PA_CONTEXT_READY:
            watch->ready(c);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            watch->lost(c);
            break;
        default:
            break;
        }
    }

    static void on_event(pa_context *c, pa_subscription_event_type_t event, uint32_t index, void *userdata) {
        auto *watch = static_cast<Watch *>(userdata);
        if (c != watch->context) return;
        const unsigned facility = event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const bool removed = (event & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE;
        const bool added = (event & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_NEW;
        if (facility == PA_SUBSCRIPTION_EVENT_SOURCE_OUTPUT) {
            if (removed) {
                watch->streams.erase(index);
                watch->tell();
            } else { // new, or changed: corked, moved to another source
                watch->drop(watch->pa->pa_context_get_source_output_info(c, index, on_stream, watch));
            }
        } else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE) {
            if (removed) {
                watch->monitor_source.erase(index);
                watch->tell();
            } else if (added) { // whether a source is a monitor never changes
                watch->drop(watch->pa->pa_context_get_source_info_by_index(c, index, on_source, watch));
            }
        }
    }

    static void on_source(pa_context *c, const pa_source_info *info, int, void *userdata) {
        auto *watch = static_cast<Watch *>(userdata);
        if (c != watch->context || !info) return;
        watch->monitor_source[info->index] = info->monitor_of_sink != PA_INVALID_INDEX;
        watch->tell();
    }

    static void on_stream(pa_context *c, const pa_source_output_info *info, int, void *userdata) {
        auto *watch = static_cast<Watch *>(userdata);
        if (c != watch->context || !info) return; // gone before the answer
        watch->keep(*info);
        watch->tell();
    }

    static void on_stream_list(pa_context *c, const pa_source_output_info *info, int end, void *userdata) {
        auto *watch = static_cast<Watch *>(userdata);
        if (c != watch->context) return;
        if (info) watch->keep(*info);
        if (end > 0) watch->listed = true; // an error (end < 0) leaves the state unknown
        if (!info) watch->tell();
    }
};

PulseMicrophone::PulseMicrophone(const char *library)
    : watch_(std::make_unique<Watch>(library ? library : kPulseSoname)) {}

PulseMicrophone::~PulseMicrophone() = default;

void PulseMicrophone::start() {
    if (watch_->started) return;
    watch_->started = true;
    std::string error;
    watch_->pa = pulse_api(error, watch_->library);
    if (watch_->pa) watch_->connect(); // without libpulse the state stays unknown
}

PulseMicrophone::State PulseMicrophone::state() const { return watch_->state(); }

void PulseMicrophone::on_change(std::function<void()> changed) { watch_->changed = std::move(changed); }

int PulseMicrophone::connection_attempts() const { return watch_->attempts; }

int PulseMicrophone::armed_timers() const { return watch_->loop.armed_timers() + (watch_->retry.isActive() ? 1 : 0); }

} // namespace trovel
