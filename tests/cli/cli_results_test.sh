#!/usr/bin/env bash
# merrith-cli results: the standings of a competition whose lists are a sheet beside it and one
# inline, as text, JSON, the spreadsheet form (read back) and the page; the errors of a faulty
# file with their lines, and the exit codes.
# Usage: cli_results_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"
export XDG_CONFIG_HOME="$work/config"

mkdir "$work/meet"
printf 'Event: women-1m\nDiver: Ann Example\n101B\n201B\n301B\n401B\n5132D\n' >"$work/meet/ann.txt"
cat >"$work/meet/meet.txt" <<'END'
Event: women-1m
Panel: 5
Diver: Ann Example
Team: Riverside
Sheet: ann.txt
Diver: Bea Example
101C
201C
301C
403C
5132D
Round 1 | Ann Example | 101B | 7.0 7.5 7.0 6.5 7.0
Round 1 | Bea Example | 101C | 6.5 7.0 - 7.0 6.0
Round 2 | Ann Example | 201B | 6.0 6.5 6.5 6.5 6.0 | restart
END

# The sheet is found beside the competition, wherever the command runs.
run results "$work/meet/meet.txt"
expect "text: exit 0" test "$status" -eq 0
expect "text: the standings" test "$out" = "Event:   Women 1 m springboard (women-1m), world-aquatics-2024
Panel:   5 judges
Rounds:  After round 1 of 5. Round 2: 1 of 2 dives recorded, not counted yet. Rounds 3 to 5 have no awards yet.

The result, of the rounds complete:
Place  Diver        Team       Total      1
    1  Ann Example  Riverside  27.30  27.30
    2  Bea Example             24.00  24.00

Now, after the last dive recorded (the round under way does not count yet):
Place  Diver        Team       Total  Last dive  Behind
    1  Ann Example  Riverside  48.10      20.80
    2  Bea Example             24.00      24.00   24.10"

run results --json "$work/meet/meet.txt"
expect "json: exit 0" test "$status" -eq 0
expect "json: the current standings" grep -qF '"current":[{"place":1,"status":"ok","diver":"Ann Example","team":"Riverside","total":48.10,' "$work/out"
expect "json: totals with two decimals" grep -qF '"place":2,"status":"ok","diver":"Bea Example","team":null,"total":24.00,"dives":[{"round":1,"dive":"101C","height":"1m","dd":1.2,"awards":[6.5,7.0,6.5,7.0,6.0],"cancelled":[false,false,false,true,true],"decision":null,"points":24.00}]}' "$work/out"

# The spreadsheet form holds the same standings; only the event is unknown there.
run results --csv --html "$work/page.htm" "$work/meet/meet.txt"
cp "$work/out" "$work/meet.csv"
expect "csv: a row not yet recorded" grep -qF 'Bea Example,,2,201C,1m,1.5,,,,,,,' "$work/meet.csv"
expect "html: the page" grep -qF '<th class="who" colspan="13">1. Ann Example, Riverside</th>' "$work/page.htm"
run results "$work/meet.csv"
expect "csv read: exit 0" test "$status" -eq 0
expect "csv read: no list checked" grep -q '^Event:   unknown (a spreadsheet on its own): no list was checked$' "$work/out"
expect "csv read: the same standings" grep -q '^    2  Bea Example             24.00  24.00$' "$work/out"

# Each error with its line; nothing on the output.
printf 'Event: women-1m\nPanel: 5\nDiver: A\n101B\nRound 1 | A | 101B | 7 7 7.25 7 7\nRound 2 | A | 201B | 7 7 7 7\n' >"$work/bad.txt"
run results "$work/bad.txt"
expect "errors: exit 1, each with its line" test "$status|$out|$err" = "1||merrith-cli: $work/bad.txt:5: 7.25 is no award: an award is 0 to 10 in half points, - for a missing one
merrith-cli: $work/bad.txt:6: A's list has 1 dive: no round 2"
run results "$work/missing.txt"
expect "missing: exit 1, with the reason" like "$status|$err" "1|merrith-cli: $work/missing.txt: cannot be read: ?*"
run results --html "$work" "$work/meet/meet.txt"
expect "page to a folder: named, with the reason" like "$status|$out|$err" "1||merrith-cli: cannot write $work: ?*"
for args in "--json --csv $work/bad.txt" "" "--html"; do
  # shellcheck disable=SC2086
  run results $args
  expect "'$args': exit 2" test "$status" -eq 2
done

# No output over an input: a page over the competition or one of its sheets is refused, naming
# both, and the competition stays as it was.
cp "$work/meet/meet.txt" "$work/meet-before.txt"
run results --html "$work/meet/meet.txt" "$work/meet/meet.txt"
expect "page over the competition: refused" test "$status|$err" = "1|merrith-cli: will not write $work/meet/meet.txt: it is a file the competition is read from"
expect "page over the competition: intact" cmp -s "$work/meet/meet.txt" "$work/meet-before.txt"
run results --html "$work/meet/./ann.txt" "$work/meet/meet.txt"
expect "page over a sheet: refused" like "$err" "*will not write $work/meet/./ann.txt (which is $work/meet/ann.txt)*"

# A spreadsheet that is not UTF-8 is read in Windows-1252 and says so; its names are kept.
printf 'diver,round,dive,height,J1,J2,J3\nLena M\xfcller,1,101B,1m,7,7,7\n' >"$work/latin.csv"
run results "$work/latin.csv"
expect "latin-1: read, with a note" like "$status|$err" "0|merrith-cli: note: $work/latin.csv is not UTF-8: read as *"
expect "latin-1: the name kept" like "$out" "*Lena Müller*"

# The system's own files: links are followed, and only regular files are read or replaced.
if [[ ${#cli[@]} -eq 1 ]]; then
  ln -s meet/meet.txt "$work/link.txt"
  run results "$work/link.txt"
  expect "through a link: read" test "$status" -eq 0
  ln -s page.htm "$work/page-link.htm"
  run results --html "$work/page-link.htm" "$work/meet/meet.txt"
  expect "a page through a link: written in the target" test -L "$work/page-link.htm" -a -s "$work/page.htm"
  mkfifo "$work/fifo.txt"
  timeout 10 "${cli[@]}" results "$work/fifo.txt" 2>"$work/err"
  status=$?
  expect "a FIFO: refused at once" like "$status|$(cat "$work/err")" "1|*not a regular file*"
  run results /dev/zero
  expect "a device: refused at once" like "$status|$err" "1|*not a regular file*"
fi

exit $((failures > 0))
