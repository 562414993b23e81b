#!/usr/bin/env bash
# Two builds of merrith-cli side by side on the same inputs (bench/dive_lists.sh, made once
# from OLD_CLI): the batch table of the 100,000-line list, D+HD, as HTML and as CSV, written as
# the window writes it (`table FILE`, into memory where it can, so that the figures are the
# program's and not the disk's), and `dd --height 3m` with 50,000 codes on its command line. Runs alternate between the builds, RUNS times each; prints the
# medians of the wall-clock and CPU times (perf stat) and of the tables' peak memory
# (/usr/bin/time), with the ratios OLD/NEW, and checks that both builds write the same bytes,
# also for the complete table of every dive number; and what starting a program with dd's
# command line costs by itself. Exit status 1 when the builds write different bytes.
# Usage: bench/compare_speed.sh OLD_CLI NEW_CLI [RUNS]   (scripts/deps bench installs perf)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=dive_lists.sh
source "$here/dive_lists.sh"
[[ $# -ge 2 ]] || { echo "usage: $0 OLD_CLI NEW_CLI [RUNS]" >&2; exit 2; }
declare -A builds=([old]="$1" [new]="$2")
runs=${3:-5}
# In memory where there is room: 50 MB tables written to a disk would time the disk.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT

MakeDiveLists "${builds[old]}" "$work"
mkdir "$work/old" "$work/new"
mapfile -t codes <"$work/codes.txt"
cases=(html csv dd)

run_case() {  # run_case BUILD CASE: one timed run; appends "wall_ms cpu_ms peak_kb" to BUILD.CASE
  local build=$1 what=$2 cli=${builds[$1]} peak=-
  local out="$work/$build.$what.out" stat=(perf stat -x "," -e task-clock -e duration_time -o "$work/stat" --)
  case $what in
    html | csv)  # each build's table beside its own copy of the list
      cp "$work/list.txt" "$work/$build/list.txt"
      "${stat[@]}" /usr/bin/time -f %M -o "$work/peak" \
        "$cli" table --blocks D+HD --format "$what" "$work/$build/list.txt" >/dev/null 2>"$work/err"
      mv "$work/$build/list.txt.${what/html/htm}" "$out"
      peak=$(tail -n 1 "$work/peak")
      ;;
    dd) "${stat[@]}" "$cli" dd --height 3m "${codes[@]}" >"$out" ;;
    exec) "${stat[@]}" true dd --height 3m "${codes[@]}" ;;  # any program started so
  esac
  awk -F, -v peak="$peak" '$3 == "task-clock" { cpu = $1 } $3 == "duration_time" { wall = $1 / 1e6 }
    END { printf "%.2f %.2f %s\n", wall, cpu, peak }' "$work/stat" >>"$work/$build.$what"
}

for ((run = 1; run <= runs; run++)); do
  for what in "${cases[@]}"; do
    # Who goes first alternates, so that neither build always meets a warm or a busy machine.
    if ((run % 2)); then order=(old new); else order=(new old); fi
    for build in "${order[@]}"; do run_case "$build" "$what"; done
  done
  run_case old exec
done

median() {  # median BUILD CASE COLUMN
  awk -v c="$3" '{ print $c }' "$work/$1.$2" | sort -g | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "inputs: $(wc -l <"$work/list.txt") list lines drawn from $(wc -l <"$work/every.txt")" \
  "dive numbers; ${#codes[@]} codes for dd; $runs runs of each build, alternating"
printf '%-20s %-8s %10s %10s %8s\n' median "" old new old/new
for what in "${cases[@]}"; do
  case $what in
    html | csv) label="table $what (D+HD)" columns="1 2 3" ;;
    dd) label="dd --height 3m" columns="1 2" ;;
  esac
  for column in $columns; do
    unit=$(echo "wall ms|CPU ms|peak MB" | cut -d'|' -f"$column")
    old=$(median old "$what" "$column")
    new=$(median new "$what" "$column")
    scale=1
    [[ $column == 3 ]] && scale=1024  # kB
    awk -v l="$label" -v u="$unit" -v o="$old" -v n="$new" -v s="$scale" \
      'BEGIN { printf "%-20s %-8s %10.1f %10.1f %8.2f\n", l, u, o / s, n / s, (n > 0 ? o / n : 0) }'
    label=""
  done
done

echo "(starting true with the same $((${#codes[@]} + 3)) words takes $(median old exec 1) ms" \
  "of wall-clock and $(median old exec 2) ms of CPU time, for any program)"

status=0
same() {  # same WHAT OLD_FILE NEW_FILE
  if cmp -s "$2" "$3"; then echo "same bytes: $1 ($(wc -c <"$2") bytes)"; else
    echo "DIFFERENT: $1"
    status=1
  fi
}
for what in "${cases[@]}"; do same "$what" "$work/old.$what.out" "$work/new.$what.out"; done
for build in old new; do "${builds[$build]}" table - <"$work/every.txt" >"$work/$build.every.htm"; done
same "table of every dive number" "$work/old.every.htm" "$work/new.every.htm"
exit "$status"
