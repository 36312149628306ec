#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vellacode need, and only
# those that are missing. With the argument "windows": what the Windows cross-build and its
# tests under Wine need instead.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  clang libclang-rt-dev clang-format
  desktop-file-utils appstream dpkg-dev file lintian
  xvfb libx11-dev libxtst-dev
  orca at-spi2-core dbus openbox xdotool
  qt6-wayland weston
)

if [ "${1:-}" = windows ]; then
  packages=(cmake make g++-mingw-w64-x86-64-posix wine64 fonts-wine googletest python3 xz-utils
    nsis unzip xvfb xdotool openbox qt6-l10n-tools qt6-translations-l10n)
fi

exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
