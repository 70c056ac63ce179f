#!/usr/bin/env bash
# The tray icon: the static icon while typing; a left double click takes a break at once,
# and during the rest the icon cycles through its silver, red and yellow frames.
source "$(dirname "$0")/lib.sh"
e2e_start

start_trovel 1
wait_for 10 tray_window >/dev/null || fail "no tray icon docked"
tray=$(tray_window)
read -r tx ty < <(xdotool getwindowgeometry "$tray" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
read -r tw th < <(xdotool getwindowgeometry "$tray" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
# The top-left pixel of the 16x16 art, centred in the tray slot, is the frame's background.
ox=$(((tw - 16) / 2))
oy=$(((th - 16) / 2))
wait_for 5 window_pixel_is "$tray" $ox $oy "192,192,192" ||
    expect_eq "$(window_pixel "$tray" $ox $oy)" "192,192,192" "static icon while typing"

# A single click and a right click do nothing: with no condition to wait for, each gets
# half a second to do something.
xdotool mousemove $((tx + tw / 2)) $((ty + th / 2)) click 1
sleep 0.5
xdotool click 3
sleep 0.5
title_matches ' Type trovel$' || fail "a single or right click changed the phase: '$(window_title)'"

xdotool mousemove $((tx + tw / 2)) $((ty + th / 2)) click --repeat 2 --delay 60 1
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "the double click took no break: '$(window_title)'"
wait_for 5 geometry_is "30,37 964x694" || fail "rest window at $(window_geometry)"

seen=""
for _ in $(seq 40); do
    seen="$seen $(window_pixel "$tray" $ox $oy)"
done
for colour in 192,192,192 255,0,0 255,255,0; do
    [[ " $seen " == *" $colour "* ]] || fail "frame background $colour never seen during the rest:$seen"
done
echo "PASS tray"
