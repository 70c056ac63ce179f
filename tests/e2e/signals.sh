#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program as a close request does: the settings file is
# written with Visible=0, the process ends with status 0 and none of its windows is left,
# also while the popup menu is open, and a second signal at once (a logout) changes
# nothing. A settings file that cannot be written then shows no
# box: the reason goes to stderr and the status is 1.
source "$(dirname "$0")/lib.sh"
e2e_start

for round in TERM INT HUP TERM-with-menu; do
    sig=${round%%-*}
    rm -f "$XDG_CONFIG_HOME/trovel.ini"
    # A background job of a script ignores SIGINT from birth, and the program leaves an
    # ignored signal alone; give it the default back, as a terminal or session would.
    env --default-signal=INT "$TROVEL" >"$E2E_TMP/trovel.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    # The countdown in the title that main_window looks for is set at the end of the form's
    # first show, after the settings have been read.
    wait_for 20 main_window >/dev/null || fail "$round: no trovel window appeared"
    if [ "$round" = TERM-with-menu ]; then
        # A click on the hands opens the menu, which runs a nested event loop.
        read -r x y < <(xdotool getwindowgeometry "$(main_window)" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
        xdotool mousemove $((x + 12)) $((y + 10)) click 1
        wait_for 5 bash -c "[ \$(xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l) -ge 2 ]" ||
            fail "no menu opened"
    fi
    kill -"$sig" "$pid"
    wait_exit 10 "$pid" || fail "$round: the program did not end"
    expect_eq "$EXIT_STATUS" 0 "$round: exit status"
    expect_eq "$(ini_value Visible)" 0 "$round: Visible"
    expect_eq "$(ini_value FormVersion)" 1 "$round: FormVersion"
    left=$(xdotool search --pid "$pid" 2>/dev/null || true)
    [ -z "$left" ] || fail "$round: windows left: $left"
    echo "$round: status 0, Visible=0"
done
# A logout: SIGTERM and at once SIGHUP (or the other way round). The second signal comes
# while the first one's close runs and must not cut it short: a typing length chosen in
# the menu is saved, and the history ends with the program's end.
history="$HOME/.local/share/trovel/history.sqlite"
for pair in "TERM HUP" "HUP TERM"; do
    rm -f "$XDG_CONFIG_HOME/trovel.ini" "$history"
    "$TROVEL" >"$E2E_TMP/trovel.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    wait_for 20 main_window >/dev/null || fail "$pair: no trovel window appeared"
    # Type settings > MINUTES allowed > 2 min.
    open_menu
    xdotool key --delay 150 Down Down Down Down Down Right Right 2
    wait_for 5 title_matches '^02:00 Type trovel$' || fail "$pair: title after 2 min: '$(window_title)'"
    read -r first second <<<"$pair"
    kill -"$first" "$pid"
    kill -"$second" "$pid"
    wait_exit 10 "$pid" || fail "$pair: the program did not end"
    expect_eq "$EXIT_STATUS" 0 "$pair: exit status"
    expect_eq "$(ini_value spin_timeout_Value)" 2 "$pair: spin_timeout_Value"
    expect_eq "$(sqlite3 "$history" 'SELECT kind FROM events ORDER BY seq DESC LIMIT 1')" program_end \
        "$pair: the history's last event"
    echo "$pair: status 0, the chosen length saved, the history closed"
done

# A settings file that cannot be written at an end by signal: no box holds the program,
# the file and the reason go to stderr, and the status says the end failed.
rm -rf "$XDG_CONFIG_HOME/trovel.ini"
mkdir "$XDG_CONFIG_HOME/trovel.ini"
env --default-signal=INT "$TROVEL" >"$E2E_TMP/trovel.out" 2>"$E2E_TMP/trovel.err" &
pid=$!
E2E_PIDS+=($pid)
wait_for 20 main_window >/dev/null || fail "unwritable: no trovel window appeared"
sleep 0.5
kill -TERM "$pid"
wait_exit 10 "$pid" || fail "unwritable: the program did not end (an error box?)"
expect_eq "$EXIT_STATUS" 1 "unwritable: exit status"
grep -qxF "trovel: cannot write $XDG_CONFIG_HOME/trovel.ini: Is a directory" "$E2E_TMP/trovel.err" ||
    fail "unwritable: stderr: $(cat "$E2E_TMP/trovel.err")"
# Said once (tried once), and the file that could not be read was said at start.
expect_eq "$(grep -c '^trovel: cannot write ' "$E2E_TMP/trovel.err")" 1 "unwritable: lines with the reason"
expect_eq "$(grep -c '^trovel: Unable to write to ' "$E2E_TMP/trovel.err")" 1 "unwritable: lines of the message"
grep -qxF "trovel: cannot read $XDG_CONFIG_HOME/trovel.ini: Is a directory; the settings are the defaults" \
    "$E2E_TMP/trovel.err" || fail "unwritable: not said at start: $(cat "$E2E_TMP/trovel.err")"
[ -d "$XDG_CONFIG_HOME/trovel.ini" ] || fail "unwritable: the folder in the file's place was replaced"
echo "unwritable settings at TERM: status 1, $(grep -c . "$E2E_TMP/trovel.err") lines on stderr"
echo "PASS signals"
