#!/usr/bin/env bash
# merrith-cli score: the points of one dive as text, explained and as JSON, the decisions and a
# missing award on the command line, and each kind of bad input with its usage error.
# Usage: cli_score_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"

# Arguments, then the output expected.
while IFS='|' read -r args expected; do
  # shellcheck disable=SC2086
  run score $args
  expect "score $args" test "$status $out" = "0 $expected"
done <<'CASES'
--panel 5 --dd 2.0 8.0 7.5 7.5 7.5 7.0|45.00
--panel 9 --dd 2,8 7.0 6.5 5.5 5.5 8.5 8.0 8.0 7.5 7.5|59.64
--panel 7 --dd 2.8 --cap 2 3.0 2.0 2.5 2.0 1.5 2.0 2.0|16.80
--panel 5 --dd 2.0 --restart 7.0 6.5 7.0 6.0 7.5|29.00
--panel 5 --dd 3.0 --unsafe 2.0 1.5 2.0 5.0 6.0|18.00
--panel 3 --dd 3.0 --failed 7 7 7|0.00
--panel 5 --dd 2.5 -- 7.0 7.5 7.0 7.0 -|52.50
--json --panel 11 --dd 3.3 6.5 7.0 - 6.0 6.5 6.5 7.0 7.5 7.5 7.0 7.5|{"points":70.29,"kept":[7.0,6.5,7.5,7.5,7.0],"cancelled":[6.5,7.0,6.0,6.5,7.0,7.5],"sum":35.5,"failed":false}
CASES

run score --panel 11 --dd 2.8 --explain 7.0 6.5 6.0 5.5 5.5 7.0 8.0 8.0 7.5 8.0 -
expect "explain: a seat" grep -qx '    4  execution, diver 2    5.5     5.5  cancelled' "$work/out"
expect "explain: replaced" grep -qx '   11  synchronisation         -     8.0  cancelled  missing: the average of the others' "$work/out"
expect "explain: the sum" grep -qx 'Kept:     6.5 + 5.5 + 8.0 + 8.0 + 8.0 = 36.0' "$work/out"
expect "explain: the reckoning" test "$(tail -n 1 "$work/out")" = "Points:   36.0 / 5 x 3 x 2.8 = 60.48"
run score --panel 9 --dd 3.0 --explain 0 0 6 6 6 6 6 6 6
expect "explain: failed by the zeros" grep -q '^Points:   0.00, a failed dive: .* (9.9, 9.11)$' "$work/out"

# Bad input: a usage error naming what is wrong, exit 2.
while IFS='|' read -r args message; do
  # shellcheck disable=SC2086
  run score $args
  expect "score $args" test "$status $out$err" = "2 merrith-cli: $message"
done <<'CASES'
--panel 5 --dd 2.0 7 7 7 7|4 awards for a panel of 5 judges
--panel 5 --dd 2.0 7 7 10.5 7 7|award 3 is no award: 10.5 (0 to 10 in half points, or - for a missing one)
--panel 5 --dd 2.0 -- 7 7 -1 7 7|award 3 is no award: -1 (0 to 10 in half points, or - for a missing one)
--panel 5 --dd 2.0 7 7 7.25 7 7|award 3 is no award: 7.25 (0 to 10 in half points, or - for a missing one)
--panel 6 --dd 2.0 7 7 7 7 7 7|--panel takes 3, 5 or 7 judges, 9 or 11 synchronised
--panel 5 --dd 2.05 7 7 7 7 7|--dd takes a DD such as 2.0 or 3.4
--panel 5 --dd 0 7 7 7 7 7|--dd takes a DD such as 2.0 or 3.4
--panel 5 --dd 2.0 --cap 3 7 7 7 7 7|--cap takes 2 or 4.5
--dd 2.0 7 7 7 7 7|score needs --panel N and --dd DD (see merrith-cli --help)
--panel 3 --dd 2.0 --json --explain 7 7 7|score takes --explain or --json, not both
--panel 3 --dd 2.0 - - -|no award from any judge: a missing award is made from the others of its group, and there are none (7.9, 7.10)
--panel 9 --dd 2.0 - - 7 7 7 7 7 7 7|no award from the judges of execution, diver 1: a missing award is made from the others of its group, and there are none (7.9, 7.10)
CASES

exit $((failures > 0))
