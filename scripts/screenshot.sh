#!/usr/bin/env bash
# Takes a screenshot of the game window for the README: the program runs in a virtual X
# server, a few pegs are played, and ImageMagick captures the window by its title. A Windows
# program (PROGRAM.exe) runs under Wine, in a Wine prefix of its own that reports Windows 10 and
# has Wine's look-alikes of the Windows fonts.
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
run=("$program")
if [[ $program == *.exe ]]; then
    export WINEPREFIX=$work/wine WINEDEBUG=-all
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    /usr/lib/wine/wineserver -w  # its desktop is to open on the virtual X server, not here
    run=(/usr/lib/wine/wine64 "$program")
fi
xvfb-run -a -s "-screen 0 640x640x24" bash -c '
    output=$1
    shift
    "$@" &
    pid=$!
    sleep 2
    window=$(xdotool search --sync --onlyvisible --name "^Vellacode$" | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    for row in "3 1 2 4" "2 4 5 6" "4 5 1 3"; do
        for key in $row Return; do xdotool key "$key"; sleep 0.1; done
    done
    xdotool key 5 3
    sleep 0.5
    import -window "$window" "$output"
    kill $pid
' screenshot "$output" "${run[@]}"
echo "wrote $output"
