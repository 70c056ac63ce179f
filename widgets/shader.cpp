#include "widgets/shader.h"

#include <QPainter>

namespace trovel {

TShader::TShader(QWidget *parent) : QWidget(parent) {}

void TShader::setFromColor(TColor c) { from_ = c; update(); }
void TShader::setToColor(TColor c) { to_ = c; update(); }
void TShader::setSteps(uint16_t s) { steps_ = s; update(); }
void TShader::setDirection(bool d) { direction_ = d; update(); }

void TShader::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), rgb_bytes_to_qcolor(from_));
}

}  // namespace trovel
