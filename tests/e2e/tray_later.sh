#!/usr/bin/env bash
# A notification area that comes up after the program, as at a login where the program
# starts before the panel. On a display with no tray and a private session bus with no
# watcher, the icon is made with no host. Then:
# - a stand-in status-notifier watcher started 3 s later gets the program's item: two
#   Activate calls 80 ms apart take a break, and the item's picture cycles during the rest,
#   its tool tip the window title;
# - that watcher gone, icewm's XEmbed tray started mid-rest docks the icon, whose picture
#   goes on cycling;
# - for a second run of the program, with no tray again, icewm started 3 s later docks the
#   icon, and a double click on it takes a break;
# - for a third run, a watcher is there before the program but its panel registers as host
#   only 3 s later, as when a desktop starts its watcher before its panel: the item
#   registers then, and two Activate calls take a break.

# A session bus of our own, gone when the test ends.
if [ -z "${TROVEL_E2E_OWN_BUS:-}" ]; then
    TROVEL_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
e2e_start_without_tray

# The icon is made right after the bar is drawn; 3 s leave it long made.
start_trovel 1
sleep 3
/usr/bin/python3 "$(dirname "$0")/sni_watcher.py" "$E2E_TMP/items" >"$E2E_TMP/watcher.log" 2>&1 &
watcher=$!
E2E_PIDS+=($watcher)
wait_for 10 test -s "$E2E_TMP/items" || fail "no item registered with the watcher that came later"
item=$(head -n 1 "$E2E_TMP/items")

activate() {
    dbus-send --session --type=method_call --dest="$item" /StatusNotifierItem \
        org.kde.StatusNotifierItem.Activate int32:500 int32:760
}
activate
sleep 0.08
activate
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "two Activate calls took no break: '$(window_title)'"

# The three frames change every 150 ms: a second of readings sees each of them.
picture() {
    dbus-send --session --print-reply --dest="$item" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierItem string:IconPixmap | md5sum | cut -c1-12
}
seen=$(for _ in $(seq 16); do
    picture
    sleep 0.05
done | sort -u | wc -l)
[ "$seen" -ge 3 ] || fail "the item showed $seen pictures during the rest, not the three frames"
tip=$(dbus-send --session --print-reply --dest="$item" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem string:ToolTip)
[[ "$tip" == *' Rest trovel"'* ]] || fail "the item's tool tip is not the rest's title: $tip"

# The top-left pixel of the 16x16 art, centred in the tray slot, is the frame's background.
frames_cycle() {
    local tray tw th seen="" colour
    tray=$(tray_window)
    read -r tw th < <(xdotool getwindowgeometry "$tray" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
    for _ in $(seq 40); do
        seen="$seen $(window_pixel "$tray" $(((tw - 16) / 2)) $(((th - 16) / 2)))"
    done
    for colour in 192,192,192 255,0,0 255,255,0; do
        [[ " $seen " == *" $colour "* ]] || fail "frame background $colour never seen during the rest:$seen"
    done
}

# The panel goes, an XEmbed tray comes, the rest goes on.
kill "$watcher"
e2e_tray
wait_for 10 tray_window >/dev/null || fail "the icon did not dock in the tray that came after the watcher left"
frames_cycle
title_matches ' Rest trovel$' || fail "the rest ended early: '$(window_title)'"

# Second run: no tray, then a tray.
kill "$TROVEL_PID" "$WM_PID"
wait_exit 10 "$TROVEL_PID" || fail "the program did not end on SIGTERM"
wait_for 10 process_gone "$WM_PID" || fail "icewm did not end"
start_trovel 1
sleep 3
tray_window >/dev/null && fail "an icon docked with no tray there"
e2e_tray
wait_for 10 tray_window >/dev/null || fail "the icon did not dock in the tray that came later"
tray=$(tray_window)
read -r tx ty < <(xdotool getwindowgeometry "$tray" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
read -r tw th < <(xdotool getwindowgeometry "$tray" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
xdotool mousemove $((tx + tw / 2)) $((ty + th / 2)) click --repeat 2 --delay 60 1
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "the double click on the docked icon took no break: '$(window_title)'"
frames_cycle

# Third run: a watcher with no host, whose host comes later.
kill "$TROVEL_PID" "$WM_PID"
wait_exit 10 "$TROVEL_PID" || fail "the program did not end on SIGTERM"
wait_for 10 process_gone "$WM_PID" || fail "icewm did not end"
rm -f "$E2E_TMP/items"
/usr/bin/python3 "$(dirname "$0")/sni_watcher.py" "$E2E_TMP/items" --host-later 3 >"$E2E_TMP/watcher.log" 2>&1 &
E2E_PIDS+=($!)
start_trovel 1
wait_for 10 test -s "$E2E_TMP/items" || fail "no item registered when the watcher's host came later"
item=$(head -n 1 "$E2E_TMP/items")
activate
sleep 0.08
activate
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "two Activate calls after the host came took no break"
echo "PASS tray_later"
