#!/usr/bin/env bash
# Cross-compiles the core, both programs and the tests for Windows with mingw-w64 and runs the
# tests under Wine, in Wine prefixes made afresh inside the build folder (one drawing nowhere,
# one on the X display of the window's smoke test); then packs the zip a user downloads and
# checks what it holds, and checks that the Windows merrith-cli writes the same batch tables as
# the Linux one, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/../.."

# mingw-w64, Wine and its fonts, GoogleTest's sources, the locales Wine is given; the Linux
# ci build it compares with; the X server of the window's smoke test.
scripts/deps core tests bench ui x11 windows

build=build/mingw
export WINEPREFIX="$PWD/$build/wine-prefix"
wine_run=("$PWD/cmake/toolchains/wine-run.sh" "$WINEPREFIX")

# The wineservers that the test runs leave behind for a minute go when this stage ends.
stop_wine() {
  "${wine_run[@]}" wineserver --kill 2>/dev/null || true
  MERRITH_WINE_DISPLAY=x11 "${wine_run[@]}" wineserver --kill 2>/dev/null || true
  # A server killed under Wine leaves the file its standard error went to.
  rm -f "$build"/wine-stderr.*
}
trap stop_wine EXIT
stop_wine
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock" "$WINEPREFIX-x11" "$WINEPREFIX-x11.lock"

cmake --preset mingw >/dev/null
cmake --build --preset mingw
ctest --preset mingw

(cd "$build" && cpack >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
bash tests/package/windows_zip_test.sh "$PWD/$build/merrith-$version-windows-x64.zip" "$version"

# The Linux build of scripts/test's ci stage, configured here when this stage runs alone.
[[ -f build/ci/CMakeCache.txt ]] || cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith-cli serve_restart_test >/dev/null
linux_cli=$PWD/build/ci/app/merrith-cli
windows_cli=("${wine_run[@]}" "$PWD/$build/app/merrith-cli.exe")

# The venue's server as a judge's pad meets it, the Windows merrith-cli serve under Wine: the
# Linux tests that start serve as a process of their own, pairing, awards, accept, and the laptop
# killed after an acceptance and started again. The pads' own protocol tests ran above, the
# server inside the Windows test program.
printf -v serve '%q ' "${windows_cli[@]}"
MERRITH_SERVE=$serve ctest --preset ci -R '^Serve\.'

work=$(mktemp -d)
trap 'rm -rf "$work"; stop_wine' EXIT
mkdir "$work/linux" "$work/windows"
# Each list with LF and CR LF line ends, and marked as UTF-8 and UTF-16LE, under a name with a
# space and letters beyond ASCII. Unmarked lists are ASCII, alike in every system code page.
for list in action.txt tests/cli/table_list.txt; do
  stem="$work/linux/Kür $(basename "$list" .txt)"
  cp "$list" "$stem lf.txt"
  sed 's/$/\r/' "$list" >"$stem crlf.txt"
  { printf '\xef\xbb\xbf'; cat "$list"; } >"$stem utf8.txt"
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$list"; } >"$stem utf16.txt"
done
cp "$work"/linux/*.txt "$work/windows/"
compared=0
for input in "$work"/linux/*.txt; do
  name=$(basename "$input")
  for blocks in D HD D+HD; do
    (cd "$work/linux" && "$linux_cli" table --blocks "$blocks" "$name" >"$name.out")
    (cd "$work/windows" && "${windows_cli[@]}" table --blocks "$blocks" "$name" >"$name.out")
    cmp "$work/linux/$name.htm" "$work/windows/$name.htm"
    cmp "$work/linux/$name.out" "$work/windows/$name.out"
    compared=$((compared + 1))
  done
done
echo "merrith-cli table: $compared tables alike on Linux and Windows"
