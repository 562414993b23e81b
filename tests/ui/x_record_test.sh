#!/usr/bin/env bash
# The recorder's window of the built program in a virtual X server, keyed as the person at the
# table keys it, without the mouse: `merrith COMPETITION` opens it; one round of three divers is
# keyed, awards as on the judges' cards, Space between the boxes and Enter on the last. The
# third Enter is followed at once by Ctrl+P, and the program is killed (SIGKILL, or taskkill /F
# under Wine) the moment its results page is there: the program has handled the Enter then,
# and nothing after it. The file holds the three dives. Opened again, the window is the
# recorder's, not one that reads only (the killed program's lock went with it), and offers the
# fourth dive, which is keyed and recorded; its printed results (Ctrl+P) are those of
# REPORT_COMMAND --html for the file. Keeps screenshots.
# Usage: x_record_test.sh SCREENSHOTS COMPETITION -- PROGRAM... -- REPORT_COMMAND...
#        (SCREENSHOTS is a path stem; exit 77: no virtual X server or X tool here)
set -euo pipefail

# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh" x_record_test "Xvfb xdotool import" "$@"

# No browser here: the page is written, and "opened" by a program that does nothing.
mkdir "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

name=meet.txt
cp "${files[0]}" "$work/$name"
caption="Competition - $name"

start() {
  (cd "$work" && exec "${program[@]}" "$name") &
  pid=$!
}

start
window=$(focus_window "$caption")
key_dive "7 6.5 7 7,5 65"
wait_dives 1
key_dive "5.5 6 6 5 6"
wait_dives 2
import -window "$window" "$shots-round.png"
key_dive "8 7.5 8 8 7.5"
xdotool key ctrl+p
for _ in $(seq 1 2000); do
  [[ -s "$work/$name.htm" ]] && break
  sleep 0.005
done
if $wine; then
  "${program[@]:0:2}" taskkill /F /IM "$(basename "${program[2]}")" >/dev/null 2>&1 || true
else
  kill -9 "$pid"
fi
wait "$pid" 2>/dev/null || true
pid=""
[[ -s "$work/$name.htm" ]] || fail "Ctrl+P after the third Enter wrote no results page"
(($(dives) == 3)) || fail "the file holds $(dives) dives after the stop, not 3"
grep -q '^Round 1 | Cat Example | 103B | 8.0 7.5 8.0 8.0 7.5$' "$work/$name" ||
  fail "the third dive is not in the file as keyed"
rm "$work/$name.htm"
echo "killed straight after the third Enter: the file holds three dives"

start
# A file still held would open to read only: a message box (captioned as every message is)
# before the window, and then a caption that says so.
for _ in $(seq 1 3000); do
  xdotool search --onlyvisible --name "^$caption\$" >/dev/null 2>&1 && break
  if xdotool search --onlyvisible --name '^Merrith$' >/dev/null 2>&1; then
    import -window root "$shots-held.png"
    fail "opened again, the program shows a message: the file is held still ($shots-held.png)"
  fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended early"
  sleep 0.02
done
window=$(focus_window "$caption")
echo "opened again, the window records: the killed program's lock went with it"
key_dive "6 6 6.5 6 6"
wait_dives 4
fourth=$(grep '^Round ' "$work/$name" | tail -n 1)
[[ "$fourth" == "Round 2 | Ann Example | 201B | 6.0 6.0 6.5 6.0 6.0"* ]] ||
  fail "the fourth dive recorded is not Ann's of round 2: '$fourth'"
echo "opened again, the window offered the fourth dive: $fourth"
import -window "$window" "$shots-reopened.png"

xdotool key ctrl+p
for _ in $(seq 1 200); do
  [[ -s "$work/$name.htm" ]] && break
  sleep 0.05
done
[[ -s "$work/$name.htm" ]] || fail "Ctrl+P wrote no results page"
"${report[@]}" --html "$work/expected.htm" "$work/$name" >/dev/null
cmp "$work/$name.htm" "$work/expected.htm" || fail "the printed results differ from ${report[*]}'s"
echo "the printed results are ${report[*]}'s; screenshots $shots-round.png $shots-reopened.png"
