// The notification-area icon: the program's icon while typing, three frames cycling every
// Interval ms during rests, and a left double click that runs the owner menu's default
// item. The animation steps on a timer of the GUI thread, so they never interleave with
// other changes to the icon.
#pragma once

#include "platform/icon_list.h"
#include "platform/platform_timer.h"
#include "platform/tray_host.h"

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace trovel {

enum class TrayButton { Left, Right, Middle };

// What the owner's mouse hooks receive: the pointer position and the Shift, Ctrl and Alt
// keys as read when the notification was handled.
struct TrayMouseEvent {
    TrayButton button = TrayButton::Left;
    Qt::KeyboardModifiers modifiers;
    bool double_click = false;
    QPoint pos;
};

class TRxTrayIcon : public QObject {
    Q_OBJECT
public:
    // host: the notification area (Qt's in the program, a fake in tests); animation_timer:
    // what steps the frames.
    TRxTrayIcon(std::unique_ptr<TrayHost> host, std::unique_ptr<PlatformTimer> animation_timer,
                QObject *parent = nullptr);
    ~TRxTrayIcon() override;

    TrayHost &host() { return *host_; }
    PlatformTimer &animation_timer() { return *timer_; }

    // Whether the icon is wanted in the notification area.
    bool Active() const { return active_; }
    void setActive(bool v);
    // Whether mouse notifications are handled.
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v) { enabled_ = v; }
    // The tip is the part before the first "|", at most 63 characters.
    const QString &Hint() const { return hint_; }
    void setHint(const QString &v);
    // Shown while not animating.
    const QIcon &Icon() const { return icon_; }
    void setIcon(const QIcon &v);
    // The animation frames, in order.
    TIconList &Icons() { return icons_; }
    const TIconList &Icons() const { return icons_; }
    // True only while switched on and at least one frame exists.
    bool Animated() const { return animated_ && icons_.Count() > 0; }
    void setAnimated(bool v);
    // Milliseconds between animation steps; a change applies from the next step on.
    uint16_t Interval() const { return interval_; }
    void setInterval(uint16_t v) { interval_ = v; }

    // Whether the notification area holds the icon.
    bool Added() const { return added_; }
    // The current frame; -1 until the animation is first switched.
    int32_t IconIndex() const { return icon_index_; }
    // The icon the notification area should show now (empty when there is none).
    QIcon CurrentIcon() const;
    QString Tip() const;

    // The owner's configuration is complete: show the icon if it is wanted.
    void Loaded();

    // Clicks the owner menu's first enabled default item; returns whether there was one.
    std::function<bool()> ClickDefaultItem;
    // The owner's mouse hooks; each is called only when set.
    std::function<void(const TrayMouseEvent &)> OnClick, OnDblClick, OnMouseDown, OnMouseUp, OnMouseMove;

private:
    void update();
    void add();
    void remove();
    void step();
    void resume_animation();
    void handle(TrayNotification n);
    TrayMouseEvent mouse_event(TrayButton button, bool double_click) const;

    std::unique_ptr<TrayHost> host_;
    std::unique_ptr<PlatformTimer> timer_;
    TIconList icons_;
    QIcon icon_;
    QString hint_;
    bool active_ = true;
    bool enabled_ = true;
    bool animated_ = false;
    bool added_ = false;
    uint16_t interval_ = 150;
    int32_t icon_index_ = -1;
    bool left_pressed_ = false;
    bool right_pressed_ = false;
    bool destroying_ = false;
};

} // namespace trovel
