// Where the form stands: the typing place and the nag place, kept as decimal text in four
// hidden labels; the screen centre; the second row hidden at the top edge; and dragging,
// which moves the form once, at mouse-up, by the distance the mouse travelled.
#include "app/timer_u.h"

#include "app/form_geometry.h"

#include <QApplication>

namespace trovel {

namespace {

// The label's caption as an integer, or the fallback when it is not one.
int32_t label_int(const TLabel *label, int32_t fallback) {
    bool ok = false;
    const int v = label->Caption().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

void TForm1::read_positions() {
    const QPoint centre = centred(env_.screen_size(), size());
    nag_left_ = label_int(lbl_nag_left, centre.x());
    nag_top_ = label_int(lbl_nag_top, centre.y());
    default_top_ = label_int(lbl_default_top, centre.y());
    default_left_ = label_int(Lbl_default_left, centre.x());
}

void TForm1::write_positions() {
    Lbl_default_left->setCaption(QString::number(default_left_));
    lbl_default_top->setCaption(QString::number(default_top_));
    lbl_nag_top->setCaption(QString::number(nag_top_));
    lbl_nag_left->setCaption(QString::number(nag_left_));
}

void TForm1::place_form(const QString &place) {
    read_positions();
    const QPoint centre = centred(env_.screen_size(), size());
    QPoint target = pos();
    if (place == QStringLiteral("type"))
        target = QPoint(default_left_, default_top_);
    else if (place == QStringLiteral("nag"))
        target = QPoint(nag_left_, nag_top_);
    else if (place == QStringLiteral("center"))
        target = centre;
    // A stored place wholly outside every screen (a monitor was removed) would leave the
    // window unreachable: use the centre there. Partly visible places are kept.
    const QRect wanted(target, size());
    bool on_a_screen = false;
    for (const QRect &r : env_.screen_rects())
        on_a_screen = on_a_screen || r.intersects(wanted);
    if (!on_a_screen) target = centre;
    move(target);
    set_panel_www_visible(y() > 1);
}

void TForm1::FormMouseDown(QWidget *, Qt::MouseButton, QPoint p) {
    drag_x_ = p.x();
    drag_y_ = p.y();
    dragging_ = true;
    set_drag_cursor(true);
}

void TForm1::FormMouseUp(QWidget *, Qt::MouseButton, QPoint p) {
    if (dragging_) {
        const DragEnd end = drag_end(pos(), p - QPoint(drag_x_, drag_y_), env_.screen_size(), Panel_menu->height(),
                                     Panel_hands->width());
        set_panel_www_visible(end.second_row);
        move(end.pos);
    }
    dragging_ = false;
    set_drag_cursor(false);
}

void TForm1::set_drag_cursor(bool on) {
    if (on == drag_cursor_) return;
    drag_cursor_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::menu_default_storeClick() {
    default_left_ = x();
    default_top_ = y();
    write_positions();
}

void TForm1::menu_nag_storeClick() {
    nag_left_ = x();
    nag_top_ = y();
    write_positions();
}

} // namespace trovel
