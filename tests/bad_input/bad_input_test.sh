#!/usr/bin/env bash
# Feeds the batch table files that no editor should produce, through `merrith-cli table`.
# Usage: bad_input_test.sh CASE WORKDIR CLI...  (CLI may start with an emulator, such as Wine)
# Every case runs in a fresh folder and checks the answer (the table or "File Error!!!"), the
# exit code (never a crash), that no temporary file is left, and that a failure leaves an
# earlier output file byte for byte as it was. Exit 77 marks a case that cannot run here.
set -euo pipefail

case_name=$1
logs=$2/$case_name
work=$2/$case_name
cli=("${@:3}")
# A run stopped half-way may have left its small disk mounted.
if mountpoint -q "$work/disk" 2>/dev/null; then umount "$work/disk"; fi
rm -rf "$work"
mkdir -p "$work"
cd "$work"

fail() {
  echo "FAIL ($case_name): $*" >&2
  exit 1
}

# Writes the bytes of a Perl string literal ("\xEF\xBB\xBF105\n") to a file.
bytes() { perl -e "print \"$1\"" >"$2"; }

# Runs the table command; sets status, out and err.
table() {
  status=0
  "${cli[@]}" table "$@" >"$logs.stdout" 2>"$logs.stderr" || status=$?
  out=$(cat "$logs.stdout")
  err=$(cat "$logs.stderr")
}

expect_ok() {
  [[ $status -eq 0 ]] || fail "exit $status for $1, stderr: $err"
  [[ $out == "OK, New file name is $1.htm" ]] || fail "stdout: $out"
  [[ -f "$1.htm" ]] || fail "no $1.htm written"
}

expect_file_error() {
  [[ $status -eq 1 ]] || fail "exit $status, expected 1 (stderr: $err)"
  [[ $err == "File Error!!!" ]] || fail "stderr: $err"
  [[ -z $out ]] || fail "stdout: $out"
}

# The folder holds exactly these names: nothing temporary is left behind.
expect_files() {
  local want have
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  have=$(ls -A | LC_ALL=C sort)
  [[ $have == "$want" ]] || fail "files left: $(echo $have), expected: $(echo $want)"
}

count() { perl -0777 -ne 'BEGIN { $text = shift } print scalar(() = /\Q$text\E/g)' "$1" "$2"; }

# A whole table: the mark, the caption, the two header rows, Rows rows, "</table>", and
# valid UTF-8 throughout.
expect_table() {
  perl -0777 -ne '
    BEGIN { $rows = shift @ARGV }
    $head = "\xEF\xBB\xBF<table border=1><caption>FINA Merrith Table 2015-2021</caption><tr><th></th>";
    die "does not start with the mark and caption\n" unless substr($_, 0, length $head) eq $head;
    die "does not end with </table>\n" unless substr($_, -8) eq "</table>";
    $found = () = /<tr>/g;
    die "has $found rows, expected ", $rows + 2, "\n" unless $found == $rows + 2;
    # (iconv below lets through code points beyond U+10FFFF.)
    die "holds bytes beyond U+10FFFF\n" if /\xF4[\x90-\xBF]|[\xF5-\xFF]/;
  ' "$2" "$1" || fail "$1 is not the expected table"
  iconv -f UTF-8 -t UTF-8 "$1" >/dev/null || fail "$1 is not valid UTF-8"
}

# 105B at 3 m has the DD 2.4: the eighth cell of the row (code, 1 m A to D and its
# separator, 3 m A, 3 m B).
expect_105_row() {
  perl -0777 -ne 'exit(/<tr><td>105<\/td>(<td>[^<]*<\/td>){6}<td>2\.4<\/td>/ ? 0 : 1)' "$1" ||
    fail "$1 has no row for 105 with 2.4 at 3 m in pike"
}

old_output() { printf 'an earlier table\n' >"$1"; }
expect_old_output() { [[ $(cat "$1") == "an earlier table" ]] || fail "$1 was changed"; }

# The table of an empty list, for comparing byte for byte.
empty_table() {
  mkdir reference
  : >reference/empty.txt
  "${cli[@]}" table reference/empty.txt >/dev/null || fail "the table of an empty list failed"
  mv reference/empty.txt.htm empty.htm
  rm -r reference
}

case $case_name in
  empty_file)
    : >in.txt
    table in.txt
    expect_ok in.txt
    expect_table in.txt.htm 0
    expect_files in.txt in.txt.htm
    ;;

  mark_only)
    empty_table
    for mark in '\xEF\xBB\xBF' '\xFF\xFE' '\xFE\xFF' '\xFF\xFE\x00\x00' '\x00\x00\xFE\xFF'; do
      bytes "$mark" in.txt
      table in.txt
      expect_ok in.txt
      cmp -s in.txt.htm empty.htm || fail "a file holding only the mark $mark gives rows"
    done
    expect_files in.txt in.txt.htm empty.htm
    ;;

  random_10mb)
    # Marked as UTF-8, so that every system reads it alike; most of it is not valid UTF-8.
    perl -e 'srand(1989); print "\xEF\xBB\xBF";
             print pack("C*", map { int(rand(256)) } 1 .. 1024) for 1 .. 10240' >in.bin
    rows=$(perl -MEncode -0777 -ne '
      $text = Encode::decode("UTF-8", substr($_, 3));
      $white = qr/[\x{9}-\x{D}\x{20}\x{85}\x{A0}\x{1680}\x{2000}-\x{200A}\x{2028}\x{2029}\x{202F}\x{205F}\x{3000}]/;
      print scalar(grep { !/^$white*$/ } split(/\n/, $text, -1))' in.bin)
    table in.bin
    expect_ok in.bin
    expect_table in.bin.htm "$rows"
    expect_files in.bin in.bin.htm
    ;;

  nul_bytes)
    # Narrow text with NUL bytes: a NUL is not white space, so its lines are rows.
    bytes '105\x00\n\x00\n201\n' narrow.txt
    table narrow.txt
    expect_ok narrow.txt
    expect_table narrow.txt.htm 3
    # A zero second byte means UTF-16 without a mark.
    bytes '1\x000\x005\x00\n\x00' wide.txt
    table wide.txt
    expect_ok wide.txt
    expect_table wide.txt.htm 1
    expect_105_row wide.txt.htm
    expect_files narrow.txt narrow.txt.htm wide.txt wide.txt.htm
    ;;

  invalid_utf8)
    # A stray continuation byte, an overlong NUL, an encoded surrogate, a cut-off sequence:
    # each becomes U+FFFD and nothing is dropped.
    bytes '\xEF\xBB\xBF10\x805\n\xC0\x80\n\xED\xA0\x80\n105\n\xE2\x82' marked.txt
    table marked.txt
    expect_ok marked.txt
    expect_table marked.txt.htm 5
    expect_105_row marked.txt.htm
    [[ $(count $'\xEF\xBF\xBD' marked.txt.htm) -ge 4 ]] || fail "bad bytes were not replaced"
    bytes '105\xFF\xFE\n\xFD\n' unmarked.txt
    table unmarked.txt
    expect_ok unmarked.txt
    expect_table unmarked.txt.htm 2
    expect_files marked.txt marked.txt.htm unmarked.txt unmarked.txt.htm
    ;;

  odd_utf16)
    # The last byte of an odd-length UTF-16 file is not part of the text.
    bytes '\xFF\xFE1\x000\x005\x00\n\x00\x42' in.txt
    table in.txt
    expect_ok in.txt
    expect_table in.txt.htm 1
    expect_105_row in.txt.htm
    expect_files in.txt in.txt.htm
    ;;

  line_5mb)
    perl -e 'print "105" x (5 * 1024 * 1024 / 3), "\n"' >in.txt
    table in.txt
    expect_ok in.txt
    expect_table in.txt.htm 1
    [[ $(count '<td>-</td>' in.txt.htm) -eq 40 ]] || fail "a 5 MB code has a DD somewhere"
    expect_files in.txt in.txt.htm
    ;;

  blank_lines_1m)
    empty_table
    perl -e 'print "\xEF\xBB\xBF", map { ("\n", "\r\n", " \t\n", "\xC2\xA0\n")[$_ % 4] } 1 .. 1_000_000' >in.txt
    table in.txt
    expect_ok in.txt
    cmp -s in.txt.htm empty.htm || fail "blank lines gave rows"
    expect_files in.txt in.txt.htm empty.htm
    ;;

  input_is_folder)
    mkdir in.txt
    old_output in.txt.htm
    table in.txt
    expect_file_error
    expect_old_output in.txt.htm
    expect_files in.txt in.txt.htm
    ;;

  missing_input)
    old_output gone.txt.htm
    table gone.txt
    expect_file_error
    expect_old_output gone.txt.htm
    table nowhere/in.txt
    expect_file_error
    expect_files gone.txt.htm
    ;;

  non_ascii_name)
    name='Sprünge für Åsa 2021 – 3 m.txt'
    printf '105\n' >"$name"
    table "$name"
    expect_ok "$name"
    expect_table "$name.htm" 1
    expect_105_row "$name.htm"
    expect_files "$name" "$name.htm"
    ;;

  output_is_folder)
    printf '105\n' >in.txt
    mkdir in.txt.htm
    old_output in.txt.htm/keep
    table in.txt
    expect_file_error
    expect_old_output in.txt.htm/keep
    [[ $(ls -A in.txt.htm) == keep ]] || fail "files appeared in the folder in.txt.htm"
    expect_files in.txt in.txt.htm
    ;;

  full_file_system)
    if [[ $(id -u) -ne 0 ]]; then
      echo "SKIP: mounting a small tmpfs needs root"
      exit 77
    fi
    mkdir disk
    if ! mount -t tmpfs -o size=256k tmpfs disk 2>"$logs.mount"; then
      echo "SKIP: cannot mount a tmpfs here: $(cat "$logs.mount")"
      exit 77
    fi
    trap 'cd "$work" && umount disk' EXIT
    cd disk
    # 3,000 codes make a table of about 1.5 MB, far more than the 256 kB disk holds.
    perl -e 'print "105\n" x 3000' >in.txt
    old_output in.txt.htm
    table in.txt
    expect_file_error
    expect_old_output in.txt.htm
    expect_files in.txt in.txt.htm
    ;;

  *)
    fail "unknown case"
    ;;
esac
echo "ok: $case_name"
