// Where the form stands: the typing place and the nag place, kept as decimal text in four
// hidden labels; the screen centre; the second row hidden at the top edge; and dragging,
// which moves the form once, at mouse-up, by the distance the mouse travelled.
#include "app/timer_u.h"

#include <QApplication>
#include <cmath>

namespace trovel {

namespace {

int round_even(double v) { return static_cast<int>(std::nearbyint(v)); }

// The label's caption as an integer, or the fallback when it is not one.
int32_t label_int(const TLabel *label, int32_t fallback) {
    bool ok = false;
    const int v = label->Caption().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

}  // namespace

void TForm1::read_positions() {
    const QSize screen = env_.screen_size();
    const int cx = round_even(screen.width() / 2.0 - width() / 2.0);
    const int cy = round_even(screen.height() / 2.0 - height() / 2.0);
    nag_left = label_int(lbl_nag_left, cx);
    nag_top = label_int(lbl_nag_top, cy);
    default_top = label_int(lbl_default_top, cy);
    default_left = label_int(Lbl_default_left, cx);
}

void TForm1::write_positions() {
    Lbl_default_left->setCaption(QString::number(default_left));
    lbl_default_top->setCaption(QString::number(default_top));
    lbl_nag_top->setCaption(QString::number(nag_top));
    lbl_nag_left->setCaption(QString::number(nag_left));
}

void TForm1::place_form(const QString &place) {
    read_positions();
    const QSize screen = env_.screen_size();
    const QPoint centre(round_even(screen.width() / 2.0 - width() / 2.0),
                        round_even(screen.height() / 2.0 - height() / 2.0));
    QPoint target = pos();
    if (place == QStringLiteral("type"))
        target = QPoint(default_left, default_top);
    else if (place == QStringLiteral("nag"))
        target = QPoint(nag_left, nag_top);
    else if (place == QStringLiteral("center"))
        target = centre;
    // A stored place wholly outside every screen (a monitor was removed) would leave the
    // window unreachable: use the centre there. Partly visible places are kept.
    const QRect wanted(target, size());
    bool on_a_screen = false;
    for (const QRect &r : env_.screen_rects())
        on_a_screen = on_a_screen || r.intersects(wanted);
    if (!on_a_screen)
        target = centre;
    move(target);
    set_panel_www_visible(y() > 1);
}

void TForm1::FormMouseDown(QWidget *, Qt::MouseButton, QPoint p) {
    drag_x = p.x();
    drag_y = p.y();
    dragging = true;
    set_drag_cursor(true);
}

void TForm1::FormMouseUp(QWidget *, Qt::MouseButton, QPoint p) {
    if (dragging) {
        const QSize screen = env_.screen_size();
        const int W = screen.width(), H = screen.height();
        int left = x() + p.x() - drag_x;
        if (left < 1)
            left = 1;
        int top = y() + p.y() - drag_y;
        set_panel_www_visible(top > 0);
        if (top < 1)
            top = 1;
        if (top > H - Panel_menu->height())
            top = H - Panel_menu->height();
        if (left > W - Panel_hands->width() - 2)
            left = W - Panel_hands->width() - 1;
        move(left, top);
    }
    dragging = false;
    set_drag_cursor(false);
}

void TForm1::set_drag_cursor(bool on) {
    if (on == drag_cursor_)
        return;
    drag_cursor_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::menu_default_storeClick() {
    default_left = x();
    default_top = y();
    write_positions();
}

void TForm1::menu_nag_storeClick() {
    nag_left = x();
    nag_top = y();
    write_positions();
}

}  // namespace trovel
