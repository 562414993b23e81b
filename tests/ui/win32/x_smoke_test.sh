#!/usr/bin/env bash
# merrith.exe under Wine in a virtual X server, started with a dive sheet as "Open with" starts
# it: finds the window by its caption and the sheet's window, copies its report with Ctrl+Shift+C (held to REPORT_COMMAND's output where one
# is given), opens an untitled sheet with Ctrl+N and closes the main window, which closes the
# sheets and ends the program. Keeps screenshots of what was seen.
# Usage: x_smoke_test.sh WINE_RUN PREFIX MERRITH_EXE SHEET SCREENSHOTS
#        [REPORT_COMMAND...]   (SCREENSHOTS is a path stem; exit 77: no virtual X server or X
#        tool here)
set -euo pipefail

if [[ -z "${MERRITH_SMOKE_INSIDE:-}" ]]; then
  for tool in Xvfb xdotool xclip import convert; do
    command -v "$tool" >/dev/null || { echo "x_smoke_test: $tool not installed" >&2; exit 77; }
  done
  MERRITH_SMOKE_INSIDE=1 exec bash "$(dirname "$0")/../with_xvfb.sh" 1280x1024 bash "$0" "$@"
fi

wine_run=$1 prefix=$2 program=$3 sheet=$4 shots=$5
shift 5
caption="Olvaro Merrith v2015-2021"
export MERRITH_WINE_DISPLAY=x11
wine=("$wine_run" "$prefix")

fail() { echo "x_smoke_test: $*" >&2; exit 1; }

# A wineserver of this prefix left from an earlier X server would draw on that one.
"${wine[@]}" wineserver -k 2>/dev/null || true
work=$(mktemp -d)
pid=""
finish() {
  [[ -z "$pid" ]] || kill "$pid" 2>/dev/null || true
  "${wine[@]}" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

sheet_name=$(basename "$sheet")
cp "$sheet" "$work/$sheet_name"
(cd "$work" && exec "${wine[@]}" "$program" "$sheet_name") &
pid=$!

# The first window shown captioned exactly $1. The first start in a new prefix sets the
# prefix up, which takes a while.
find_window() {
  local found=""
  for _ in $(seq 1 600); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$found" ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.1
  done
  [[ -n "$found" ]] || fail "no window captioned '$1'"
  echo "$found"
}
window=$(find_window "$caption")

# A painted window shows more than its background colour.
for _ in $(seq 1 100); do
  import -window "$window" "$shots-opened.png"
  (($(convert "$shots-opened.png" -format %k info:) > 8)) && break
  sleep 0.05
done

# The sheet's window: its report copied from the keyboard, as the box shows it. (Points in a
# window are counted from its frame's corner, whether Wine or nobody draws the frame.)
sheet_window=$(find_window "Dive sheet - $sheet_name")
xdotool mousemove --window "$sheet_window" 500 200 click 1 # the report box
sleep 0.2
xdotool key ctrl+shift+c
sleep 0.3
copied=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
[[ -n "$copied" ]] || fail "Ctrl+Shift+C put no report on the clipboard"
if (($# > 0)); then
  report=$("$@" "$sheet" | tr -d '\r' || true)
  [[ "$copied" == "$report" ]] || fail "the report copied differs from $*'s: '$copied'"
  echo "the report copied is $*'s"
fi
import -window "$sheet_window" "$shots-sheet.png"
xdotool key ctrl+n
find_window "Dive sheet - Untitled" >/dev/null
echo "Ctrl+N opened an untitled sheet"

# Closing the main window closes the sheets, none of them changed, and ends the program. The
# click lands on the caption, or above the heights where no control takes it.
xdotool mousemove --window "$window" 200 8 click 1
sleep 0.2
xdotool key alt+F4
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after Alt+F4 closed its window"
pid=""
echo "screenshots: $shots-opened.png $shots-sheet.png"
