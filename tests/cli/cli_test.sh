#!/usr/bin/env bash
# Runs merrith-cli and checks its output, error output and exit code exactly.
# Usage: cli_test.sh GROUP CLI [LAUNCHER...]  -- CLI may be preceded by a launcher such as wine:
#        cli_test.sh results wine build/app/merrith-cli.exe
set -uo pipefail

group=$1
shift
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STDOUT STDERR EXIT-CODE -- ARGUMENT...
expect() {
  local out=$1 err=$2 code=$3
  shift 4
  "${cli[@]}" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  printf '%s' "$out" >"$work/want-out"
  printf '%s' "$err" >"$work/want-err"
  if ! cmp -s "$work/out" "$work/want-out" || ! cmp -s "$work/err" "$work/want-err" ||
    [[ $got != "$code" ]]; then
    failures=$((failures + 1))
    printf 'FAIL: merrith-cli'
    printf ' [%s]' "$@"
    printf '\n  exit %s, wanted %s\n  stdout: %q\n  wanted: %q\n  stderr: %q\n  wanted: %q\n' \
      "$got" "$code" "$(cat "$work/out")" "$out" "$(cat "$work/err")" "$err"
  fi
}

# starts STDOUT-BEGINNING -- ARGUMENT...: exit 0, nothing on stderr, stdout beginning so.
starts() {
  local begin=$1
  shift 2
  "${cli[@]}" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [[ $got != 0 || -s "$work/err" || "$(head -c ${#begin} "$work/out")" != "$begin" ]]; then
    failures=$((failures + 1))
    printf 'FAIL: merrith-cli %s: exit %s, stdout %q\n' "$*" "$got" "$(head -c 80 "$work/out")"
  fi
}

height_error=$'merrith-cli: --height takes one of 1m 3m 5m 7.5m 10m 12m 15m 20m 27m\n'

case $group in
  results)
    expect $'3.4\n2.4\n' '' 0 -- dd --height 3m 5253b 105B
    expect $'2.6\n' '' 0 -- dd 105B
    expect $'2.4\n2.4\n' '' 0 -- dd --height 1m 105B --height 7.5m 105B  # one height, the last
    expect $'2.3\n3.7\n4.7\nERROR\n' '' 0 -- dd --height 10m 105B 109C '10(11)C' 1010B
    expect $'ERROR\nERROR\n' '' 0 -- dd 614C ''
    expect $'2.9\n' '' 0 -- dd --height 12m 104B
    expect $'2.8\n' '' 0 -- dd --height 15m 204C
    expect $'3.1\n' '' 0 -- dd --height 20m 104B
    expect $'6.8\nERROR\n' '' 0 -- dd --height 27m 5269d 105B
    expect $'3.0999999999999996\n2.8\n' '' 0 -- dd --height 20m --exact 104B 5141B
    expect $'ERROR\n' '' 0 -- dd --exact --height 20m 105B
    expect $'2.4\n' '' 0 -- dd 105B --height 3m
    ;;
  options)
    expect $'ERROR\nERROR\n' '' 0 -- dd -- --height -105B
    expect $'ERROR\n' '' 0 -- dd -
    expect '' "$height_error" 2 -- dd --height 2m 105B
    expect '' "$height_error" 2 -- dd --height 3M 105B
    expect '' "$height_error" 2 -- dd 105B --height
    expect '' $'merrith-cli: dd needs at least one dive code\n' 2 -- dd
    expect '' $'merrith-cli: dd needs at least one dive code\n' 2 -- dd --height 3m --exact --
    expect '' $'merrith-cli: unknown option for dd (see merrith-cli --help)\n' 2 -- dd --fast 105B
    expect '' $'merrith-cli: no command given (see merrith-cli --help)\n' 2 --
    expect '' $'merrith-cli: unknown command (see merrith-cli --help)\n' 2 -- 105B
    starts 'Usage: merrith-cli COMMAND' -- --help
    starts 'Usage: merrith-cli COMMAND' -- dd --help
    # Results that cannot be written are a failure, not a success.
    if [[ -w /dev/full ]]; then
      "${cli[@]}" dd 105B >/dev/full 2>"$work/err"
      got=$?
      if [[ $got != 1 || "$(cat "$work/err")" != 'merrith-cli: cannot write the results' ]]; then
        failures=$((failures + 1))
        printf 'FAIL: merrith-cli dd 105B >/dev/full: exit %s, stderr %q\n' "$got" "$(cat "$work/err")"
      fi
    fi
    ;;
  text)
    # A byte that is not UTF-8 becomes U+FFFD rather than vanishing: 10?5B is not 105B.
    expect $'ERROR\n2.6\n' '' 0 -- dd $'10\xff5B' 105B
    expect $'ERROR\n' '' 0 -- dd $'105\xc3\xa9'
    expect $'ERROR\n' '' 0 -- dd $'105\xef\xbd\x82'
    # A blank is a part of its own; joined to the next part it reads as 5, so this is 105B.
    expect $'2.6\n' '' 0 -- dd '(1)(0) (5)b'
    ;;
  *)
    echo "cli_test.sh: unknown group $group" >&2
    exit 2
    ;;
esac

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
