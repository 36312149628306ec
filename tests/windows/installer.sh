#!/usr/bin/env bash
# The Windows download under Wine, on a private X server: the zip holds the program with its
# read-me and licences; the installer, run silently (/S), puts the program under Program Files
# with the uninstaller, and its Start-menu entry starts the game keeping the statistics in the
# roaming data folder; the silent uninstaller then removes what was installed and leaves the
# statistics.
# Run through run_on_xvfb.sh: installer.sh WINE PROGRAM ZIP SETUP WORK_FOLDER
set -u
wine=$1
exe=$2
zip=$3
setup=$4
work=$5
export WINEPREFIX=$work/wine WINEDEBUG=-all
fail() {
  echo "FAIL: $1"
  exit 1
}
rm -rf "$work"
mkdir -p "$work/zip" "$WINEPREFIX"
trap '"${wine%64}server" -k 2>/dev/null' EXIT

folder=$(basename "$zip" .zip)
unzip -q "$zip" -d "$work/zip" || fail "the zip could not be unpacked"
cmp -s "$exe" "$work/zip/$folder/vellacode.exe" || fail "the zip holds another vellacode.exe"
for file in README.txt LICENSE.txt THIRD-PARTY.txt licenses/Qt/LGPL-3.0-only.txt; do
  [ -s "$work/zip/$folder/$file" ] || fail "the zip lacks $file"
done

"$wine" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1 ||
  fail "the Wine prefix could not be made"
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Vellacode"
entry="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vellacode.lnk"
roaming=$("$wine" winepath -u "$("$wine" cmd /c echo %APPDATA% | tr -d '\r')")/Vellacode
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellacode'

"$wine" "$setup" /S
"${wine%64}server" -w
cmp -s "$exe" "$installed/vellacode.exe" || fail "no vellacode.exe under Program Files"
for file in uninstall.exe THIRD-PARTY.txt licenses/Qt/LGPL-3.0-only.txt; do
  [ -s "$installed/$file" ] || fail "the installer left out $file"
done
[ -f "$entry" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "not listed for removal"

# The Start-menu entry starts the game with --user-folder, which makes the roaming folder.
"$wine" start "$("$wine" winepath -w "$entry")"
for _ in $(seq 120); do
  xdotool search --onlyvisible --name '^Vellacode$' >/dev/null 2>&1 && break
  sleep 0.5
done
xdotool search --onlyvisible --name '^Vellacode$' >/dev/null 2>&1 ||
  fail "the Start-menu entry did not start the game"
[ -d "$roaming" ] || fail "the Start-menu entry did not keep the statistics in $roaming"
"$wine" taskkill /im vellacode.exe >/dev/null
"${wine%64}server" -w

head -c 143 /dev/urandom >"$roaming/stats.dat"
cp "$roaming/stats.dat" "$work/stats.dat"
"$wine" "$installed/uninstall.exe" /S
"${wine%64}server" -w
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
[ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left its registry key"
cmp -s "$roaming/stats.dat" "$work/stats.dat" || fail "the uninstaller touched the statistics"
echo "the Windows download under Wine: ok"
