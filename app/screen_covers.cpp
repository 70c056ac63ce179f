#include "app/screen_covers.h"

#include "platform/x11_window.h"
#include "widgets/colors.h"
#include "widgets/rx_clock.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace trovel {

namespace {

// The colours of the bar during a rest: its strip runs from red to yellow.
constexpr TColor kCoverColor = clRed;
constexpr TColor kCoverText = clYellow;

} // namespace

ScreenCover::ScreenCover(Environment &env, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("cover"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Every pixel is painted here.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    // What a screen reader says of it: the time left of the rest.
    setAccessibleDescription(QCoreApplication::translate("trovel::Messages", "micropause: time left"));
    clock_ = new TRxClock(env, this);
    clock_->hide();
    create();
    skip_taskbar(windowHandle());
}

void ScreenCover::set_text(const QString &text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text_);
    update(text_rect());
}

bool ScreenCover::shows_clock() const { return !clock_->isHidden(); }

void ScreenCover::set_clock(bool on) {
    if (on == shows_clock()) return;
    clock_->setVisible(on);
    update();
}

int ScreenCover::clock_side() const { return std::min(width(), height()) / 2; }

QRect ScreenCover::text_rect() const {
    // About a sixth of the screen high, and never wider than "-00:00" fits.
    const int h = std::min(height() / 6, width() / 3);
    if (!shows_clock()) return {0, (height() - h) / 2, width(), h};
    const int top = (height() - clock_side() - h) / 2;
    return {0, top + clock_side(), width(), h};
}

void ScreenCover::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    const int side = clock_side();
    const int top = (height() - side - text_rect().height()) / 2;
    clock_->setGeometry((width() - side) / 2, top, side, side);
}

void ScreenCover::paintEvent(QPaintEvent *e) {
    QPainter p(this);
    p.fillRect(e->rect(), to_qcolor(kCoverColor));
    const QRect box = text_rect();
    if (!e->rect().intersects(box)) return;
    QFont f = font();
    f.setPixelSize(std::max(1, box.height() * 3 / 4));
    f.setBold(true);
    p.setFont(f);
    p.setPen(to_qcolor(kCoverText));
    p.drawText(box, Qt::AlignCenter, text_);
}

void ScreenCovers::cover(const QList<QRect> &rects, const QString &text, bool clock) {
    while (covers_.size() > rects.size())
        delete covers_.takeLast();
    bool made = false;
    for (qsizetype i = 0; i < rects.size(); ++i) {
        if (i == covers_.size()) {
            covers_.append(new ScreenCover(env_, owner_));
            made = true;
        }
        ScreenCover *c = covers_[i];
        c->setGeometry(rects[i]);
        c->set_text(text);
        c->set_clock(clock);
        c->show();
        if (placer_) placer_->place(c->winId(), rects[i]);
    }
    // A rest window that reaches onto a covered screen stays in front of its cover.
    if (made) owner_->raise();
}

void ScreenCovers::set_text(const QString &text) {
    for (ScreenCover *c : covers_)
        c->set_text(text);
}

} // namespace trovel
