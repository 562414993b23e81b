#!/usr/bin/env bash
# Times `merrith-cli table --blocks D+HD` on the 100,000-line list of bench/dive_lists.sh, as
# HTML and as CSV, and the complete table of every dive number through `table -`. To compare
# two builds side by side, use bench/compare_speed.sh.
# Usage: bench/cli_table_timing.sh [MERRITH_CLI]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source-path=SCRIPTDIR source=dive_lists.sh
source bench/dive_lists.sh
cli=${1:-build/release/app/merrith-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

MakeDiveLists "$cli" "$work"
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
  echo "	table bytes: $(wc -c <"$work/list.txt.${format/html/htm}")"
done
/usr/bin/time -v "$cli" table - <"$work/every.txt" 2>"$work/time" >"$work/every.htm"
report "table - of every dive number (D+HD)"
echo "	table bytes: $(wc -c <"$work/every.htm")"
