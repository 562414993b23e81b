#!/usr/bin/env bash
# Times `merrith-cli table --blocks D+HD` on a 100,000-line list: dive numbers from the sample
# list mixed with blank lines, lower case, stray spaces and lines that are no dive code at all.
# Usage: bench/cli_table_timing.sh [MERRITH_CLI]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/app/merrith-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN { srand(2021) }
     { codes[n++] = $0 }
     END {
       split("|   |x|105x|10(11|((((|5253 B|9999999999|<td>|6243d|1011b|\t614 ", junk, "|")
       for (i = 0; i < 100000; i++) {
         if (rand() < 0.1) print junk[1 + int(rand() * length(junk))]
         else print codes[int(rand() * n)]
       }
     }' action.txt >"$work/list.txt"

/usr/bin/time -v "$cli" table --blocks D+HD "$work/list.txt" 2>"$work/time" >/dev/null
grep -E 'Elapsed|Maximum resident|User time|System time' "$work/time"
ls -l "$work/list.txt.htm" | awk '{ print "table bytes:", $5 }'
