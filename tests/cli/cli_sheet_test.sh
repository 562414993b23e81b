#!/usr/bin/env bash
# merrith-cli sheet and events: the report of a sheet worked out by hand, its JSON and its page
# (markup in the diver's name and in a line shown as text), the exit codes, standard input,
# sheets in UTF-8 and in other character sets, rules files of the user's and their faults, and
# the files that cannot be read or written.
# Usage: cli_sheet_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"
# No rules of the user running the test.
export XDG_CONFIG_HOME="$work/config"

# The age group's list splits at its cap exactly, none marked; a stated DD is wrong and a line
# is no dive.
cp "$here/sheet_girls.txt" "$work/girls.txt"
run sheet "$work/girls.txt"
expect "girls: exit 3" test "$status" -eq 3
expect "girls: the report" cmp "$here/sheet_girls_report.txt" "$work/out"
expect "girls: nothing on stderr" test -z "$err"
run sheet - <"$work/girls.txt"
expect "girls from standard input: the report" cmp "$here/sheet_girls_report.txt" "$work/out"

run sheet --json "$work/girls.txt"
expect "json: exit 3" test "$status" -eq 3
expect "json: one line" test "$(wc -l <"$work/out")" -eq 1
expect "json: head" grep -q '^{"book":"world-aquatics-2024","event":"a-girls-3m","title":"Girls Group A 3 m springboard","event_id":"a-girls-3m","diver":"Bea <Example> & \\"Co\\"","divers":\[\],"unnamed":\[\],"holds":false,"total_dd":19.6,"dives":\[' "$work/out"
expect "json: a dive by its line" grep -qF '{"line":12,"code":"305C","height":"3m","name":"Reverse 2½ Somersaults, Tuck","dd":2.8,"counted_dd":2.8,"stated_dd":2.9,"limited":false,"divers":[],"problems":["stated DD 2.9, by the formula 2.8"]}' "$work/out"
expect "json: the problems by line, with their kinds and values" grep -qF '"problems":[{"line":12,"rule":"4.9","text":"stated DD 2.9, by the formula 2.8","kind":"wrong-stated-dd","values":{"stated_dd":2.9,"dd":2.8},"other_line":null},{"line":14,"rule":"4.9","text":"not a dive: <b>bold</b> & more","kind":"not-a-dive-line","values":{"line_text":"<b>bold</b> & more"},"other_line":null}]}' "$work/out"

run sheet --html "$work/girls.htm" "$work/girls.txt"
expect "html: exit 3" test "$status" -eq 3
expect "html: the report on the output" cmp "$here/sheet_girls_report.txt" "$work/out"
expect "html: the diver as text" grep -qF '<td>Bea &lt;Example&gt; &amp; &quot;Co&quot;</td>' "$work/girls.htm"
expect "html: a line as text" grep -qF '<li>Line 14: not a dive: &lt;b&gt;bold&lt;/b&gt; &amp; more (4.9)</li>' "$work/girls.htm"
expect "html: no markup of the sheet's" test -z "$(grep -e '<b>' -e '<Example>' "$work/girls.htm")"
expect "html: a dive by number and position" grep -qF '<td class="n">2</td><td>201</td><td>B</td>' "$work/girls.htm"
expect "html: the total" grep -qF '<th colspan="5">Total DD</th><td class="n">19.6</td>' "$work/girls.htm"
expect "html: both signatures" grep -qF '<div>Diver</div><div>Coach</div>' "$work/girls.htm"

# The coach's estimate: each dive at 7 from every judge and the list's total, in the report
# (after the verdict), the page and the JSON; a dive with no DD is said with its line.
printf '9999Z\n' >>"$work/girls.txt"
run sheet --award 7 --json "$work/girls.txt"
expect "award json: a dive's points" grep -qF '"limited":false,"divers":[],"problems":["stated DD 2.9, by the formula 2.8"],"points":58.8}' "$work/out"
expect "award json: no DD, no points, then the total" grep -qF '"points":null}],"problems":' "$work/out"
expect "award json: the award and the total" grep -qF '"award":7.0,"total_points":411.6}' "$work/out"
run sheet --award 6.5 --html "$work/girls.htm" "$work/girls.txt"
expect "award: the report as before" cmp <(head -n 17 "$here/sheet_girls_report.txt") <(head -n 17 "$work/out")
expect "award: a dive" grep -qx '   9  2.7   52.65' "$work/out"
expect "award: no DD" grep -qx '  10         none  no DD (line 15)' "$work/out"
expect "award: the total" test "$(tail -n 1 "$work/out")" = "Points:   382.20 for the list"
expect "award html: the total" grep -qF '<td class="n">19.6</td><td></td><td class="n">382.20</td>' "$work/girls.htm"
cp "$here/sheet_girls.txt" "$work/girls.txt"

# A user's event: from a --rules file, and from the user's folder.
printf 'Event: club-5\nHeight: 1m\n101A\n201A\n301A\n401A\n5111A\n' >"$work/club.txt"
run sheet --rules "$here/sheet_club.toml" "$work/club.txt"
expect "club: holds, exit 0" test "$status $err" = "0 "
expect "club: its verdict" test "$(tail -n 1 "$work/out")" = "The sheet holds: nothing to correct."
run sheet "$work/club.txt"
expect "club without its rules: exit 3" test "$status" -eq 3
expect "club without its rules: unknown" grep -qx '  Line 1: no event has the id club-5' "$work/out"
if [[ ${#cli[@]} -eq 1 ]]; then  # (Wine's programs find their folders in Wine's registry)
  mkdir -p "$XDG_CONFIG_HOME/merrith/events"
  cp "$here/sheet_club.toml" "$XDG_CONFIG_HOME/merrith/events/"
  run sheet "$work/club.txt"
  expect "club from the user's folder: exit 0" test "$status" -eq 0
  rm -r "$XDG_CONFIG_HOME"
fi

run events --rules "$here/sheet_club.toml"
expect "events: exit 0" test "$status" -eq 0
expect "events: 34 of the 2024 book and the club's" test "$(wc -l <"$work/out")" -eq 35
expect "events: a line" grep -qx 'women-10m  *Women platform  *3.5.1, 3.5.3  *5 dives  *10m  *world-aquatics-2024' "$work/out"
expect "events: the club's last" grep -qx 'club-5  *Club meet, five dives  *Club rule 4  *5 dives  *1m 3m  *world-aquatics-2024' "$work/out"
run events --json
expect "events --json: an array" grep -q '^\[{"id":"women-1m","title":"Women 1 m springboard","rules":\["3.4.1"\],"dives":5,"heights":\["1m"\],"book":"world-aquatics-2024","file":"world-aquatics-2024.toml (built in)"},' "$work/out"
run events --book FINA-2017-2021
expect "events --book: the 2017 book's 32" test "$status $(wc -l <"$work/out")" = "0 32"
expect "events --book: its numbers" grep -qx 'women-10m  *Women platform  *D 3.5.1, D 3.5.3  *5 dives  *10m  *fina-2017-2021' "$work/out"
run events --book fina-2024
expect "events --book of no book: exit 2, the books named" test "$status $err" = "2 merrith-cli: no rule book has the id fina-2024: the books are world-aquatics-2024, fina-2017-2021"

# A team's list: its divers and who dives each line, the lines that name nobody, a line for
# each diver to sign; the 2017 book has no such event.
printf 'Event: mixed-team\nDivers: Ann Example (W), Ben Example (M)\n105B Ann Example\n205C Ann Example\n305C Ann Example / Ben Example\n405C\n5253B Ben Example\n614C Ben Example / ann example\n' >"$work/team.txt"
run sheet --html "$work/team.htm" "$work/team.txt"
expect "team: exit 3" test "$status" -eq 3
expect "team: its divers" grep -qx 'Divers:   Ann Example (W), Ben Example (M)' "$work/out"
expect "team: the rules of its lines" grep -qF 'woman from 3m; dive 2 by a man from 3m; dive 3 by a mixed pair from 3m; dive 4' "$work/out"
expect "team: a line's divers" grep -qE '^ +2 +205C +3m .* Ann Example$' "$work/out"
expect "team: the role" grep -qx '  Dive 2: dived by Ann Example, where this dive is for a man (3.7.4)' "$work/out"
expect "team: the line that names nobody" grep -qx 'Unnamed:  dive 4 names nobody: who dives it is not checked' "$work/out"
expect "team html: a signature each, and the coach's" grep -qF '<div>Diver: Ann Example</div><div>Diver: Ben Example</div><div>Coach</div>' "$work/team.htm"
run sheet --book fina-2017-2021 "$work/team.txt"
expect "team in the 2017 book: no such event" grep -qx '  Line 1: no event has the id mixed-team' "$work/out"
printf 'Book: nowhere\n' | cat - "$work/team.txt" >"$work/nobook.txt"
run sheet --json "$work/nobook.txt"
expect "no such book: the books named" grep -qF '"book":null,' "$work/out"
expect "no such book: the problem" grep -qF '"text":"no rule book has the id nowhere: the books are world-aquatics-2024, fina-2017-2021","kind":"unknown-book"' "$work/out"

# A rules file with a fault is named where the fault is; the other events still work.
printf '[[event]]\nid = "x"\ntitle = "X"\nheights = ["3m"]\ndives = "5"\n' >"$work/bad.toml"
run events --rules "$work/bad.toml"
expect "bad rules: exit 1, where" test "$status $err" = "1 merrith-cli: $work/bad.toml:5:9: 'dives' wants a whole number from 1 to 100, not text"
expect "bad rules: the other events" test "$(wc -l <"$work/out")" -eq 34
run events --rules "$work/bad.toml" --rules "$here/sheet_club.toml"
expect "two --rules: both read" test "$status $(wc -l <"$work/out")" = "1 35"
run sheet --rules "$work/missing.toml" "$work/girls.txt"
expect "missing rules: exit 1, said" like "$status $err" "1 merrith-cli: $work/missing.toml: cannot be read: ?*"

# A Junior Worlds final against its preliminary, the preliminary a file that cannot be read.
printf 'Event: a-girls-3m\n1. 105B\n2. 201C\n3. 305C\n4. 405C\n' >"$work/final.txt"
run sheet --preliminary "$work/girls.txt" "$work/final.txt"
expect "final: exit 3, the dive and both lines" grep -qx "  Dive 2: 201 was dived in the preliminary's limited part (line 6 of the preliminary)," "$work/out"
run sheet --preliminary "$work/missing.txt" "$work/final.txt"
expect "final: a preliminary that cannot be read" like "$status $out$err" "1 merrith-cli: cannot read $work/missing.txt: ?*"

# Files that cannot be read or written.
run sheet "$work/missing.txt"
expect "missing sheet: the file and why" like "$status $out$err" "1 merrith-cli: cannot read $work/missing.txt: ?*"
mkdir "$work/taken.htm"
run sheet --html "$work/taken.htm" "$work/girls.txt"
expect "unwritable page: the file and why" \
  like "$status $out$err" "1 merrith-cli: cannot write $work/taken.htm: ?*"
if [[ -w /dev/full ]]; then
  "${cli[@]}" sheet "$work/girls.txt" >/dev/full 2>"$work/err"
  expect "report to a full disk: exit 1" test $? -eq 1
fi

for args in "sheet" "sheet a b" "sheet --html" "sheet --csv x" "sheet --award 7.2 x" "events x" "events --html x"; do
  # shellcheck disable=SC2086
  run $args
  expect "'$args': exit 2" test "$status" -eq 2
  expect "'$args': usage" grep -q '^merrith-cli: ' "$work/err"
done

# A sheet is read as UTF-8 where it is, whatever the system's character set (under Wine the
# ANSI code page 1252, here a Latin-1 locale where localedef can make one); a sheet that is not
# is read in the system's set or as Windows-1252, and a note names it.
printf 'Event: men-1m\nDiver: Zo\xc3\xab \xc3\x85str\xc3\xb6m\n101B\n' >"$work/utf8.txt"
printf 'Event: men-1m\nDiver: Zo\xeb \xc5str\xf6m\n101B\n' >"$work/latin.txt"
run sheet "$work/utf8.txt"
expect "utf-8: the name as written" grep -qF 'Zoë Åström' "$work/out"
expect "utf-8: no note" test -z "$err"
run sheet "$work/latin.txt"
expect "latin-1: the name read" grep -qF 'Zoë Åström' "$work/out"
expect "latin-1: a note naming the file" like "$err" \
  "merrith-cli: note: $work/latin.txt is not UTF-8: read as *; Merrith writes it as UTF-8"
mkdir "$work/locales"
# (localedef answers 1 for a locale it wrote with warnings.)
localedef -i en_US -f ISO-8859-1 "$work/locales/latin1" >/dev/null 2>&1
if [[ ${#cli[@]} -eq 1 && -e "$work/locales/latin1/LC_CTYPE" ]]; then
  LOCPATH="$work/locales" LC_ALL=latin1 run sheet "$work/utf8.txt"
  expect "utf-8 under a Latin-1 locale: no note" test -z "$err"
  expect "utf-8 under a Latin-1 locale: the name as written" grep -qF 'Zoë Åström' "$work/out"
fi

exit $((failures > 0))
