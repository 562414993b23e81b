#!/usr/bin/env bash
# Starts the window program in a virtual X server, finds its window by caption, checks the
# size of its client area and keeps a screenshot of what a user would see.
# Usage: x_smoke_test.sh PROGRAM SCREENSHOT.png   (exit 77: no virtual X server here)
set -euo pipefail

program=$1
screenshot=$2
caption="Olvaro Merrith v2015-2021"

if [[ "${3:-}" != --inside ]]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "x_smoke_test: $tool not installed" >&2; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$program" "$screenshot" --inside
fi

export QT_QPA_PLATFORM=xcb
started=$(date +%s%N)
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The window counts as shown once it is mapped; it is painted on its first expose right after.
window=""
for _ in $(seq 1 2000); do
  window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  kill -0 "$pid" 2>/dev/null || { echo "x_smoke_test: the program ended early" >&2; exit 1; }
  sleep 0.005
done
[[ -n "$window" ]] || { echo "x_smoke_test: no window captioned '$caption'" >&2; exit 1; }
echo "window shown $(( ($(date +%s%N) - started) / 1000000 )) ms after start"

# A painted window shows more than its background colour.
for _ in $(seq 1 100); do
  import -window "$window" "$screenshot"
  (( $(convert "$screenshot" -format %k info:) > 8 )) && break
  sleep 0.05
done

# Installed, the window has the menu entry's icon for the task bar.
if [[ -n "${MERRITH_EXPECT_ICON:-}" ]] &&
  ! xprop -id "$window" _NET_WM_ICON | grep -q 'Icon ('; then
  echo "x_smoke_test: the window has no icon" >&2
  exit 1
fi

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $WIDTH x $HEIGHT, screenshot $screenshot"
if [[ "$WIDTH" != 390 || "$HEIGHT" != 272 ]]; then
  echo "x_smoke_test: expected a 390 x 272 client area" >&2
  exit 1
fi
