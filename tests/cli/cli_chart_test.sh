#!/usr/bin/env bash
# merrith-cli chart: the chart of every dive is the chart of what list prints, the boards of
# the chosen heights, the lines of a list left out and said so, and the ways a run fails.
# Usage: cli_chart_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"

run() {  # run ARGS...: sets status; the page in $work/out, the errors in $work/err
  "${cli[@]}" chart "$@" >"$work/out" 2>"$work/err"
  status=$?
}
boards() { grep -o '<th class=board colspan=[0-9]>[^<]*' "$work/out" | sed 's/.*>//' | paste -sd,; }

run
expect "chart: the three boards" test "$status,$(boards)" = "0,Springboard,Platform,High diving"
cp "$work/out" "$work/all.htm"
"${cli[@]}" list >"$work/list.txt"
run - <"$work/list.txt"
expect "list | chart -: the chart of every dive" cmp "$work/all.htm" "$work/out"
expect "list | chart -: no line left out" test ! -s "$work/err"
run --no-names --heights 5m,27m,10m "$work/list.txt"
expect "--heights: their boards" test "$(boards)" = "Platform,High diving"
expect "--heights: no names" test "$(grep -c 'class=name' "$work/out")" -eq 0

# Ten lines that name no dive are said, the rest counted; the other lines are charted.
{
  printf '105\n5253B\n\n%s\n' "$(printf '7%.0s' {1..41})"
  printf '5511\n%.0s' {1..9}
} >"$work/bad.txt"
run --heights 1m "$work/bad.txt"
expect "bad lines: exit 0, 105 charted" test "$status,$(grep -c '<td class=no>' "$work/out")" = 0,1
cat >"$work/wanted" <<'EOF'
merrith-cli: line 2: 5253B ends in a position letter, left out
merrith-cli: line 4: 7777777777777777777777777777777777777777… is no dive number of the rule book, left out
merrith-cli: line 5: 5511 is no dive number of the rule book, left out
merrith-cli: line 6: 5511 is no dive number of the rule book, left out
merrith-cli: line 7: 5511 is no dive number of the rule book, left out
merrith-cli: line 8: 5511 is no dive number of the rule book, left out
merrith-cli: line 9: 5511 is no dive number of the rule book, left out
merrith-cli: line 10: 5511 is no dive number of the rule book, left out
merrith-cli: line 11: 5511 is no dive number of the rule book, left out
merrith-cli: line 12: 5511 is no dive number of the rule book, left out
merrith-cli: 1 more line left out
EOF
expect "bad lines: said on stderr" cmp "$work/wanted" "$work/err"

for args in "a b" "--heights 3m," "--wide"; do
  # shellcheck disable=SC2086
  run $args
  expect "chart $args: exit 2, no page" test "$status,$(wc -c <"$work/out")" = "2,0"
  expect "chart $args: one usage line" test "$(wc -l <"$work/err")" -eq 1
done
run "$work/missing.txt"
expect "missing list: said" like "$status,$(cat "$work/err")" \
  "1,merrith-cli: cannot read $work/missing.txt: ?*"

exit $((failures > 0))
