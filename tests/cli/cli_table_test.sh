#!/usr/bin/env bash
# merrith-cli table: the whole output against tables worked out by hand from the DD tables,
# CR LF and LF lists alike, blank lines, and every way a run can fail.
# Usage: cli_table_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

cli=("$@")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect WHAT COMMAND...: counts a failure when COMMAND fails
  local what=$1
  shift
  "$@" || { echo "FAIL: $what" >&2; failures=$((failures + 1)); }
}

run() {  # run ARGS...: sets status, out and err
  "${cli[@]}" table "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

cp "$here/table_list.txt" "$work/lf.txt"
sed 's/$/\r/' "$here/table_list.txt" >"$work/crlf.txt"
for blocks in D HD D+HD; do
  for list in lf crlf; do
    rm -f "$work/$list.txt.htm"
    run --blocks "$blocks" "$work/$list.txt"
    expect "$blocks $list: exit 0" test "$status" -eq 0
    expect "$blocks $list: message" test "$out" = "OK, New file name is $work/$list.txt.htm"
    expect "$blocks $list: table" cmp "$here/table_${blocks/+/_}.htm" "$work/$list.txt.htm"
  done
done

run "$work/lf.txt"
expect "both blocks by default" cmp "$here/table_D_HD.htm" "$work/lf.txt.htm"

# A list that comes through a FIFO, or on standard input through a link to /dev/stdin, as
# another program would send it: its rows, not an empty table. A writer that nobody reads gives
# up, so that a fault fails the test rather than hanging it.
mkfifo "$work/fifo.txt"
timeout 60 cp "$here/table_list.txt" "$work/fifo.txt" &
run "$work/fifo.txt"
wait
expect "list through a FIFO: message" test "$out" = "OK, New file name is $work/fifo.txt.htm"
expect "list through a FIFO: table" cmp "$here/table_D_HD.htm" "$work/fifo.txt.htm"
# (Under Wine the wineserver opens files, and /dev/stdin would be its own standard input.)
if [[ ${#cli[@]} -eq 1 ]]; then
  ln -s /dev/stdin "$work/stdin.txt"
  run "$work/stdin.txt" < <(cat "$here/table_list.txt")
  expect "list on a pipe: table" cmp "$here/table_D_HD.htm" "$work/stdin.txt.htm"
fi

run "$work/missing.txt"
expect "missing list: File Error!!!" test "$status $out$err" = "1 File Error!!!"
expect "missing list: nothing written" test ! -e "$work/missing.txt.htm"

mkdir "$work/taken.txt.htm"
cp "$here/table_list.txt" "$work/taken.txt"
run --blocks D "$work/taken.txt"
expect "unwritable table: File Error!!!" test "$status $out$err" = "1 File Error!!!"

for args in "" "--blocks X $work/lf.txt" "$work/lf.txt $work/lf.txt"; do
  # shellcheck disable=SC2086
  run $args
  expect "'$args': exit 2" test "$status" -eq 2
  expect "'$args': usage" grep -q '^merrith-cli: ' "$work/err"
done

exit $((failures > 0))
