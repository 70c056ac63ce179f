// What the tray icon does when a notification area comes up while the program runs. Qt
// 6.4 decides once, when the first QSystemTrayIcon is made, between a status-notifier
// item on the session bus and an XEmbed icon, and never asks the session bus again: a
// status-notifier panel that starts later would never see a Qt icon. So the program then
// shows an item of its own on the session bus, and goes back to a Qt icon (which docks in
// an XEmbed tray) when only such a tray is left.
#pragma once

namespace trovel {

// Which icon the program shows: none yet (it is made after the first windows are drawn,
// and chooses then), Qt's QSystemTrayIcon, or the program's own status-notifier item.
enum class TrayIconKind { none, qt_icon, own_item };

enum class TrayArrival {
    // org.kde.StatusNotifierWatcher took its name on the session bus, or a panel registered
    // with it as a host
    status_notifier_watcher,
    // a window took the X screen's _NET_SYSTEM_TRAY_S<n> selection
    xembed_tray,
};

enum class TrayStep {
    keep,           // the icon has a host, or will choose one when it is made
    own_item,       // drop the Qt icon for the program's own status-notifier item
    register_again, // the own item registers with the new watcher
    remake_qt_icon, // make the Qt icon again, so that it docks
};

// has_host: the icon is shown by a notification area now (a Qt icon also when Qt keeps it
// in one by itself: one made with a host docks or registers again with a new one).
TrayStep after_arrival(TrayIconKind kind, bool has_host, TrayArrival arrival);

} // namespace trovel
