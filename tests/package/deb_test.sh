#!/usr/bin/env bash
# What a user of Debian or Ubuntu gets: installs merrith_VERSION_amd64.deb with apt-get as a
# user does, uses what it installed (merrith-cli from /usr/bin, the window from its menu entry
# in a virtual X server, the manual pages, the sample list), validates the menu entry and the
# AppStream metainfo, and removes the package again: every file it installed must be gone.
# Usage: deb_test.sh DEB VERSION SCREENSHOTS   (a path stem; as root or with sudo; dpkg-dev,
# desktop-file-utils, appstream, man-db, xprop and the x11 tools of x_smoke_test.sh installed)
set -euo pipefail

deb=$(realpath "$1")
version=$2
screenshots=$(realpath -m "$3")
here=$(dirname "$(realpath "$0")")
source_dir=$(realpath "$here/../..")

fail() { echo "deb_test: $*" >&2; exit 1; }

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }

[[ "$(basename "$deb")" == "merrith_${version}_amd64.deb" ]] || fail "the package is named $deb"
[[ "$(dpkg-deb -f "$deb" Package Version)" == $'Package: merrith\nVersion: '"$version" ]] ||
  fail "the package calls itself $(dpkg-deb -f "$deb" Package Version | tr '\n' ' ')"
for field in Maintainer Description Depends; do
  [[ -n "$(dpkg-deb -f "$deb" "$field")" ]] || fail "no $field"
done
# The window's toolkit and the C++ runtime, as dpkg-shlibdeps read them from the programs.
for library in libqt6widgets6 libstdc++6 libc6; do
  [[ "$(dpkg-deb -f "$deb" Depends)" == *"$library "* ]] || fail "it does not depend on $library"
done
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' || true)
[[ "$outside" == ./ || -z "$outside" ]] || fail "it installs outside /usr: $outside"

work=$(mktemp -d)
remove() {
  dpkg-query -W merrith >/dev/null 2>&1 && apt_get remove merrith >/dev/null
  rm -rf "$work"
}
trap remove EXIT
if dpkg-query -W -f='${Status}' merrith 2>/dev/null | grep -q 'ok installed'; then
  echo "deb_test: removing the merrith package that was installed before"
  apt_get remove merrith >/dev/null
fi

# Its tree as it stands in the package, for the checks that read a whole tree.
dpkg-deb -x "$deb" "$work/tree"
apt_get install --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get install failed"; }
[[ "$(dpkg-query -W -f='${Version}' merrith)" == "$version" ]] || fail "not installed"
mapfile -t installed < <(dpkg -L merrith)
echo "installed: ${#installed[@]} paths"

# merrith-cli, on the PATH as a user finds it.
[[ "$(command -v merrith-cli)" == /usr/bin/merrith-cli ]] || fail "merrith-cli is not /usr/bin's"
[[ "$(/usr/bin/merrith-cli dd --height 3m 5253b)" == 3.4 ]] || fail "5253B at 3 m is not 3.4"
[[ "$(merrith-cli --version | head -n 1)" == "merrith-cli (Merrith) $version" ]] ||
  fail "merrith-cli --version says $(merrith-cli --version | head -n 1)"
cmp /usr/share/merrith/action.txt "$source_dir/action.txt" || fail "another sample list"
cp /usr/share/merrith/action.txt "$work/"
[[ "$(cd "$work" && merrith-cli table action.txt)" == "OK, New file name is action.txt.htm" ]] ||
  fail "merrith-cli table does not read the sample list"
# The built-in rules, installed to read and copy: the same file, and one merrith-cli reads.
for book in world-aquatics-2024 fina-2017-2021; do
  cmp "/usr/share/merrith/events/$book.toml" "$source_dir/data/events/$book.toml" ||
    fail "other built-in rules of $book"
done
events=/usr/share/merrith/events/world-aquatics-2024.toml
[[ "$(merrith-cli events --rules "$events" | wc -l)" == 34 ]] || fail "the installed rules do not read"
printf 'Event: women-3m\n105B\n203B\n303C\n403C\n5132D\n' | merrith-cli sheet - >/dev/null ||
  fail "merrith-cli sheet finds fault with a sheet that holds"

# The menu entry and the software centres' metainfo, and what they point at.
desktop=/usr/share/applications/merrith.desktop
desktop-file-validate "$desktop"
metainfo=$(printf '%s\n' "${installed[@]}" | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$work/tree" # the metainfo finds its menu entry and icon
[[ -f /usr/share/icons/hicolor/scalable/apps/merrith.svg ]] || fail "no scalable icon"
for png in /usr/share/icons/hicolor/*/apps/merrith.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not of $size pixels"
done
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ "$exec_line" == "merrith %f" ]] || fail "the menu entry does not open files: Exec=$exec_line"
[[ "$(command -v merrith)" == /usr/bin/merrith ]] || fail "merrith is not /usr/bin's"

# The window as the menu starts it and as it opens a sheet file, in a home folder without
# action.txt: its caption, its client area and its icon, which it carries itself.
mkdir "$work/home"
(cd "$work/home" && bash "$source_dir/tests/ui/x_smoke_test.sh" "$screenshots" \
  "$source_dir/tests/ui/women_3m.txt" -- /usr/bin/merrith -- /usr/bin/merrith-cli sheet) ||
  fail "the installed window did not show (x_smoke_test exit $?)"

# The manual pages render without a warning and name the sample list where it is.
for page in merrith-cli merrith; do
  manual=/usr/share/man/man1/$page.1.gz
  warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >"$work/$page.txt")
  [[ -z "$warnings" ]] || fail "man -l $manual: $warnings"
  grep -q '/usr/share/merrith/action.txt' "$work/$page.txt" || fail "$page(1) has no sample list"
done
grep -q -- '--height H' "$work/merrith-cli.txt" || fail "merrith-cli(1) lacks the dd options"
grep -q -- '--version' "$work/merrith-cli.txt" || fail "merrith-cli(1) lacks --version"
grep -q "$events" "$work/merrith-cli.txt" || fail "merrith-cli(1) does not name the built-in rules"
echo "man -l: merrith-cli(1) and merrith(1) render"

# The licence and the changelog, whose newest entry is this version.
grep -q '^License: Expat$' /usr/share/doc/merrith/copyright || fail "copyright: no licence"
[[ "$(zcat /usr/share/doc/merrith/changelog.gz | head -n 1)" == "merrith ($version) "* ]] ||
  fail "the changelog's newest entry is not $version: add one to packaging/linux/changelog"

# Removed, it leaves nothing: its files are gone, and so are its folders but those that other
# packages hold too.
apt_get remove merrith >/dev/null
for path in "${installed[@]}"; do
  [[ "$path" != /. && -e "$path" ]] || continue
  [[ -d "$path" ]] || fail "$path is left after apt-get remove"
  dpkg-query -S "$path" >/dev/null 2>&1 || fail "the folder $path is left after apt-get remove"
done
echo "$(basename "$deb"): installs, runs and leaves nothing behind"
