#include "widgets/shader.h"

#include "widgets/gradient_bands.h"

#include <QPainter>

namespace trovel {

TShader::TShader(QWidget *parent) : QWidget(parent) {}

void TShader::setFromColor(TColor c) {
    from_ = c;
    update();
}

void TShader::setToColor(TColor c) {
    to_ = c;
    update();
}

void TShader::setSteps(uint16_t s) {
    steps_ = s;
    update();
}

void TShader::setDirection(bool d) {
    direction_ = d;
    update();
}

void TShader::paintEvent(QPaintEvent *) {
    if (steps_ == 0) steps_ = 1;
    if (width() <= 0 || height() <= 0) return;
    const int length = direction_ ? width() : height();
    QPainter p(this);
    for (const GradientBand &band : gradient_bands(from_, to_, steps_, length)) {
        const QRect r =
            direction_ ? QRect(band.start, 0, band.thickness, height()) : QRect(0, band.start, width(), band.thickness);
        p.fillRect(r, rgb_bytes_to_qcolor(band.color));
    }
}

} // namespace trovel
