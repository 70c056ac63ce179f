#!/usr/bin/env bash
# Runs the given tests of one test binary as an ordinary user. Some cases (a settings
# file or folder without write permission) mean nothing to root, who may write anyway,
# and skip themselves there; when the suite runs as root this script runs them again as
# the user "nobody", from a copy of the binary in a folder that user can reach.
#
# Usage: as_ordinary_user.sh BINARY GTEST_FILTER
# Exit status 77 (ctest's "skipped") when not run as root: the ordinary run covers them.
set -euo pipefail
binary=$1
filter=$2

if [ "$(id -u)" != 0 ]; then
    echo "not root: these tests already ran as $(id -un)"
    exit 77
fi

tmp=$(mktemp -d /tmp/trovel-user-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
cp "$binary" "$tmp/tests"
chmod 755 "$tmp/tests"
mkdir -p "$tmp/home"
chown 65534:65534 "$tmp/home"

out=$(cd "$tmp/home" && setpriv --reuid=65534 --regid=65534 --clear-groups --reset-env -- \
    env HOME="$tmp/home" TMPDIR="$tmp/home" PATH=/usr/bin:/bin LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    "$tmp/tests" --gtest_filter="$filter" 2>&1) || {
    echo "$out"
    exit 1
}
echo "$out"
# Every selected test must have run, none skipped.
if grep -q '^\[  SKIPPED \]' <<<"$out" || ! grep -qE '^\[  PASSED  \] [1-9][0-9]* test' <<<"$out"; then
    echo "FAIL: the tests were skipped or none ran as an ordinary user"
    exit 1
fi
