#!/usr/bin/env bash
# The built window program in a virtual X server, used as a user uses it: started with dive
# sheets as "Open with" starts it, its window found by its caption, painted, with an icon for the
# task bar; each sheet's window found and its report copied with Ctrl+Shift+C, held to
# REPORT_COMMAND's output for the sheet; and File > Exit, by its access keys, closing every
# window, none of them changed, and ending the program. Keeps screenshots.
# Usage: x_smoke_test.sh SCREENSHOTS SHEET... -- PROGRAM... -- REPORT_COMMAND...
#        (SCREENSHOTS is a path stem; exit 77: no virtual X server or X tool here)
set -euo pipefail

if [[ -z "${MERRITH_SMOKE_INSIDE:-}" ]]; then
  for tool in Xvfb xdotool xprop xclip import convert; do
    command -v "$tool" >/dev/null || { echo "x_smoke_test: $tool not installed" >&2; exit 77; }
  done
  MERRITH_SMOKE_INSIDE=1 exec bash "$(dirname "$0")/with_xvfb.sh" 1280x1024 bash "$0" "$@"
fi

shots=$1
shift
sheets=() program=()
while [[ "$1" != -- ]]; do sheets+=("$1") && shift; done
shift
while [[ "$1" != -- ]]; do program+=("$1") && shift; done
shift
caption="Olvaro Merrith v2015-2021"
export QT_QPA_PLATFORM=xcb MERRITH_WINE_DISPLAY=x11

fail() { echo "x_smoke_test: $*" >&2; exit 1; }

# Under Wine (wine-run.sh PREFIX): a wineserver of the prefix left from an earlier X server
# would draw on that one.
stop_wine() {
  [[ "${program[0]}" != *wine-run.sh ]] || "${program[@]:0:2}" wineserver -k 2>/dev/null || true
}
stop_wine
work=$(mktemp -d)
pid=""
finish() {
  [[ -z "$pid" ]] || kill "$pid" 2>/dev/null || true
  stop_wine
  rm -rf "$work"
}
trap finish EXIT

# The sheets are opened by name, in their folder.
names=()
for sheet in "${sheets[@]}"; do
  names+=("$(basename "$sheet")")
  cp "$sheet" "$work/${names[-1]}"
done
started=$(date +%s%N)
(cd "$work" && exec "${program[@]}" "${names[@]}") &
pid=$!

# The first window shown captioned exactly $1, waited for; the program must not end first. The
# first start in a new Wine prefix sets the prefix up, which takes a while.
find_window() {
  local found=""
  for _ in $(seq 1 3000); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$found" ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.02
  done
  [[ -n "$found" ]] || fail "no window captioned '$1'"
  echo "$found"
}
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
  report=$("$@" "${sheets[$i]}" | tr -d '\r' || true)
  [[ -n "$copied" ]] || fail "Ctrl+Shift+C put no report of ${names[$i]} on the clipboard"
  [[ "$copied" == "$report" ]] || fail "the report of ${names[$i]} copied differs from $*'s: '$copied'"
  echo "the report of ${names[$i]} copied is $*'s"
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
