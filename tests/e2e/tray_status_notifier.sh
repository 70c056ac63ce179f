#!/usr/bin/env bash
# Panels that host status-notifier items (KDE Plasma, GNOME with AppIndicator, XFCE, LXQt,
# Cinnamon, Budgie) report each left click on the icon as one Activate call and never a
# double click. A stand-in watcher on a private session bus plays such a panel: one
# Activate does nothing, two 80 ms apart are a double click and take a break at once.

# A session bus of our own, gone when the test ends.
if [ -z "${TROVEL_E2E_OWN_BUS:-}" ]; then
    TROVEL_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
e2e_start

watcher_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null | grep -q 'boolean true'
}
/usr/bin/python3 "$(dirname "$0")/sni_watcher.py" "$E2E_TMP/items" >"$E2E_TMP/watcher.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 10 watcher_ready || fail "the stand-in watcher did not start: $(cat "$E2E_TMP/watcher.log")"

start_trovel 1
wait_for 10 test -s "$E2E_TMP/items" || fail "the program registered no status-notifier item"
item=$(head -n 1 "$E2E_TMP/items")
tray_window >/dev/null && fail "the icon docked in the XEmbed tray as well"

activate() {
    dbus-send --session --type=method_call --dest="$item" /StatusNotifierItem \
        org.kde.StatusNotifierItem.Activate int32:500 int32:760
}

# One click alone: nothing may happen, so this wait cannot poll for a change; it outlasts
# any double-click interval, and so also keeps this click apart from the next two.
activate
sleep 1
title_matches ' Type trovel$' || fail "a single Activate changed the phase: '$(window_title)'"

activate
sleep 0.08
activate
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "two Activate calls took no break: '$(window_title)'"
echo "PASS tray_status_notifier"
