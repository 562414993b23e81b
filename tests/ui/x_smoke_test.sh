#!/usr/bin/env bash
# The built window program in a virtual X server, used as a user uses it: started with dive
# sheets as "Open with" starts it, its window found by its caption, painted, with an icon for the
# task bar; each sheet's window found and its report copied with Ctrl+Shift+C, held to
# REPORT_COMMAND's output for the sheet; and File > Exit, by its access keys, closing every
# window, none of them changed, and ending the program. Keeps screenshots.
# Usage: x_smoke_test.sh SCREENSHOTS SHEET... -- PROGRAM... -- REPORT_COMMAND...
#        (SCREENSHOTS is a path stem; exit 77: no virtual X server or X tool here)
set -euo pipefail

# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh" x_smoke_test "Xvfb xdotool xprop xclip import convert" "$@"
sheets=("${files[@]}")
caption="Olvaro Merrith v2015-2021"

# The sheets are opened by name, in their folder.
names=()
for sheet in "${sheets[@]}"; do
  names+=("$(basename "$sheet")")
  cp "$sheet" "$work/${names[-1]}"
done
started=$(date +%s%N)
(cd "$work" && exec "${program[@]}" "${names[@]}") &
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

# Points in a window count from its corner: of the frame, where Wine draws one. The sheets'
# windows overlap, each a step down from the one before: each is raised before the click.
shown=()
for i in "${!sheets[@]}"; do
  sheet_window=$(find_window "Dive sheet - ${names[$i]}")
  xdotool windowraise "$sheet_window"
  sleep 0.2
  xdotool mousemove --window "$sheet_window" 500 200 click 1 # the report box
  sleep 0.2
  xdotool key ctrl+shift+c
  sleep 0.3
  copied=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
  expected=$("${report[@]}" "${sheets[$i]}" | tr -d '\r' || true)
  [[ -n "$copied" ]] || fail "Ctrl+Shift+C put no report of ${names[$i]} on the clipboard"
  [[ "$copied" == "$expected" ]] ||
    fail "the report of ${names[$i]} copied differs from ${report[*]}'s: '$copied'"
  echo "the report of ${names[$i]} copied is ${report[*]}'s"
  shown+=("$shots-${names[$i]%.*}.png")
  import -window "$sheet_window" "${shown[-1]}"
  xclip -selection clipboard </dev/null >/dev/null 2>&1 # so that the next sheet's copy cannot pass for this one's
done

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
echo "File > Exit closed every window; screenshots $shots-opened.png ${shown[*]}"
