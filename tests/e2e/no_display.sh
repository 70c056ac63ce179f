#!/usr/bin/env bash
# Without a usable X display the program ends at once with one line that says so and
# status 1, instead of Qt's abort; the settings file is left alone. With a headless Qt
# platform chosen, no X display is needed; with Wayland chosen, the program runs on X11.
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

# A socket where an X server should be that is none: one that closes every connection at
# once, one that answers garbage. The check sets up an X connection, so both give the line
# instead of Qt's abort.
for mode in close garbage; do
    python3 - "$free" "$mode" >"$E2E_TMP/listener.log" 2>&1 <<'PY' &
import socket, sys
number, mode = int(sys.argv[1]), sys.argv[2]
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind("\0/tmp/.X11-unix/X%d" % number)
s.listen(8)
print("ready", flush=True)
while True:
    c, _ = s.accept()
    if mode == "garbage":
        c.recv(64)
        c.sendall(b"\x7fELF garbage that is no X set-up reply" * 4)
    c.close()
PY
    listener=$!
    E2E_PIDS+=($listener)
    wait_for 5 grep -q ready "$E2E_TMP/listener.log" || fail "$mode: the listener did not start"
    rc=0
    DISPLAY=:$free "$TROVEL" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || rc=$?
    expect_eq "$rc" 1 "listener that answers with $mode: exit status"
    expect_eq "$(cat "$E2E_TMP/err")" "trovel: cannot connect to the X display ':$free'$hint" \
        "listener that answers with $mode: stderr"
    expect_eq "$(file_stamp "$ini")" "$before" "listener that answers with $mode: the settings file"
    kill "$listener"
    wait "$listener" 2>/dev/null || true
    echo "listener that answers with $mode: status 1, one line"
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

# A Wayland platform chosen for every program of the session: the bar runs on X11 anyway
# and says so once; with a fall-back to xcb in the list it says nothing.
x_display_start "$E2E_TMP/xvfb.log" || fail "Xvfb did not start"
E2E_PIDS+=("$XVFB_PID")
for platform in wayland "wayland;xcb"; do
    QT_QPA_PLATFORM=$platform WAYLAND_DISPLAY=wayland-none "$TROVEL" >"$E2E_TMP/out" 2>"$E2E_TMP/err" &
    pid=$!
    E2E_PIDS+=($pid)
    wait_for 20 main_window >/dev/null || fail "$platform: no window: $(cat "$E2E_TMP/err")"
    kill -TERM "$pid"
    wait_exit 10 "$pid" || fail "$platform: the program did not end"
    expect_eq "$EXIT_STATUS" 0 "QT_QPA_PLATFORM=$platform: exit status"
    expected=
    [ "$platform" = wayland ] &&
        expected="trovel: QT_QPA_PLATFORM=wayland is not used: the bar needs X11, so it runs on xcb"
    expect_eq "$(grep -v '^qt\.' "$E2E_TMP/err" || true)" "$expected" "QT_QPA_PLATFORM=$platform: stderr"
    echo "QT_QPA_PLATFORM=$platform: runs on X11"
done
echo "PASS no_display"
