// Whether another program is in front and full screen (a presentation, a video call, a
// game): the seam through which the window system reaches the rest's full-screen wait.
// Asked only at the tick that would start a rest, and at each tick while the rest waits.
#pragma once

#include <QList>
#include <QRect>
#include <memory>
#include <vector>

namespace trovel {

class FullScreenProbe {
public:
    virtual ~FullScreenProbe() = default;
    // True when the active window belongs to another program and is full screen.
    // Trovel's own windows never count; anything the window system cannot tell is false.
    virtual bool other_program_full_screen() = 0;
};

// True when any of the probes says so; each is asked until one does.
class AnyFullScreenProbe : public FullScreenProbe {
public:
    explicit AnyFullScreenProbe(std::vector<std::unique_ptr<FullScreenProbe>> probes);
    bool other_program_full_screen() override;

private:
    std::vector<std::unique_ptr<FullScreenProbe>> probes_;
};

// True when `window` covers the whole of at least one of `screens`.
bool covers_a_screen(const QRect &window, const QList<QRect> &screens);

} // namespace trovel
