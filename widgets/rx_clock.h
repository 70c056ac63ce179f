// The analog clock of the rest window: a bevelled panel showing the local time with
// raised hour marks, engraved minute marks, two kite hands and an inverting second hand.
// It reads the time itself every 450 ms while it is visible. The face (bevels and marks)
// is painted once per size and look; when the time shown changes only the box around the
// hands that moved is painted again and sent to the screen. Children (the link label) lie
// on it.
#pragma once

#include "platform/environment.h"
#include "widgets/clock_geometry.h"
#include "widgets/clock_painter.h"
#include "widgets/colors.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace trovel {

class TRxClock : public QWidget {
    Q_OBJECT
public:
    TRxClock(Environment &env, QWidget *parent = nullptr);

    bool ShowSeconds() const { return look_.show_seconds; }
    void setShowSeconds(bool on);
    TColor DotsColor() const { return look_.dots; }
    void setDotsColor(TColor c);
    TColor Color() const { return look_.color; }
    void setColor(TColor c);

    // The time the hands show (hour 0-11), and the face for the current size.
    ClockTime shown_time() const { return shown_; }
    PixelRect face() const;
    bool ticking() const { return timer_.isActive(); }

    // The screen facts every clock of the process uses, fixed by the first clock created.
    static const ClockScreen &screen();

public slots:
    // Reads the time and repaints when the picture would change. The timer calls it.
    void tick();

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;
    void changeEvent(QEvent *) override;

private:
    Environment &env_;
    ClockLook look_;
    // Drops the pictures, so that the next paint makes them afresh for the size and look.
    void repaint_whole();

    ClockTime shown_;
    QImage face_;   // the clock without hands, for the size and look at hand
    QImage buffer_; // face_ with the hands at shown_
    FaceGeometry geometry_;
    QTimer timer_;
};

} // namespace trovel
