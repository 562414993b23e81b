#!/usr/bin/env bash
# Feeds merrith-cli sheet (cases sheet_*) files that no editor should produce and a list far too
# long, and merrith-cli results (cases results_*) competitions that no recorder should write and
# one far too big, which draw, advance and judges (cases draw_*, advance_*, judges_*) also take. Each gets a clear answer, never a crash, a hang or a silently wrong total:
# the report with its exit code (3: the sheet breaks a rule), the results, or the file and why
# (1), the competition's errors with their lines (1). Exit 77 marks a case that cannot run here.
# Usage: bad_command_test.sh CASE WORKDIR CLI...  (CLI may start with an emulator, such as Wine)
set -euo pipefail

case_name=$1
command=${case_name%%_*}
work=$2/$case_name
cli=("${@:3}")
rm -rf "$work" && mkdir -p "$work" && cd "$work"
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL ($case_name): $*" >&2
  exit 1
}

# check WANTED_STATUS FILE [ARGS...]: runs the command on FILE and wants that exit code; a sheet
# that cannot be read names the file and why, and any other sheet's answer leaves stderr empty.
check() {
  local wanted=$1 file=$2
  shift 2
  status=0
  timeout 120 "${cli[@]}" "$command" "$@" "$file" >out 2>err || status=$?
  [[ $status -eq $wanted ]] || fail "exit $status, stderr: $(head -c 300 err)"
  [[ $command == sheet ]] || return 0
  if [[ $wanted -eq 1 ]]; then
    [[ $(cat out err) == "merrith-cli: cannot "* ]] || fail "no reason: $(head -c 300 out err)"
    return
  fi
  [[ ! -s err ]] || fail "stderr: $(head -c 300 err)"
}

json() {  # json PERL: the JSON answer reads back, and PERL holds for it as $j
  perl -MJSON::PP -0777 -e '$j = JSON::PP->new->decode(<STDIN>); exit !(eval $ARGV[0])' "$1" <out ||
    fail "the JSON fails $1"
}

case $case_name in
  sheet_binary)  # marked as UTF-8, mostly not valid UTF-8
    perl -e 'srand 1989; print "\xEF\xBB\xBF", map { chr int rand 256 } 1 .. 2**20' >in.bin
    check 3 in.bin --json
    json '!$j->{holds} && @{$j->{problems}} > 1000'
    ;;
  sheet_empty)
    : >in.txt
    check 3 in.txt --json
    json '$j->{problems}[0]{text} eq "no Event: line names the event" && !defined $j->{total_dd}'
    ;;
  sheet_folder)
    mkdir in.txt
    check 1 in.txt
    ;;
  sheet_fifo)  # a sheet is a regular file: a FIFO is refused at once, without a writer to wait for
    mkfifo in.txt
    check 1 in.txt
    grep -qx 'merrith-cli: cannot read in.txt: not a regular file' err || fail "$(head -c 300 err)"
    ;;
  sheet_long_lines)  # lines of 100,000 characters: a code, a line that is none, a dive of many words
    perl -e 'print "Event: men-3m\n", "1" x 1e5, "\n", "x" x 1e5, "\n", "105B", " 3m" x 33333, "\n"' >in.txt
    check 3 in.txt --json
    json '@{$j->{dives}} == 2 && $j->{problems}[0]{text} =~ /^1{15}… is not a dive: not a dive number$/'
    check 3 in.txt
    [[ $(wc -c <out) -lt 4000000 ]] || fail "a report of $(wc -c <out) bytes"
    ;;
  sheet_line_2gb)  # 2 GiB of one line, sparse where the file system allows
    truncate -s 2G in.txt 2>/dev/null || { echo "SKIP: no sparse file here"; exit 77; }
    check 1 in.txt
    rm in.txt
    ;;
  sheet_dives_1000)  # checked, not refused: too many dives, each number after the first repeated
    perl -e 'print "Event: women-3m\n", "105B 3m\n" x 1000' >in.txt
    check 3 in.txt --json
    json '@{$j->{dives}} == 1000 && grep { $_->{text} eq "too many dives: 1000, where the event has 5" } @{$j->{problems}}'
    ;;
  sheet_table_500_columns)  # a pasted table 500 columns wide: the columns not read are skipped
    perl -e 'print "Event: men-3m\n", join("\t", "Dive", "DD", map { "c$_" } 3 .. 500), "\n";
      print join("\t", $_, "", ("x") x 498), "\n" for qw(107B 205C 305C 405C 5253B 109C)' >in.txt
    check 0 in.txt --json
    json '$j->{holds} && @{$j->{dives}} == 6'
    ;;
  sheet_table_ragged)  # rows longer and shorter than the header: each cell past it named once a row
    perl -e 'print "Event: men-3m\nDive,Height,DD\n", "107B\n205C,3m,2.8,", "x," x 1000, "\n",
      ",,,,\n", "305C,3,2.8,,,,y\n"' >in.txt
    check 3 in.txt --json
    json '@{$j->{dives}} == 3 && 2 == grep { $_->{kind} eq "cell-outside-columns" } @{$j->{problems}}'
    json '$j->{problems}[0]{text} eq "x is beyond the 3 columns of the header row"'
    ;;
  sheet_table_header_only)  # a header row and nothing more: no dives, and a list too short
    printf 'Event: men-3m\nRound\tDive\tPosition\tHeight\tDD\n' >in.txt
    check 3 in.txt --json
    json '@{$j->{dives}} == 0 && $j->{problems}[0]{text} eq "too few dives: 0, where the event has 6"'
    ;;
  sheet_divers_1000)  # a team of 1,000 named, and lines naming the last of them and nobody known
    perl -e 'print "Event: mixed-team\nDivers: ", join(", ", map { "Diver $_ (" . ($_ % 2 ? "W" : "M") . ")" } 1 .. 1000), "\n",
      "105B Diver 999\n205C Diver 1000\n305C Diver 999 / Diver 1000\n405C Diver 1001\n5253B Diver 2\n614C ", "Diver 1 / " x 1000, "\n"' >in.txt
    check 3 in.txt --json --html page.htm
    json '@{$j->{divers}} == 1000 && (grep { $_->{kind} eq "too-many-divers" } @{$j->{problems}}) == 1 && $j->{problems}[0]{text} =~ /^Diver 1001 is not one of the divers \(Diver 1, .{1,60}\)$/'
    [[ $(grep -o '<div>Diver: ' page.htm | wc -l) -eq 1000 ]] || fail "not a signature line for each diver"
    ;;
  sheet_name_100k)  # a diver, a line's diver and a book of 100,000 characters each
    perl -e '$n = "A" x 1e5; print "Book: ", "b" x 1e5, "\nEvent: mixed-team\nDivers: $n (W), Ben (M)\n105B $n\n"' >in.txt
    check 3 in.txt --json
    json '$j->{problems}[0]{kind} eq "unknown-book" && length($j->{problems}[0]{text}) < 200'
    perl -e '$n = "A" x 1e5; print "Event: mixed-team\nDivers: $n (W), Ben (M)\n105B $n\n205C ", "B" x 1e5, "\n"' >in.txt
    check 3 in.txt --json
    json '(grep { $_->{kind} eq "unknown-diver" && $_->{line} == 4 && length($_->{text}) < 200 } @{$j->{problems}}) == 1'
    check 3 in.txt
    [[ $(wc -c <out) -lt 20000 ]] || fail "a report of $(wc -c <out) bytes"
    ;;
  results_divers_10000)  # every diver's five dives recorded, all alike: one place for all 10,000
    perl -e 'print "Event: women-1m\nPanel: 5\n";
      for $d (1 .. 10000) { print "Diver: D$d\n101B\n201B\n301B\n401B\n5132D\n" }
      for $r (0 .. 4) { $c = (qw(101B 201B 301B 401B 5132D))[$r];
        for $d (1 .. 10000) { printf "Round %d | D%d | %s | 7 7.5 7 6.5 7\n", $r + 1, $d, $c } }' >in.txt
    check 0 in.txt --json
    # 7 x 3 x (1.3 + 1.6 + 1.7 + 1.5 + 2.2) = 174.30 each.
    perl -MJSON::PP -0777 -e '$j = decode_json(<STDIN>); @s = @{$j->{standings}};
      exit !(@s == 10000 && !grep { $_->{place} != 1 || $_->{total} != 174.3 } @s)' <out ||
      fail "not 10,000 divers in first place with 174.30"
    ;;
  draw_divers_10000)  # 10,000 divers drawn and written back, each once, the seed on its line
    perl -e 'print "Event: women-1m\nPanel: 5\n"; for $d (1 .. 10000) { print "Diver: D$d\n101B\n" }' >in.txt
    check 0 in.txt --seed 7
    [[ $(grep -c '^Diver: D' in.txt) -eq 10000 && $(grep '^Diver: ' in.txt | sort -u | wc -l) -eq 10000 ]] ||
      fail "not 10,000 divers once each"
    grep -qx 'Draw: seed 7' in.txt || fail "no Draw: line"
    ;;
  advance_divers_10000 | judges_divers_10000)  # all alike: all tied for 1st go through; no rho
    perl -e 'print "Event: women-1m\nPanel: 5\n";
      for $d (1 .. 10000) { print "Diver: D$d\n101B\n" }
      for $d (1 .. 10000) { printf "Round 1 | D%d | 101B | 7 7.5 7 6.5 7\n", $d }' >in.txt
    if [[ $command == advance ]]; then
      check 0 in.txt --top 12 --seed 7 -o next.txt
      grep -q 'and with them all 10000 divers tied for 1st place (2.1.7)' out || fail "not all through: $(head -c 300 out)"
      [[ $(grep -c '^Diver: D' next.txt) -eq 10000 ]] || fail "not 10,000 divers in the next phase"
    else
      check 0 in.txt --json
      json '@{$j->{judges}} == 5 && $j->{judges}[3]{bias} == -0.63 && !defined $j->{judges}[0]{rho}'
    fi
    ;;
  results_divers_twice)  # a diver twice, dives out of order, awards off the scale: each named
    printf 'Event: women-1m\nPanel: 5\nDiver: A\n101B\n201B\nDiver: A\n101B\n' >in.txt
    printf 'Round 1 | A | 201B | 7 7 7 7 7\nRound 1 | A | 101B | 7 7 7 7 11\nRound 3 | A | 101B | 7 7 7 7 7\n' >>in.txt
    check 1 in.txt
    diff - err <<END || fail "not the errors expected"
merrith-cli: in.txt:6: A again, after line 3
merrith-cli: in.txt:8: A's dive in round 1 is 101B on the list, not 201B
merrith-cli: in.txt:9: 11 is no award: an award is 0 to 10 in half points, - for a missing one
merrith-cli: in.txt:10: A's list has 2 dives: no round 3
END
    ;;
  results_csv_ragged)  # ragged rows and cells a spreadsheet would run: errors by line, or text
    printf 'diver,team,round,dive,height,dd,decision,J1,J2,J3\r\n' >in.csv
    printf '=HYPERLINK("http://x"),@SUM(A1),1,101B,1m,,,7,7,7\r\n' >>in.csv
    printf 'B,,1,101B,1m,,,7,7\r\n' >>in.csv
    printf 'C,,1,101B,1m,,,+7,7,7\r\n' >>in.csv
    check 1 in.csv
    diff - err <<END || fail "not the errors expected"
merrith-cli: in.csv:3: 9 fields, where the header has 10
merrith-cli: in.csv:4: +7 is no award: an award is 0 to 10 in half points, - for a missing one
END
    sed -i '3,4d' in.csv
    check 0 in.csv --csv
    grep -qF "\"'=HYPERLINK(\"\"http://x\"\")\",'@SUM(A1),1,101B,1m,1.3,,,7.0,7.0,7.0" out ||
      fail "a formula-looking cell written bare: $(cat out)"
    ;;
  results_binary)  # random bytes: not UTF-8, said; errors, a few named and the rest counted
    perl -e 'srand 1989; print map { chr int rand 256 } 1 .. 2**20' >in.txt
    check 1 in.txt
    [[ $(wc -l <err) -le 12 && -s err ]] || fail "not at most 12 lines: a note and errors"
    grep -q "^merrith-cli: note: in.txt is not UTF-8: read as " err || fail "no note of the character set"
    ;;
  *)
    fail "no such case"
    ;;
esac
echo "ok: $case_name"
