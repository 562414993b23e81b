#!/usr/bin/env bash
# Starts the window program in a virtual X server, finds its window by caption, checks the
# client area below its menu bar and keeps a screenshot of what a user would see. Given a dive
# sheet, starts the program with it as a user's "Open with" does: finds the sheet's window,
# copies its report with Ctrl+Shift+C (held to REPORT_COMMAND's output where one is given),
# and opens an untitled sheet with Ctrl+N.
# Usage: x_smoke_test.sh PROGRAM SCREENSHOT.png [SHEET [REPORT_COMMAND...]]
#        (exit 77: no virtual X server or X tool here)
set -euo pipefail

program=$1
screenshot=$2
sheet=${3:-}
caption="Olvaro Merrith v2015-2021"

if [[ -z "${MERRITH_SMOKE_INSIDE:-}" ]]; then
  for tool in Xvfb xdotool xwininfo xprop xclip import convert; do
    command -v "$tool" >/dev/null || { echo "x_smoke_test: $tool not installed" >&2; exit 77; }
  done
  MERRITH_SMOKE_INSIDE=1 exec bash "$(dirname "$0")/../with_xvfb.sh" 1280x1024 bash "$0" "$@"
fi

fail() { echo "x_smoke_test: $*" >&2; exit 1; }

# The first window shown captioned exactly $1, waited for; the program must not end first.
find_window() {
  local found=""
  for _ in $(seq 1 2000); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$found" ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.005
  done
  [[ -n "$found" ]] || fail "no window captioned '$1'"
  echo "$found"
}

export QT_QPA_PLATFORM=xcb
started=$(date +%s%N)
"$program" ${sheet:+"$sheet"} &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The window counts as shown once it is mapped; it is painted on its first expose right after.
window=$(find_window "$caption")
echo "window shown $(( ($(date +%s%N) - started) / 1000000 )) ms after start"

# A painted window shows more than its background colour.
for _ in $(seq 1 100); do
  import -window "$window" "$screenshot"
  (( $(convert "$screenshot" -format %k info:) > 8 )) && break
  sleep 0.05
done

# The window has the program's icon for the task bar, the theme's or its own. (Read whole
# first: grep -q would stop reading at the first match, and xprop, cut off while it still
# writes the bitmaps, would end on SIGPIPE and fail the pipe.)
icon=$(xprop -id "$window" _NET_WM_ICON)
[[ "$icon" == *"Icon ("* ]] || fail "the window has no icon"

# The client area is a window of its own below the menu bar: 390 x 272, at the left edge.
eval "$(xdotool getwindowgeometry --shell "$window")"
client=$(xwininfo -id "$window" -children | grep -o ' [0-9]*x[0-9]*+[0-9]*+[0-9]*' |
  awk -F'[x+]' '$2 == 272' | tr -d ' ' | head -n 1)
echo "window $WIDTH x $HEIGHT, client area $client, screenshot $screenshot"
[[ "$client" =~ ^390x272\+0\+([0-9]+)$ ]] || fail "expected a 390 x 272 client area"
((BASH_REMATCH[1] > 0 && HEIGHT == 272 + BASH_REMATCH[1])) || fail "no menu bar above it"

[[ -n "$sheet" ]] || exit 0
shift 3
sheet_window=$(find_window "Dive sheet - $(basename "$sheet")")
xdotool windowfocus --sync "$sheet_window"
xdotool key ctrl+shift+c
sleep 0.3
copied=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
[[ -n "$copied" ]] || fail "Ctrl+Shift+C put no report on the clipboard"
if (($# > 0)); then
  expected=$("$@" "$sheet" | tr -d '\r' || true)
  [[ "$copied" == "$expected" ]] || fail "the report copied differs from $*'s: '$copied'"
  echo "the report copied is $*'s"
fi
import -window "$sheet_window" "${screenshot%.png}-sheet.png"

xdotool key ctrl+n
find_window "Dive sheet - Untitled" >/dev/null
echo "Ctrl+N opened an untitled sheet; screenshot ${screenshot%.png}-sheet.png"
