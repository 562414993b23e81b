#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# The first call sets up the Wine prefix PREFIX (tens of seconds) while later calls wait on a
# lock; a lingering wineserver then keeps each further start to a fraction of a second. Many
# programs may run at once in one prefix: they share its wineserver.
set -eu

prefix=$1
shift

# Debian's wine64 package has no wine command of its own; the loader is here.
wine=wine
wineserver=wineserver
if [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  wineserver=/usr/lib/wine/wineserver
  export WINELOADER=$wine
fi

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# The same locale on every machine, whatever the caller's: UTF-8 where Wine meets Unix (file
# names, arguments), and the Windows locale English (United States), ANSI code page 1252.
export LC_ALL=C.UTF-8
# No Mono or Gecko install prompts: the programs under test need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -e "$prefix/.merrith-ready" ]; then
    rm -rf "$prefix"
    "$wine" wineboot --init >/dev/null 2>&1 9>&-
    # The registry is written out when the booting server ends.
    "$wineserver" --wait 9>&-
    touch "$prefix/.merrith-ready"
  fi
  # A server that stays up 60 s after the last program ends. When this starts a new one, Wine's
  # own background services start here too, so that they do not hold on to the output of the
  # program below (a caller reading that output would wait for them).
  if "$wineserver" --persistent=60 >/dev/null 2>&1 9>&-; then
    "$wine" cmd /c exit >/dev/null 2>&1 9>&-
  fi
) 9>"$prefix.lock"

exec "$wine" "$@"
