// Settings of the program's windows that only the X11 platform has, each a no-op elsewhere
// (the offscreen platform of the tests, a Wayland compositor).
#pragma once

class QWindow;

namespace trovel {

// Stops the X server from reporting property changes of the window back to the program.
// The bar's title changes at every tick, and each change would come back as three
// notifications (the two title properties, then the window manager's visible name), each
// waking the program twice (the event reader, then the main thread) for nothing: the
// program reacts to none of them. What the window manager does with the title, and every
// other event of the window, stay as they were. The window must exist (shown once).
void stop_property_notifications(QWindow *window);

// Asks the window manager to leave the window out of the taskbar and the pager; window
// types alone do not (icewm lists a tool window). For a window that exists and was never
// shown: Qt adds its own states to these when it maps the window.
void skip_taskbar(QWindow *window);

} // namespace trovel
