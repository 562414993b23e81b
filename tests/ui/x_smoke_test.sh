#!/usr/bin/env bash
# The built window program in a virtual X server, used as a user uses it: started with a dive
# sheet as "Open with" starts it, its window found by its caption, painted, with an icon for the
# task bar; the sheet's window found and its report copied with Ctrl+Shift+C, held to
# REPORT_COMMAND's output; and File > Exit, by its access keys, closing every window, none of
# them changed, and ending the program. Keeps screenshots.
# Usage: x_smoke_test.sh SCREENSHOTS SHEET PROGRAM... -- REPORT_COMMAND...
#        (SCREENSHOTS is a path stem; exit 77: no virtual X server or X tool here)
set -euo pipefail

# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh" x_smoke_test "Xvfb xdotool xprop xclip import convert" "$@"
sheet=$given
caption="Olvaro Merrith v2015-2021"

# The sheet is opened by name, in its folder.
sheet_name=$(basename "$sheet")
cp "$sheet" "$work/$sheet_name"
started=$(date +%s%N)
(cd "$work" && exec "${program[@]}" "$sheet_name") &
pid=$!

window=$(find_window "$caption")
echo "window shown $((($(date +%s%N) - started) / 1000000)) ms after start"

# A painted window shows more than its background colour.
for _ in $(seq 1 100); do
  import -window "$window" "$shots-opened.png"
  (($(convert "$shots-opened.png" -format %k info:) > 8)) && break
  sleep 0.05
done

# (Read whole first: grep -q would stop reading at the first match, and xprop, cut off while it
# still writes the bitmaps, would end on SIGPIPE and fail the pipe.)
icon=$(xprop -id "$window" _NET_WM_ICON)
[[ "$icon" == *"Icon ("* ]] || fail "the window has no icon"

# Points in a window count from its corner: of the frame, where Wine draws one.
sheet_window=$(find_window "Dive sheet - $sheet_name")
xdotool mousemove --window "$sheet_window" 500 200 click 1 # the report box
sleep 0.2
xdotool key ctrl+shift+c
sleep 0.3
copied=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
expected=$("${report[@]}" "$sheet" | tr -d '\r' || true)
[[ -n "$copied" ]] || fail "Ctrl+Shift+C put no report on the clipboard"
[[ "$copied" == "$expected" ]] || fail "the report copied differs from ${report[*]}'s: '$copied'"
echo "the report copied is ${report[*]}'s"
import -window "$sheet_window" "$shots-sheet.png"

# A click on the menu bar or the caption, where no control takes it.
xdotool mousemove --window "$window" 200 8 click 1
sleep 0.2
xdotool key alt+f
sleep 0.2
xdotool key x
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after File > Exit"
pid=""
echo "File > Exit closed every window; screenshots $shots-opened.png $shots-sheet.png"
