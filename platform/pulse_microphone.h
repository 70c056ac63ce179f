// Whether another program records from a microphone, told by the user's sound server
// (PulseAudio, or PipeWire through its PulseAudio service). The server announces every
// recording stream that comes, changes or goes; the answer is kept from those notices,
// so asking costs nothing and never waits for the server. No server, or one that went
// away, is "unknown"; the watch connects again when the server comes back, which the
// server announces on the session bus.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <memory>

namespace trovel {

// A recording stream as the server describes it, less the source it records from.
struct RecordingStream {
    bool corked = false;        // paused by its program
    QByteArray process_id;      // application.process.id
    QByteArray application_id;  // application.id
    QByteArray resample_method; // "peaks" for a level meter
};

// True when the stream is someone's voice being taken: not paused, not a volume control's
// level meter, and not this process (whose own sounds are playback anyway).
bool is_a_recording(const RecordingStream &stream, qint64 own_pid);

class PulseMicrophone {
public:
    enum class State { unknown, free, recording };

    // Retries after a connection that failed: the first at once when the connection had
    // lasted, later ones after 1 s, 2 s, 4 s ... up to this, so a server that keeps
    // closing the door costs a few wake-ups, never a loop.
    static constexpr int kSteadyMs = 10'000;
    static constexpr int kFirstRetryMs = 1'000;
    static constexpr int kLongestRetryMs = 256'000;

    // `library` is the name dlopen is given (tests give a missing one).
    explicit PulseMicrophone(const char *library = nullptr);
    ~PulseMicrophone();
    PulseMicrophone(const PulseMicrophone &) = delete;
    PulseMicrophone &operator=(const PulseMicrophone &) = delete;

    // Loads libpulse and connects, without waiting for the server; never starts one.
    // Until the server has listed its streams the state is unknown.
    void start();
    State state() const;
    // Called after each change of state(), on the GUI thread.
    void on_change(std::function<void()> changed);

    // For tests: connections begun since start(), and timers running (the retry and libpulse's).
    int connection_attempts() const;
    int armed_timers() const;

    struct Watch; // the connection and what the server said

private:
    std::unique_ptr<Watch> watch_;
};

} // namespace trovel
