#!/usr/bin/env bash
# merrith-cli list: the dives of the rule book in its order, their names with --names, lines
# ending in a line feed alone, and the usage errors.
# Usage: cli_list_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"

"${cli[@]}" list >"$work/list" 2>"$work/err"
expect "list: exit 0" test $? -eq 0
expect "list: nothing on stderr" test ! -s "$work/err"
"${cli[@]}" list --names >"$work/names"
"${cli[@]}" list --all --names >"$work/all"

count=$(wc -l <"$work/list")
expect "list: the dives of the rule book ($count)" test "$count" -eq 1255
expect "list --all: every number with a DD" test "$(wc -l <"$work/all")" -eq 2427
expect "list: the numbers of list --all that have words" \
  cmp "$work/names" <(grep -v $'\t$' "$work/all")
expect "list: LF line ends only" test "$(tr -d '\r' <"$work/list" | cmp - "$work/list" && echo same)" = same
expect "list: each number once" test "$(sort -u "$work/list" | wc -l)" -eq "$count"
expect "list --names: the same numbers" cmp "$work/list" <(cut -f1 "$work/names")

# The dives of the rule book, with their names, in its order: by group, plain before flying, by
# half somersaults, two digits of them after one; twisting dives by direction and twists, the
# flying and M forms after the plain ones; armstand dives without twist before those with.
cat >"$work/wanted" <<'EOF'
105	Forward 2½ Somersaults
1011	Forward 5½ Somersaults
112	Forward Flying Somersault
201	Back Dive
205	Back 2½ Somersaults
409	Inward 4½ Somersaults
5111	Forward Dive ½ Twist
5112	Forward Dive 1 Twist
5132	Forward 1½ Somersaults 1 Twist
5211	Back Dive ½ Twist
5253	Back 2½ Somersaults 1½ Twists
5337	Reverse 1½ Somersaults 3½ Twists
51132	Forward Flying 1½ Somersaults 1 Twist
5162M	Forward 3 Somersaults 1 Twist (M)
600	Armstand Dive
614	Armstand Forward 2 Somersaults
626	Armstand Back 3 Somersaults
636	Armstand Reverse 3 Somersaults
6122	Armstand Forward Somersault 1 Twist
6243	Armstand Back 2 Somersaults 1½ Twists
EOF
expect "list --names: the rule book's dives, named, in order" \
  cmp "$work/wanted" <(grep -Fx -f "$work/wanted" "$work/names")
expect "list: no position letters, no brackets" test -z "$(grep -E '[A-LN-Z()]' "$work/list")"
expect "list --all: a number without words has an empty name" grep -qx $'5511\t' "$work/all"

for args in "x" "--names --json" "-"; do
  # shellcheck disable=SC2086
  "${cli[@]}" list $args >"$work/out" 2>"$work/err"
  status=$?
  expect "list $args: exit 2" test "$status" -eq 2
  expect "list $args: usage" grep -qx 'merrith-cli: unknown argument for list (see merrith-cli --help)' "$work/err"
  expect "list $args: no list" test ! -s "$work/out"
done
if [[ -w /dev/full ]]; then
  "${cli[@]}" list >/dev/full 2>"$work/err"
  expect "list to a full disk: exit 1" test $? -eq 1
fi

exit $((failures > 0))
