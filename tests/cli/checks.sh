# The frame of a CLI test, sourced by it with its own arguments ([EMULATOR] MERRITH_CLI): the
# command in cli, a fresh folder in work that goes when the test ends, run and expect.
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

like() {  # like TEXT PATTERN: whether TEXT matches the shell pattern PATTERN
  # shellcheck disable=SC2053
  [[ $1 == $2 ]]
}

expect() {  # expect WHAT COMMAND...: counts a failure when COMMAND fails
  local what=$1
  shift
  "$@" || { echo "FAIL: $what" >&2; failures=$((failures + 1)); }
}

run() {  # run COMMAND ARGS...: sets status, out and err
  "${cli[@]}" "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
