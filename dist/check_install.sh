#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a desktop needs from it: the
# program, a desktop entry and AppStream metainfo that validate, and the icon at every
# size as an exact block scaling of the pixel art (compared with ImageMagick's own).
#
#   check_install.sh BUILD_DIR SOURCE_ICON SIZE...
set -euo pipefail
build=$1 source_icon=$2
shift 2
root=$(mktemp -d /tmp/trovel-install-XXXXXX)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
[ -x "$root/usr/bin/trovel" ] || fail "no usr/bin/trovel"
desktop-file-validate "$share/applications/trovel.desktop" || fail "desktop entry"
grep -qx 'Categories=Utility;' "$share/applications/trovel.desktop" || fail "not in the Utility category"
appstreamcli validate --no-net "$share/metainfo/"*.metainfo.xml || fail "metainfo"
# The installed tree as a whole: the metainfo's launchable and icon must be found in it.
appstreamcli validate-tree --no-net "$root" || fail "installed tree"

for size in "$@"; do
    png=$share/icons/hicolor/${size}x${size}/apps/trovel.png
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is $(identify -format '%wx%h' "$png")"
    convert "$source_icon" -filter point -resize "${size}x${size}" "$root/expected.png"
    diff=$(compare -metric AE "$png" "$root/expected.png" null: 2>&1) || true
    [ "$diff" = 0 ] || fail "${size}x${size} icon differs from a block scaling in $diff pixels"
done
echo "PASS dist_install"
