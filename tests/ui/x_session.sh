# shellcheck shell=bash disable=SC2034
# Sourced by the X tests, with their arguments: SCREENSHOTS FILE... -- PROGRAM... -- REPORT_COMMAND...
# Re-runs the test in a virtual X server of its own (exit 77 where one of TOOLS is missing);
# there it sets shots, files, program and report, a work folder that goes at the end with the
# program and the Wine server, fail MESSAGE, and find_window CAPTION, which waits for the window
# captioned exactly so (focus_window CAPTION gives it the keyboard); for a recorder's window,
# key_dive AWARDS, and dives and wait_dives COUNT on the competition $work/$name.
# Usage: source x_session.sh TEST TOOLS "$@"
test_name=$1 tools=$2
shift 2
if [[ -z "${MERRITH_SMOKE_INSIDE:-}" ]]; then
  for tool in $tools; do
    command -v "$tool" >/dev/null || { echo "$test_name: $tool not installed" >&2; exit 77; }
  done
  MERRITH_SMOKE_INSIDE=1 exec bash "$(dirname "${BASH_SOURCE[0]}")/with_xvfb.sh" 1280x1024 \
    bash "$(dirname "${BASH_SOURCE[0]}")/$test_name.sh" "$@"
fi

shots=$1
shift
files=() program=()
while [[ "$1" != -- ]]; do files+=("$1") && shift; done
shift
while [[ "$1" != -- ]]; do program+=("$1") && shift; done
shift
report=("$@")
export QT_QPA_PLATFORM=xcb MERRITH_WINE_DISPLAY=x11

fail() { echo "$test_name: $*" >&2; exit 1; }

# Under Wine (wine-run.sh PREFIX): a wineserver of the prefix left from an earlier X server
# would draw on that one.
wine=false
[[ "${program[0]}" != *wine-run.sh ]] || wine=true
stop_wine() { ! $wine || "${program[@]:0:2}" wineserver -k 2>/dev/null || true; }
stop_wine
work=$(mktemp -d)
pid=""
finish() {
  [[ -z "$pid" ]] || kill -9 "$pid" 2>/dev/null || true
  stop_wine
  rm -rf "$work"
}
trap finish EXIT

# The program must not end before its window shows; the first start in a new Wine prefix sets
# the prefix up, which takes a while.
find_window() {
  local found=""
  for _ in $(seq 1 3000); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$found" ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.02
  done
  [[ -n "$found" ]] || fail "no window captioned '$1'"
  echo "$found"
}

# The window captioned $1, given the keyboard.
focus_window() {
  local found
  found=$(find_window "$1")
  xdotool windowfocus --sync "$found" 2>/dev/null || xdotool windowfocus "$found"
  sleep 0.5
  echo "$found"
}

# The dives recorded in the competition $work/$name, and a wait until it holds $1 of them.
# shellcheck disable=SC2154 # name is set by the test that sources this
dives() { grep -c '^Round ' "$work/$name" || true; }
wait_dives() {
  for _ in $(seq 1 200); do
    (($(dives) == $1)) && return 0
    sleep 0.05
  done
  fail "the file holds $(dives) dives, not $1"
}

# One dive: its awards typed box by box, then Enter on the last box.
key_dive() {
  xdotool type --delay 40 "$1"
  xdotool key --delay 40 Return
}
