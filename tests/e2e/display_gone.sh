#!/usr/bin/env bash
# The X server ends under the running bar (a logout that ends the server before its
# clients get a signal): Qt says the X11 connection broke and the program ends with
# status 1, as before; but a typing length chosen in the menu is in a whole settings file,
# and the history holds the run to its end, both while the first events are still held
# in memory and once the history's writer thread runs (the statistics window opened,
# and left open, starts it).
source "$(dirname "$0")/lib.sh"

history_of() { sqlite3 "$HOME/.local/share/trovel/history.sqlite" "$1"; }

for round in held writing; do
    e2e_start
    rm -f "$XDG_CONFIG_HOME/trovel.ini"
    rm -rf "$HOME/.local/share/trovel"
    "$TROVEL" >"$E2E_TMP/trovel.out" 2>"$E2E_TMP/trovel.err" &
    pid=$!
    E2E_PIDS+=($pid)
    wait_for 20 main_window >/dev/null || fail "$round: no trovel window appeared"
    if [ "$round" = writing ]; then
        open_menu
        xdotool key --delay 150 Down Down Down Down Return
        wait_for 10 bash -c "xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l | grep -qv '^1$'" ||
            fail "$round: no statistics window opened"
        wait_for 10 test -s "$HOME/.local/share/trovel/history.sqlite" ||
            fail "$round: the statistics window left no history file"
        minutes=3
    else
        minutes=2
    fi
    # Type settings > MINUTES allowed > the length.
    open_menu
    xdotool key --delay 150 Down Down Down Down Down Right Right "$minutes"
    wait_for 5 title_matches "^0$minutes:00 Type trovel\$" || fail "$round: title after $minutes min: '$(window_title)'"

    kill -TERM "$XVFB_PID"
    wait_exit 15 "$pid" || fail "$round: the program did not end when its X server did"
    expect_eq "$EXIT_STATUS" 1 "$round: exit status"
    grep -q '^The X11 connection broke' "$E2E_TMP/trovel.err" ||
        fail "$round: Qt's line is missing from stderr: $(cat "$E2E_TMP/trovel.err")"

    expect_eq "$(ini_value spin_timeout_Value)" "$minutes" "$round: spin_timeout_Value"
    expect_eq "$(ini_value FormVersion)" 1 "$round: FormVersion"
    # Whole: both sections, the last line ended, and no temporary file of a save left.
    grep -qxF '[TForm1]' "$XDG_CONFIG_HOME/trovel.ini" || fail "$round: no [TForm1] section"
    grep -qxF '[Trovel]' "$XDG_CONFIG_HOME/trovel.ini" || fail "$round: no [Trovel] section"
    [ -z "$(tail -c 1 "$XDG_CONFIG_HOME/trovel.ini")" ] || fail "$round: the file ends inside a line"
    left=$(find "$XDG_CONFIG_HOME" -name '.trovel.ini*')
    [ -z "$left" ] || fail "$round: temporary files left: $left"

    expect_eq "$(history_of 'SELECT kind FROM events ORDER BY seq LIMIT 1')" program_start "$round: first event"
    expect_eq "$(history_of 'SELECT kind FROM events ORDER BY seq DESC LIMIT 1')" program_end "$round: last event"
    echo "$round: status 1, $minutes min saved, history of $(history_of 'SELECT count(*) FROM events') events closed"
    stop_processes "${E2E_PIDS[@]}"
    E2E_PIDS=()
done
echo "PASS display_gone"
