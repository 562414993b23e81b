#!/usr/bin/env bash
# The benchmarks of two versions side by side: REF (a commit, default main) built from a copy of
# its tree in build/compare/, and the checkout as it is, both with preset bench. Each benchmark
# program (PROGRAM..., default results_bench score_bench sheet_bench; calc_bench times one DD)
# runs RUNS times per version, the versions alternating; prints the median over the runs of each
# benchmark's median CPU time, in microseconds, with the ratio OLD/NEW.
# Usage: bench/compare_benchmarks.sh [REF] [RUNS] [PROGRAM...]   (preset bench needs Google
# Benchmark)
set -euo pipefail
cd "$(dirname "$0")/.."
ref=${1:-main}
runs=${2:-3}
programs=("${@:3}")
((${#programs[@]})) || programs=(results_bench score_bench sheet_bench)
old_tree=build/compare/$(git rev-parse --short "$ref")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {  # build TREE: the benchmark programs of TREE, preset bench; its output only on failure
  if ! (cd "$1" && cmake --preset bench && cmake --build --preset bench --target "${programs[@]}") \
    >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
  fi
}
if [[ ! -d $old_tree ]]; then
  mkdir -p "$old_tree"
  git archive "$ref" | tar -x -C "$old_tree"
fi
echo "building $ref in $old_tree, and the checkout" >&2
build "$old_tree"
build .
declare -A dirs=([old]="$old_tree/build/bench/bench" [new]="build/bench/bench")

for ((run = 1; run <= runs; run++)); do
  # Who goes first alternates, so that neither version always meets a warm or a busy machine.
  if ((run % 2)); then order=(old new); else order=(new old); fi
  for program in "${programs[@]}"; do
    for version in "${order[@]}"; do
      # Each benchmark's median over its own repetitions, in microseconds: "name cpu_us".
      "${dirs[$version]}/$program" --benchmark_format=csv 2>/dev/null |
        awk -F, '$1 ~ /_median"$/ { name = $1; gsub(/"|\/repeats:[0-9]+_median/, "", name)
          scale = $5 == "ns" ? 0.001 : $5 == "ms" ? 1000 : $5 == "s" ? 1e6 : 1
          printf "%s %.6g\n", name, $4 * scale }' >>"$work/$version"
    done
  done
done

median() {  # median VERSION NAME; 0 when VERSION has no such benchmark
  awk -v n="$2" '$1 == n { print $2 }' "$work/$1" | sort -g | awk '{ v[NR] = $1 }
    END { print NR == 0 ? 0 : (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "median CPU time over $runs runs of each version, alternating; old = $ref, new = the checkout"
printf '%-32s %12s %12s %8s\n' benchmark "old us" "new us" old/new
awk '{ print $1 }' "$work/new" "$work/old" | awk '!seen[$0]++' | while read -r name; do
  old=$(median old "$name")
  new=$(median new "$name")
  # A benchmark that only one version has shows "-" for the other.
  awk -v l="$name" -v o="$old" -v n="$new" 'BEGIN {
    printf "%-32s %12s %12s %8s\n", l, (o > 0 ? sprintf("%.5g", o) : "-"),
      (n > 0 ? sprintf("%.5g", n) : "-"), (o > 0 && n > 0 ? sprintf("%.2f", o / n) : "-") }'
done
