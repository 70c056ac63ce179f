#!/usr/bin/env bash
# A rest shows the next picture of the chosen folder, centred in the image area at its own
# size, with the panel's face around it.
source "$(dirname "$0")/lib.sh"
e2e_start

pics="$E2E_TMP/pictures"
mkdir -p "$pics"
# 200x100: left half red, right half blue.
convert -size 100x100 xc:red -size 100x100 xc:blue +append "BMP3:$pics/one.bmp"
cat >"$XDG_CONFIG_HOME/trovel.ini" <<INI
[TForm1]
FormVersion=1
spin_timeout_Value=1
N1min1_Checked=True
N5min1_Checked=False
menu_pict_dir_Caption=$pics/*.bmp
INI

start_trovel 20
wait_for 30 title_matches ' Rest trovel$' || fail "no rest came: '$(window_title)'"
wait_for 5 geometry_is "30,37 964x694" || fail "rest window at $(window_geometry)"
# The image area starts below both rows (21 + 23) and is 964 x 650; the picture is centred:
# left 30 + (964 - 200) / 2 = 412, top 37 + 44 + (650 - 100) / 2 = 356.
wait_for 5 pixel_is 412 356 "255,0,0" || expect_eq "$(pixel 412 356)" "255,0,0" "top-left pixel of the picture"
expect_eq "$(pixel 611 455)" "0,0,255" "bottom-right pixel of the picture"
expect_eq "$(pixel 411 356)" "192,192,192" "face left of the picture"
expect_eq "$(pixel 612 455)" "192,192,192" "face right of the picture"
echo "PASS rest_picture"
