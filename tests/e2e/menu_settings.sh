#!/usr/bin/env bash
# The popup menu on a real display: a click on the hands opens it, the keyboard walks it,
# a typing length chosen there is saved at exit and read again at the next start, and a
# close request through the window manager saves the form as not visible.
source "$(dirname "$0")/lib.sh"
e2e_start

# Keys, with a pause for the menus to follow.
keys() { xdotool key --delay 150 "$@"; }

start_trovel
BAR=$(main_window)
geometry_is "447,362 130x44" || fail "bar at $(window_geometry)"

# A right click opens nothing. Nothing can be polled for: it gets half a second to open one.
xdotool mousemove 459 372 click 3
sleep 0.5
menu_is_closed || fail "a right click opened a window"

# Type settings > MINUTES allowed > &2 min: the fifth entry, two submenus in, its accelerator.
open_menu "$BAR"
expect_eq "$MENU_AT" "464,374" "menu position"
keys Down Down Down Down Down Right Right 2
wait_for 5 menu_is_closed || fail "the menu stayed open after choosing 2 min"
wait_for 5 title_matches '^02:00 Type trovel$' || fail "title after 2 min: '$(window_title)'"

# Up from the top selects the last entry, the exit.
open_menu "$BAR"
keys Up Return
wait_exit 10 "$TROVEL_PID" || fail "the exit entry did not end the program"
expect_eq "$EXIT_STATUS" 0 "exit status"

ini="$XDG_CONFIG_HOME/trovel.ini"
[ -f "$ini" ] || fail "no settings file at $ini"
expect_eq "$(head -n 1 "$ini" | tr -d '\r')" "[TForm1]" "first line of the settings file"
expect_eq "$(ini_value FormVersion)" 1 FormVersion
expect_eq "$(ini_value Visible)" 1 "Visible after the exit entry"
expect_eq "$(ini_value spin_timeout_Value)" 2 spin_timeout_Value
expect_eq "$(ini_value N2min1_Checked)" True N2min1_Checked
expect_eq "$(ini_value N5min1_Checked)" False N5min1_Checked

# The next start reads the length back; a close request saves the form as hidden.
start_trovel
BAR=$(main_window)
wait_for 5 title_matches '^02:00 Type trovel$' || fail "title after restart: '$(window_title)'"
wmctrl -i -c "$BAR"
wait_exit 10 "$TROVEL_PID" || fail "the close request did not end the program"
expect_eq "$(ini_value Visible)" 0 "Visible after a close request"
expect_eq "$(ini_value spin_timeout_Value)" 2 "spin_timeout_Value after the second run"
echo "PASS menu_settings"
