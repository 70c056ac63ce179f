#!/usr/bin/env bash
# With no settings file the bar starts at the screen centre with a 5-minute countdown,
# grows into the centred rest window when the time is up, and shrinks back afterwards.
source "$(dirname "$0")/lib.sh"
e2e_start

start_trovel 20
geometry_is "447,362 130x44" || fail "bar at $(window_geometry)"
title_matches '^0[45]:[0-5]0 Type trovel$' || fail "title '$(window_title)'"

# The progress strip starts with the typing ramp's first band, teal, at its left edge
# (the bar at 447,362; the strip at 36+2, 2+2 inside it).
wait_for 5 pixel_is 485 366 "0,128,128" || expect_eq "$(pixel 485 366)" "0,128,128" "first band of the typing ramp"

# The countdown steps every 10 s (half a second at 20 times the speed).
first=$(window_title)
wait_for 10 bash -c "[ \"\$(xprop -id $(main_window) _NET_WM_NAME)\" != '_NET_WM_NAME(UTF8_STRING) = \"$first\"' ]" ||
    fail "the title did not step from '$first'"
title_matches ' Type trovel$' || fail "title '$(window_title)'"

wait_for 40 title_matches ' Rest trovel$' || fail "no rest came: '$(window_title)'"
wait_for 5 geometry_is "30,37 964x694" || fail "rest window at $(window_geometry)"

wait_for 20 title_matches ' Type trovel$' || fail "the rest did not end: '$(window_title)'"
wait_for 5 geometry_is "447,362 130x44" || fail "bar after the rest at $(window_geometry)"
echo "PASS startup_cycle"
