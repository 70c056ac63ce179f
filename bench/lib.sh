# Shared by the benchmarks that run the real program: its Release build, a private X
# display per run with the window manager, and clean-up of what a script started.
# Source it from the repo root.

source scripts/stop_processes.sh
source scripts/x_display.sh

BENCH_PIDS=()
BENCH_TMP=$(mktemp -d /tmp/trovel-bench-XXXXXX)

bench_cleanup() {
    # Newest first: the programs before their window manager, the display last.
    stop_processes "${BENCH_PIDS[@]}"
    rm -rf "$BENCH_TMP"
}
trap bench_cleanup EXIT

# Builds the program in Release mode into build-bench and sets TROVEL to the binary, and
# builds the targets given (benchmark programs) beside it. A TROVEL given from outside
# (another build, say of an older commit) is measured instead of this tree's program.
bench_build() {
    scripts/deps
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTROVEL_TESTS=OFF -DTROVEL_BENCH=ON >/dev/null
    if [ -n "${TROVEL:-}" ]; then
        [ -x "$TROVEL" ] || { echo "TROVEL=$TROVEL is not a program" >&2; return 1; }
    else
        cmake --build build-bench --target trovel >/dev/null
        TROVEL=$PWD/build-bench/trovel
    fi
    [ $# = 0 ] || cmake --build build-bench --target "$@" >/dev/null
}

# Starts a fresh Xvfb at 1024x768x24 on a display it picks itself (so runs never collide)
# and exports DISPLAY. The server's pid is left in BENCH_XVFB.
bench_display() {
    x_display_start
    BENCH_XVFB=$XVFB_PID
    BENCH_PIDS+=("$BENCH_XVFB")
}

# Starts icewm on the display and waits until it and its tray are ready; its pid is left
# in BENCH_WM. Needs HOME (bench_fresh_home).
bench_wm() {
    x_wm_start
    BENCH_WM=$WM_PID
    BENCH_PIDS+=("$BENCH_WM")
}

# A fresh HOME and XDG folders under $1, exported, as a first start on a new account.
bench_fresh_home() {
    export HOME=$1/home XDG_CONFIG_HOME=$1/home/.config XDG_DATA_HOME=$1/home/.local/share \
        XDG_CACHE_HOME=$1/home/.cache XDG_RUNTIME_DIR=$1/run
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export SDL_AUDIODRIVER=dummy LANG=C.UTF-8
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    # A script that started its own session bus (TROVEL_BENCH_BUS) keeps it; the others
    # give the program none rather than the desktop's.
    [ -n "${TROVEL_BENCH_BUS:-}" ] || unset DBUS_SESSION_BUS_ADDRESS
}

# The bar of the program running as process $1: its visible window titled with the
# countdown ("04:50 Type trovel"); the tray icon's window is titled "trovel" alone.
bar_window() {
    local w
    for w in $(xdotool search --pid "$1" --onlyvisible 2>/dev/null); do
        [[ $(xdotool getwindowname "$w" 2>/dev/null) =~ \ (Type|Rest)\ trovel$ ]] && echo "$w" && return 0
    done
    return 1
}

# The open menus of process $1: its visible override-redirect windows straight on the
# root (the tray icon is override-redirect too, but sits in the tray).
menu_windows() {
    local w
    for w in $(xdotool search --pid "$1" --onlyvisible 2>/dev/null); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        xwininfo -tree -id "$w" 2>/dev/null | grep -q 'Parent window id: .*(the root window)' && echo "$w"
    done
    return 0
}
menu_open() { [ -n "$(menu_windows "$1")" ]; }
menu_closed() { [ -z "$(menu_windows "$1")" ]; }

# Resident memory of process $1 in KiB (empty once it has gone).
bench_rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || true; }

# Nanoseconds on the CPU of process $1, summed over its threads (%.0f: mawk's %d stops
# at 2^31 - 1, about 2.1 s).
bench_cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f", s}' || true; }
