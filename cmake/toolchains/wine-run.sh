#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# The PROGRAM wineserver runs the prefix's server instead: wine-run.sh PREFIX wineserver -k
# ends it and every program in it.
#
# The first call sets up the Wine prefix (ten seconds or more) while later calls wait on a
# lock; a lingering wineserver then keeps each further start to a fraction of a second. Many
# programs may run at once in one prefix: they share its wineserver.
#
# A caller may set:
#   MERRITH_WINE_DISPLAY=x11  windows appear on the X display $DISPLAY, from the prefix
#                             PREFIX-x11. By default windows are drawn nowhere (Wine's null
#                             display driver, in PREFIX), so window tests need no X server.
#                             The two never share a prefix: one that ran with the null driver
#                             cannot draw on X until its wineserver ends.
#   MERRITH_WINE_LOCALE=ll_CC.UTF-8
#                             the Unix locale, which Wine makes the Windows user locale (and
#                             with it the decimal separator). Default C.UTF-8, which Wine reads
#                             as English (United States), ANSI code page 1252. A locale that
#                             this machine lacks is compiled into PREFIX-locales first.
set -eu

# Wine puts Windows' shared user data at the fixed address 0x7ffe0000 in every process it starts,
# and a process that finds that address taken ends at once with status 1 (without a word under
# WINEDEBUG=-all). Wine's preloader would keep it free, but Debian's wine64 comes without one:
# its loader sits at 0x7d000000, and recent Linux kernels start the heap of such a program
# anywhere in the gigabyte above it, over that address in roughly one start in 8,000. Without
# address space randomisation (ADDR_NO_RANDOMIZE, 0x40000) the heap starts right after the
# loader, and every process that Wine starts inherits that. Where a sandbox forbids it, Wine
# runs as it is.
arch=$(uname -m)
read -r persona </proc/self/personality
if [ $((0x$persona & 0x40000)) = 0 ] && setarch "$arch" -R true 2>/dev/null; then
  exec setarch "$arch" -R sh "$0" "$@"
fi

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

display=${MERRITH_WINE_DISPLAY:-null}
case $display in
  null) ;;
  x11) prefix=$prefix-x11 ;;
  *) echo "wine-run.sh: MERRITH_WINE_DISPLAY is x11 or unset, not '$display'" >&2; exit 2 ;;
esac

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
if [ "$1" = wineserver ]; then
  shift
  exec "$wineserver" "$@"
fi
# No Mono or Gecko install prompts: the programs under test need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The same locale on every machine, whatever the caller's: UTF-8 where Wine meets Unix (file
# names, arguments), and the Windows user locale that the caller asked for. Compiled locales
# live beside the prefixes.
locale=${MERRITH_WINE_LOCALE:-C.UTF-8}
locales="$(dirname "$prefix")/wine-locales"
unset LANGUAGE
export LC_ALL=C.UTF-8
[ "$locale" = C.UTF-8 ] || export LOCPATH="$locales"

mkdir -p "$(dirname "$prefix")"

# Sets up the prefix: the fonts Wine ships (else captions may lack glyphs), and the display
# driver. Without a window manager, every window that the X11 driver hands to one would cost
# two seconds to hide or destroy, so Wine manages its windows itself.
make_prefix() {
  rm -rf "$prefix"
  DISPLAY='' "$wine" wineboot --init >/dev/null 2>&1
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  fi
  if [ "$display" = null ]; then
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  else
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
  # The registry is written out when the server ends.
  "$wineserver" --wait
  touch "$prefix/.merrith-ready"
}

# A locale that this machine lacks (a fresh one has only C and C.UTF-8), compiled from the
# sources of Debian's locales package.
has_locale() { LC_ALL=$locale locale charmap 2>/dev/null | grep -qx UTF-8; }
make_locale() {
  mkdir -p "$locales"
  localedef -i "${locale%%.*}" -f UTF-8 "$locales/$locale" >/dev/null 2>&1 || true
  has_locale || { echo "wine-run.sh: no locale $locale, nor could it be compiled" >&2; exit 2; }
}

(
  flock 9
  if [ ! -e "$prefix/.merrith-ready" ]; then
    make_prefix 9>&-
  fi
  has_locale || make_locale
  # A server that stays up 60 s after the last program ends. When this starts a new one, Wine's
  # own background services start here too, so that they do not hold on to the output of the
  # program below (a caller reading that output would wait for them).
  if "$wineserver" --persistent=60 >/dev/null 2>&1 9>&-; then
    "$wine" cmd /c exit >/dev/null 2>&1 9>&-
  fi
) 9>"$prefix.lock"

# Wine's desktop process, which the first window program of a session starts, inherits that
# program's standard error and holds it open until a second after the last window closes: a
# caller that reads the stream to its end, as CTest does, would wait that second every time.
# So the program's standard error goes through a file and follows its standard output.
errors=$(mktemp "$(dirname "$prefix")/wine-stderr.XXXXXX")
trap 'cat "$errors" >&2; rm -f "$errors"' EXIT
# A signal to the caller's process group (Ctrl+C, or a test stopping a server) reaches the
# program as well: its own exit status is the answer, once it has ended.
trap : INT TERM
export LC_ALL="$locale"
status=0
"$wine" "$@" 2>"$errors" || status=$?
exit "$status"
