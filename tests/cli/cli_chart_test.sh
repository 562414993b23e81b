#!/usr/bin/env bash
# merrith-cli chart: the chart of every dive is the chart of what list prints, the boards of
# the chosen heights, the lines of a list left out and said so, and every way a run can fail.
# Usage: cli_chart_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"

run() {  # run ARGS...: sets status, and the page and errors in $work/out and $work/err
  "${cli[@]}" chart "$@" >"$work/out" 2>"$work/err"
  status=$?
}
boards() { grep -o '<th class=board colspan=[0-9]>[^<]*' "$work/out" | sed 's/.*>//' | paste -sd,; }

run
expect "chart: exit 0" test "$status" -eq 0
expect "chart: nothing on stderr" test ! -s "$work/err"
expect "chart: the three boards" test "$(boards)" = "Springboard,Platform,High diving"
cp "$work/out" "$work/all.htm"
"${cli[@]}" list >"$work/list.txt"
run - <"$work/list.txt"
expect "list | chart -: the chart of every dive, nothing left out" cmp "$work/all.htm" "$work/out"
expect "list | chart -: nothing on stderr" test ! -s "$work/err"

# Only the boards of the chosen heights, with the heights in the rule book's order.
run --no-names --heights 5m,27m,10m "$work/list.txt"
expect "--heights: exit 0" test "$status" -eq 0
expect "--heights: two boards" test "$(boards)" = "Platform,High diving"
expect "--heights: the platform from the top" grep -q '<th colspan=4>10m</th><th colspan=4>5m</th></tr>' "$work/out"
expect "--no-names: no names" test "$(grep -c 'class=name' "$work/out")" -eq 0

# Lines that name no dive: ten said, the rest counted; the chart of the others all the same.
printf '105\n5253B\n\nhello\n' >"$work/bad.txt"
printf '5511\n%.0s' {1..10} >>"$work/bad.txt"
run --heights 1m "$work/bad.txt"
expect "bad lines: exit 0" test "$status" -eq 0
expect "bad lines: 105 charted" grep -q '<td class=no>105</td>' "$work/out"
cat >"$work/wanted" <<'EOF'
merrith-cli: line 2: 5253B ends in a position letter, left out
merrith-cli: line 4: hello is no dive number of the rule book, left out
merrith-cli: line 5: 5511 is no dive number of the rule book, left out
merrith-cli: line 6: 5511 is no dive number of the rule book, left out
merrith-cli: line 7: 5511 is no dive number of the rule book, left out
merrith-cli: line 8: 5511 is no dive number of the rule book, left out
merrith-cli: line 9: 5511 is no dive number of the rule book, left out
merrith-cli: line 10: 5511 is no dive number of the rule book, left out
merrith-cli: line 11: 5511 is no dive number of the rule book, left out
merrith-cli: line 12: 5511 is no dive number of the rule book, left out
merrith-cli: 2 more lines left out
EOF
expect "bad lines: said on stderr" cmp "$work/wanted" "$work/err"

usage='merrith-cli: usage: merrith-cli chart [--heights H[,H]...] [--names|--no-names] [LIST]'
heights='merrith-cli: --heights takes heights joined by commas, of 1m 3m 5m 7.5m 10m 12m 15m 20m 27m'
for args in "a b" "--heights 2m" "--heights 3m," "--heights" "--wide"; do
  # shellcheck disable=SC2086
  run $args
  expect "chart $args: exit 2" test "$status" -eq 2
  expect "chart $args: no page" test ! -s "$work/out"
  expect "chart $args: one usage line" grep -qxF -e "$usage" -e "$heights" \
    -e 'merrith-cli: unknown option for chart (see merrith-cli --help)' "$work/err"
done
run "$work/missing.txt"
expect "missing list: exit 1" test "$status" -eq 1
expect "missing list: said" grep -qx "merrith-cli: cannot read the list $work/missing.txt" "$work/err"
if [[ -w /dev/full ]]; then
  "${cli[@]}" chart >/dev/full 2>"$work/err"
  expect "chart to a full disk: exit 1" test $? -eq 1
fi

exit $((failures > 0))
