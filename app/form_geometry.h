// Where the form goes and how large it grows, free of the form: the screen centre, the
// rest window's size for the checked size item, and where a drag leaves the bar.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace trovel {

// Rounds to the nearest integer, halves to the even neighbour (446.5 gives 446).
int round_even(double v);

// The top-left corner that centres a window of size `window` on the screen `screen`.
QPoint centred(QRect screen, QSize window);

// The screen of `screens` that holds `point`; the first one (the primary) when none does.
QRect screen_at(const QList<QRect> &screens, QPoint point);

// The screens a rest window standing at `rest` leaves to be covered: every screen but the
// one it stands on, the one holding its centre (the primary when none does). A screen that
// holds the centre as well (a mirrored monitor), an empty one and a repeat of one already
// listed get no cover. In the order of `screens`.
QList<QRect> screens_to_cover(const QList<QRect> &screens, QRect rest);

// The size items of the popup menu that are checked; with several, the last one of
// tiny, small, large, full wins.
struct SizeItems {
    bool tiny = false;
    bool small = false;
    bool large = false;
    bool full = false;
};

// The rest window's size: the image area for the checked size item on a screen of size
// `screen`, under the bar row of `bar_height`. With no item checked the width stays
// `width` and the image area has no height.
QSize rest_window_size(QSize screen, SizeItems checked, int width, int bar_height);

struct DragEnd {
    QPoint pos;      // where the form goes
    bool second_row; // whether the second row shows there
};

// Where a drag that moved the mouse by `travelled` leaves a form standing at `from`: kept
// at least one pixel inside the top and left edges of `screen` (the one the mouse was let
// go on), with the bar row (`bar_height` high) above its bottom edge and the hands
// (`hands_width` wide) left of its right edge.
DragEnd drag_end(QPoint from, QPoint travelled, QRect screen, int bar_height, int hands_width);

} // namespace trovel
