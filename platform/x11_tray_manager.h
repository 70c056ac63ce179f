// Tells when an XEmbed tray comes up on the program's X screen. A new tray takes the
// selection _NET_SYSTEM_TRAY_S<screen> and announces it with a MANAGER client message to
// the root window, which Qt's connection already receives (Qt listens for it too): the
// watch only looks at the events that pass, and costs nothing while none comes.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

namespace trovel {

class X11TrayManagerWatch : public QAbstractNativeEventFilter {
public:
    // Nothing when the program does not run on X11.
    static std::unique_ptr<X11TrayManagerWatch> make(std::function<void()> tray_came);
    ~X11TrayManagerWatch() override;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;

private:
    X11TrayManagerWatch(xcb_connection_t *c, std::function<void()> tray_came);
    // Reads the atoms' replies, asked for when the watch began; false on an error.
    bool atoms_known();

    xcb_connection_t *c_;
    std::function<void()> tray_came_;
    uint32_t manager_cookie_ = 0;
    uint32_t selection_cookie_ = 0;
    uint32_t manager_ = 0;
    uint32_t selection_ = 0;
    bool asked_ = false;
};

} // namespace trovel
