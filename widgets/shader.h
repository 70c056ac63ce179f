// The gradient progress bar: a stepped colour ramp from FromColor towards ToColor over its
// whole area, recomputed from the current colours and size at every paint. It draws no
// text and no border; mouse events pass on to the parent like on any plain panel.
#pragma once

#include "widgets/colors.h"

#include <QWidget>
#include <cstdint>

namespace trovel {

class TShader : public QWidget {
    Q_OBJECT
public:
    explicit TShader(QWidget *parent = nullptr);

    // Every setter repaints, even when the value does not change.
    TColor FromColor() const { return from_; }
    void setFromColor(TColor c);
    TColor ToColor() const { return to_; }
    void setToColor(TColor c);
    // Zero is turned into 1 by the next paint.
    uint16_t Steps() const { return steps_; }
    void setSteps(uint16_t s);
    // true: vertical stripes, ramp left to right; false: horizontal strips, top to bottom.
    bool Direction() const { return direction_; }
    void setDirection(bool d);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    TColor from_ = clBlue;
    TColor to_ = clBlack;
    uint16_t steps_ = 20;
    bool direction_ = false;
};

} // namespace trovel
