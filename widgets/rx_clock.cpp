#include "widgets/rx_clock.h"

#include <QEvent>
#include <QPainter>
#include <optional>

namespace trovel {

namespace {

// Filled in once, by the first clock of the process.
std::optional<ClockScreen> &process_screen() {
    static std::optional<ClockScreen> s;
    return s;
}

constexpr int tick_ms = 450;

} // namespace

const ClockScreen &TRxClock::screen() {
    if (!process_screen()) process_screen() = make_clock_screen(QSize(1024, 768), QSizeF());
    return *process_screen();
}

TRxClock::TRxClock(Environment &env, QWidget *parent) : QWidget(parent), env_(env) {
    if (!process_screen()) process_screen() = make_clock_screen(env.screen_size(), env.screen_size_mm());
    // Every pixel is painted from the buffer, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    shown_ = clock_time(env_.local_time());
    timer_.setInterval(tick_ms);
    connect(&timer_, &QTimer::timeout, this, &TRxClock::tick);
}

void TRxClock::setShowSeconds(bool on) {
    look_.show_seconds = on;
    update();
}

void TRxClock::setDotsColor(TColor c) {
    look_.dots = c;
    update();
}

void TRxClock::setColor(TColor c) {
    look_.color = c;
    update();
}

void TRxClock::tick() {
    const ClockTime now = clock_time(env_.local_time());
    const bool hands_moved = now.hour != shown_.hour || now.minute != shown_.minute;
    const bool second_moved = now.second != shown_.second;
    // The shown time follows every change, so the picture is always that of a full paint
    // at the time shown, even after a jump of whole minutes.
    shown_ = now;
    if (hands_moved || (second_moved && look_.show_seconds)) update();
}

void TRxClock::paintEvent(QPaintEvent *) {
    if (width() <= 0 || height() <= 0) return;
    if (buffer_.size() != size()) buffer_ = QImage(size(), QImage::Format_RGB32);
    paint_clock(buffer_, screen(), look_, face(), shown_);
    QPainter p(this);
    p.drawImage(0, 0, buffer_);
}

// Worked out from the size at hand, so a resize is always reflected at the next paint.
PixelRect TRxClock::face() const { return clock_face_rect(size(), screen()); }

void TRxClock::showEvent(QShowEvent *) {
    // The tick runs only while the clock can be seen; catch up at once on showing.
    shown_ = clock_time(env_.local_time());
    timer_.start();
    update();
}

void TRxClock::hideEvent(QHideEvent *) {
    timer_.stop();
    buffer_ = QImage(); // painted afresh whole at the next show anyway
}

void TRxClock::changeEvent(QEvent *e) {
    switch (e->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
    case QEvent::LocaleChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(e);
}

} // namespace trovel
