#!/usr/bin/env bash
# A rest waits for a call: a real PulseAudio of the test's own, with a microphone that is a
# null source; parecord recording from it is the call. A typing phase that ends while it
# records holds the rest (the count runs on below zero), and the rest starts within a
# tick of its end. Recording from the monitor of an output is no call.
# The program runs ten times faster (faketime); the sound server at real speed.
source "$(dirname "$0")/lib.sh"
command -v pulseaudio >/dev/null && command -v parecord >/dev/null || {
    echo "pulseaudio or parecord is not installed"
    exit 77
}

e2e_start
unset XDG_SESSION_TYPE PULSE_SERVER

# The sound server, in this test's runtime folder, where Trovel looks for it.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load=module-native-protocol-unix --load="module-null-source source_name=mic" \
    --load="module-null-sink sink_name=speakers" >"$E2E_TMP/pulse.log" 2>&1 &
PULSE_PID=$!
E2E_PIDS+=($PULSE_PID)
wait_for 10 pactl info >/dev/null || fail "the sound server did not start: $(cat "$E2E_TMP/pulse.log")"

ini="$XDG_CONFIG_HOME/trovel.ini"
# A 1-minute typing phase and a 1-minute rest; natural breaks off, so an idle user does
# not hold the bar.
printf '[TForm1]\nFormVersion=1\nspin_timeout_Value=1\nN1min1_Checked=True\nN5min1_Checked=False\nmenu_1min_Checked=True\n[Trovel]\nNaturalBreaks=0\n' >"$ini"

record() {
    parecord --device="$1" /dev/null &
    RECORD_PID=$!
    E2E_PIDS+=($RECORD_PID)
    wait_for 5 bash -c 'pactl list short source-outputs | grep -q .' || fail "parecord did not start recording"
}

# ---- recording from a monitor is no call: the rest comes as usual
start_trovel 10
record speakers.monitor
wait_for 15 title_matches ' Rest trovel$' || fail "a monitor recording held the rest: '$(window_title)'"
stop_processes "$RECORD_PID"
wmctrl -i -c "$(main_window)"
wait_exit 10 "$TROVEL_PID" || fail "the close request did not end the program"

# ---- a call holds the rest
start_trovel 10
record mic
wait_for 20 title_matches '^00:-[2-9]0 Type trovel$' || fail "the rest did not wait for the call: '$(window_title)'"
stop_processes "$RECORD_PID"
# Within one tick (1 s here) of the end of the call the rest starts.
wait_for 3 title_matches ' Rest trovel$' || fail "no rest after the call ended: '$(window_title)'"
wmctrl -i -c "$(main_window)"
wait_exit 10 "$TROVEL_PID" || fail "the close request did not end the program"
expect_eq "$(grep -c 'CallWait=1' "$ini")" 1 "the option saved in [Trovel]"
echo "ok"
