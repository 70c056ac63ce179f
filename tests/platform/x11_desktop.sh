#!/usr/bin/env bash
# Runs the X11Desktop cases of the platform test binary on a private Xvfb (whose
# MIT-SCREEN-SAVER extension gives idle time) with icewm (which keeps _NET_ACTIVE_WINDOW
# and full-screen state), and fails when any of them was skipped.
# Usage: x11_desktop.sh TEST_BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/stop_processes.sh"

tmp=$(mktemp -d /tmp/trovel-x11-XXXXXX)
pids=()
trap 'stop_processes "${pids[@]}"; rm -rf "$tmp"' EXIT

# Xvfb picks a free display number and writes it to fd 3, so runs never collide.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$tmp/display")"
mkdir -p "$tmp/home"
HOME="$tmp/home" icewm >"$tmp/icewm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

out=$(QT_QPA_PLATFORM=xcb "$binary" --gtest_filter='X11Desktop.*-X11Desktop.NothingIsClaimedWithoutAnXServer' 2>&1) || {
    echo "$out"
    exit 1
}
echo "$out"
if grep -q '^\[  SKIPPED \]' <<<"$out" || ! grep -qE '^\[  PASSED  \] 4 tests' <<<"$out"; then
    echo "FAIL: the X11 cases were skipped or did not all run" >&2
    exit 1
fi
