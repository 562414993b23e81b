#!/usr/bin/env bash
# Runs `merrith-cli dd` and `merrith-cli explain` and checks their output, error output and
# exit code exactly.
# Usage: cli_dd_and_explain_test.sh [EMULATOR] MERRITH_CLI
# MERRITH_VERSION: the version that --version must show.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"
: "${MERRITH_VERSION:?the version that --version must show}"

# answers STDOUT STDERR EXIT-CODE -- ARGUMENT...: STDOUT may be a glob pattern. Standard output
# goes to $to when that is set.
answers() {
  local out=$1 err=$2 code=$3 got=0 got_out got_err
  shift 4
  : >"$work/out"
  "${cli[@]}" "$@" >"${to:-$work/out}" 2>"$work/err" || got=$?
  got_out=$(cat "$work/out" && echo .) got_err=$(cat "$work/err" && echo .)
  # shellcheck disable=SC2053
  if [[ ${got_out%.} != $out || ${got_err%.} != "$err" || $got != "$code" ]]; then
    failures=$((failures + 1))
    printf 'FAIL: merrith-cli'
    printf ' [%s]' "$@"
    printf '\n  exit %s, wanted %s\n  stdout: %q\n  wanted: %q\n  stderr: %q\n  wanted: %q\n' \
      "$got" "$code" "${got_out%.}" "$out" "${got_err%.}" "$err"
  fi
}

# Makes the text in the variable named $1 a pattern that matches only that text.
match_only() {
  local -n text=$1
  text=${text//\\/\\\\} text=${text//\[/\\[} text=${text//\*/\\*} text=${text//\?/\\?}
}

height_error=$'merrith-cli: --height takes one of 1m 3m 5m 7.5m 10m 12m 15m 20m 27m\n'
no_code=$'merrith-cli: dd needs at least one dive code\n'

# The height reaches the calculators (their tables are tested on their own); options may follow
# the codes, and the last height counts.
answers $'3.4\n2.4\n' '' 0 -- dd --height 3m 5253b 105B
answers $'2.4\n2.4\n' '' 0 -- dd --height 1m 105B --height 7.5m 105B
answers $'2.4\n' '' 0 -- dd --height 10m 105B --height 3m
# A height is named in any case, as a sheet names it.
answers $'3.4\n' '' 0 -- dd --height 3M 5253B
answers $'2.3\n3.7\n4.7\nERROR\n' '' 0 -- dd --height 10m 105B 109C '10(11)C' 1010B
answers $'ERROR\nERROR\n' '' 0 -- dd 614C ''
answers $'6.8\nERROR\n' '' 0 -- dd --height 27m 5269d 105B
answers $'3.0999999999999996\n2.8\nERROR\n' '' 0 -- dd --height 20m --exact 104B 5141B 105B

# Options, usage errors and help.
answers $'ERROR\nERROR\n' '' 0 -- dd -- --height -105B
answers '' "$height_error" 2 -- dd --height 2m 105B
answers '' "$height_error" 2 -- dd 105B --height
answers '' "$no_code" 2 -- dd
answers '' $'merrith-cli: unknown option for dd (see merrith-cli --help)\n' 2 -- dd --fast 105B
answers '' $'merrith-cli: no command given (see merrith-cli --help)\n' 2 --
answers '' $'merrith-cli: unknown command (see merrith-cli --help)\n' 2 -- 105B
answers 'Usage: merrith-cli COMMAND*' '' 0 -- --help
# An option shared by commands is explained once, where it first appears.
answers $'*\n  dd *\n    --height H  one of 1m 3m *\n  explain *\n    --height H  as for dd\n*' '' 0 -- --help
answers "merrith-cli (Merrith) $MERRITH_VERSION"$'\nCopyright the Merrith developers.\nFree software under the MIT licence, without any warranty.\n' '' 0 -- --version
# Results that cannot be written are a failure, not a success.
[[ -w /dev/full ]] && to=/dev/full answers '' $'merrith-cli: cannot write the results\n' 1 -- dd 105B

# A byte that is not UTF-8 becomes U+FFFD rather than vanishing: 10?5B is not 105B.
answers $'ERROR\n2.6\n' '' 0 -- dd $'10\xff5B' 105B
answers $'ERROR\n' '' 0 -- dd $'105\xc3\xa9'
# A blank is a part of its own; joined to the next part it reads as 5, so this is 105B.
answers $'2.6\n' '' 0 -- dd '(1)(0) (5)b'

# explain: the name and the sum, or the reason; the total is what dd prints.
answers $'5253B at 3m: Back 2\xc2\xbd Somersaults 1\xc2\xbd Twists, Pike
  position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4
614C at 3m: ERROR (armstand dives are done from the platform)\n' '' 0 -- explain --height 3m 5253b 614C
answers $'614C at 1m: ERROR (armstand dives are done from the platform)\n' '' 0 -- explain 614C
answers $'5511B at 10m\n  position 0.3 + somersaults 1.3 + twists 0 + approach 0 + entry 0 = 1.6\n' \
  '' 0 -- explain --height 10m 5511B
answers $'1(05B at 1m: ERROR (not a dive number)\n105Z at 1m: ERROR (no such position letter)\n' \
  '' 0 -- explain '1(05B' 105z
answers $'6421D at 10m: ERROR (no DD known: the tables do not price armstand inward dives)\n' \
  '' 0 -- explain --height 10m 6421d
# --json: one object per line, numbers as dd --exact prints them.
json='{"code":"104B","height":"20m","dd":3.0999999999999996,"text":"3.1",'
json+='"name":"Forward 2 Somersaults, Pike","position":"Pike","components":['
json+='{"name":"direction","value":0},{"name":"somersaults","value":2.8},'
json+='{"name":"twists","value":0},{"name":"twist count","value":0},{"name":"parity","value":0.3},'
json+='{"name":"no twist","value":0},{"name":"position","value":0}],"reason":null}'$'\n'
json+='{"code":"614C","height":"20m","dd":null,"text":"ERROR",'
json+='"name":"Armstand Forward 2 Somersaults, Tuck","position":"Tuck","components":[],'
json+='"reason":"a high dive enters the water feet first"}'$'\n'
match_only json
answers "$json" '' 0 -- explain --json --height 20m 104B 614C
# Any character may stand in a code: JSON escapes it, and a byte that is not UTF-8 is U+FFFD.
json='{"code":"A\u0001\"\\'$'\xef\xbf\xbd''","height":"1m","dd":null,"text":"ERROR",'
json+='"name":null,"position":null,"components":[],"reason":"not a dive number"}'$'\n'
match_only json
answers "$json" '' 0 -- explain --json $'a\x01"\\\xff'
answers '' $'merrith-cli: explain needs at least one dive code\n' 2 -- explain --json
answers '' $'merrith-cli: unknown option for explain (see merrith-cli --help)\n' 2 -- explain --exact 105B
[[ -w /dev/full ]] && to=/dev/full answers '' $'merrith-cli: cannot write the results\n' 1 -- explain 105B

exit $((failures > 0))
