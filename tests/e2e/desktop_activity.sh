#!/usr/bin/env bash
# What the user really does, on a real display: time away from keyboard and mouse holds
# the bar at the full typing length until the user is back; a rest waits while another
# program is full screen and starts within a tick of its end; start at login writes a
# valid autostart entry that names this program, and removes it again.
# The X server and the program both run ten times faster (faketime), so the server's idle
# time and the program's ticks keep the same pace.
source "$(dirname "$0")/lib.sh"

# The X server ten times faster too. The library is preloaded directly: the faketime
# command would not pass SIGTERM on to the server. An X11 session, whatever the caller's.
e2e_start env LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME='+0 x10'
unset XDG_SESSION_TYPE

ini="$XDG_CONFIG_HOME/trovel.ini"
# A 2-minute typing phase and a 1-minute rest.
printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=2\nN2min1_Checked=True\nN5min1_Checked=False\nmenu_1min_Checked=True\n' >"$ini"

# The user at work: the pointer moves every 0.2 s (2 s of the program's time).
BUSY_PID=
busy() {
    (while :; do xdotool mousemove $((RANDOM % 300 + 600)) $((RANDOM % 300 + 100)); sleep 0.2; done) &
    BUSY_PID=$!
    E2E_PIDS+=($BUSY_PID)
}
idle() { stop_processes "$BUSY_PID"; }

# ---- a natural break
busy
start_trovel 10
wait_for 10 title_matches '^01:[0-4]0 Type trovel$' || fail "the countdown did not run: '$(window_title)'"
idle
# A rest's length (60 s, 6 s here) without input holds the bar at the full length...
wait_for 10 title_matches '^02:00 Type trovel$' || fail "not held at the full length: '$(window_title)'"
# ...for longer than the typing phase itself, with no rest.
for _ in $(seq 30); do
    sleep 0.5
    title_matches '^02:00 Type trovel$' || fail "the hold ended while away: '$(window_title)'"
done
# One pointer movement later the count goes on from the full length.
xdotool mousemove 500 500
wait_for 3 title_matches '^01:50 Type trovel$' || fail "did not count on after the return: '$(window_title)'"

# ---- a rest waits while another program is full screen
busy
/usr/bin/python3 "$(dirname "$0")/fullscreen_window.py" >"$E2E_TMP/fullscreen" &
FULL_PID=$!
E2E_PIDS+=($FULL_PID)
wait_for 10 test -s "$E2E_TMP/fullscreen" || fail "the full-screen window did not appear"
# The typing phase ends (at 00:00) while it is in front: the count runs on below zero.
wait_for 20 title_matches '^00:-[3-9]0 Type trovel$' || fail "the rest did not wait: '$(window_title)'"
stop_processes "$FULL_PID"
# Within one tick (1 s here) of its end the rest starts.
wait_for 2 title_matches ' Rest trovel$' || fail "no rest after the full-screen window closed: '$(window_title)'"
idle

# ---- the options are saved in [Trovel]; [TForm1] keeps its keys
wmctrl -i -c "$(main_window)"
wait_exit 10 "$TROVEL_PID" || fail "the close request did not end the program"
expect_eq "$(sed -n '/^\[Trovel\]/,$p' "$ini" | tr -d '\r' | tr '\n' ' ')" "[Trovel] NaturalBreaks=1 FullScreenWait=1 HandsOff=0 CallWait=1 CoverScreens=1 " "[Trovel] section"
grep -q '^menu_natural\|^menu_fullscreen_wait\|^menu_cover_screens\|^menu_autostart' "$ini" && fail "a new item is stored in [TForm1]"

# ---- start at login, from the menu: Type settings > start trovel at &LOGIN
start_trovel 1
# The bar takes clicks once it is drawn; the tray icon comes right after that.
wait_for 10 tray_window >/dev/null || fail "no tray icon appeared"
choose_autostart() {
    open_menu
    # One key at a time with xdotool's short hold: a key held for 75 ms real time is held
    # for 750 ms on this server's clock, long enough to repeat.
    local k
    for k in Down Down Down Down Down Right l; do
        xdotool key "$k"
        sleep 0.3
    done
    wait_for 5 menu_is_closed || fail "the menu stayed open"
}
autostart="$XDG_CONFIG_HOME/autostart/trovel.desktop"
choose_autostart
wait_for 5 test -f "$autostart" || fail "no autostart entry after checking the item"
desktop-file-validate "$autostart" || fail "the autostart entry does not validate"
exec_line=$(sed -n 's/^Exec=//p' "$autostart")
expect_eq "$exec_line" "$(readlink -f "$TROVEL")" "Exec= of the autostart entry"
[ -x "$exec_line" ] || fail "Exec= names no program: $exec_line"
choose_autostart
wait_for 5 bash -c "! test -e '$autostart'" || fail "the autostart entry stayed after unchecking"
echo "PASS desktop_activity"
