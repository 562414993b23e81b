#!/usr/bin/env bash
# Cross-compiles the core, merrith-cli and the unit tests for Windows with mingw-w64 and runs
# the tests under Wine, in a Wine prefix made afresh inside the build folder.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/mingw
export WINEPREFIX="$PWD/$build/wine-prefix"

# The wineserver that the test runs leave behind for a minute goes when this stage ends.
wineserver=/usr/lib/wine/wineserver
[[ -x $wineserver ]] || wineserver=wineserver
stop_wine() { "$wineserver" --kill 2>/dev/null || true; }
trap stop_wine EXIT
stop_wine
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"

cmake --preset mingw >/dev/null
cmake --build --preset mingw
ctest --preset mingw
