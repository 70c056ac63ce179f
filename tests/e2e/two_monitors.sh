#!/usr/bin/env bash
# One X screen split into two monitors, the primary on the right: the bar and the rest
# window stand on the primary, a window of the program covers the other monitor during the
# rest and is gone after it, the bar can be dragged onto the other monitor and back, and a
# bar left on a monitor that is removed comes onto the one that remains.
source "$(dirname "$0")/lib.sh"
X_SCREEN=3840x1080x24 e2e_start
command -v xrandr >/dev/null || fail "xrandr is missing"
xrandr --setmonitor L 1920/508x1080/286+0+0 screen >/dev/null
xrandr --setmonitor '*R' 1920/508x1080/286+1920+0 none >/dev/null

# A cover fills the left monitor, down to the strip icewm keeps free for its taskbar along
# the bottom of the X screen (its work area), which holds on this monitor too.
read -r area_y area_h < <(xprop -root _NET_WORKAREA | sed 's/.*= //' | awk -F', ' '{print $2, $4}')
cover="0,0 1920x$((area_y + area_h < 1080 ? area_y + area_h : 1080))"
# The program's window there, found by class: under faketime the program is a child of
# the pid started.
cover_window() {
    local w
    for w in $(xdotool search --onlyvisible --class trovel 2>/dev/null); do
        [ "$(window_geometry "$w" 2>/dev/null)" = "$cover" ] && echo "$w" && return 0
    done
    return 1
}
left_covered() { cover_window >/dev/null; }
left_free() { ! left_covered; }

start_trovel 20
left_free || fail "a cover while typing"
wait_for 5 geometry_is "2815,518 130x44" || fail "bar at $(window_geometry)"
wait_for 40 title_matches ' Rest trovel$' || fail "no rest came: '$(window_title)'"
wait_for 5 geometry_is "1950,37 1860x1006" || fail "rest window at $(window_geometry)"
wait_for 5 left_covered || fail "no window of the program at $cover"
w=$(cover_window)
xprop -id "$w" _NET_WM_STATE | grep _NET_WM_STATE_SKIP_TASKBAR >/dev/null || fail "the cover is in the taskbar"
[ "$(xdotool getactivewindow 2>/dev/null)" != "$w" ] || fail "the cover took the focus"
wait_for 20 title_matches ' Type trovel$' || fail "the rest did not end: '$(window_title)'"
wait_for 5 left_free || fail "the cover stayed after the rest"
wait_for 5 geometry_is "2815,518 130x44" || fail "bar after the rest at $(window_geometry)"

# Dragged by its left end onto the left monitor and back onto the primary (the window
# manager moves a window across a monitor's edge onto one monitor, so the clamps at the
# edges are left to the form's tests), which is then removed.
xdotool mousemove 2825 528 mousedown 1 mousemove 2000 528 mousemove 1000 300 mouseup 1
wait_for 5 geometry_is "990,290 130x44" || fail "bar after the drag at $(window_geometry)"
xdotool mousemove 1000 300 mousedown 1 mousemove 3000 300 mousemove 3500 500 mouseup 1
wait_for 5 geometry_is "3490,490 130x44" || fail "bar on the primary at $(window_geometry)"
xrandr --delmonitor R >/dev/null
wait_for 5 geometry_is "895,518 130x44" || fail "bar after its monitor went at $(window_geometry)"
echo "PASS two_monitors"
