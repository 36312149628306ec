#!/usr/bin/env bash
# Takes a screenshot of the game window for the README: the program runs in a virtual X
# server, a few pegs are played, and ImageMagick captures the window by its title.
# Usage: scripts/screenshot.sh PROGRAM OUTPUT.png [symbols]   (symbols: with peg symbols on)
set -euo pipefail
program=$(realpath "$1")
output=$(realpath -m "$2")

missing=()
for p in xvfb xauth imagemagick xdotool; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ "${#missing[@]}" -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
if [ "${3:-}" = symbols ]; then
    mkdir -p "$XDG_CONFIG_HOME/Vellacode"
    printf '[General]\nPegSymbols=true\n' > "$XDG_CONFIG_HOME/Vellacode/Vellacode.conf"
fi
mkdir -p "$(dirname "$output")"
cd "$work"
xvfb-run -a -s "-screen 0 640x640x24" bash -c '
    "$0" &
    pid=$!
    sleep 2
    window=$(xdotool search --sync --name "^Vellacode$" | head -n 1)
    xdotool windowfocus --sync "$window"
    for row in "3 1 2 4" "2 4 5 6" "4 5 1 3"; do
        for key in $row Return; do xdotool key --window "$window" "$key"; sleep 0.1; done
    done
    xdotool key --window "$window" 5 3
    sleep 0.5
    import -window "$window" "$1"
    kill $pid
' "$program" "$output"
echo "wrote $output"
