#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each over its seed corpus and then for a fixed time (MERRITH_FUZZ_SECONDS, 20 s); the
# text target once under each of the non-UTF-8 locales that the build makes with localedef.
# The log keeps each target's execution count; on a failure it shows the failing input.
set -euo pipefail
cd "$(dirname "$0")/../.."

# clang with libFuzzer and the sanitizers, localedef's sources; the programs' own build.
scripts/deps core fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

log=build/fuzz/fuzz.log
status=0
ctest --preset fuzz --verbose >"$log" 2>&1 || status=$?
grep -E -e 'stat::number_of_executed_units|stat::peak_rss_mb|Test +#|tests passed' "$log" || true
if [[ $status -ne 0 ]]; then
  grep -E -B2 -A40 -e 'property violated|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)' \
    -e 'runtime error' "$log" | head -200 || true
  echo "fuzz: failed; whole log in $log" >&2
fi
exit "$status"
