#!/usr/bin/env bash
# Builds Qt for Windows into CACHE/NAME and prints that prefix: qtbase 6.4.2 as static libraries
# for 64-bit Windows (mingw-w64, posix threads), from Debian's source package qt6-base
# 6.4.2+dfsg-10 with its Debian patches. apt fetches the source from the machine's own Debian
# archive and checks every file against the archive's signed SHA-256 sums. About an hour on two
# cores; about 3 GB of disk while it builds. Called by qt-windows.sh --build.
# Usage: build-qt-windows.sh CACHE NAME
set -euo pipefail
cache=$1
name=$2
version=6.4.2+dfsg-10

echo "Building Qt for Windows from Debian's qt6-base $version: this takes about an hour." >&2
"$(dirname "$0")/install-missing.sh" g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools \
  cmake ninja-build dpkg-dev xz-utils

mkdir -p "$cache"
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# The source, through a private apt set-up that reads the system's archive as source.
mkdir -p apt/sources.list.d apt/lists/partial apt/archives/partial
for list in /etc/apt/sources.list.d/*.sources; do
  [ -f "$list" ] && sed 's/^Types: deb$/Types: deb-src/' "$list" >"apt/sources.list.d/${list##*/}"
done
touch apt/sources.list
[ -f /etc/apt/sources.list ] && sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >apt/sources.list
options=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
  -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives")
apt-get "${options[@]}" update >&2
apt-get "${options[@]}" source --download-only "qt6-base=$version" >&2
dpkg-source -x "qt6-base_$version.dsc" qtbase >&2

# Facts of this source on Windows:
# - with OpenGL off, Qt 6.4 still turns on dynamic OpenGL, and the windows plugin then names
#   OpenGL classes: its two dynamic-OpenGL conditions also ask for OpenGL;
# - with Direct2D off, QtGui has no DirectWrite font database, which the windows plugin still
#   names: its two DirectWrite conditions also ask for Direct2D (the GDI font database remains,
#   Qt 6.4's default anyway).
sed -i 's/^#if QT_CONFIG(dynamicgl)$/& \&\& QT_CONFIG(opengl)/' \
  qtbase/src/plugins/platforms/windows/qwindowswindow.cpp
sed -i 's/^#if QT_CONFIG(directwrite3)$/& \&\& QT_CONFIG(direct2d)/' \
  qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp
[ "$(grep -c 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' \
  qtbase/src/plugins/platforms/windows/qwindowswindow.cpp)" -eq 2 ] ||
  { echo "qwindowswindow.cpp is not as expected" >&2; exit 1; }
[ "$(grep -c 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
  qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp)" -eq 2 ] ||
  { echo "qwindowsintegration.cpp is not as expected" >&2; exit 1; }

# - the +dfsg source has no wintab.h: no tablet events;
# - FreeType stays on: the offscreen platform (the window tests) needs it on Windows;
# - zlib is Qt's own, so that the program needs no zlib1.dll.
prefix=$work/$name
cmake -G Ninja -S qtbase -B build \
  -DCMAKE_TOOLCHAIN_FILE="$(dirname "$0")/../cmake/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_direct2d=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_freetype=ON >configure.log ||
  { tail -n 30 configure.log >&2; exit 1; }
cmake --build build >build.log || { tail -n 30 build.log >&2; exit 1; }
cmake --install build >install.log
# The licence notice every download built with it must carry.
cp -r qtbase/LICENSES "$prefix/LICENSES"
cp qtbase/debian/copyright "$prefix/LICENSES/debian-copyright"

rm -rf "${cache:?}/$name"
mv "$prefix" "$cache/$name"
touch "$cache/$name/.ready"
echo "$cache/$name"
