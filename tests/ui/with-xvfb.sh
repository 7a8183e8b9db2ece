#!/usr/bin/env bash
# Runs a test program on a virtual X server of its own. Exits 77 (skipped) when none can be started.
set -u
if ! command -v Xvfb >/dev/null; then echo "Xvfb is not installed: skipped"; exit 77; fi
dir="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
display="$(tr -d '\n' <"$dir/display")"
if [ -z "$display" ]; then
  echo "Xvfb could not be started: skipped"; cat "$dir/xvfb.log"
  kill "$server" 2>/dev/null; rm -rf "$dir"; exit 77
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$server"; wait "$server" 2>/dev/null
rm -rf "$dir"
exit "$status"
