#!/usr/bin/env bash
# Finds Qt for Windows (Qt 6.4.2's qtbase, static, for mingw-w64) and prints its prefix:
#  1. the prefix VELLACODE_QT_WINDOWS names;
#  2. one unpacked or built before into the cache, ~/.cache/vellacode/qt-windows;
#  3. the pack qt-6.4.2-mingw-w64-static.tar.xz that VELLACODE_QT_WINDOWS_PACK names, or that
#     lies in ../shared/toolchains beside the project, checked against the SHA256SUMS beside it
#     and unpacked into the cache;
#  4. with --build only: Qt built into the cache from Debian's source package qt6-base
#     6.4.2+dfsg-10, fetched by apt from the machine's own Debian archive, which checks every
#     file against the archive's signed SHA-256 sums. That takes about an hour on two cores and
#     3 GB of disk.
# Otherwise it says where it looked and fails.
set -euo pipefail

# The build uses the host's Qt tools (moc, rcc, uic) for Windows too: they must be Qt 6.4.2's,
# as on Debian 12.
host=$(/usr/lib/qt6/libexec/moc -v 2>/dev/null || true)
if [ "$host" != "moc 6.4.2" ]; then
  echo "Qt for Windows 6.4.2 is built with the host's Qt 6.4.2 tools (Debian 12); this machine" >&2
  echo "has ${host:-no moc}." >&2
  exit 1
fi

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
if [ ! -f "$pack" ] && [ "${1:-}" = --build ]; then
  exec "$project/scripts/build-qt-windows.sh" "$cache" "$name"
fi
if [ ! -f "$pack" ]; then
  echo "Qt for Windows was not found: set VELLACODE_QT_WINDOWS to its prefix, or" >&2
  echo "VELLACODE_QT_WINDOWS_PACK to $name.tar.xz (looked for $pack), or build it from" >&2
  echo "Debian's source with scripts/qt-windows.sh --build (about an hour)." >&2
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
