#!/usr/bin/env bash
# How soon merrith.exe shows its window under Wine with a warm wineserver, in a virtual X
# server: RUNS starts, each with MERRITH_STARTUP_TIMES set, so that the program itself says
# how many milliseconds after its process was created the window existed and was painted;
# also the time from the start of Wine until the window is mapped on the X server, as a user
# would see it. Each window is closed with Alt+F4. Prints the fastest, the median and the
# slowest of each.
# Usage: bench/win32_startup_timing.sh [RUNS]   (after scripts/ci/windows.sh or the mingw build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}

if [[ "${2:-}" != --inside ]]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$runs" --inside
fi

export MERRITH_WINE_DISPLAY=x11
wine=("$PWD/cmake/toolchains/wine-run.sh" "$PWD/build/mingw/wine-prefix")
program=$PWD/build/mingw/app/merrith.exe
work=$(mktemp -d)
trap '"${wine[@]}" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"${wine[@]}" wineserver -k 2>/dev/null || true

caption='^Olvaro Merrith v2015-2021$'
start() {  # start: one run, its mapping time appended to $work/mapped
  local started pid
  started=$(date +%s%N)
  MERRITH_STARTUP_TIMES=1 "${wine[@]}" "$program" 2>>"$work/inside" &
  pid=$!
  until xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
    sleep 0.005
  done
  echo $((($(date +%s%N) - started) / 1000000)) >>"$work/mapped"
  xdotool key alt+F4
  wait "$pid"
}

# One start that sets the prefix up if need be and leaves the server running; the timed
# starts follow it.
start
rm -f "$work/inside" "$work/mapped"
for _ in $(seq 1 "$runs"); do start; done

summary() {  # summary WHAT: fastest, median, slowest of the numbers on standard input
  sort -n | awk -v what="$1" '{ v[NR] = $1 }
    END { printf "%-44s fastest %4d ms, median %4d ms, slowest %4d ms (%d runs)\n",
                 what, v[1], v[int((NR + 1) / 2)], v[NR], NR }'
}
times() { sed -n "s/.*$1 \([0-9]*\) ms.*/\1/p" "$work/inside"; }
times wWinMain | summary "wWinMain entered, after the process was made"
times created | summary "window created, after the process was made"
times painted | summary "window painted, after the process was made"
summary "window mapped on X, after wine-run.sh began" <"$work/mapped"
