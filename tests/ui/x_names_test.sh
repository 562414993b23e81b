#!/usr/bin/env bash
# The recorder's window of the built program under a Latin-1 locale (LC_ALL=en_US.ISO-8859-1,
# compiled here with localedef), on a competition written in UTF-8 whose divers' names have
# letters beyond ASCII: ten dives keyed, each saved as it is recorded. After the tenth save the
# file is byte for byte what it was after the first, with the nine dives after it added, each
# naming its diver in UTF-8: nothing was read as Latin-1 and written back. Keeps a screenshot.
# Usage: x_names_test.sh SCREENSHOTS COMPETITION -- PROGRAM... -- REPORT_COMMAND...
#        (SCREENSHOTS is a path stem; exit 77: no virtual X server, X tool or localedef here)
set -euo pipefail

# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh" x_names_test "Xvfb xdotool import localedef" "$@"

locale=en_US.ISO-8859-1
mkdir "$work/locales"
# localedef answers 1 for a locale it wrote with warnings; only a missing locale fails.
localedef -i en_US -f ISO-8859-1 "$work/locales/$locale" >/dev/null 2>&1 || true
[[ "$(LOCPATH="$work/locales" LC_ALL=$locale locale charmap 2>/dev/null)" == ISO-8859-1 ]] ||
  { echo "x_names_test: no locale $locale here" >&2; exit 77; }

name=names.txt
cp "${files[0]}" "$work/$name"
caption="Competition - $name"
(cd "$work" && LOCPATH="$work/locales" LC_ALL=$locale exec "${program[@]}" "$name") &
pid=$!

window=$(focus_window "$caption")
key_dive "7 7 7 7 7"
wait_dives 1
cp "$work/$name" "$work/first.txt"
for dive in $(seq 2 10); do
  key_dive "6 6.5 6 6 6"
  wait_dives "$dive"
done
import -window "$window" "$shots-saved.png"

size=$(stat -c %s "$work/first.txt")
cmp -n "$size" "$work/first.txt" "$work/$name" ||
  fail "after ten saves the file differs from the first save within its first $size bytes"
tail -c +"$((size + 1))" "$work/$name" >"$work/added.txt"
expected="Round 1 | José | 101C | 6.0 6.5 6.0 6.0 6.0
Round 1 | Müller | 103B | 6.0 6.5 6.0 6.0 6.0
Round 1 | Ægir | 101B | 6.0 6.5 6.0 6.0 6.0
Round 2 | Zoë Åström | 201B | 6.0 6.5 6.0 6.0 6.0
Round 2 | José | 201C | 6.0 6.5 6.0 6.0 6.0
Round 2 | Müller | 203B | 6.0 6.5 6.0 6.0 6.0
Round 2 | Ægir | 201B | 6.0 6.5 6.0 6.0 6.0
Round 3 | Zoë Åström | 301B | 6.0 6.5 6.0 6.0 6.0
Round 3 | José | 301C | 6.0 6.5 6.0 6.0 6.0"
diff <(printf '%s\n' "$expected") "$work/added.txt" >&2 ||
  fail "the nine dives after the first are not as keyed, in UTF-8"
grep -q '^Diver: Zoë Åström$' "$work/$name" || fail "the first diver's name is not kept"
echo "ten saves under $locale: the file is the first save's, the dives added; screenshot $shots-saved.png"
