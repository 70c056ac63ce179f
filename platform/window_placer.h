// Compositors that place windows themselves (sway ignores where an X window asks to be)
// are told where Trovel's windows go through their own channel. Everywhere else nothing
// needs telling and the form has no placer.
#pragma once

#include <QRect>
#include <cstdint>
#include <memory>

namespace trovel {

class WindowPlacer {
public:
    virtual ~WindowPlacer() = default;
    // The X window `window` should stand at `geometry` (position and size in the desktop's
    // coordinates), floating, borderless, above the others and on every workspace.
    virtual void place(uint64_t window, const QRect &geometry) = 0;
};

// sway's, when SWAYSOCK names its IPC socket; nothing otherwise. Nothing is connected
// before the first place().
std::unique_ptr<WindowPlacer> make_desktop_window_placer();

// The command that puts one window in place, in sway's command language.
QByteArray sway_place_command(uint64_t window, const QRect &geometry);
// One message of the i3 IPC protocol that sway speaks: "i3-ipc", the payload's length and
// the message type, both 32 bits in the machine's byte order, then the payload.
QByteArray i3_ipc_message(uint32_t type, const QByteArray &payload);

} // namespace trovel
