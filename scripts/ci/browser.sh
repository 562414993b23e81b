#!/usr/bin/env bash
# The venue's pages in Debian's Chromium (Playwright, pinned by tests/browser/package-lock.json):
# five judges' pads and the referee's screen against merrith-cli serve on 127.0.0.1. With
# MERRITH_SCREENSHOTS=FOLDER the pad and the referee's screen are photographed there.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/deps core browser

# The Linux build of scripts/test's ci stage, configured here when this stage runs alone.
[[ -f build/ci/CMakeCache.txt ]] || cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith-cli >/dev/null
cd tests/browser
MERRITH_CLI="$PWD/../../build/ci/app/merrith-cli" npx --no-install playwright test
