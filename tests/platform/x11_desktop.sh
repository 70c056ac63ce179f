#!/usr/bin/env bash
# Runs the X11Desktop cases of the platform test binary on a private Xvfb (whose
# MIT-SCREEN-SAVER extension gives idle time) with icewm (which keeps _NET_ACTIVE_WINDOW
# and full-screen state), and fails when any of them was skipped.
# Usage: x11_desktop.sh TEST_BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/stop_processes.sh"
source "$here/../../scripts/x_display.sh"

tmp=$(mktemp -d /tmp/trovel-x11-XXXXXX)
pids=()
trap 'stop_processes "${pids[@]}"; rm -rf "$tmp"' EXIT

x_display_start "$tmp/xvfb.log" || { echo "FAIL: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
pids+=("$XVFB_PID")
mkdir -p "$tmp/home"
HOME="$tmp/home" x_wm_start "$tmp/icewm.log" || { echo "FAIL: icewm did not get ready" >&2; exit 1; }
pids+=("$WM_PID")

out=$(QT_QPA_PLATFORM=xcb "$binary" --gtest_filter='X11Desktop.*-X11Desktop.NothingIsClaimedWithoutAnXServer' 2>&1) || {
    echo "$out"
    exit 1
}
echo "$out"
if grep -q '^\[  SKIPPED \]' <<<"$out" || ! grep -qE '^\[  PASSED  \] 5 tests' <<<"$out"; then
    echo "FAIL: the X11 cases were skipped or did not all run" >&2
    exit 1
fi
