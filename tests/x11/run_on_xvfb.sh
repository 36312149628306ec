#!/usr/bin/env bash
# Runs one command on a private X server of its own (Xvfb, on the first free display), then stops
# the server. The command sees DISPLAY and the xcb platform.
set -u
dir=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  kill -0 "$server" 2>/dev/null || { cat "$dir/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$dir/display" ] || { echo "Xvfb did not report a display" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$dir/display")" QT_QPA_PLATFORM=xcb
"$@"
