#!/usr/bin/env bash
# The running Trovel on a private session bus: its name, object and introspection data;
# each method and property, through busctl and dbus-send and through the program's own
# commands (trovel --break, --status, ...); bad arguments that change nothing;
# PropertiesChanged at a change of phase or count but not at a tick; callers at the same
# time; calls while a modal error box is open; a second copy with other settings; and the
# commands' statuses with no Trovel running (3) and with no session bus (4).

# A session bus of our own, gone when the test ends.
if [ -z "${TROVEL_E2E_OWN_BUS:-}" ]; then
    TROVEL_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
e2e_start

name=org.example.trovel
path=/org/example/trovel
iface=org.example.trovel

# trovel ARGS...: the command's status in RC, its output in $E2E_TMP/cmd.out and .err.
RC=
trovel() {
    RC=0
    "$TROVEL" "$@" >"$E2E_TMP/cmd.out" 2>"$E2E_TMP/cmd.err" || RC=$?
}
cmd_out() { cat "$E2E_TMP/cmd.out"; }
cmd_err() { cat "$E2E_TMP/cmd.err"; }
# Expects status $1 from the last command, and stderr of one line when it failed, not
# counting the usage after a usage error (2).
expect_rc() {
    [ "$RC" = "$1" ] || fail "$2: status $RC, not $1; stderr: $(cmd_err)"
    if [ "$1" = 2 ]; then
        grep -q '^Usage: trovel' "$E2E_TMP/cmd.err" || fail "$2: no usage: $(cmd_err)"
    elif [ "$1" != 0 ]; then
        [ "$(wc -l <"$E2E_TMP/cmd.err")" = 1 ] || fail "$2: stderr is not one line: $(cmd_err)"
        [ ! -s "$E2E_TMP/cmd.out" ] || fail "$2: stdout: $(cmd_out)"
    fi
}
# A property's value as busctl prints it, without its type ("s \"type\"" gives type).
prop() { busctl --user get-property "$name" "$path" "$iface" "$1" | cut -d' ' -f2- | tr -d '"'; }
prop_is() { [ "$(prop "$1")" = "$2" ]; }
# dbus-send, which takes negative numbers and other types as they are written.
send() { dbus-send --session --print-reply --dest="$name" "$path" "$iface.$1" "${@:2}"; }
name_owned() { busctl --user status "$name" >/dev/null 2>&1; }

# ---- No Trovel on the bus, and no bus at all ----
for args in --break --skip --later --pause --pause=5 --resume --status "--status --json"; do
    read -ra argv <<<"$args"
    trovel "${argv[@]}"
    expect_rc 3 "trovel $args with none running"
    grep -qx 'trovel: Trovel is not running' "$E2E_TMP/cmd.err" || fail "trovel $args: $(cmd_err)"
done
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent trovel --status
expect_rc 4 "trovel --status without a bus"
grep -q '^trovel: no session bus' "$E2E_TMP/cmd.err" || fail "without a bus: $(cmd_err)"
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent trovel --break
expect_rc 4 "trovel --break without a bus"

# Five minutes of typing and rests of one; a sound file named for later (missing for now,
# so it plays nothing).
ini="$XDG_CONFIG_HOME/trovel.ini"
printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=5\nN5min1_Checked=True\nmenu_1min_Checked=True\n%s\n%s\n' \
    menu_play_Checked=True "menu_soundfile_Caption=$E2E_TMP/bad.wav" >"$ini"
start_trovel
wait_for 10 name_owned || fail "the name $name was not claimed: $(cat "$E2E_TMP/trovel.log")"
# Changes of the properties from here on, as a listener sees them.
gdbus monitor --session --dest "$name" >"$E2E_TMP/signals" 2>&1 &
E2E_PIDS+=($!)
wait_for 10 grep -qs 'is owned by' "$E2E_TMP/signals" || fail "gdbus monitor did not start: $(cat "$E2E_TMP/signals")"
changes() { grep -sc 'PropertiesChanged' "$E2E_TMP/signals" || true; }
last_change() { grep 'PropertiesChanged' "$E2E_TMP/signals" | tail -n 1; }

# ---- Introspection: methods with their arguments, properties with types and access ----
busctl --user introspect "$name" "$path" "$iface" >"$E2E_TMP/introspect" || fail "busctl introspect failed"
for row in '^\.TakeBreak +method +- +- ' '^\.Skip +method ' '^\.Later +method ' '^\.Pause +method +i +- ' \
    '^\.Resume +method ' '^\.Phase +property +s ' '^\.SecondsLeft +property +i ' '^\.BreaksIgnored +property +i ' \
    '^\.PausedUntil +property +x '; do
    grep -Eq "$row" "$E2E_TMP/introspect" || fail "busctl introspect lacks '$row': $(cat "$E2E_TMP/introspect")"
done
gdbus introspect --session --dest "$name" --object-path "$path" >"$E2E_TMP/gintrospect"
for text in 'Pause(in  i minutes);' 'readonly s Phase' 'readonly x PausedUntil' \
    '@org.freedesktop.DBus.Property.EmitsChangedSignal("false")' 'interface org.freedesktop.DBus.Properties'; do
    grep -qF "$text" "$E2E_TMP/gintrospect" || fail "gdbus introspect lacks '$text': $(cat "$E2E_TMP/gintrospect")"
done

# ---- Properties while typing; none can be written ----
prop_is Phase type || fail "Phase '$(prop Phase)'"
prop_is BreaksIgnored 0 || fail "BreaksIgnored '$(prop BreaksIgnored)'"
prop_is PausedUntil 0 || fail "PausedUntil '$(prop PausedUntil)'"
left=$(prop SecondsLeft)
[ "$left" -gt 270 ] && [ "$left" -le 300 ] || fail "SecondsLeft $left at the start of five minutes"
! busctl --user set-property "$name" "$path" "$iface" Phase s rest 2>/dev/null || fail "Phase could be written"
prop_is Phase type || fail "writing Phase changed it"

# A tick changes the time left and sends nothing.
title=$(window_title)
wait_for 12 bash -c "[ \"\$(xprop -id $(main_window) _NET_WM_NAME)\" != '_NET_WM_NAME(UTF8_STRING) = \"$title\"' ]" ||
    fail "no tick within 12 s"
sleep 0.3
expect_eq "$(changes)" 0 "PropertiesChanged signals after a tick"

# ---- The methods, called on the bus ----
send TakeBreak >/dev/null || fail "TakeBreak failed"
wait_for 5 title_matches '^01:00 Rest trovel$' || fail "TakeBreak: title '$(window_title)'"
prop_is Phase rest || fail "TakeBreak: Phase '$(prop Phase)'"
wait_for 5 bash -c "[ \"\$(grep -c PropertiesChanged '$E2E_TMP/signals')\" = 1 ]" || fail "TakeBreak: $(cat "$E2E_TMP/signals")"
[[ "$(last_change)" == *"{'Phase': <'rest'>}"* ]] || fail "TakeBreak: signal $(last_change)"

# Skip: typing again and one more break ignored, told in one signal.
send Skip >/dev/null || fail "Skip failed"
wait_for 5 title_matches '^05:00 Type trovel$' || fail "Skip: title '$(window_title)'"
prop_is BreaksIgnored 1 || fail "Skip: BreaksIgnored '$(prop BreaksIgnored)'"
wait_for 5 bash -c "[ \"\$(grep -c PropertiesChanged '$E2E_TMP/signals')\" = 2 ]" || fail "Skip: $(cat "$E2E_TMP/signals")"
[[ "$(last_change)" == *"'Phase': <'type'>"* && "$(last_change)" == *"'BreaksIgnored': <1>"* ]] ||
    fail "Skip: signal $(last_change)"

# Later while typing is refused with an error and changes nothing; through the command
# that is status 5.
out=$(send Later 2>&1) && fail "Later while typing was accepted"
[[ "$out" == *"org.example.trovel.Error.NotNow"* ]] || fail "Later while typing: $out"
trovel --later
expect_rc 5 "trovel --later while typing"
prop_is Phase type || fail "a refused Later changed the phase"

# Bad pauses: an error each, and nothing changes.
for arg in int32:-1 int32:10081 int32:-2147483648 uint32:5 string:5; do
    out=$(send Pause "$arg" 2>&1) && fail "Pause $arg was accepted"
    case $arg in
    int32:*) [[ "$out" == *"org.freedesktop.DBus.Error.InvalidArgs"* ]] || fail "Pause $arg: $out" ;;
    esac
done
sleep 0.3
prop_is Phase type || fail "a bad Pause changed the phase to '$(prop Phase)'"
prop_is PausedUntil 0 || fail "a bad Pause set PausedUntil"
trovel --pause=-1
expect_rc 2 "trovel --pause=-1"
trovel --pause=10081
expect_rc 2 "trovel --pause=10081"

# A timed pause: its end as a timestamp and in the status.
now=$(date +%s)
send Pause int32:30 >/dev/null || fail "Pause 30 failed"
wait_for 5 prop_is Phase pause || fail "Pause 30: Phase '$(prop Phase)'"
until=$(prop PausedUntil)
[ "$until" -ge $((now + 1800)) ] && [ "$until" -le $((now + 1805)) ] || fail "Pause 30: PausedUntil $until, now $now"
left=$(prop SecondsLeft)
[ "$left" -ge 1790 ] && [ "$left" -le 1800 ] || fail "Pause 30: SecondsLeft $left"
[[ "$(last_change)" == *"'PausedUntil': <int64 $until>"* ]] || fail "Pause 30: signal $(last_change)"
trovel --status
expect_rc 0 "trovel --status while paused"
[[ "$(cmd_out)" =~ ^pause\ (30:00|29:5[0-9])\ left,\ 1\ break\ ignored,\ paused\ until\ $(date -d "@$until" +%H:%M)$ ]] ||
    fail "trovel --status while paused: '$(cmd_out)'"
trovel --status --json
expect_rc 0 "trovel --status --json"
/usr/bin/python3 -c '
import json, sys, datetime
o = json.loads(sys.stdin.read())
assert set(o) == {"phase", "time_left", "seconds_left", "breaks_ignored", "paused_until"}, o
assert o["phase"] == "pause" and o["breaks_ignored"] == 1 and 1790 <= o["seconds_left"] <= 1800, o
assert int(datetime.datetime.fromisoformat(o["paused_until"]).timestamp()) == int(sys.argv[1]), o
' "$until" <"$E2E_TMP/cmd.out" || fail "trovel --status --json: $(cmd_out)"

# Resume; a Resume while typing does nothing.
send Resume >/dev/null || fail "Resume failed"
wait_for 5 prop_is Phase type || fail "Resume: Phase '$(prop Phase)'"
prop_is PausedUntil 0 || fail "Resume: PausedUntil '$(prop PausedUntil)'"
title_matches '^05:00 Type trovel$' || fail "Resume: title '$(window_title)'"
trovel --resume
expect_rc 0 "trovel --resume while typing"
prop_is Phase type || fail "a Resume while typing changed the phase"

# ---- The commands ----
trovel --pause
expect_rc 0 "trovel --pause"
prop_is Phase pause || fail "trovel --pause: Phase '$(prop Phase)'"
trovel --status
[[ "$(cmd_out)" =~ ^pause\ 00:00\ left,\ 1\ break\ ignored,\ paused\ until\ resumed$ ]] ||
    fail "trovel --status in a pause until resumed: '$(cmd_out)'"
trovel --pause
prop_is Phase pause || fail "a second trovel --pause ended the pause"
trovel --resume
expect_rc 0 "trovel --resume"
prop_is Phase type || fail "trovel --resume: Phase '$(prop Phase)'"
trovel --break
expect_rc 0 "trovel --break"
prop_is Phase rest || fail "trovel --break: Phase '$(prop Phase)'"
trovel --status
[[ "$(cmd_out)" =~ ^rest\ (01:00|00:50)\ left,\ 0\ breaks\ ignored$ ]] || fail "trovel --status in a rest: '$(cmd_out)'"
# Later twice in a row, then refused until a rest runs to its end.
for round in 1 2; do
    trovel --later
    expect_rc 0 "trovel --later ($round)"
    title_matches '^05:00 Type trovel$' || fail "trovel --later ($round): title '$(window_title)'"
    trovel --break
done
trovel --later
expect_rc 5 "a third trovel --later in a row"
grep -q 'twice' "$E2E_TMP/cmd.err" || fail "a third --later: $(cmd_err)"
prop_is Phase rest || fail "a refused --later changed the phase"
trovel --skip
expect_rc 0 "trovel --skip"
prop_is BreaksIgnored 1 || fail "trovel --skip: BreaksIgnored '$(prop BreaksIgnored)'"
# Without a display the commands work alike: they open none.
DISPLAY= trovel --status
expect_rc 0 "trovel --status without DISPLAY"
# And they are quick.
start=$(date +%s%N)
trovel --status
ms=$((($(date +%s%N) - start) / 1000000))
echo "trovel --status: $ms ms"
[ "$ms" -lt 1000 ] || fail "trovel --status took $ms ms"

# ---- Callers at the same time: each gets its answer, in some order ----
pids=()
for i in 1 2 3 4 5 6; do
    "$TROVEL" --status >"$E2E_TMP/par$i" 2>&1 &
    pids+=($!)
done
"$TROVEL" --pause=7 >"$E2E_TMP/par-pause" 2>&1 &
pids+=($!)
busctl --user get-property "$name" "$path" "$iface" BreaksIgnored >"$E2E_TMP/par-busctl" 2>&1 &
pids+=($!)
for pid in "${pids[@]}"; do
    wait "$pid" || fail "a caller at the same time failed: $(cat "$E2E_TMP"/par*)"
done
for i in 1 2 3 4 5 6; do
    grep -Eq '^(type|pause) [0-9:]+ left, 1 break ignored' "$E2E_TMP/par$i" || fail "caller $i: $(cat "$E2E_TMP/par$i")"
done
expect_eq "$(cat "$E2E_TMP/par-busctl")" "i 1" "busctl among the callers"
prop_is Phase pause || fail "the pause among the callers: Phase '$(prop Phase)'"
send Resume >/dev/null

# ---- A modal error box open: calls are answered at once, and the commands wait for the
# box, as the menu does ----
echo "not a sound" >"$E2E_TMP/bad.wav"
windows_before=$(xdotool search --onlyvisible --class trovel | sort)
trovel --break
expect_rc 0 "trovel --break that opens an error box"
box=
find_box() {
    box=$(comm -13 <(echo "$windows_before") <(xdotool search --onlyvisible --class trovel | sort) |
        while read -r w; do xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && echo "$w"; done | head -n 1)
    [ -n "$box" ]
}
wait_for 10 find_box || fail "no error box for the sound that will not play"
for step in status skip status; do
    start=$(date +%s%N)
    trovel --$step
    ms=$((($(date +%s%N) - start) / 1000000))
    expect_rc 0 "trovel --$step while the error box is open"
    [ "$ms" -lt 2000 ] || fail "trovel --$step took $ms ms while the box was open"
done
[[ "$(cmd_out)" == "rest "* ]] || fail "trovel --status while the box is open: '$(cmd_out)'"
out=$(send Later 2>&1) && fail "Later after two in a row was accepted while the box was open"
sleep 0.5
prop_is Phase rest || fail "a command ran while the box was open: Phase '$(prop Phase)'"
prop_is BreaksIgnored 0 || fail "a command ran while the box was open: BreaksIgnored '$(prop BreaksIgnored)'"
xdotool windowactivate --sync "$box" key Return
box_gone() { ! xwininfo -id "$box" 2>/dev/null | grep -q IsViewable; }
wait_for 5 box_gone || fail "the error box did not close"
wait_for 5 prop_is Phase type || fail "the skip did not run once the box closed: Phase '$(prop Phase)'"
prop_is BreaksIgnored 1 || fail "the skip once the box closed: BreaksIgnored '$(prop BreaksIgnored)'"
title_matches '^05:00 Type trovel$' || fail "after the box: title '$(window_title)'"
kill -0 "$TROVEL_PID" || fail "the program ended"

# Only changes of the phase, the count and the pause's end were sent, never the time left.
! grep -q SecondsLeft "$E2E_TMP/signals" || fail "SecondsLeft in a signal: $(grep SecondsLeft "$E2E_TMP/signals")"

# ---- A second copy with settings of its own runs without the interface ----
owner=$(busctl --user status "$name" | sed -n 's/^PID=//p')
expect_eq "$owner" "$TROVEL_PID" "the name's owner"
mkdir -p "$E2E_TMP/config2"
XDG_CONFIG_HOME="$E2E_TMP/config2" "$TROVEL" >"$E2E_TMP/second.log" 2>&1 &
second=$!
E2E_PIDS+=($second)
wait_for 20 grep -q 'running without the D-Bus interface' "$E2E_TMP/second.log" ||
    fail "the second copy did not say it runs without the interface: $(cat "$E2E_TMP/second.log")"
expect_eq "$(grep -c 'D-Bus' "$E2E_TMP/second.log")" 1 "lines about D-Bus from the second copy"
kill -0 "$second" || fail "the second copy ended"
expect_eq "$(busctl --user status "$name" | sed -n 's/^PID=//p')" "$TROVEL_PID" "the name's owner with two copies"
kill "$second"
wait_exit 10 "$second" || fail "the second copy did not end"

# ---- The program ends: its name goes with it ----
kill "$TROVEL_PID"
wait_exit 10 "$TROVEL_PID" || fail "the program did not end"
trovel --status
expect_rc 3 "trovel --status after the end"
echo "PASS dbus_interface"
