#!/usr/bin/env bash
# Without a usable X display the program ends at once with one line that says so and
# status 1, instead of Qt's abort; the settings file is left alone. With another Qt
# platform chosen, no X display is needed.
source "$(dirname "$0")/lib.sh"

export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
export SDL_AUDIODRIVER=dummy LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

ini="$XDG_CONFIG_HOME/trovel.ini"
printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=7\n' >"$ini"
touch -d '2020-01-02 03:04:05' "$ini"
before=$(file_stamp "$ini")

# A display number no server answers on.
free=49
while [ -e "/tmp/.X11-unix/X$free" ] || xdpyinfo -display ":$free" >/dev/null 2>&1; do free=$((free + 1)); done

hint="; on a Wayland desktop XWayland must be running"
unset_line="trovel: cannot connect to an X display: DISPLAY is not set$hint"
# name | environment (as for env) | the line expected
cases=(
    "unset||$unset_line"
    "empty|DISPLAY=|$unset_line"
    "no server|DISPLAY=:$free|trovel: cannot connect to the X display ':$free'$hint"
    "garbage|DISPLAY=garbage|trovel: cannot connect to the X display 'garbage'$hint"
    "garbage screen|DISPLAY=:$free.x.y|trovel: cannot connect to the X display ':$free.x.y'$hint"
    "only Wayland|WAYLAND_DISPLAY=wayland-0|$unset_line"
)
for c in "${cases[@]}"; do
    IFS='|' read -r name assignment expected <<<"$c"
    rc=0
    env $assignment "$TROVEL" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || rc=$?
    expect_eq "$rc" 1 "$name: exit status"
    expect_eq "$(cat "$E2E_TMP/err")" "$expected" "$name: stderr"
    [ ! -s "$E2E_TMP/out" ] || fail "$name: printed on stdout: $(cat "$E2E_TMP/out")"
    expect_eq "$(file_stamp "$ini")" "$before" "$name: the settings file"
    echo "$name: status 1, one line"
done

# Another platform chosen: no X display is asked for, and the program runs.
QT_QPA_PLATFORM=offscreen "$TROVEL" >"$E2E_TMP/out" 2>&1 &
pid=$!
E2E_PIDS+=($pid)
sleep 2
kill -0 "$pid" 2>/dev/null || fail "offscreen: the program ended: $(cat "$E2E_TMP/out")"
kill -TERM "$pid"
wait_exit 10 "$pid" || fail "offscreen: the program did not end"
expect_eq "$EXIT_STATUS" 0 "offscreen: exit status"
echo "PASS no_display"
