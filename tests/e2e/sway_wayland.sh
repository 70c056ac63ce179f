#!/usr/bin/env bash
# Under a real Wayland compositor: a headless sway with its XWayland, where the X server
# knows neither the user's input to native programs nor their windows. Two copies of the
# program (each with its own settings) watch one user typing into foot, a native
# terminal:
#   - copy A (3-minute typing phase, 1-minute rest): no natural break while keys go to
#     foot, then a natural break a rest's length after the last key, from the
#     compositor's idle notifications;
#   - copy B (1-minute typing phase): a full-screen foot at the end of the typing phase
#     holds the rest until foot leaves full screen, seen from the compositor's list of
#     windows.
# sway refuses to run as root: as root, everything here runs as the user "nobody".
# Skipped (77) without sway, XWayland, foot or wtype. About 2.5 minutes of real time:
# the compositor's idle time runs on the real clock, so nothing is sped up.
source "$(dirname "$0")/lib.sh"

for tool in sway Xwayland foot wtype swaymsg xdotool; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed"
        exit 77
    }
done

chmod 755 "$E2E_TMP"
runtime=$E2E_TMP/runtime
mkdir -p "$runtime" "$E2E_TMP/home" "$E2E_TMP/a" "$E2E_TMP/b"
cp "$TROVEL" "$E2E_TMP/trovel"
chmod 755 "$E2E_TMP/trovel"
chmod 700 "$runtime"
if [ "$(id -u)" = 0 ]; then
    chown 65534:65534 "$runtime" "$E2E_TMP/home" "$E2E_TMP/a" "$E2E_TMP/b"
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
    as_user_exec() { exec setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
else
    as_user() { "$@"; }
    as_user_exec() { exec "$@"; }
fi
# "as_user_exec ... &": the background job becomes the program itself, so its pid is the
# program's and stopping it stops the program.
user_env=(env -i PATH=/usr/bin:/bin HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8)

# ---- sway, XWayland and foot
printf 'xwayland force\noutput HEADLESS-1 resolution 1280x720\nexec echo "$DISPLAY" >%s/display\n' \
    "$E2E_TMP/home" >"$E2E_TMP/sway.config"
as_user_exec "${user_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$E2E_TMP/sway.config" >"$E2E_TMP/sway.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 20 test -s "$E2E_TMP/home/display" || fail "sway did not start: $(tail -5 "$E2E_TMP/sway.log")"
export DISPLAY
DISPLAY=$(cat "$E2E_TMP/home/display")
wayland=$(cd "$runtime" && ls wayland-[0-9] | head -n 1)
sock=$(ls "$runtime"/sway-ipc.*.sock | head -n 1)
[ -n "$DISPLAY" ] && [ -n "$wayland" ] || fail "no X display or Wayland socket from sway"
wl_env=("${user_env[@]}" WAYLAND_DISPLAY="$wayland" SWAYSOCK="$sock" DISPLAY="$DISPLAY")
sway_cmd() { as_user "${wl_env[@]}" swaymsg "$@" >/dev/null; }
x_user() { as_user "${wl_env[@]}" "$@"; }
wait_for 20 x_user xdotool getmouselocation >/dev/null 2>&1 || fail "XWayland on $DISPLAY does not answer"

# cat, not a login shell: the user "nobody" has none.
as_user_exec "${wl_env[@]}" foot cat >"$E2E_TMP/foot.log" 2>&1 &
E2E_PIDS+=($!)
foot_focused() { as_user "${wl_env[@]}" swaymsg -t get_tree | grep -q '"app_id": "foot"'; }
wait_for 20 foot_focused || fail "foot did not appear"

# ---- the two copies, as a Wayland session without any idle service on a bus
start_copy() {
    local dir=$1 minutes=$2
    printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=%s\nN%smin1_Checked=True\nN5min1_Checked=False\nmenu_1min_Checked=True\n%b' \
        "$minutes" "$minutes" "${3:-}" >"$dir/trovel.ini"
    [ "$(id -u)" = 0 ] && chown 65534:65534 "$dir/trovel.ini"
    as_user_exec "${wl_env[@]}" XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$dir" \
        XDG_DATA_HOME="$dir" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus SDL_AUDIODRIVER=dummy \
        "$E2E_TMP/trovel" >"$dir/trovel.log" 2>&1 &
    E2E_PIDS+=($!)
}
copy_title() { x_user xdotool search --all --pid "$1" --name ' (Type|Rest) trovel$' getwindowname 2>/dev/null | head -n 1; }
copy_matches() { [[ "$(copy_title "$1")" =~ $2 ]]; }
# "X Y W H" of the window titled $1 as sway has it.
sway_rect() {
    as_user "${wl_env[@]}" swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if n.get("name") == sys.argv[1]:
        r = n["rect"]
        print(r["x"], r["y"], r["width"], r["height"])
        sys.exit()
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))' "$1"
}
copy_rect_is() { [ "$(sway_rect "$(copy_title "$1")")" = "$2" ]; }

# The user types into foot, a key every 2 s (wtype sends to the focused native window).
TYPING_PID=
typing() {
    (while :; do as_user "${wl_env[@]}" wtype a; sleep 2; done) &
    TYPING_PID=$!
    E2E_PIDS+=($TYPING_PID)
}
typing
# A's bar has a stored place; sway would keep it floating in the middle at 130x50.
start_copy "$E2E_TMP/a" 3 'Lbl_default_left_Caption=100\nlbl_default_top_Caption=600\n'
A_PID=${E2E_PIDS[-1]}
start_copy "$E2E_TMP/b" 1
B_PID=${E2E_PIDS[-1]}
wait_for 20 copy_matches "$A_PID" 'Type trovel$' || fail "copy A shows no bar: $(cat "$E2E_TMP/a/trovel.log")"
wait_for 20 copy_matches "$B_PID" 'Type trovel$' || fail "copy B shows no bar: $(cat "$E2E_TMP/b/trovel.log")"
# Placed through sway's IPC: exactly where and as large as Trovel puts it.
wait_for 10 copy_rect_is "$A_PID" "100 600 130 44" || fail "A's bar is at $(sway_rect "$(copy_title "$A_PID")")"
# Bring foot back in front of the bars and make it full screen.
sway_cmd '[app_id="foot"] focus'
sway_cmd '[app_id="foot"] fullscreen enable'
start=$SECONDS

# ---- B: the typing phase ends under the full-screen foot; the rest waits
wait_for 90 copy_matches "$B_PID" '^00:-[1-9]0 Type trovel$' || fail "B's rest did not wait: '$(copy_title "$B_PID")'"
# ---- A: 70 s and more of typing, longer than a rest: no natural break (held at 03:00)
copy_matches "$A_PID" '^0[12]:[0-5]0 Type trovel$' || fail "A did not count down while keys went to foot: '$(copy_title "$A_PID")'"
sleep 10
copy_matches "$B_PID" '^00:-[2-9]0 Type trovel$' || fail "B's rest did not go on waiting: '$(copy_title "$B_PID")'"
stop_processes "$TYPING_PID"
typed_until=$SECONDS
sway_cmd '[app_id="foot"] fullscreen disable'
wait_for 15 copy_matches "$B_PID" ' Rest trovel$' || fail "B's rest did not start after full screen: '$(copy_title "$B_PID")'"
# The full-size rest window on the 1280x720 output: 30 px in from the sides, 37 from the top.
wait_for 10 copy_rect_is "$B_PID" "30 37 1220 646" || fail "B's rest window is at $(sway_rect "$(copy_title "$B_PID")")"

# ---- A: a rest's length (60 s) without input: held at the full length
copy_matches "$A_PID" '^0[12]:[0-5]0 Type trovel$' || fail "A held too early: '$(copy_title "$A_PID")'"
wait_for 80 copy_matches "$A_PID" '^03:00 Type trovel$' || fail "no natural break for A: '$(copy_title "$A_PID")'"
held_after=$((SECONDS - typed_until))
[ "$held_after" -ge 55 ] || fail "A held after only ${held_after} s without input"
sleep 11
copy_matches "$A_PID" '^03:00 Type trovel$' || fail "the hold ended while away: '$(copy_title "$A_PID")'"
echo "PASS sway_wayland (natural break ${held_after} s after the last key, $((SECONDS - start)) s in all)"
