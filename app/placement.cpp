// Where the form stands: the typing place and the nag place, kept as decimal text in four
// hidden labels; the screen centre; the second row hidden at the top edge; dragging,
// which moves the form once, at mouse-up, by the distance the mouse travelled; and the
// routing of the controls' mouse events to dragging, the menu and the double click.
#include "app/timer_u.h"

#include "app/form_geometry.h"

#include <QApplication>
#include <QMouseEvent>

namespace trovel {

namespace {

// The label's caption as an integer, or the fallback when it is not one.
int32_t label_int(const TLabel *label, int32_t fallback) {
    bool ok = false;
    const int v = label->Caption().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

// The primary screen; a screen of the size the environment gives at 0,0 when there is none.
QRect primary_screen(Environment &env) {
    const QList<QRect> rects = env.screen_rects();
    return rects.isEmpty() ? QRect(QPoint(0, 0), env.screen_size()) : rects.first();
}

bool on_a_screen(const QList<QRect> &screens, const QRect &window) {
    for (const QRect &r : screens)
        if (r.intersects(window)) return true;
    return false;
}

} // namespace

void TForm1::read_positions() {
    const QPoint centre = centred(primary_screen(env_), size());
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

void TForm1::place_form(const QString &where) {
    read_positions();
    const QPoint centre = centred(primary_screen(env_), size());
    QPoint target = pos();
    if (where == place::type)
        target = QPoint(default_left_, default_top_);
    else if (where == place::nag)
        target = QPoint(nag_left_, nag_top_);
    else if (where == place::center)
        target = centre;
    // A stored place wholly outside every screen (a monitor was removed) would leave the
    // window unreachable: use the centre there. Partly visible places are kept.
    if (!on_a_screen(env_.screen_rects(), QRect(target, size()))) target = centre;
    move(target);
    set_panel_www_visible(y() > 1);
    tell_placer();
    update_covers();
}

void TForm1::screens_changed() {
    // A form left on no screen (its monitor was removed) goes where this phase puts it; the
    // stored places are only read.
    if (isVisible() && !on_a_screen(env_.screen_rects(), geometry())) {
        if (state_ == phase::rest)
            place_form(menu_center->Checked() ? place::center : place::nag);
        else
            place_form(place::type);
    }
    update_covers();
}

void TForm1::update_covers() {
    const bool shown = (state_ == phase::rest || state_ == phase::alarm) && menu_cover_screens->Checked();
    covers_.cover(shown ? screens_to_cover(env_.screen_rects(), geometry()) : QList<QRect>(), label_minutes->Caption(),
                  RxClock1->isVisibleTo(this));
}

void TForm1::FormMouseDown(QWidget *, Qt::MouseButton, QPoint p) {
    drag_x_ = p.x();
    drag_y_ = p.y();
    dragging_ = true;
    set_drag_cursor(true);
}

void TForm1::FormMouseUp(QWidget *sender, Qt::MouseButton, QPoint p) {
    if (dragging_) {
        // The form has not moved while the mouse was held: the pointer is where the form
        // stands plus where it is in the form.
        const QPoint pointer = pos() + (sender ? sender->mapTo(this, p) : p);
        const QRect screen = screen_at(env_.screen_rects(), pointer);
        const DragEnd end =
            drag_end(pos(), p - QPoint(drag_x_, drag_y_), screen.isEmpty() ? primary_screen(env_) : screen,
                     Panel_menu->height(), Panel_hands->width());
        set_panel_www_visible(end.second_row);
        move(end.pos);
        tell_placer();
        update_covers(); // a rest window dragged onto another screen uncovers it
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

bool TForm1::is_drag_surface(QObject *o) const {
    return o == Panel_menu || o == label_minutes || o == Shader1 || o == Panel_hands || o == Image_hands ||
           o == Panel_image || o == image_picture || o == RxClock1;
}

// The mouse on the form's controls, from the event filter: a press on a drag surface starts
// a drag and its release ends it; a click on the hands opens the menu; a double click on
// the progress bar ignores the break.
bool TForm1::filter_mouse(QWidget *w, QMouseEvent *me) {
    const QEvent::Type type = me->type();
    const QPoint pos = me->position().toPoint();
    const bool opens_menu = w == Panel_hands || w == Image_hands;
    const bool ignores_break = w == Panel_progress || w == Shader1;

    if (type == QEvent::MouseButtonDblClick && ignores_break && me->button() == Qt::LeftButton) {
        btn_ignoreClick();
        if (is_drag_surface(w)) FormMouseDown(w, me->button(), pos);
        return true;
    }
    if (!is_drag_surface(w)) return false;

    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (me->button() == Qt::LeftButton) pressed_ = w;
        FormMouseDown(w, me->button(), pos);
    } else {
        // A click is a left press and release on the same control, released inside it.
        const bool click = me->button() == Qt::LeftButton && pressed_ == w && w->rect().contains(pos);
        if (me->button() == Qt::LeftButton) pressed_ = nullptr;
        // The release's own handling comes first: the drag has ended and the default cursor
        // is back before the menu opens, so neither the menu nor a command it runs (a file
        // chooser, an error box) shows the drag cursor or can leave it behind.
        FormMouseUp(w, me->button(), pos);
        if (click && opens_menu) SpeedButton1Click();
    }
    return true;
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
