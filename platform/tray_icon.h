// The notification-area icon. (Stand-in: stores Animated only.)
#pragma once

#include <QObject>
#include <functional>

namespace trovel {

class TRxTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TRxTrayIcon(QObject *parent = nullptr) : QObject(parent) {}

    bool Animated() const { return animated_; }
    void setAnimated(bool v) { animated_ = v; }

    // Clicks the owner menu's first enabled default item; returns whether there was one.
    std::function<bool()> ClickDefaultItem;

private:
    bool animated_ = false;
};

}  // namespace trovel
