#!/usr/bin/env bash
# merrith-cli table: the whole output against tables worked out by hand from the DD tables,
# CR LF and LF lists alike, blank lines, HTML and CSV, files and standard input and output,
# and every way a run can fail.
# Usage: cli_table_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"

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
    expect "$blocks $list: exit 0, message" test "$status $out" = "0 OK, New file name is $work/$list.txt.htm"
    expect "$blocks $list: table" cmp "$here/table_${blocks/+/_}.htm" "$work/$list.txt.htm"
  done
done

# A list that comes through a FIFO, as another program would send it: its rows, not an empty
# table, and both blocks by default. A writer that nobody reads gives up, so that a fault fails
# the test rather than hanging it.
mkfifo "$work/fifo.txt"
timeout 60 cp "$here/table_list.txt" "$work/fifo.txt" &
run "$work/fifo.txt"
wait
expect "list through a FIFO: message" test "$out" = "OK, New file name is $work/fifo.txt.htm"
expect "list through a FIFO: table" cmp "$here/table_D_HD.htm" "$work/fifo.txt.htm"

# CSV: a table worked out by hand, with a code holding a comma, one holding a quote, one
# holding a carriage return and one that is not ASCII; and the columns of both blocks.
cp "$here/csv_list.txt" "$work/csv.txt"
run --blocks D --format csv "$work/csv.txt"
expect "csv: exit 0, message" test "$status $out" = "0 OK, New file name is $work/csv.txt.csv"
expect "csv: table" cmp "$here/csv_list_D.csv" "$work/csv.txt.csv"
run --format csv "$work/lf.txt"
columns=$(head -n 1 "$work/lf.txt.csv" | tr -d '\r\357\273\277')
expect "csv D+HD: header" test "$columns" = "code,1m A,1m B,1m C,1m D,3m A,3m B,3m C,3m D,\
5m A,5m B,5m C,5m D,7.5m A,7.5m B,7.5m C,7.5m D,10m A,10m B,10m C,10m D,\
12m A,12m B,12m C,12m D,12m E,15m A,15m B,15m C,15m D,15m E,\
20m A,20m B,20m C,20m D,20m E,27m A,27m B,27m C,27m D,27m E"

# FILE -: the list from the standard input, the table on the standard output, nothing else
# there; a list on a pipe reads as a file does.
for format in html csv; do
  "${cli[@]}" table --blocks D --format "$format" - <"$work/lf.txt" >"$work/stdout" 2>"$work/err"
  expect "- $format: exit 0, nothing on stderr" test "$? $(cat "$work/err")" = "0 "
  run --blocks D --format "$format" "$work/lf.txt"
  expect "- $format: the table" cmp "$work/lf.txt.${format/html/htm}" "$work/stdout"
done
cat "$work/crlf.txt" | "${cli[@]}" table - >"$work/stdout" 2>"$work/err"
expect "- from a pipe: the table" cmp "$here/table_D_HD.htm" "$work/stdout"
expect "- from nothing: an empty table" \
  cmp <(sed 's/<tr><td>.*/<\/table>/' "$here/table_D_HD.htm") <("${cli[@]}" table - </dev/null)
if [[ ${#cli[@]} -eq 1 ]]; then  # (Wine gives a closed standard input a handle of its own)
  "${cli[@]}" table - <&- >"$work/stdout" 2>"$work/err"
  expect "- closed: File Error!!!" test "$? $(cat "$work/stdout") $(head -1 "$work/err")" = "1  File Error!!!"
fi
if [[ -w /dev/full ]]; then
  "${cli[@]}" table - <"$work/lf.txt" >/dev/full 2>"$work/err"
  expect "- to a full disk: exit 1, said" \
    test "$? $(cat "$work/err")" = "1 merrith-cli: cannot write the results"
fi
mkdir "$work/dash" && cp "$here/table_list.txt" "$work/dash/-"
(cd "$work/dash" && "${cli[@]}" table ./- >/dev/null)
expect "a file named -, as ./-" cmp "$here/table_D_HD.htm" "$work/dash/-.htm"

# A line that already ends in a position letter is said on the error stream, once per line and
# ten at most, and its row is what it would be without the saying.
{ printf '5253B\n105\n\n 105b\n'; printf '6243D\n%.0s' {1..12}; echo abcde; } >"$work/letter.txt"
run --blocks D "$work/letter.txt"
said=$(for line in 1 4 {5..12}; do
  code=$(sed -n "${line}p" "$work/letter.txt" | tr -d ' ')
  echo "merrith-cli: line $line ends in a position letter: $code (the table adds each letter itself)"
done)
expect "lettered: exit 0" test "$status" -eq 0
expect "lettered: said" test "$err" = "$said
merrith-cli: 4 more lines end in a position letter"
"${cli[@]}" table --blocks D - <"$work/letter.txt" >"$work/stdout" 2>/dev/null
expect "lettered: the same table on the output stream" cmp "$work/letter.txt.htm" "$work/stdout"
expect "lettered: 5253B's row" grep -q '<tr><td>5253B</td>\(<td>-</td>\(<td>-</td>\)\{3\}<td></td>\)\{5\}<tr>' "$work/stdout"

run "$work/missing.txt"
expect "missing list: File Error!!!" test "$status $out${err%%$'\n'*}" = "1 File Error!!!"
expect "missing list: the file and why" like "${err#*$'\n'}" "merrith-cli: cannot read $work/missing.txt: ?*"
expect "missing list: nothing written" test ! -e "$work/missing.txt.htm"

mkdir "$work/taken.txt.htm"
cp "$here/table_list.txt" "$work/taken.txt"
run --blocks D "$work/taken.txt"
expect "unwritable table: File Error!!!" test "$status $out${err%%$'\n'*}" = "1 File Error!!!"
expect "unwritable table: the file and why" \
  like "${err#*$'\n'}" "merrith-cli: cannot write $work/taken.txt.htm: ?*"

run --blocks X -
expect "--blocks X: its choices" test "$status $err" = "2 merrith-cli: --blocks takes one of D HD D+HD"
run - --format
expect "--format alone: its choices" test "$status $err" = "2 merrith-cli: --format takes one of html csv"
for args in "" "$work/lf.txt $work/lf.txt" "--format xml -" "- -"; do
  # shellcheck disable=SC2086
  run $args
  expect "'$args': exit 2" test "$status" -eq 2
  expect "'$args': usage" grep -q '^merrith-cli: ' "$work/err"
done

exit $((failures > 0))
