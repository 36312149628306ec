#!/usr/bin/env bash
# The Windows program under Wine, as a person on Windows meets it, in a new Wine prefix under
# WORK that reports Windows 10 (as Qt 6 wants) and has Wine's look-alikes of the Windows fonts.
# Usage: wine_rig.sh CHECK WINE PROGRAM WORK ARGUMENTS..., where CHECK ARGUMENTS is one of:
#  console VERSION: a windowed, stripped program needing no DLL beyond Windows' own; from a console
#    --version answers, and a mistake typed in Unicode is named as typed and exits with 2.
#  game LINUX_PROGRAM (on Xvfb): the checks at the end, played with keys the server delivers;
#    and, with a German user interface, the game in German.
#  download ZIP SETUP (on Xvfb): the zip's files; the silent installer, its Start-menu entry and
#    the silent uninstaller, which leaves the statistics.
set -u
check=$1 wine=$2 exe=$3 work=$4
shift 4
server=${wine%64}server
export WINEPREFIX=$work/wine WINEDEBUG=-all
fail() {
  echo "FAIL: $1"
  exit 1
}
rm -rf "$work"
mkdir -p "$WINEPREFIX"
trap 'kill $(jobs -p) 2>/dev/null; "$server" -k 2>/dev/null' EXIT
"$wine" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1 ||
  fail "the Wine prefix could not be made"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
roaming=$("$wine" winepath -u "$("$wine" cmd /c echo %APPDATA% | tr -d '\r')")/Vellacode

# Waits up to $2 seconds (a minute if not given) for a window whose whole title matches the
# pattern $1 and gives it the focus; fails if none appears, or with $2 returns 1.
window() {
  local id
  for _ in $(seq $((${2:-60} * 2))); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      if [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ ^$1$ ]]; then
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
ends() { timeout 60 tail --pid="$1" -f /dev/null || fail "the program did not end: $2"; }

# Starts the program ($@) in the folder $FOLDER and plays one game to the end: logs in as Bob,
# guesses blue, red, green, cyan in every row, closes the result window and exits. Should that
# have been the pattern (1 in 360), the program is stopped, the statistics put back as they were
# and the game played again.
play() {
  mkdir -p "$FOLDER" "$roaming"
  rm -rf "$work/before"
  mkdir "$work/before"
  cp -a "$FOLDER" "$work/before/"
  [ "$FOLDER" = "$roaming" ] || cp -a "$roaming" "$work/before/"
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
      ends "$program" Exit
      return
    fi
    kill -9 "$program"
    wait "$program" 2>/dev/null
    rm -rf "$FOLDER" "$roaming"
    cp -a "$work/before/${FOLDER##*/}" "$FOLDER"
    [ -e "$roaming" ] || cp -a "$work/before/Vellacode" "$roaming"
  done
  fail "three games were not lost as played"
}

# Starts the Windows program in $FOLDER, with $ROWS rows of a game played, ends it with "$@"
# and checks that the shutdown step ran, and that nobody was asked.
ended() {
  rm -f "$FOLDER/stats.bak"
  (cd "$FOLDER" && exec "$wine" "$exe" >/dev/null 2>&1) &
  local program=$!
  window Vellacode
  for _ in $(seq "$ROWS"); do keys 2 3 4 5 Return; done
  "$@" >/dev/null
  ends "$program" "$*"
  cmp -s "$FOLDER/stats.dat" "$FOLDER/stats.bak" || fail "no shutdown step after: $*"
}

case $check in
  console)
    headers=$(x86_64-w64-mingw32-objdump -p "$exe") || fail "not a Windows program: $exe"
    grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a windowed program"
    if grep -io 'DLL Name: .*' <<<"$headers" | grep -iE 'qt|lib|zlib'; then
      fail "needs DLLs that Windows does not have"
    fi
    [ "$(x86_64-w64-mingw32-objdump -t "$exe" | grep -c '^\[')" -eq 0 ] || fail "not stripped"
    out=$("$wine" "$exe" --version 2>&1)
    status=$?
    [ "$status" -eq 0 ] && [ "$out" = "Vellacode $1" ] ||
      fail "--version: status $status, said: $out"
    out=$("$wine" "$exe" --Zoë-Иван 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 2 ] || fail "a mistake: status $status, said: $out"
    [[ $out == *"Unknown option 'Zoë-Иван'."* ]] || fail "a mistake was not named as typed: $out"
    ;;
  game)
    # One lost game written alike by both programs, and stats.bak at Exit; the Start-menu way
    # keeps the files in %APPDATA%\Vellacode; each program adds to the other's file; log-off
    # during a game (the process killed right after, as Windows may) and taskkill end it cleanly.
    linux=$1
    [ -x "$linux" ] || fail "the Linux program is missing: $linux (build it first)"
    openbox --startup "touch $work/managing" >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -e "$work/managing" ] && break || sleep 0.1; done
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
    FOLDER=$work/linux ROWS=1 ended "$wine" wineboot --end-session --kill
    FOLDER=$work/linux ROWS=0 ended "$wine" taskkill /im vellacode.exe
    # With a German user interface the game speaks German: the menu's keys and the caption.
    mkdir -p "$work/german"
    (cd "$work/german" && LC_ALL=de_DE.UTF-8 exec "$wine" "$exe" >/dev/null 2>&1) &
    german=$!
    window Vellacode
    keys alt+s Return  # Spiel, Anmelden...
    window "¿Quién Es Usted\\?"
    xdotool type --delay 80 Bob
    keys Return
    window "Aktueller Spieler: Bob"
    keys alt+s b  # Spiel, Beenden
    ends "$german" Beenden
    ;;
  download)
    zip=$1 setup=$2
    folder=$(basename "$zip" .zip)
    unzip -q "$zip" -d "$work/zip" || fail "the zip could not be unpacked"
    cmp -s "$exe" "$work/zip/$folder/vellacode.exe" || fail "the zip holds another vellacode.exe"
    for file in README.txt LICENSE.txt THIRD-PARTY.txt licenses/Qt/LGPL-3.0-only.txt; do
      [ -s "$work/zip/$folder/$file" ] || fail "the zip lacks $file"
    done
    installed="$WINEPREFIX/drive_c/Program Files/Vellacode"
    entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vellacode.lnk"
    key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellacode'
    "$wine" "$setup" /S
    "$server" -w
    cmp -s "$exe" "$installed/vellacode.exe" || fail "no vellacode.exe under Program Files"
    for file in uninstall.exe THIRD-PARTY.txt licenses/Qt/LGPL-3.0-only.txt; do
      [ -s "$installed/$file" ] || fail "the installer left out $file"
    done
    "$wine" reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "not listed for removal"
    "$wine" start "$("$wine" winepath -w "$entry")"
    window Vellacode
    [ -d "$roaming" ] || fail "the Start-menu entry did not keep the statistics in $roaming"
    "$wine" taskkill /im vellacode.exe >/dev/null
    "$server" -w
    head -c 143 /dev/urandom >"$roaming/stats.dat"
    cp "$roaming/stats.dat" "$work/stats.dat"
    "$wine" "$installed/uninstall.exe" /S
    "$server" -w
    [ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
    [ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
    "$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left its registry key"
    cmp -s "$roaming/stats.dat" "$work/stats.dat" || fail "the uninstaller touched the statistics"
    ;;
  *) fail "no check named $check" ;;
esac
echo "$check under Wine: ok"
