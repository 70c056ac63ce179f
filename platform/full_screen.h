// Whether another program is in front and full screen (a presentation, a video call, a
// game): the seam through which the window system reaches the rest's full-screen wait.
// Asked only at the tick that would start a rest, and at each tick while the rest waits.
#pragma once

#include <QList>
#include <QRect>

namespace trovel {

class FullScreenProbe {
public:
    virtual ~FullScreenProbe() = default;
    // True when the active window belongs to another program and is full screen.
    // Trovel's own windows never count; anything the window system cannot tell is false.
    virtual bool other_program_full_screen() = 0;
};

// True when `window` covers the whole of at least one of `screens`.
bool covers_a_screen(const QRect &window, const QList<QRect> &screens);

} // namespace trovel
