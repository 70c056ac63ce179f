#!/usr/bin/env bash
# One copy per settings file: a second start on the same configuration folder (with or
# without a display or a runtime folder) ends at once with status 0 and leaves the running
# copy and the settings file alone; a copy killed outright does not block the next start;
# a read-only configuration folder holds the lock as well.
source "$(dirname "$0")/lib.sh"
e2e_start

ini="$XDG_CONFIG_HOME/trovel.ini"
printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=7\n' >"$ini"
touch -d '2020-01-02 03:04:05' "$ini"
before=$(file_stamp "$ini")

# What a save killed half-way left: removed at the next start, being older than it. Files
# of the user's own with names alike stay.
leftover="$XDG_CONFIG_HOME/.trovel.ini.trovel-save-Ab12Cd"
echo "half a file" >"$leftover"
touch -d '2020-01-02 03:04:05' "$leftover"
own_files=(.trovel.ini.backup .trovel.ini.orig12 .trovel.ini.2024v1 .trovel.ini.bak.saved1 .trovel.ini.Ab12Cd)
for name in "${own_files[@]}"; do
    echo "mine" >"$XDG_CONFIG_HOME/$name"
    touch -d '2020-01-02 03:04:05' "$XDG_CONFIG_HOME/$name"
done

start_trovel
first=$TROVEL_PID
window=$(main_window)
[ ! -e "$leftover" ] || fail "the temporary file a killed save left is still there"
for name in "${own_files[@]}"; do
    [ "$(cat "$XDG_CONFIG_HOME/$name" 2>/dev/null)" = mine ] || fail "the user's $name was removed at start"
done

# With and without a display, and from a session without a runtime folder: the second
# copy on the same settings ends before it would open a display.
for variant in display no-display no-runtime-folder; do
    start=$(date +%s%N)
    rc=0
    case $variant in
    display) "$TROVEL" >"$E2E_TMP/second.log" 2>&1 || rc=$? ;;
    no-display) DISPLAY= "$TROVEL" >"$E2E_TMP/second.log" 2>&1 || rc=$? ;;
    no-runtime-folder) env -u XDG_RUNTIME_DIR "$TROVEL" >"$E2E_TMP/second.log" 2>&1 || rc=$? ;;
    esac
    ms=$((($(date +%s%N) - start) / 1000000))
    expect_eq "$rc" 0 "second start ($variant) exit status"
    [ ! -s "$E2E_TMP/second.log" ] || fail "second start printed: $(cat "$E2E_TMP/second.log")"
    [ "$ms" -lt 3000 ] || fail "second start took $ms ms"
    echo "second start ($variant): $ms ms"
done

kill -0 "$first" 2>/dev/null || fail "the first copy ended"
expect_eq "$(main_window)" "$window" "the first copy's window"
expect_eq "$(file_stamp "$ini")" "$before" "the settings file"
# The typing length read from the untouched file still counts down.
title_matches '^0[67]:[0-5]0 Type trovel$' || fail "the first copy's title '$(window_title)'"

# A copy that dies without cleaning up leaves no lock behind.
kill -9 "$first"
wait_exit 10 "$first" || fail "the killed copy did not end"
expect_eq "$EXIT_STATUS" 137 "the killed copy's exit status"
wait_for 5 bash -c '! xdotool search --onlyvisible --class trovel >/dev/null 2>&1' || fail "window left after kill -9"
start_trovel
kill -0 "$TROVEL_PID" 2>/dev/null || fail "the new copy did not stay up"

# A read-only configuration folder (a read-only bind mount of it on itself, which needs
# root; skipped otherwise), with trovel.lock in it and without: the first copy holds the
# lock, a second ends at once, and nobody runs unguarded.
kill "$TROVEL_PID"
wait_exit 10 "$TROVEL_PID" || fail "the copy before the read-only round did not end"
for variant in with-lock-file without-lock-file; do
    [ "$variant" = with-lock-file ] && touch "$XDG_CONFIG_HOME/trovel.lock" || rm -f "$XDG_CONFIG_HOME/trovel.lock"
    if ! { mount --bind "$XDG_CONFIG_HOME" "$XDG_CONFIG_HOME" 2>/dev/null &&
        { mount -o remount,ro,bind "$XDG_CONFIG_HOME" || { umount "$XDG_CONFIG_HOME"; false; }; }; }; then
        echo "read-only folder ($variant): skipped, no bind mount can be made here"
        continue
    fi
    trap 'umount "$XDG_CONFIG_HOME" 2>/dev/null; e2e_cleanup' EXIT
    ! touch "$XDG_CONFIG_HOME/probe" 2>/dev/null || fail "the bind mount is not read-only"
    start_trovel
    rc=0
    "$TROVEL" >"$E2E_TMP/second.log" 2>&1 || rc=$?
    expect_eq "$rc" 0 "read-only folder ($variant): second start's exit status"
    [ ! -s "$E2E_TMP/second.log" ] || fail "read-only folder ($variant): second start printed: $(cat "$E2E_TMP/second.log")"
    kill -0 "$TROVEL_PID" 2>/dev/null || fail "read-only folder ($variant): the first copy ended"
    ! grep -q 'single-instance lock' "$E2E_TMP/trovel.log" || fail "read-only folder ($variant): $(cat "$E2E_TMP/trovel.log")"
    kill -KILL "$TROVEL_PID"
    wait_exit 10 "$TROVEL_PID" || true
    umount "$XDG_CONFIG_HOME"
    trap e2e_cleanup EXIT
    echo "read-only folder ($variant): one copy, the second refused"
done
echo "PASS single_instance"
