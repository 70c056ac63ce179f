# Shared helpers for the end-to-end tests: a private X display with a window manager that
# has a tray, the real program started with a fresh config folder, and clean-up of every
# process a test started. Source it, then call e2e_start.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/stop_processes.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x_display.sh"

E2E_PIDS=()
E2E_TMP=$(mktemp -d /tmp/trovel-e2e-XXXXXX)
TROVEL=${TROVEL:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/trovel}

e2e_cleanup() {
    # The program first (it saves on the way out), the display last.
    stop_processes "${E2E_PIDS[@]}"
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        local shot
        shot=/tmp/trovel-e2e-fail-$(basename "$0" .sh).png
        import -window root "$shot" 2>/dev/null || true
        echo "screenshot: $shot" >&2
    fi
    exit 1
}

# Waits up to $1 seconds for the command "${@:2}" to succeed.
wait_for() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}

# Starts Xvfb at 1024x768x24 on a display number the server picks (so tests running at the
# same time never collide) and icewm (a window manager with a tray), and waits until the
# window manager and its tray are ready. Arguments are a wrapper command for the server
# (see x_display_start).
e2e_start() {
    e2e_display "$@"
    e2e_tray
    e2e_environment
}

# The same display with no window manager and no tray, for a tray that comes up later
# (e2e_tray).
e2e_start_without_tray() {
    e2e_display "$@"
    e2e_environment
}

e2e_display() {
    x_display_start "$E2E_TMP/xvfb.log" "$@" || fail "Xvfb did not start"
    E2E_PIDS+=("$XVFB_PID")
    export HOME="$E2E_TMP/home"
    mkdir -p "$HOME"
}

# Starts icewm and waits until its tray is ready.
e2e_tray() {
    x_wm_start "$E2E_TMP/icewm.log" || fail "icewm did not get ready"
    E2E_PIDS+=("$WM_PID")
}

e2e_environment() {
    export XDG_CONFIG_HOME="$E2E_TMP/config"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export SDL_AUDIODRIVER=dummy
    export LANG=C.UTF-8
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# Starts the program with time running $1 times faster (1 for real time).
TROVEL_PID=
start_trovel() {
    local speed=${1:-1}
    if [ "$speed" = 1 ]; then
        "$TROVEL" >"$E2E_TMP/trovel.log" 2>&1 &
    else
        faketime -f "+0 x$speed" "$TROVEL" >"$E2E_TMP/trovel.log" 2>&1 &
    fi
    TROVEL_PID=$!
    E2E_PIDS+=($TROVEL_PID)
    wait_for 20 main_window >/dev/null || fail "no trovel window appeared"
}

# The program's visible main window id: the one whose title is a countdown ("04:50 Type
# trovel"); the tray icon's window is titled "trovel" alone, and menus have no title.
main_window() {
    xdotool search --onlyvisible --name ' (Type|Rest) trovel$' 2>/dev/null | head -n 1 | grep .
}

window_title() { xprop -id "$(main_window)" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//'; }

# "X,Y WxH" of window $1, by default the main window.
window_geometry() {
    xdotool getwindowgeometry "${1:-$(main_window)}" |
        awk '/Position/ {split($2, p, ","); pos = p[1] "," p[2]} /Geometry/ {size = $2} END {print pos " " size}'
}

title_matches() { [[ "$(window_title)" =~ $1 ]]; }
geometry_is() { [ "$(window_geometry)" = "$1" ]; }

# The colour of one screen pixel as "R,G,B".
pixel() {
    import -window root "$E2E_TMP/shot.png"
    convert "$E2E_TMP/shot.png" -format "%[pixel:p{$1,$2}]" info: |
        sed -e 's/^srgba\{0,1\}(//' -e 's/)$//' | awk -F, '{print $1 "," $2 "," $3}'
}

# Whether screen pixel $1,$2 is "R,G,B" $3; a window is drawn some time after it appears,
# so checks of its first picture poll this.
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

expect_eq() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

# Waits up to $1 seconds for the child process $2 to end and puts its exit status in
# EXIT_STATUS. Call it directly, not in $(...): a subshell cannot wait for the child.
EXIT_STATUS=
wait_exit() {
    wait_for "$1" process_gone "$2" || return 1
    EXIT_STATUS=0
    wait "$2" 2>/dev/null || EXIT_STATUS=$?
}

# The value of key $1 in the settings file (empty when the key or the file is missing).
ini_value() {
    sed -n "s/^$1=//p" "$XDG_CONFIG_HOME/trovel.ini" 2>/dev/null | tr -d '\r' | head -n 1
}

# Size, modification time (ns) and checksum of file $1, to prove it was left alone.
file_stamp() {
    echo "$(stat -c '%s %.9Y' "$1") $(sha256sum <"$1")"
}

# The program's tray icon window: the small window of the process that is not the bar.
tray_window() {
    local w
    for w in $(xdotool search --pid "$TROVEL_PID" 2>/dev/null); do
        if xdotool getwindowgeometry "$w" 2>/dev/null | grep -qE 'Geometry: (16|2[0-9]|3[0-2])x'; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# The colour of one pixel of a window, in the window's own coordinates, as "R,G,B".
window_pixel() {
    import -window "$1" "$E2E_TMP/win.png" 2>/dev/null
    convert "$E2E_TMP/win.png" -format "%[pixel:p{$2,$3}]" info: |
        sed -e 's/^srgba\{0,1\}(//' -e 's/)$//' | awk -F, '{print $1 "," $2 "," $3}'
}

window_pixel_is() { [ "$(window_pixel "$1" "$2" "$3")" = "$4" ]; }

# The open menu and its submenus: the program's visible windows that sit straight on the
# root window, unmanaged (the bar has a frame of the window manager, the tray icon sits
# in the tray).
menu_windows() {
    local w info
    for w in $(xdotool search --onlyvisible --class trovel 2>/dev/null); do
        info=$(xwininfo -tree -id "$w" 2>/dev/null; xwininfo -id "$w" 2>/dev/null) || continue
        grep -q 'Parent window id: .*(the root window)' <<<"$info" &&
            grep -q 'Override Redirect State: yes' <<<"$info" && echo "$w"
    done
    return 0
}
menu_is_open() { [ -n "$(menu_windows)" ]; }
menu_is_closed() { [ -z "$(menu_windows)" ]; }

# Clicks the hands at the left of the bar $1 (by default the main window) and waits for
# the menu; MENU_AT is where it opened.
MENU_AT=
open_menu() {
    local x y
    read -r x y < <(xdotool getwindowgeometry "${1:-$(main_window)}" |
        awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
    xdotool mousemove $((x + 12)) $((y + 10)) click 1
    wait_for 5 menu_is_open || fail "no menu opened on a click on the hands"
    MENU_AT=$(xdotool getwindowgeometry "$(menu_windows | head -n 1)" | awk '/Position/ {print $2}')
}
