#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a desktop needs from it: the
# program, a desktop entry and AppStream metainfo that validate, and the icon at every
# size as an exact block scaling of the pixel art (compared with ImageMagick's own); and
# what a distribution needs: a manual page that renders without a warning and names every
# option of --help, a changelog and metainfo whose newest release is the program's
# version, a machine-readable copyright file, and a reason for every lintian override.
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

# The version the program reports is the one every document must carry.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/trovel" --version) || fail "trovel --version"
version=${version#trovel }

for language in de fr es it nl pl pt_BR ru ja zh_CN; do
    [ -s "$share/trovel/translations/trovel_$language.qm" ] || fail "no trovel_$language.qm in share/trovel/translations"
done

man_page=$share/man/man1/trovel.1.gz
[ -f "$man_page" ] || fail "no compressed manual page in share/man/man1"
zcat "$man_page" >"$root/trovel.1"
warnings=$(groff -ww -man -z "$root/trovel.1" 2>&1) || fail "groff: $warnings"
[ -z "$warnings" ] || fail "groff warns: $warnings"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$man_page" 2>&1 >"$root/trovel.txt") ||
    fail "man -l: $warnings"
[ -z "$warnings" ] || fail "man -l warns: $warnings"
grep -q "^trovel $version  *[0-9-]*  *TROVEL(1)\$" "$root/trovel.txt" || fail "the manual page's footer lacks version $version"
# Every long option the help lists is described in the manual page.
for option in $("$root/usr/bin/trovel" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" "$root/trovel.txt" || fail "the manual page does not describe $option"
done

doc=$share/doc/trovel
[ -f "$doc/changelog.gz" ] || fail "no changelog.gz in share/doc/trovel"
changelog_version=$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version, not $version"
for gz in "$man_page" "$doc/changelog.gz"; do
    # A time stamp in the gzip header would make two builds of the same sources differ.
    [ "$(od -An -tu4 -j4 -N4 "$gz" | tr -d ' ')" = 0 ] || fail "$gz carries a time stamp"
done
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
grep -q '^License: ' "$doc/copyright" || fail "the copyright file names no terms"
release=$(grep -o '<release version="[^"]*"' "$share/metainfo/"*.metainfo.xml | head -n 1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release, not $version"

# Each lintian override says why, on the comment line right above it.
overrides=$share/lintian/overrides/trovel
[ -f "$overrides" ] || fail "no lintian overrides installed"
awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next }
     { if (!reason) { print "no reason above: " $0; bad = 1 } reason = 0 }
     END { exit bad }' "$overrides" || fail "a lintian override without its reason"

for size in "$@"; do
    png=$share/icons/hicolor/${size}x${size}/apps/trovel.png
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is $(identify -format '%wx%h' "$png")"
    convert "$source_icon" -filter point -resize "${size}x${size}" "$root/expected.png"
    diff=$(compare -metric AE "$png" "$root/expected.png" null: 2>&1) || true
    [ "$diff" = 0 ] || fail "${size}x${size} icon differs from a block scaling in $diff pixels"
done
echo "PASS dist_install"
