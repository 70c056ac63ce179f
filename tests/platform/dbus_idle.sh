#!/usr/bin/env bash
# Runs the DBusIdle cases of the platform test binary on a private session bus, with
# stand-ins for org.gnome.Mutter.IdleMonitor and org.freedesktop.ScreenSaver whose
# answers the tests set through control files. Fails when any case was skipped.
# Usage: dbus_idle.sh TEST_BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${TROVEL_IN_PRIVATE_BUS:-}" ]; then
    # dbus-run-session warns about the fd limit when run as root; that is harmless.
    exec env TROVEL_IN_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

source "$here/../../scripts/stop_processes.sh"
source "$here/../../scripts/x_display.sh"
tmp=$(mktemp -d /tmp/trovel-dbus-XXXXXX)
pids=()
trap 'stop_processes "${pids[@]}"; rm -rf "$tmp"' EXIT

export TROVEL_MUTTER_CONTROL=$tmp/mutter TROVEL_SCREENSAVER_CONTROL=$tmp/screensaver
standin=$here/../e2e/mutter_idle_monitor.py
/usr/bin/python3 "$standin" --control "$TROVEL_MUTTER_CONTROL" >"$tmp/mutter.out" 2>&1 &
pids+=($!)
/usr/bin/python3 "$standin" --screensaver --control "$TROVEL_SCREENSAVER_CONTROL" >"$tmp/screensaver.out" 2>&1 &
pids+=($!)
stand_ins_ready() { grep -q ready "$tmp/mutter.out" && grep -q ready "$tmp/screensaver.out"; }
x_poll 10 stand_ins_ready || {
    echo "FAIL: the stand-in services did not start" >&2
    cat "$tmp"/*.out >&2
    exit 1
}

out=$("$binary" --gtest_filter='DBusIdle.*' 2>&1) || {
    echo "$out"
    exit 1
}
echo "$out"
if grep -q '^\[  SKIPPED \]' <<<"$out" || ! grep -qE '^\[  PASSED  \] 4 tests' <<<"$out"; then
    echo "FAIL: the D-Bus cases were skipped or did not all run" >&2
    exit 1
fi
