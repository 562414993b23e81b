#!/usr/bin/env bash
# merrith.exe under Wine in a virtual X server, used as a user uses it: started with a dive
# sheet as "Open with" starts it, finds the window by its caption, checks its client area below
# the menu bar, picks "3m", types 5253b and presses Enter, copies the DD out of its box, presses
# "D+HD" and answers the message box "Merrith" with Enter. The table must be byte for byte the
# one merrith-cli writes for the same list (the expected table, which the Linux merrith-cli is
# held to). Then finds the sheet's window, copies its report with Ctrl+Shift+C (held to
# REPORT_COMMAND's output where one is given), opens an untitled sheet with Ctrl+N and closes
# the main window, which closes the sheets. Keeps screenshots of what was seen.
# Usage: x_smoke_test.sh WINE_RUN PREFIX MERRITH_EXE WINDOW_PROBE_EXE LIST TABLE SHEET SCREENSHOTS
#        [REPORT_COMMAND...]   (SCREENSHOTS is a path stem; exit 77: no virtual X server or X
#        tool here)
set -euo pipefail

if [[ -z "${MERRITH_SMOKE_INSIDE:-}" ]]; then
  for tool in Xvfb xdotool xclip import convert; do
    command -v "$tool" >/dev/null || { echo "x_smoke_test: $tool not installed" >&2; exit 77; }
  done
  MERRITH_SMOKE_INSIDE=1 exec bash "$(dirname "$0")/../with_xvfb.sh" 1280x1024 bash "$0" "$@"
fi

wine_run=$1 prefix=$2 program=$3 probe=$4 list=$5 expected=$6 sheet=$7 shots=$8
shift 8
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

# The list is the folder's action.txt, the name the window offers; the sheet is opened by name.
cp "$list" "$work/action.txt"
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
painted() {
  import -window "$1" "$2"
  (($(convert "$2" -format %k info:) > 8))
}
for _ in $(seq 1 100); do
  painted "$window" "$shots-opened.png" && break
  sleep 0.05
done

# (A Windows console program ends its lines with CR LF.)
read -r width height left top menu < <("${wine[@]}" "$probe" "$caption" | tr -d '\r')
echo "client area $width x $height at $left,$top below a menu bar $menu pixels high"
[[ "$width" == 390 && "$height" == 272 ]] || fail "expected a 390 x 272 client area"
((menu > 0)) || fail "no menu bar above the client area"

# Points in the client area, from the layout's twips at 96 dpi (15 twips a pixel).
click() {
  xdotool mousemove $((left + $1)) $((top + $2)) click 1
  sleep 0.2
}
height_3m=(38 56)     # the circle of "3m"
code_box=(160 121)    # txAC
both_tables=(288 220) # "D+HD"

click "${height_3m[@]}"
click "${code_box[@]}"
xdotool type --delay 40 5253b
xdotool key Return
sleep 0.3
# Tab to "OK" and on to the DD box, which selects its text for the copy.
xdotool key Tab Tab ctrl+c
sleep 0.3
dd=$(xclip -selection clipboard -o 2>/dev/null || true)
echo "DD box: $dd"
[[ "$dd" == 3.4 ]] || fail "expected 3.4 in the DD box, read '$dd'"
import -window "$window" "$shots-window.png"

click "${both_tables[@]}"
box=""
for _ in $(seq 1 100); do
  box=$(xdotool search --onlyvisible --name '^Merrith$' 2>/dev/null | head -n 1 || true)
  [[ -n "$box" ]] && break
  sleep 0.1
done
[[ -n "$box" ]] || fail "no message box captioned 'Merrith'"
sleep 0.3
import -window root -crop 500x400+0+0 "$shots-message.png"
xdotool key Return
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name '^Merrith$' >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --onlyvisible --name '^Merrith$' >/dev/null 2>&1 || fail "Enter left the box open"

[[ -f "$work/action.txt.htm" ]] || fail "no action.txt.htm written"
cmp "$expected" "$work/action.txt.htm" || fail "the table differs from merrith-cli's"
echo "action.txt.htm: the same bytes as merrith-cli's table"

# The sheet's window: its report copied from the keyboard, as the box shows it.
sheet_window=$(find_window "Dive sheet - $sheet_name")
read -r _ _ sheet_left sheet_top _ < <("${wine[@]}" "$probe" "Dive sheet - $sheet_name" | tr -d '\r')
xdotool mousemove $((sheet_left + 500)) $((sheet_top + 200)) click 1 # the report box
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

# Closing the main window closes the sheets, none of them changed, and ends the program.
click 20 250 # the batch frame's border, where no control takes the click
xdotool key alt+F4
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after Alt+F4 closed its window"
pid=""
echo "screenshots: $shots-opened.png $shots-window.png $shots-message.png $shots-sheet.png"
