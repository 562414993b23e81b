#!/usr/bin/env bash
# Times `merrith-cli table --blocks D+HD` on a 100,000-line list drawn from every dive number
# that `merrith-cli list` writes (thousands of distinct codes, so the rows are worked out, not
# remembered), mixed with blank lines, lower case, stray spaces and lines that are no dive code
# at all: as HTML, as CSV, and the complete table of `list | table -`.
# Usage: bench/cli_table_timing.sh [MERRITH_CLI]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/app/merrith-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" list >"$work/every.txt"
awk 'BEGIN { srand(2021) }
     { codes[n++] = $0 }
     END {
       split("|   |x|105x|10(11|((((|5253 B|9999999999|<td>|6243d|1011b|\t614 ", junk, "|")
       for (i = 0; i < 100000; i++) {
         if (rand() < 0.1) print junk[1 + int(rand() * length(junk))]
         else print codes[int(rand() * n)]
       }
     }' "$work/every.txt" >"$work/list.txt"
echo "list: $(wc -l <"$work/list.txt") lines, $(sort -u "$work/list.txt" | wc -l) distinct," \
  "drawn from $(wc -l <"$work/every.txt") dive numbers"

report() {  # report WHAT: the figures of the run just timed, and the size of what it wrote
  echo "$1:"
  grep -E 'Elapsed|Maximum resident|User time|System time' "$work/time"
}
for format in html csv; do
  /usr/bin/time -v "$cli" table --blocks D+HD --format "$format" "$work/list.txt" \
    2>"$work/time" >/dev/null
  report "table --format $format"
  ls -l "$work/list.txt.${format/html/htm}" | awk '{ print "\ttable bytes:", $5 }'
done
"$cli" list | /usr/bin/time -v "$cli" table - 2>"$work/time" >"$work/every.htm"
report "list | table - (every dive, D+HD)"
ls -l "$work/every.htm" | awk '{ print "\ttable bytes:", $5 }'
