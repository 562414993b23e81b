#!/usr/bin/env bash
# Packs the ci build (optimised, no sanitizers) as merrith_<version>_amd64.deb and checks it as a
# user's machine gets it: tests/package/deb_test.sh installs it with apt-get, uses it and removes
# it again. Where lintian is installed it reads the package too, and fails the stage on errors.
set -euo pipefail
cd "$(dirname "$0")/../.."

# The ci build it packs, the package tools, and the X server the installed window shows in.
scripts/deps core tests bench ui x11 package

# The build of scripts/test's ci stage, configured and built here when this stage runs alone.
[[ -f build/ci/CMakeCache.txt ]] || cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith merrith-cli merrith_documents >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/ci/CMakeCache.txt)
deb=build/ci/merrith_${version}_amd64.deb
rm -f build/ci/merrith_*.deb
(cd build/ci && cpack >/dev/null)
echo "$deb: $(stat -c %s "$deb") bytes"

if command -v lintian >/dev/null; then
  echo "lintian:"
  lintian --display-info --fail-on error "$deb"
fi
bash tests/package/deb_test.sh "$deb" "$version" build/ci/package-window
