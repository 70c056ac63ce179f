// Whether a call is going on (a video meeting, a voice chat, a recording): the seam
// through which the microphone and the camera reach the rest's wait. Asked only at the
// tick that would start a rest, and at each tick while the rest waits.
#pragma once

#include "platform/pulse_microphone.h"

#include <QByteArray>
#include <QtGlobal>

namespace trovel {

class CallProbe {
public:
    virtual ~CallProbe() = default;
    // Starts what watches in the background (the sound server's connection). Called once,
    // after the bar first shows, so it costs the start nothing.
    virtual void start() {}
    // True while another program records from a microphone or has a camera open. What
    // cannot be told (no sound server) is no call: it never holds a rest.
    virtual bool call_going_on() = 0;
};

// Where the camera is looked for: the process folder and the device folder, and who
// "we" are. Tests point the folders at a tree of their own.
struct CameraSeam {
    QByteArray proc_dir = "/proc";
    QByteArray dev_dir = "/dev";
    qint64 own_pid = -1; // -1: this process
    qint64 uid = -1;     // -1: this process's real user
};

// True when a process of the user other than this one holds a video capture device
// (dev_dir/videoN) open, as its proc_dir/PID/fd links show. `where`, when given, is the
// descriptor ("PID/fd/N") to try before the others, and is set to the one found, or "".
bool camera_in_use(const CameraSeam &seam, QByteArray *where = nullptr);

// The real thing: the sound server's recording streams, watched, and the camera, looked
// for when asked.
class DesktopCallProbe : public CallProbe {
public:
    explicit DesktopCallProbe(CameraSeam camera = {});
    void start() override;
    bool call_going_on() override;
    PulseMicrophone &microphone() { return microphone_; }

private:
    PulseMicrophone microphone_;
    CameraSeam camera_;
    QByteArray camera_holder_; // where the camera was found last
};

} // namespace trovel
