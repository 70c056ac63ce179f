#include "widgets/rx_clock.h"

#include <QPainter>

namespace trovel {

TRxClock::TRxClock(Environment &env, QWidget *parent) : QWidget(parent), env_(env) {}

void TRxClock::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), to_qcolor(clBtnFace));
}

}  // namespace trovel
