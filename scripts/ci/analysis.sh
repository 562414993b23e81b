#!/usr/bin/env bash
# Static analysis of src/ and app/: clang-tidy with the checked-in .clang-tidy, then cppcheck.
# Both read the compile commands of the ci build, which includes the window, so the Qt files
# are analysed with the flags they are built with; clang-tidy reads the Windows window's files
# with those of the mingw build. Any finding fails the stage.
set -euo pipefail
cd "$(dirname "$0")/../.."

# The ci build it reads, and the two analysers; the mingw compile commands where mingw-w64 is.
scripts/deps core tests bench ui analysis

cmake --preset ci >/dev/null
cmake --build --preset ci >/dev/null

# Qt asks gcc for -mno-direct-extern-access, which clang (under clang-tidy) does not know.
mkdir -p build/analysis
sed 's/ -mno-direct-extern-access//g' build/ci/compile_commands.json \
  >build/analysis/compile_commands.json

status=0
echo "clang-tidy:"
# (run-clang-tidy always asks for colour; CI logs read better without it.)
run-clang-tidy -p build/analysis -j 2 -quiet "$PWD/(src|app)/" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' |
  { grep -v -e '^clang-tidy' -e 'warnings generated' -e '^Suppressed' -e '^Use -header-filter' || true; } ||
  status=1

# The Windows window, as the mingw build compiles it: clang reads it for the mingw-w64 target,
# with that compiler's C++ library. Left out where mingw-w64 is not installed.
mingw=x86_64-w64-mingw32-g++-posix
if command -v "$mingw" >/dev/null; then
  cmake --preset mingw >/dev/null
  cxx="$("$mingw" -print-file-name=include)/c++"
  run-clang-tidy -p build/mingw -j 2 -quiet -extra-arg=--target=x86_64-w64-mingw32 \
    -extra-arg=-nostdinc++ -extra-arg="-isystem$cxx" -extra-arg="-isystem$cxx/x86_64-w64-mingw32" \
    -extra-arg="-isystem$cxx/backward" "$PWD/(src/ui/win32|app/merrith_main_win32)" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' |
    { grep -v -e '^clang-tidy' -e 'warnings generated' -e '^Suppressed' -e '^Use -header-filter' || true; } ||
    status=1
else
  echo "(the Windows window left out: no $mingw here)"
fi

# Left out of cppcheck's style checks:
# - useStlAlgorithm: a one-line loop over the rows of a dive table reads as plainly as the
#   algorithm it would become;
# - shadowFunction: a table's row held in a local named Row, beside the Row(...) helper that
#   writes table rows; the compiler's -Wshadow already watches variables hiding variables.
echo "cppcheck:"
mkdir -p build/analysis/cppcheck
cppcheck --project=build/analysis/compile_commands.json --cppcheck-build-dir=build/analysis/cppcheck \
  -j 2 --quiet --error-exitcode=1 --inline-suppr --library=qt \
  --enable=warning,style,performance,portability --suppress=missingIncludeSystem \
  --suppress=useStlAlgorithm --suppress=shadowFunction \
  --file-filter='src/*' --file-filter='app/*' || status=1

if [[ $status -ne 0 ]]; then
  echo "analysis: findings above" >&2
  exit 1
fi
echo "analysis: no findings"
