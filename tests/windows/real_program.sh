#!/usr/bin/env bash
# The real Windows program under Wine, beside the Linux program, on a private X server with a
# window manager, played with keys that the server delivers (XTest):
#  - a game lost in ten rows is written to stats.dat byte for byte as the Linux program writes
#    it, and Exit leaves stats.bak equal to it; from the Start-menu entry (--user-folder) the
#    files live in the roaming data folder, %APPDATA%\Vellacode;
#  - each program adds a game to a file the other wrote, and the two files agree;
#  - the end of the session (log-off, shut-down) and taskkill run the shutdown step.
# Run through run_on_xvfb.sh: real_program.sh LINUX_PROGRAM WINE WINDOWS_PROGRAM WORK_FOLDER
set -u
linux=$1
wine=$2
exe=$3
work=$4
export WINEPREFIX=$work/wine WINEDEBUG=-all
fail() {
  echo "FAIL: $1"
  exit 1
}
[ -x "$linux" ] || fail "the Linux program is missing: $linux (build it first)"
rm -rf "$work"
mkdir -p "$work/linux" "$WINEPREFIX"
openbox >/dev/null 2>&1 &
trap 'kill $! 2>/dev/null; "${wine%64}server" -k 2>/dev/null' EXIT
# A new prefix reports Windows 7; Qt 6 wants 10. Wine's look-alikes of the Windows fonts go
# where Windows keeps its fonts.
"$wine" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1 ||
  fail "the Wine prefix could not be made"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
roaming=$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
roaming=$("$wine" winepath -u "$roaming" 2>/dev/null)/Vellacode

# Waits up to $2 seconds (a minute if not given) for a window whose whole title matches the
# pattern $1 and gives it the focus; fails if none appears, or with $2 returns 1.
window() {
  local id name
  for _ in $(seq $((${2:-60} * 2))); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      name=$(xdotool getwindowname "$id" 2>/dev/null)
      if [[ $name =~ ^$1$ ]]; then
        xdotool windowactivate --sync "$id" >/dev/null 2>&1
        sleep 0.5
        return 0
      fi
    done
    sleep 0.5
  done
  [ -n "${2:-}" ] && return 1
  fail "no window \"$1\" appeared"
}
keys() { xdotool key --delay 80 "$@"; }

# Starts the program ($@) in the folder $FOLDER and plays one game to the end: logs in as Bob,
# guesses blue, red, green, cyan in every row, closes the result window and exits. Should that
# have been the pattern (1 in 360), the program is stopped, the statistics folders put back as
# they were and the game played again.
play() {
  mkdir -p "$FOLDER" "$roaming"
  rm -rf "$work/before"
  mkdir "$work/before"
  cp -a "$FOLDER" "$work/before/1"
  cp -a "$roaming" "$work/before/2"
  for _ in 1 2 3; do
    (cd "$FOLDER" && exec "$@" >/dev/null 2>&1) &
    local program=$!
    window Vellacode
    keys alt+s Return
    window "¿Quién Es Usted\\?"
    xdotool type --delay 80 Bob
    keys Return
    window "Current Player: Bob"
    for _ in $(seq 10); do keys 2 3 4 5 Return; done
    if window "Better Luck Next Time" 20; then
      keys Return
      window "Current Player: Bob"
      keys alt+s x
      timeout 60 tail --pid="$program" -f /dev/null || fail "the program did not end after Exit"
      return
    fi
    kill -9 "$program"
    wait "$program" 2>/dev/null
    rm -rf "$FOLDER" "$roaming"
    cp -a "$work/before/1" "$FOLDER"
    cp -a "$work/before/2" "$roaming"
  done
  fail "three games were not lost as played"
}

# Starts the Windows program in $FOLDER, ends it with "$@" and checks that the step ran.
ended() {
  rm -f "$FOLDER/stats.bak"
  (cd "$FOLDER" && exec "$wine" "$exe" >/dev/null 2>&1) &
  local program=$!
  window Vellacode
  "$@" >/dev/null
  timeout 60 tail --pid="$program" -f /dev/null || fail "the program did not end: $*"
  cmp -s "$FOLDER/stats.dat" "$FOLDER/stats.bak" || fail "no shutdown step after: $*"
}

FOLDER=$work/linux play "$linux"
FOLDER=$work/start-menu play "$wine" "$exe" --user-folder
[ -f "$roaming/stats.dat" ] || fail "--user-folder did not keep the statistics in $roaming"
cmp "$work/linux/stats.dat" "$roaming/stats.dat" ||
  fail "the two programs wrote one game differently"
for folder in "$work/linux" "$roaming"; do
  cmp -s "$folder/stats.dat" "$folder/stats.bak" || fail "Exit left no stats.bak in $folder"
done

FOLDER=$work/linux play "$wine" "$exe"
FOLDER=$roaming play "$linux"
cmp "$work/linux/stats.dat" "$roaming/stats.dat" ||
  fail "a file written by one program was not read the same by the other"

FOLDER=$work/linux ended "$wine" wineboot --end-session
FOLDER=$work/linux ended "$wine" taskkill /im vellacode.exe
echo "the real program under Wine: ok"
