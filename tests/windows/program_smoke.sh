#!/usr/bin/env bash
# The Windows program: a windowed program that needs no DLL beyond Windows' own, stripped; under
# Wine, started from a console, --version answers there, and a mistake is named as it was typed
# (a Unicode argument, which the system's 8-bit code page could not hold) and ends the program
# with 2.
set -u
wine=$1
exe=$2
export WINEPREFIX=$3 WINEDEBUG=-all
fail() { echo "$1"; exit 1; }
headers=$(x86_64-w64-mingw32-objdump -p "$exe") || fail "not a Windows program: $exe"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a windowed program"
dlls=$(grep -io 'DLL Name: .*' <<<"$headers")
if grep -iE 'qt|lib|zlib' <<<"$dlls"; then fail "needs DLLs that Windows does not have"; fi
[ "$(x86_64-w64-mingw32-objdump -t "$exe" | grep -c '^\[')" -eq 0 ] || fail "not stripped"
"$wine" "$exe" --version >/dev/null 2>&1  # a new Wine prefix says so as it is made

out=$("$wine" "$exe" --version 2>&1)
status=$?
[ "$status" -eq 0 ] && [ "$out" = "Vellacode $4" ] || fail "--version: status $status, said: $out"

out=$("$wine" "$exe" --Zoë-Иван 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] || fail "a mistake: status $status, said: $out"
case "$out" in
  *"Unknown option 'Zoë-Иван'."*) ;;
  *) fail "a mistake was not named as typed: $out" ;;
esac
echo "the program under Wine: ok"
