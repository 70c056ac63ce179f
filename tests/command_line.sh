#!/usr/bin/env bash
# The real program's command line without any display: --help and --version answer and
# end with 0, a wrong option ends with 2 and the usage on stderr. None of them writes a
# file, and none is stopped by a copy that holds the single-instance lock.
#
#   command_line.sh TROVEL VERSION
set -euo pipefail
trovel=$1 version=$2
tmp=$(mktemp -d /tmp/trovel-cli-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$tmp/config" "$tmp/data" "$tmp/run"
chmod 700 "$tmp/run"
# No display of any kind: Qt would abort if anything reached it.
run() {
    local rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
        XDG_RUNTIME_DIR="$tmp/run" "$trovel" "$@" >"$tmp/out" 2>"$tmp/err" || rc=$?
    echo "$rc"
}
files() { (cd "$tmp" && find config data run | sort); }
before=$(files)

# "args|expected exit|expected stdout (first line)|stderr has usage"
cases=(
    "--version|0|trovel $version|no"
    "--help|0|Usage: trovel [OPTION]|no"
    "--no-such-option|2||yes"
    "stray-word|2||yes"
    "-display|2||yes"
)
for c in "${cases[@]}"; do
    IFS='|' read -r args want_rc want_out want_usage <<<"$c"
    read -ra argv <<<"$args"
    rc=$(run "${argv[@]}")
    [ "$rc" = "$want_rc" ] || fail "trovel $args: exit $rc, not $want_rc; stderr: $(cat "$tmp/err")"
    [ "$(head -n 1 "$tmp/out")" = "$want_out" ] || fail "trovel $args: stdout starts '$(head -n 1 "$tmp/out")'"
    if [ "$want_usage" = yes ]; then
        grep -q '^Usage: trovel' "$tmp/err" || fail "trovel $args: no usage on stderr"
    else
        [ ! -s "$tmp/err" ] || fail "trovel $args: stderr: $(cat "$tmp/err")"
    fi
done
# --version prints exactly one line.
run --version >/dev/null
[ "$(cat "$tmp/out")" = "trovel $version" ] || fail "--version printed: $(cat "$tmp/out")"
[ "$(files)" = "$before" ] || fail "files appeared: $(files)"

# With another copy holding the lock (wherever the lock file lives), the answers still come.
exec {lock_a}>"$tmp/run/trovel.lock" {lock_b}>"$tmp/config/trovel.lock"
flock -n "$lock_a" && flock -n "$lock_b" || fail "could not take the lock for the test"
rc=$(run --version)
[ "$rc" = 0 ] && [ "$(cat "$tmp/out")" = "trovel $version" ] || fail "--version under a held lock: exit $rc, '$(cat "$tmp/out")'"
rc=$(run --bogus)
[ "$rc" = 2 ] || fail "a wrong option under a held lock: exit $rc"
[ ! -e "$tmp/config/trovel.ini" ] || fail "trovel.ini was written"
echo "PASS command_line"
