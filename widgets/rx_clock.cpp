#include "widgets/rx_clock.h"

#include <QEvent>
#include <QPaintEvent>
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
    // A precise timer keeps its reads on the grid they started on, where a coarse one
    // drifts to round times: the reads stay in step with the rest's other timers, which
    // start with the clock, and share their wake-ups.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TRxClock::tick);
}

void TRxClock::setShowSeconds(bool on) {
    look_.show_seconds = on;
    repaint_whole();
}

void TRxClock::setDotsColor(TColor c) {
    look_.dots = c;
    repaint_whole();
}

void TRxClock::setColor(TColor c) {
    look_.color = c;
    repaint_whole();
}

void TRxClock::repaint_whole() {
    face_ = QImage();
    buffer_ = QImage();
    update();
}

void TRxClock::tick() {
    const ClockTime now = clock_time(env_.local_time());
    const ClockTime before = shown_;
    // The shown time follows every change, so the picture is always that of a full paint
    // at the time shown, even after a jump of whole minutes.
    shown_ = now;
    if (buffer_.isNull() || buffer_.size() != size()) {
        const bool hands_moved = now.hour != before.hour || now.minute != before.minute;
        if (hands_moved || (now.second != before.second && look_.show_seconds)) update();
        return;
    }
    QRegion changed;
    for (const PixelRect &r : move_clock_hands(buffer_, face_, screen(), look_, geometry_, before, now))
        changed += QRect(r.left, r.top, r.width(), r.height());
    if (!changed.isEmpty()) update(changed);
}

void TRxClock::paintEvent(QPaintEvent *e) {
    if (width() <= 0 || height() <= 0) return;
    if (face_.size() != size() || buffer_.size() != size()) {
        face_ = QImage(size(), QImage::Format_RGB32);
        geometry_ = paint_clock_face(face_, screen(), look_, face());
        buffer_ = face_.copy();
        paint_clock_hands(buffer_, screen(), look_, geometry_, shown_);
    }
    QPainter p(this);
    for (const QRect &r : e->region())
        p.drawImage(r.topLeft(), buffer_, r);
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
    // Painted afresh whole at the next show anyway.
    face_ = QImage();
    buffer_ = QImage();
}

void TRxClock::changeEvent(QEvent *e) {
    switch (e->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
    case QEvent::LocaleChange:
        repaint_whole();
        break;
    default:
        break;
    }
    QWidget::changeEvent(e);
}

} // namespace trovel
