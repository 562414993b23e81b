#!/usr/bin/env bash
# Feeds the batch table files that no editor should produce, through `merrith-cli table`.
# Usage: bad_input_test.sh CASE WORKDIR CLI...  (CLI may start with an emulator, such as Wine)
# Each row of the case runs in a fresh folder that already holds an earlier table, and checks
# the answer (the table or "File Error!!!"), the exit code (never a crash), that the folder
# holds the same names afterwards (no temporary file), and that a failure leaves the earlier
# table byte for byte as it was. Exit 77 marks a case that cannot run here.
set -euo pipefail

case_name=$1
work=$2/$case_name
cli=("${@:3}")
# A run stopped half-way may have left its small disk mounted.
if mountpoint -q "$work/disk" 2>/dev/null; then umount "$work/disk"; fi

fail() {
  echo "FAIL ($case_name, $list): $*" >&2
  exit 1
}

# A disk of 256 kB, far less than the table of 3,000 codes (about 1.5 MB) needs.
small_disk() {
  [[ $(id -u) -eq 0 ]] || { echo "SKIP: mounting a small tmpfs needs root"; exit 77; }
  mkdir disk
  mount -t tmpfs -o size=256k tmpfs disk 2>"$work.mount" ||
    { echo "SKIP: cannot mount a tmpfs here: $(cat "$work.mount")"; exit 77; }
  trap 'cd "$work" && umount disk' EXIT
  cd disk
}

# row CASE LIST ROWS BYTES [CHECK]: the list LIST holding the bytes BYTES (a Perl list) gives a
# table of ROWS data rows ("=": the table of an empty list, "count": its non-blank lines, "E":
# "File Error!!!" instead), for which the Perl CHECK holds. A list that is missing or a folder,
# and a table whose name a folder takes, are main_window_test's and file_bytes_test's, and
# cli_table_test's for the CLI's answer; byte-order marks and broken UTF-8 or UTF-16 are
# text_decoding_test's and utf8_test's, and list names beyond ASCII scripts/ci/windows.sh's.
row() {
  [[ $1 == "$case_name" ]] || return 0
  ran=yes list=$2 rows=$3 bytes=$4 check=${5:-1}
  rm -rf "$work" && mkdir -p "$work" && cd "$work"
  [[ $case_name != full_file_system ]] || small_disk
  perl -e "srand 1989; print $bytes" >"$list"
  old=$list.htm
  printf 'an earlier table\n' >"$old"
  before=$(find . -mindepth 1 | LC_ALL=C sort)

  status=0
  "${cli[@]}" table "$list" >"$work.stdout" 2>"$work.stderr" || status=$?
  out=$(cat "$work.stdout") err=$(cat "$work.stderr")
  [[ $(find . -mindepth 1 | LC_ALL=C sort) == "$before" ]] || fail "files left: $(ls -AR)"
  if [[ $rows == E ]]; then
    [[ $status -eq 1 && $err == "File Error!!!"$'\n'"merrith-cli: cannot "?* && -z $out ]] ||
      fail "exit $status, stdout: $out, stderr: $err"
    [[ $(cat "$old") == "an earlier table" ]] || fail "$old was changed"
    return
  fi
  [[ $status -eq 0 && $out == "OK, New file name is $list.htm" ]] ||
    fail "exit $status, stdout: $out, stderr: $err"
  case $rows in
    =)
      : >"$work.empty.txt"
      "${cli[@]}" table "$work.empty.txt" >/dev/null || fail "the table of an empty list failed"
      cmp -s "$list.htm" "$work.empty.txt.htm" || fail "gives rows"
      return
      ;;
    count)  # white space as the program trims it
      rows=$(perl -MEncode -0777 -ne '
        $white = qr/[\x{9}-\x{D}\x{20}\x{85}\x{A0}\x{1680}\x{2000}-\x{200A}\x{2028}\x{2029}\x{202F}\x{205F}\x{3000}]/;
        print scalar(grep { !/^$white*$/ } split(/\n/, Encode::decode("UTF-8", substr($_, 3)), -1))' "$list")
      ;;
  esac
  # The mark, the caption, the two header rows, ROWS rows, "</table>", and valid UTF-8.
  perl -0777 -ne '
    BEGIN { ($rows, $check) = splice @ARGV, 0, 2 }
    $r105 = qr{<tr><td>105</td>(<td>[^<]*</td>){6}<td>2\.4</td>};  # 3 m, pike: 2.4
    die "does not start with the mark and caption\n"
      unless /\A\xEF\xBB\xBF<table border=1><caption>FINA Merrith Table 2015-2021<\/caption><tr><th><\/th>/;
    die "does not end with </table>\n" unless /<\/table>\z/;
    $found = () = /<tr>/g;
    die "has $found rows, expected ", $rows + 2, "\n" unless $found == $rows + 2;
    die "holds bytes beyond U+10FFFF\n" if /\xF4[\x90-\xBF]|[\xF5-\xFF]/;
    die "fails $check\n" unless eval $check;
  ' "$rows" "$check" "$list.htm" || fail "not the expected table"
  iconv -f UTF-8 -t UTF-8 "$list.htm" >/dev/null || fail "not valid UTF-8"
}

# Marked as UTF-8, so that every system reads it alike; most of it is not valid UTF-8.
row random_10mb      in.bin count \
  '"\xEF\xBB\xBF", map { pack "C*", map { int rand 256 } 1 .. 1024 } 1 .. 10240'
# A NUL is not white space, so its lines are rows; a zero second byte means UTF-16.
row nul_bytes        narrow.txt 3 '"105\x00\n\x00\n201\n"'
row nul_bytes        wide.txt 1 '"1\x000\x005\x00\n\x00"' '/$r105/'
row line_5mb         in.txt 1 '"105" x (5 * 2**20 / 3), "\n"' '(() = /<td>-<\/td>/g) == 40'
row blank_lines_1m   in.txt = \
  '"\xEF\xBB\xBF", map { ("\n", "\r\n", " \t\n", "\xC2\xA0\n")[$_ % 4] } 1 .. 1e6'
row full_file_system in.txt E '"105\n" x 3000'
[[ -n ${ran:-} ]] || { list=-; fail "unknown case"; }
echo "ok: $case_name"
