#!/usr/bin/env bash
# Installs the program into a scratch prefix, validates what it installed, and starts it there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/vellacode \
         share/applications/org.vellacode.Vellacode.desktop \
         share/metainfo/org.vellacode.Vellacode.metainfo.xml \
         share/man/man6/vellacode.6.gz share/doc/vellacode/changelog.gz \
         share/doc/vellacode/copyright; do
    [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/org.vellacode.Vellacode.png"
    [ -f "$icon" ] || { echo "no ${size}px icon"; exit 1; }
    # The PNG header holds the width and height, big-endian, at bytes 16 to 23.
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$icon")
    width=$(( (w0 << 24) | (w1 << 16) | (w2 << 8) | w3 ))
    height=$(( (h0 << 24) | (h1 << 16) | (h2 << 8) | h3 ))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
        { echo "the ${size}px icon is ${width}x${height}"; exit 1; }
done
entry="$prefix/share/applications/org.vellacode.Vellacode.desktop"
desktop-file-validate "$entry"
# Outside /usr the entry names the program by its full path.
grep -qx "Exec=\"$prefix/games/vellacode\" --user-folder" "$entry" ||
    { echo "the desktop entry runs: $(grep '^Exec=' "$entry")"; exit 1; }
# AppStream finds nothing to report, but for the missing web page of a build that was not given
# one (-DVELLACODE_HOMEPAGE=...; AppStream 1.0 warns of it, 0.16 does not).
metainfo="$prefix/share/metainfo/org.vellacode.Vellacode.metainfo.xml"
findings=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1 | grep -E '^[EW]: ' || true)
grep -q '<url type="homepage">' "$metainfo" || findings=$(echo "$findings" | grep -v url-homepage-missing || true)
[ -z "$findings" ] || { echo "appstream:"; echo "$findings"; exit 1; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$prefix/share/metainfo/org.vellacode.Vellacode.metainfo.xml"
zcat "$prefix/share/man/man6/vellacode.6.gz" | grep -q '^\.TH VELLACODE 6'

# It comes up from the installed place, in a folder of its own, and keeps running.
work=$(mktemp -d)
status=0
(cd "$work" && timeout 2 "$prefix/games/vellacode" 2>"$work/errors") || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended with $status"; cat "$work/errors"; exit 1; }
rm -rf "$work"
echo "install: ok"
