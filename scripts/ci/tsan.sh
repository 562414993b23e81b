#!/usr/bin/env bash
# Builds the venue's server and its tests under ThreadSanitizer and runs them: the network runs on
# a thread of its own and posts to the thread that owns the event engine, and nothing else may
# reach across.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/deps core tests

cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan
