#!/usr/bin/env bash
# Installs those of the Debian packages named on the command line that are missing, with sudo
# when not run as root; what apt says goes to the standard error.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update >&2
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}" >&2
