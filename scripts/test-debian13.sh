#!/usr/bin/env bash
# Runs the unit, window and real-display tests (the screen reader's included) on Debian 13, in a
# fresh root of its own: a minimal Debian 13 made once with debootstrap from the package archive
# this machine already uses, kept in a cache with the project's packages installed, and copied
# for each run. The sources are the working tree as it is, committed or not.
set -euo pipefail

suite=trixie
if [ "$(id -u)" -ne 0 ]; then
  echo "make test-debian13 needs root: it makes a Debian 13 root with debootstrap and runs the" >&2
  echo "tests inside it with chroot. Run it as root (for example: sudo make test-debian13)." >&2
  exit 1
fi

project=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vellacode/debian13
base=$cache/root

mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
[ -n "$mirror" ] || mirror=$(awk '/^deb / { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian

run=""
mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
  [ -n "$run" ] && rm -rf "$run"
  return 0
}
trap cleanup EXIT

# Mounts what programs inside the root need of the running system.
enter() {
  local root=$1
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount -t sysfs sys "$root/sys" && mounted+=("$root/sys")
  mount --rbind /dev "$root/dev" && mounted+=("$root/dev")
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# The project's files as they stand in the working tree.
copy_project() {
  mkdir -p "$1"
  (cd "$project" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 -I{} sh -c '[ -e "{}" ] && printf "%s\0" "{}"' |
    tar --null -cf - -T -) | tar -xf - -C "$1"
}

if [ ! -f "$base/.ready" ]; then
  command -v debootstrap >/dev/null ||
    { apt-get update -qq && apt-get install -y -qq --no-install-recommends debootstrap; }
  echo "Making a Debian 13 root in $base (once; a few minutes)..."
  rm -rf "$base"
  mkdir -p "$cache"
  debootstrap --variant=minbase --include=ca-certificates,git "$suite" "$base" "$mirror" \
    >"$cache/debootstrap.log" 2>&1 ||
    { tail -n 5 "$cache/debootstrap.log"; echo "debootstrap failed; see $cache/debootstrap.log" >&2; exit 2; }
  copy_project "$base/tmp/project"
  enter "$base"
  chroot "$base" /tmp/project/scripts/install-deps.sh
  cleanup
  mounted=()
  rm -rf "$base/tmp/project" "$base"/var/cache/apt/archives/*.deb
  touch "$base/.ready"
fi

run=$(mktemp -d "$cache/run.XXXXXX")
echo "Copying the Debian 13 root for this run..."
cp -a "$base" "$run/root"
copy_project "$run/root/project"
enter "$run/root"
# The build is to give no compiler warning here either; then every test but the installation's.
chroot "$run/root" /bin/bash -c 'set -o pipefail; cd /project && make build 2>&1 | tee /tmp/build.log &&
  if grep -q "warning:" /tmp/build.log; then echo "The build on Debian 13 gave warnings." >&2; exit 1; fi &&
  make check'
