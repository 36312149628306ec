#!/usr/bin/env bash
# Builds the Debian package, checks its contents and dependencies, unpacks it into a fresh
# root and starts the program from there.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/vellacode_*.deb)
info=$(dpkg-deb --info "$deb")
echo "$info" | grep -q '^ Package: vellacode$'
echo "$info" | grep -q '^ Section: games$'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    echo "$depends" | grep -q "$lib" || { echo "missing dependency $lib in: $depends"; exit 1; }
done
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/vellacode ./usr/share/applications/org.vellacode.Vellacode.desktop \
         ./usr/share/metainfo/org.vellacode.Vellacode.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/org.vellacode.Vellacode.png \
         ./usr/share/man/man6/vellacode.6; do
    echo "$contents" | grep -q " $f\$" || { echo "not in the package: $f"; exit 1; }
done
! echo "$contents" | grep -qE '_test|gtest|bench' || { echo "tests in the package"; exit 1; }

root="$out/root"
dpkg-deb --extract "$deb" "$root"
status=0
(cd "$out" && timeout 2 "$root/usr/bin/vellacode" 2>/dev/null) || status=$?
[ "$status" -eq 124 ] || { echo "the packaged program ended with $status"; exit 1; }
echo "package: ok ($depends)"
