#!/usr/bin/env bash
# Finds Qt for Windows (Qt 6.4.2's qtbase, static, for mingw-w64) and prints its prefix:
#  1. the prefix VELLACODE_QT_WINDOWS names;
#  2. one unpacked before into the cache, ~/.cache/vellacode/qt-windows;
#  3. the pack qt-6.4.2-mingw-w64-static.tar.xz that VELLACODE_QT_WINDOWS_PACK names, or that
#     lies in ../shared/toolchains beside the project, checked against the SHA256SUMS beside it
#     and unpacked into the cache.
# Otherwise it says where it looked and fails.
set -euo pipefail

name=qt-6.4.2-mingw-w64-static
project=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vellacode/qt-windows
toolchain=lib/cmake/Qt6/qt.toolchain.cmake

if [ -n "${VELLACODE_QT_WINDOWS:-}" ]; then
  [ -f "$VELLACODE_QT_WINDOWS/$toolchain" ] ||
    { echo "VELLACODE_QT_WINDOWS=$VELLACODE_QT_WINDOWS holds no Qt ($toolchain is missing)" >&2; exit 1; }
  echo "$VELLACODE_QT_WINDOWS"
  exit 0
fi

if [ -f "$cache/$name/.ready" ]; then
  echo "$cache/$name"
  exit 0
fi

pack=${VELLACODE_QT_WINDOWS_PACK:-$project/../shared/toolchains/$name.tar.xz}
if [ ! -f "$pack" ]; then
  echo "Qt for Windows was not found: set VELLACODE_QT_WINDOWS to its prefix, or" >&2
  echo "VELLACODE_QT_WINDOWS_PACK to $name.tar.xz (looked for $pack)." >&2
  exit 1
fi
sums=$(dirname "$pack")/SHA256SUMS
[ -f "$sums" ] || { echo "No SHA256SUMS beside $pack: its checksum cannot be checked." >&2; exit 1; }
expected=$(awk -v f="$(basename "$pack")" '$2 == f || $2 == "*" f { print $1 }' "$sums")
actual=$(sha256sum "$pack" | cut -d' ' -f1)
if [ -z "$expected" ] || [ "$expected" != "$actual" ]; then
  echo "$pack does not match its checksum in $sums; it is not used." >&2
  exit 1
fi

echo "Unpacking $(basename "$pack") into $cache..." >&2
mkdir -p "$cache"
rm -rf "$cache/$name" "$cache/$name.partial"
mkdir "$cache/$name.partial"
tar -xJf "$pack" -C "$cache/$name.partial"
[ -f "$cache/$name.partial/$name/$toolchain" ] ||
  { echo "$pack holds no $name/$toolchain" >&2; rm -rf "$cache/$name.partial"; exit 1; }
mv "$cache/$name.partial/$name" "$cache/$name"
rm -rf "$cache/$name.partial"
touch "$cache/$name/.ready"
echo "$cache/$name"
