#include "app/form_geometry.h"

#include <cmath>

namespace trovel {

int round_even(double v) { return static_cast<int>(std::nearbyint(v)); }

QPoint centred(QRect screen, QSize window) {
    return screen.topLeft() + QPoint(round_even(screen.width() / 2.0 - window.width() / 2.0),
                                     round_even(screen.height() / 2.0 - window.height() / 2.0));
}

QRect screen_at(const QList<QRect> &screens, QPoint point) {
    for (const QRect &r : screens)
        if (r.contains(point)) return r;
    return screens.value(0);
}

QList<QRect> screens_to_cover(const QList<QRect> &screens, QRect rest) {
    const QRect own = screen_at(screens, rest.center());
    QList<QRect> covered;
    for (const QRect &r : screens)
        if (!r.isEmpty() && r != own && !r.contains(rest.center()) && !covered.contains(r)) covered.append(r);
    return covered;
}

QSize rest_window_size(QSize screen, SizeItems checked, int width, int bar_height) {
    const int W = screen.width(), H = screen.height();
    int w = width;
    int h = 0;
    if (checked.tiny) {
        w = round_even(W / 8.0);
        h = w;
    }
    if (checked.small) {
        w = round_even(W / 4.0);
        h = w;
    }
    if (checked.large) {
        w = round_even(W / 2.0);
        h = round_even(H / 2.0);
    }
    if (checked.full) {
        h = H - 100;
        w = W - 60;
    }
    return {w, h + bar_height + 5};
}

DragEnd drag_end(QPoint from, QPoint travelled, QRect screen, int bar_height, int hands_width) {
    // Measured from the screen's own top-left corner, then put back.
    const int W = screen.width(), H = screen.height();
    int left = from.x() + travelled.x() - screen.x();
    if (left < 1) left = 1;
    int top = from.y() + travelled.y() - screen.y();
    // The second row is judged before the top edge clamp: a bar dropped onto the edge
    // shows only its first row.
    const bool second_row = top > 0;
    if (top < 1) top = 1;
    if (top > H - bar_height) top = H - bar_height;
    // One pixel further right than the threshold: 32 pixels of the bar stay on screen.
    if (left > W - hands_width - 2) left = W - hands_width - 1;
    return {screen.topLeft() + QPoint(left, top), second_row};
}

} // namespace trovel
