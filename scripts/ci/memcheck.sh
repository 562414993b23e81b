#!/usr/bin/env bash
# Valgrind's memcheck over the CLI's batch table of the sample dive list: no invalid read or
# write, no use of uninitialised memory, no leak.
set -euo pipefail
cd "$(dirname "$0")/../.."

# valgrind, and the ci build it runs.
scripts/deps core tests bench ui analysis

cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp action.txt "$work/"
cli=$PWD/build/ci/app/merrith-cli
(cd "$work" && valgrind --quiet --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --track-origins=yes "$cli" table action.txt)
echo "memcheck: no errors"
