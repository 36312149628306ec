#!/usr/bin/env bash
# Runs a QtTest program for Windows under Wine. Wine passes no QT_ variable on to Windows
# programs: they become the Wine prefix's per-user environment first (and any left there from an
# earlier run goes). The results are written to a file and shown, since under Wine the test's
# own output to a pipe is lost.
# Usage: run_qt_test.sh WINE PROGRAM ARGUMENTS...
set -u
wine=$1
shift
mkdir -p "$WINEPREFIX"
for stale in $("$wine" reg query 'HKCU\Environment' 2>/dev/null | awk '$1 ~ /^QT_/ { print $1 }'); do
  [ -n "${!stale+set}" ] || "$wine" reg delete 'HKCU\Environment' /v "$stale" /f >/dev/null
done
for name in $(compgen -e | grep '^QT_'); do
  "$wine" reg add 'HKCU\Environment' /v "$name" /d "${!name}" /f >/dev/null
done
results=$(mktemp)
"$wine" "$@" -o "$results,txt"
status=$?
cat "$results"
rm -f "$results"
exit "$status"
