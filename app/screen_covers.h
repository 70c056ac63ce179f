// The other monitors during a rest: one borderless window on top of each screen the rest
// window does not stand on, in the rest's colours, with the time left large in its middle
// and the analog clock when the rest shows it. Covers exist only while a rest or the alarm
// shows; while the user types there is no cover window at all.
#pragma once

#include "platform/environment.h"
#include "platform/window_placer.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

namespace trovel {

class TRxClock;

class ScreenCover : public QWidget {
    Q_OBJECT
public:
    // A window of its own (a tool window of `owner`, so no taskbar entry) that takes no
    // keyboard focus; a click on it does nothing.
    ScreenCover(Environment &env, QWidget *owner);

    QString text() const { return text_; }
    void set_text(const QString &text);
    bool shows_clock() const;
    void set_clock(bool on);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    // Where the time left is drawn, under the clock when it shows.
    QRect text_rect() const;
    int clock_side() const;

    TRxClock *clock_ = nullptr;
    QString text_;
};

// The covers of one rest window, children of it.
class ScreenCovers {
public:
    // `placer`: a compositor that places windows itself is told where each cover stands
    // (may be nullptr).
    ScreenCovers(Environment &env, QWidget *owner, WindowPlacer *placer = nullptr)
        : env_(env), owner_(owner), placer_(placer) {}

    // One cover on each of `rects` and none elsewhere: covers are moved, made or dropped
    // to match. An empty list drops every cover.
    void cover(const QList<QRect> &rects, const QString &text, bool clock);
    void set_text(const QString &text);

private:
    Environment &env_;
    QWidget *owner_;
    WindowPlacer *placer_;
    QList<ScreenCover *> covers_; // owned by owner_ through Qt's parent chain
};

} // namespace trovel
