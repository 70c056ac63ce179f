// The tray icon's rules: when the icon is added, modified and removed, the animation
// steps, and what the mouse notifications do.
#include "platform/tray_icon.h"

#include <algorithm>

namespace trovel {

namespace {
constexpr int kMaxTipLength = 63;
}

TRxTrayIcon::TRxTrayIcon(std::unique_ptr<TrayHost> host, std::unique_ptr<PlatformTimer> animation_timer,
                         QObject *parent)
    : QObject(parent), host_(std::move(host)), timer_(std::move(animation_timer)) {
    host_->on_notification = [this](TrayNotification n) { handle(n); };
    host_->on_area_arrived = [this] {
        if (Animated() && added_) resume_animation();
    };
    timer_->on_timeout = [this] { step(); };
    icons_.OnChange = [this] { update(); };
}

TRxTrayIcon::~TRxTrayIcon() {
    destroying_ = true;
    enabled_ = false;
    host_->on_notification = nullptr;
    host_->on_area_arrived = nullptr;
    timer_->stop();
    timer_->on_timeout = nullptr;
    animated_ = false;
    remove();
}

void TRxTrayIcon::setActive(bool v) {
    if (v == active_) return;
    active_ = v;
    if (v)
        add();
    else
        remove();
}

void TRxTrayIcon::setHint(const QString &v) {
    if (v == hint_) return;
    hint_ = v;
    update();
}

void TRxTrayIcon::setIcon(const QIcon &v) {
    icon_ = v;
    update();
}

void TRxTrayIcon::setAnimated(bool v) {
    const bool effective = v && icons_.Count() > 0;
    // Switching on while on must not restart the cycle, and switching off while off must
    // send nothing.
    if (effective == Animated()) return;
    animated_ = effective;
    timer_->stop();
    if (effective && added_) resume_animation(); // paused until the icon is added otherwise
    icon_index_ = 0;
    update();
}

QIcon TRxTrayIcon::CurrentIcon() const {
    if (!Animated()) return icon_;
    return icons_[std::clamp(icon_index_, 0, icons_.Count() - 1)];
}

QString TRxTrayIcon::Tip() const {
    const qsizetype bar = hint_.indexOf(QLatin1Char('|'));
    return (bar < 0 ? hint_ : hint_.left(bar)).left(kMaxTipLength);
}

void TRxTrayIcon::Loaded() {
    if (active_) add();
}

void TRxTrayIcon::update() {
    if (icons_.Count() == 0 && animated_) {
        animated_ = false;
        timer_->stop();
    }
    if (added_) {
        const QIcon icon = CurrentIcon();
        if (icon.isNull())
            remove();
        else
            host_->modify(icon, Tip());
    } else if (active_) {
        add();
    }
}

void TRxTrayIcon::add() {
    remove(); // so adding twice never leaves two icons
    const QIcon icon = CurrentIcon();
    if (icon.isNull()) return;
    left_pressed_ = right_pressed_ = false;
    added_ = host_->add(icon, Tip());
    // Even after a failed add the animation steps again, and each step retries the add.
    if (Animated()) resume_animation();
}

void TRxTrayIcon::remove() {
    host_->remove();
    added_ = false;
    left_pressed_ = right_pressed_ = false;
    if (animated_) timer_->stop();
}

void TRxTrayIcon::resume_animation() {
    // With no notification area nobody sees the frames: the animation waits for one to
    // come up instead of stepping on.
    if (!timer_->running() && host_->area_present()) timer_->start(std::max<int>(interval_, 1));
}

void TRxTrayIcon::step() {
    if (destroying_ || !Animated()) {
        timer_->stop();
        return;
    }
    if (++icon_index_ >= icons_.Count()) icon_index_ = 0;
    update();
    // A new Interval takes effect from the next wait on.
    if (timer_->running() && timer_->period() != std::max<int>(interval_, 1))
        timer_->start(std::max<int>(interval_, 1));
}

TrayMouseEvent TRxTrayIcon::mouse_event(TrayButton button, bool double_click) const {
    TrayMouseEvent e;
    e.button = button;
    e.modifiers = host_->modifiers();
    e.double_click = double_click;
    e.pos = host_->cursor_pos();
    return e;
}

void TRxTrayIcon::handle(TrayNotification n) {
    if (!enabled_) return;
    auto call = [this](const std::function<void(const TrayMouseEvent &)> &hook, TrayButton b, bool dbl = false) {
        if (hook) hook(mouse_event(b, dbl));
    };
    // No menu ever opens from the tray, so a click of either button goes to OnClick.
    auto click = [&](TrayButton b, bool &pressed) {
        if (!pressed) return;
        pressed = false;
        call(OnClick, b);
    };
    switch (n) {
    case TrayNotification::MouseMove:
        call(OnMouseMove, TrayButton::Left);
        break;
    case TrayNotification::LeftDown:
        call(OnMouseDown, TrayButton::Left);
        left_pressed_ = true;
        break;
    case TrayNotification::LeftUp:
        click(TrayButton::Left, left_pressed_);
        call(OnMouseUp, TrayButton::Left);
        break;
    case TrayNotification::LeftDouble: {
        const bool clicked = active_ && ClickDefaultItem && ClickDefaultItem();
        if (!clicked) call(OnDblClick, TrayButton::Left, true);
        call(OnMouseDown, TrayButton::Left, true);
        break;
    }
    case TrayNotification::RightDown:
        call(OnMouseDown, TrayButton::Right);
        right_pressed_ = true;
        break;
    case TrayNotification::RightUp:
        click(TrayButton::Right, right_pressed_);
        call(OnMouseUp, TrayButton::Right);
        break;
    case TrayNotification::RightDouble:
        call(OnMouseDown, TrayButton::Right, true);
        break;
    case TrayNotification::MiddleDown:
        call(OnMouseDown, TrayButton::Middle);
        break;
    case TrayNotification::MiddleUp:
        call(OnMouseUp, TrayButton::Middle);
        break;
    case TrayNotification::MiddleDouble:
        call(OnMouseDown, TrayButton::Middle, true);
        break;
    }
}

} // namespace trovel
