#!/usr/bin/env bash
# Feeds merrith-cli results competitions that no recorder should write, and one far too big.
# Each gets a result or its errors with their lines (exit 1), never a crash, a hang or a
# silently wrong total. Exit 77 marks a case that cannot run here.
# Usage: bad_results_test.sh CASE WORKDIR CLI...  (CLI may start with an emulator, such as Wine)
set -euo pipefail

case_name=$1
work=$2/results_$case_name
cli=("${@:3}")
rm -rf "$work" && mkdir -p "$work" && cd "$work"
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL ($case_name): $*" >&2
  exit 1
}

# check WANTED_STATUS FILE [ARGS...]: runs results on FILE and wants that exit code.
check() {
  local wanted=$1 file=$2
  shift 2
  status=0
  timeout 120 "${cli[@]}" results "$@" "$file" >out 2>err || status=$?
  [[ $status -eq $wanted ]] || fail "exit $status, stderr: $(head -c 300 err)"
}

case $case_name in
  divers_10000)  # every diver's five dives recorded, all alike: one place for all 10,000
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
  divers_twice)  # a diver twice, dives out of order, awards off the scale: each named
    printf 'Event: women-1m\nPanel: 5\nDiver: A\n101B\n201B\nDiver: A\n101B\n' >in.txt
    printf 'Round 1 | A | 201B | 7 7 7 7 7\nRound 1 | A | 101B | 7 7 7 7 11\nRound 3 | A | 101B | 7 7 7 7 7\n' >>in.txt
    check 1 in.txt
    diff - err <<END || fail "not the errors expected"
merrith-cli: in.txt:6: A again, after line 3
merrith-cli: in.txt:8: A's dive in round 1 is 101B on the list, not 201B
merrith-cli: in.txt:9: 11 is no award: 0 to 10 in half points, - for a missing one
merrith-cli: in.txt:10: A's list has 2 dives: no round 3
END
    ;;
  csv_ragged)  # ragged rows and cells a spreadsheet would run: errors by line, or text
    printf 'diver,team,round,dive,height,dd,decision,J1,J2,J3\r\n' >in.csv
    printf '=HYPERLINK("http://x"),@SUM(A1),1,101B,1m,,,7,7,7\r\n' >>in.csv
    printf 'B,,1,101B,1m,,,7,7\r\n' >>in.csv
    printf 'C,,1,101B,1m,,,+7,7,7\r\n' >>in.csv
    check 1 in.csv
    diff - err <<END || fail "not the errors expected"
merrith-cli: in.csv:3: 9 fields, where the header has 10
merrith-cli: in.csv:4: +7: an award is 0 to 10 in half points, - for a missing one
END
    sed -i '3,4d' in.csv
    check 0 in.csv --csv
    grep -qF "\"'=HYPERLINK(\"\"http://x\"\")\",'@SUM(A1),1,101B,1m,1.3,,7.0,7.0,7.0" out ||
      fail "a formula-looking cell written bare: $(cat out)"
    ;;
  binary)  # random bytes: errors, a few named and the rest counted
    perl -e 'srand 1989; print map { chr int rand 256 } 1 .. 2**20' >in.txt
    check 1 in.txt
    [[ $(wc -l <err) -le 11 && -s err ]] || fail "not at most 11 lines of errors"
    ;;
  *)
    fail "no such case"
    ;;
esac
