#!/usr/bin/env bash
# Runs COMMAND in a virtual X server of its own, WIDTHxHEIGHT pixels of 24 bits, and returns its
# exit status. The server picks a free display itself and says which once it takes connections
# (-displayfd), never resets (-noreset), and is gone before this returns. An X server resets
# when its last client leaves, and refuses whoever connects meanwhile: a window program that
# started right after the check below failed to connect in about one start in fifteen ("could
# not connect to display"). xvfb-run -a also picks the display before its server takes it.
# Usage: with_xvfb.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]   (Xvfb and xdotool installed)
set -euo pipefail

size=$1
shift
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/log" &
server=$!
finish() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

for _ in $(seq 1 1000); do
  [[ -s "$work/display" ]] && break
  kill -0 "$server" 2>/dev/null || { cat "$work/log" >&2; echo "with_xvfb: Xvfb ended" >&2; exit 1; }
  sleep 0.01
done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
xdotool getdisplaygeometry >/dev/null || { echo "with_xvfb: no display $DISPLAY" >&2; exit 1; }
status=0
"$@" || status=$?
exit "$status"
