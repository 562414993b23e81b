#!/usr/bin/env bash
# The DD chart as a reader gets it on paper: headless Chromium prints the springboard chart of
# every dive (on Letter, Chromium's paper), the chart of action.txt at all nine heights (on
# Letter and on A4) and the widest high-diving chart (on A4) to PDF. Each page must begin with
# its board's heading row; the first page's heading row ends with the board's last height; and
# no word may be smaller than 10 pt type (Chromium shrinks a page that is too wide for the
# paper) or stand in the right margin. Then the sample meet's results, start list and judges'
# analysis, each sheet under the meet's running head and numbered: see each below. The page
# counts are printed.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps core tests bench ui print

[[ -f build/ci/CMakeCache.txt ]] || cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith-cli >/dev/null
cli=$PWD/build/ci/app/merrith-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

print() {  # print PAGE PDF: PAGE printed by headless Chromium, without header or footer
  timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --no-pdf-header-footer --print-to-pdf="$2" \
    "file://$1" 2>/dev/null
}

status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

# check PDF LAST: the checks above; LAST is the last height of the first page's board.
check() {
  local pdf=$1 last=$2 pages page text head
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  echo "$(basename "$pdf"): $pages pages, $(pdfinfo "$pdf" | sed -n 's/^Page size: *//p')"
  for page in $(seq 1 "$pages"); do
    text=$(pdftotext -layout -f "$page" -l "$page" "$pdf" - | tr -s ' ' | sed '/^ *$/d')
    [[ $page -eq 1 ]] && text=$(sed 1d <<<"$text")  # the page's title
    head=$(head -n 2 <<<"$text" | paste -sd '|')
    [[ $head =~ ^(Springboard|Platform|High\ diving)(\ [0-9.]+m)+\|\ ?No\.\ Dive(\ ?[A-E])+$ ]] ||
      fail "$pdf page $page does not begin with a heading row: $head"
    [[ $page -ne 1 || ${head%%|*} == *" $last" ]] || fail "$pdf page 1: no $last column: $head"
  done
  # Each word's box: 10 pt DejaVu Sans makes it 11.6 pt tall; the margins are 10 mm (28.3 pt).
  pdftotext -bbox "$pdf" - | awk -F'"' -v pdf="$pdf" '
    /<page / { width = $2; page++ }
    /<word / && $8 - $4 < 11.5 { small++ }
    /<word / && $6 > width - 28 { wide++; where = page }
    END {
      if (small) { printf "FAIL: %s: %d words in type under 10 pt\n", pdf, small; exit 1 }
      if (wide) { printf "FAIL: %s: %d words in the right margin (page %d)\n", pdf, wide, where; exit 1 }
    }' >&2 || status=1
}

a4() { sed 's#</style>#@page { size: A4 portrait; }\n</style>#'; }
"$cli" chart --heights 1m,3m >"$work/springboard.htm"
"$cli" chart --heights 1m,3m,5m,7.5m,10m,12m,15m,20m,27m action.txt >"$work/action.htm"
a4 <"$work/action.htm" >"$work/action-a4.htm"
# The widest columns: those of the high dives with a DD of 10 or more.
"$cli" chart --heights 12m,15m,20m,27m | sed -n 's#^<tr><td class=no>\([^<]*\)<.*<td>[0-9][0-9]\..*#\1#p' \
  >"$work/widest.txt"
"$cli" chart --heights 12m,15m,20m,27m "$work/widest.txt" | a4 >"$work/widest-a4.htm"
for page in springboard action action-a4 widest-a4; do
  print "$work/$page.htm" "$work/$page.pdf"
done
check "$work/springboard.pdf" 3m
check "$work/action.pdf" 3m
check "$work/action-a4.pdf" 3m
check "$work/widest-a4.pdf" 27m

# no word smaller than 10 pt type, nothing in the right margin, as for the chart.
type_and_margin() {
  pdftotext -bbox "$1" - | awk -F'"' -v pdf="$1" '
    /<page / { width = $2 }
    /<word / && $8 - $4 < 11.5 { small++ }
    /<word / && $6 > width - 28 { wide++ }
    END { if (small || wide) { printf "FAIL: %s: %d small words, %d in the margin\n", pdf, small, wide; exit 1 } }' >&2 ||
    status=1
}

# page_text PDF P: page P as text in text, its blank lines left out and its lines' leading
# spaces; the running head (the meet and the event) must be its first line and "Page P of N"
# its last, and both are taken off.
page_text() {
  local pdf=$1 p=$2 pages
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  text=$(pdftotext -layout -f "$p" -l "$p" "$pdf" - | tr -d '\f' | sed 's/^ *//; /^$/d')
  [[ $(head -n 1 <<<"$text") =~ ^Riverside\ spring\ meet,\ 12\ May\ 2024\ +Women\ 1\ m\ springboard ]] ||
    fail "$pdf page $p: no running head: $(head -n 1 <<<"$text")"
  [[ $(tail -n 1 <<<"$text") == "Page $p of $pages" ]] || fail "$pdf page $p: no page number"
  text=$(sed '1d;$d' <<<"$text")
}

# The results page of the sample meet, on Letter and on A4: page 1 holds the standings at a
# glance, a row for each of the 12 divers; every page then begins with a diver's block, and each
# block ends on the page it begins on, with its total.
"$cli" results --html "$work/results.htm" docs/spring-meet.txt >/dev/null
a4 <"$work/results.htm" >"$work/results-a4.htm"
for page in results results-a4; do
  print "$work/$page.htm" "$work/$page.pdf"
  pdf=$work/$page.pdf
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  echo "$page.pdf: $pages pages, $(pdfinfo "$pdf" | sed -n 's/^Page size: *//p')"
  for p in $(seq 1 "$pages"); do
    page_text "$pdf" "$p"
    if [[ $p -eq 1 ]]; then
      summary=$(sed '/^[0-9][0-9]*\. /,$d' <<<"$text" | grep -cE '^[0-9]+ +[A-Z].* [0-9]+\.[0-9][0-9]$' || true)
      [[ $summary -eq 12 ]] || fail "$pdf page 1: $summary rows at a glance, not 12"
      text=$(sed -n '/^[0-9][0-9]*\. /,$p' <<<"$text")
    fi
    heads=$(grep -cE '^[0-9]+\. ' <<<"$text" || true)
    columns=$(grep -cE '^Round +Dive +Pos\. ' <<<"$text" || true)
    totals=$(grep -cE '^Total +[0-9]+\.[0-9][0-9]$' <<<"$text" || true)
    [[ $(head -n 1 <<<"$text") =~ ^[0-9]+\.\  ]] || fail "$pdf page $p does not begin with a diver"
    [[ $heads -eq $columns && $heads -eq $totals ]] ||
      fail "$pdf page $p: $heads divers, $columns heading rows, $totals totals"
  done
  type_and_margin "$pdf"
done

# The start list of the sample meet, the announcer's sheet, on Letter and on A4: every page
# begins with the heading row (page 1 after the facts), then a diver; each diver's dives and
# total DD stay on the page the diver begins on; all 12 divers are there.
"$cli" start-list --html "$work/start.htm" docs/spring-meet.txt >/dev/null
a4 <"$work/start.htm" >"$work/start-a4.htm"
for page in start start-a4; do
  print "$work/$page.htm" "$work/$page.pdf"
  pdf=$work/$page.pdf
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  echo "$page.pdf: $pages pages, $(pdfinfo "$pdf" | sed -n 's/^Page size: *//p')"
  divers=0
  for p in $(seq 1 "$pages"); do
    page_text "$pdf" "$p"
    [[ $p -eq 1 ]] && text=$(sed -n '/^Round /,$p' <<<"$text")
    [[ $(head -n 2 <<<"$text" | paste -sd '|') =~ ^Round\ +Dive\ +In\ words\ +Position\ +Height\ +DD\|[0-9]+\.\  ]] ||
      fail "$pdf page $p does not begin with the heading row and a diver"
    heads=$(grep -cE '^[0-9]+\. ' <<<"$text" || true)
    totals=$(grep -cE '^Total DD +[0-9]+\.[0-9]$' <<<"$text" || true)
    [[ $heads -eq $totals ]] || fail "$pdf page $p: $heads divers, $totals totals"
    divers=$((divers + heads))
  done
  [[ $divers -eq 12 ]] || fail "$pdf: $divers divers, not 12"
  type_and_margin "$pdf"
done

# The judges' analysis prints with the results: one page, a row for each of the seven seats.
"$cli" judges --html "$work/judges.htm" docs/spring-meet.txt >/dev/null
print "$work/judges.htm" "$work/judges.pdf"
page_text "$work/judges.pdf" 1
seats=$(grep -cE '^J[1-7] ' <<<"$text" || true)
echo "judges.pdf: $(pdfinfo "$work/judges.pdf" | awk '/^Pages:/ { print $2 }') pages, $seats seats"
[[ $seats -eq 7 ]] || fail "judges.pdf: $seats seats, not 7"
type_and_margin "$work/judges.pdf"

if [[ $status -ne 0 ]]; then
  echo "print: failed" >&2
  exit 1
fi
echo "print: every page begins with its heading row or a diver's block, under the meet's running head; nothing cut or shrunk"
