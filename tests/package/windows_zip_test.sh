#!/usr/bin/env bash
# What a user unzips: merrith-VERSION-windows-x64.zip holds one folder with merrith.exe,
# merrith-cli.exe, action.txt, LICENSE.txt, README.txt and events\world-aquatics-2024.toml and
# events\fina-2017-2021.toml (the text with CR LF line ends, for Notepad) and nothing else; both
# programs import system DLLs only; both (the venue's
# server inside each) at most 4 MiB; merrith.exe carries its icon, its version and a manifest that
# asks for the common controls of version 6 and no UTF-8 code page.
# Usage: windows_zip_test.sh ZIP VERSION   (mingw-w64's objdump and windres on PATH)
set -euo pipefail

zip=$1
version=$2
folder="merrith-$version-windows-x64"
objdump=x86_64-w64-mingw32-objdump
windres=x86_64-w64-mingw32-windres

fail() { echo "windows_zip_test: $*" >&2; exit 1; }

[[ "$(basename "$zip")" == "$folder.zip" ]] || fail "the zip is named $(basename "$zip")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

found=$(cd "$work" && find . -type f | sort | tr '\n' ' ')
wanted="./$folder/LICENSE.txt ./$folder/README.txt ./$folder/action.txt"
wanted+=" ./$folder/events/fina-2017-2021.toml ./$folder/events/world-aquatics-2024.toml"
wanted+=" ./$folder/merrith-cli.exe ./$folder/merrith.exe "
[[ "$found" == "$wanted" ]] || fail "the zip holds $found"
cd "$work/$folder"

for text in LICENSE.txt README.txt events/world-aquatics-2024.toml events/fina-2017-2021.toml; do
  lines=$(wc -l <"$text")
  crlf=$(grep -c $'\r$' "$text" || true)
  [[ "$lines" -gt 0 && "$crlf" == "$lines" ]] || fail "$text: $crlf of $lines lines end in CR LF"
done

# Every Windows since 7 has these; nothing else may be needed beside the programs.
system_dlls="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll"
system_dlls+=" user32.dll"
# The venue's sockets and addresses, and the system's random source for keys and draws.
system_dlls+=" bcrypt.dll iphlpapi.dll mswsock.dll ws2_32.dll"
for program in merrith.exe merrith-cli.exe; do
  imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [[ -n "$imports" ]] || fail "$program: no imports read"
  for dll in $imports; do
    [[ " $system_dlls " == *" $dll "* ]] || fail "$program imports $dll"
  done
  echo "$program imports" $imports
done

size=$(stat -c %s merrith.exe)
((size <= 4 * 1024 * 1024)) || fail "merrith.exe is $size bytes, over 4 MiB"
echo "merrith.exe: $size bytes"
size=$(stat -c %s merrith-cli.exe)
((size <= 4 * 1024 * 1024)) || fail "merrith-cli.exe is $size bytes, over 4 MiB"
echo "merrith-cli.exe: $size bytes"

resources=$("$windres" -i merrith.exe -O rc)
grep -q '/\* RT_ICON \*/' <<<"$resources" || fail "merrith.exe has no icon"
grep -q "VALUE \"ProductName\", \"Merrith\"" <<<"$resources" || fail "no product name"
grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$resources" || fail "no version $version"
grep -q 'Microsoft.Windows.Common-Controls"" version=""6.0.0.0' <<<"$resources" ||
  fail "the manifest does not ask for the common controls of version 6"
! grep -qi activeCodePage <<<"$resources" || fail "the manifest sets the active code page"
echo "$(basename "$zip"): as a user should find it"
