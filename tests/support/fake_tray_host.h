// A notification area for tests: it logs every add, modify and remove (the log outlives
// the host, so a test can check what a tray icon sent while being destroyed), and sends
// the mouse notifications a real click or double click would.
#pragma once

#include "platform/tray_host.h"

#include <QIcon>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

namespace trovel::test {

struct TrayCall {
    enum Kind { Add, Modify, Remove } kind;
    qint64 icon = 0; // QIcon::cacheKey() of the icon sent
    QString tip;
};

class FakeTrayHost : public TrayHost {
public:
    bool add(const QIcon &icon, const QString &tip) override;
    void modify(const QIcon &icon, const QString &tip) override;
    void remove() override;
    QPoint cursor_pos() const override { return pos; }
    Qt::KeyboardModifiers modifiers() const override { return keys; }
    bool area_present() const override { return area; }

    void send(TrayNotification n);
    void click_left();        // down, up
    void double_click_left(); // down, up, double: what a real double click sends
    void click_right();
    void click_middle();

    // What add() answers; false plays a notification area that refuses the icon.
    bool accept = true;
    QPoint pos{100, 200};
    Qt::KeyboardModifiers keys;
    // Whether the fake area shows an icon now, and whether there is one at all.
    bool shown = false;
    bool area = true;
    std::shared_ptr<std::vector<TrayCall>> log = std::make_shared<std::vector<TrayCall>>();
};

} // namespace trovel::test
