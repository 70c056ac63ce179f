# Sourced by the end-to-end tests, the benchmarks and scripts/check-package: a private X
# display on a number the X server picks for itself (-displayfd), so runs started at the
# same time never meet on a fixed number, and the window manager with a tray that the
# tests and benchmarks use, waited for until it is ready.

# x_poll SECONDS COMMAND...: runs the command every 20 ms until it succeeds; fails when
# it has not succeeded within SECONDS.
x_poll() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -le $end ] || return 1
        sleep 0.02
    done
}

# x_display_start [LOG [WRAPPER...]]: starts Xvfb at 1024x768x24 (or at $X_SCREEN when set)
# on a free display and exports DISPLAY; the server's pid is left in XVFB_PID. A wrapper command given runs the
# server (env VAR=VALUE..., say); it must exec the server, so that the pid is the
# server's. The server writes its display number to the descriptor only once it accepts
# connections, so nothing needs polling here. It never resets: by default the server
# starts afresh each time its last client leaves, and a program connecting while the
# short-lived checks of a poll come and go could be cut off.
x_display_start() {
    local log=${1:-/dev/null} fifo number=
    fifo=$(mktemp -u /tmp/trovel-displayfd-XXXXXX)
    mkfifo "$fifo"
    "${@:2}" Xvfb -displayfd 3 -screen 0 "${X_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo" >"$log" 2>&1 &
    XVFB_PID=$!
    # A server that fails to start closes the pipe, which ends the read at once.
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start (log: $log)" >&2
        return 1
    fi
    export DISPLAY=:$number
}

# The window manager has announced itself on the root and its tray has taken the
# selection that tray icons dock to (icewm names that window SystemTray).
x_wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        xdotool search --name '^SystemTray$' >/dev/null 2>&1
}

# x_wm_start [LOG]: starts icewm (a window manager with a tray) on $DISPLAY and waits
# until it is ready; its pid is left in WM_PID. Needs HOME, where icewm keeps its files.
x_wm_start() {
    local log=${1:-/dev/null}
    icewm >"$log" 2>&1 &
    WM_PID=$!
    x_poll 10 x_wm_ready || {
        echo "icewm did not get ready on $DISPLAY (log: $log)" >&2
        return 1
    }
}
