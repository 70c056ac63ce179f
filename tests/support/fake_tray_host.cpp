// The logging notification area for tray icon tests.
#include "support/fake_tray_host.h"

namespace trovel::test {

bool FakeTrayHost::add(const QIcon &icon, const QString &tip) {
    log->push_back({TrayCall::Add, icon.cacheKey(), tip});
    shown = accept;
    return accept;
}

void FakeTrayHost::modify(const QIcon &icon, const QString &tip) {
    log->push_back({TrayCall::Modify, icon.cacheKey(), tip});
}

void FakeTrayHost::remove() {
    log->push_back({TrayCall::Remove, 0, {}});
    shown = false;
}

void FakeTrayHost::send(TrayNotification n) {
    if (on_notification) on_notification(n);
}

void FakeTrayHost::click_left() {
    send(TrayNotification::LeftDown);
    send(TrayNotification::LeftUp);
}

void FakeTrayHost::double_click_left() {
    click_left();
    send(TrayNotification::LeftDouble);
}

void FakeTrayHost::click_right() {
    send(TrayNotification::RightDown);
    send(TrayNotification::RightUp);
}

void FakeTrayHost::click_middle() {
    send(TrayNotification::MiddleDown);
    send(TrayNotification::MiddleUp);
}

} // namespace trovel::test
