// The gradient progress bar. (Stand-in: paints FromColor flat; the stepped ramp lands separately.)
#pragma once

#include "widgets/colors.h"

#include <QWidget>
#include <cstdint>

namespace trovel {

class TShader : public QWidget {
    Q_OBJECT
public:
    explicit TShader(QWidget *parent = nullptr);

    TColor FromColor() const { return from_; }
    void setFromColor(TColor c);
    TColor ToColor() const { return to_; }
    void setToColor(TColor c);
    uint16_t Steps() const { return steps_; }
    void setSteps(uint16_t s);
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

}  // namespace trovel
