#!/usr/bin/env bash
# merrith-cli from the draw to the final: the draw with a fixed seed (the same order on every
# system), the start list, the ranking after a round, the next phase of a preliminary of 20 with
# a tie at 12th, the judges' analysis; what each refuses, and the exit codes.
# Usage: cli_phases_test.sh [EMULATOR] MERRITH_CLI
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
source "$here/checks.sh"
export XDG_CONFIG_HOME="$work/config"

# The sample meet before its first dive, with a comment above one diver.
grep -v '^Round' "$here/../../docs/spring-meet.txt" |
  sed 's/^Diver: Cat Example$/# new this year\nDiver: Cat Example/' >"$work/meet.txt"

run draw --seed 42 "$work/meet.txt"
expect "draw: exit 0" test "$status" -eq 0
expect "draw: the order of seed 42, as on every system" test "$out" = "Event:   Women 1 m springboard (women-1m), world-aquatics-2024
Meet:    Riverside spring meet, 12 May 2024
Draw:    seed 42 (2.1.1)

Order  Diver        Team
    1  Jo Example   Lakeside
    2  Gil Example  Hilltop
    3  Hal Example  Seaview
    4  Kim Example  Hilltop
    5  Dee Example  Seaview
    6  Lu Example   Seaview
    7  Eve Example  Riverside
    8  Cat Example  Hilltop
    9  Ann Example  Riverside
   10  Ivy Example  Riverside
   11  Fay Example  Lakeside
   12  Bea Example  Lakeside"
expect "draw: written after the head" grep -qx 'Draw: seed 42' "$work/meet.txt"
expect "draw: the comment moves with its diver" grep -A1 -x '# new this year' "$work/meet.txt" | grep -qx 'Diver: Cat Example'
expect "draw: the file's order" test "$(grep '^Diver:' "$work/meet.txt" | head -n 2 | paste -sd '|')" = "Diver: Jo Example|Diver: Gil Example"
cp "$work/meet.txt" "$work/drawn.txt"
run draw --seed 42 "$work/meet.txt"
expect "draw again with the seed: the same file" cmp -s "$work/meet.txt" "$work/drawn.txt"
run draw "$work/meet.txt"
expect "draw without a seed: one from the system, shown" like "$status|$out" "0|*Draw:    seed [0-9]* (2.1.1)*"
cp "$work/drawn.txt" "$work/meet.txt"

# The start list, in starting order with the dives in words; its page; JSON.
run start-list --html "$work/start.htm" "$work/meet.txt"
expect "start list: exit 0" test "$status" -eq 0
expect "start list: the first diver and dive" like "$out" "*
1. Jo Example, Lakeside
    Round  Dive                                   Position  Height   DD
        1  101B   Forward Dive                    Pike      1m      1.3*"
expect "start list: the page" grep -qF '<th class="who" colspan="6">12. Bea Example, Lakeside</th>' "$work/start.htm"
run start-list --json "$work/meet.txt"
expect "start list: json" like "$out" '{"event":"women-1m","book":"world-aquatics-2024","meet":"Riverside spring meet","date":"12 May 2024","phase":null,"draw":42,"divers":[{"order":1,"diver":"Jo Example","team":"Lakeside","status":"ok","dives":[{"round":1,"dive":"101B","position":"Pike","height":"1m","dd":1.3},*'

# A preliminary of 20 on 3 judges, three rounds: each diver half a point below the one before,
# but the 13th awarded as the 12th.
{
  printf 'Event: women-1m\nPanel: 3\nPhase: preliminary\n'
  for i in $(seq -w 1 20); do printf 'Diver: Diver %s\nTeam: T%s\n101B\n201B\n301B\n' "$i" "$i"; done
  for round in 1 2 3; do
    dive=$(sed -n "${round}p" <<<$'101B\n201B\n301B')
    half=21
    for i in $(seq -w 1 20); do
      [[ $i == 13 ]] || half=$((half - 1))
      award="$((half / 2)).$((half % 2 * 5))"
      printf 'Round %s | Diver %s | %s | %s %s %s\n' "$round" "$i" "$dive" "$award" "$award" "$award"
    done
  done
} >"$work/prelim.txt"
run results --after-round 1 "$work/prelim.txt"
expect "after round 1: exit 0" test "$status" -eq 0
expect "after round 1: said" like "$out" "*Rounds:  After round 1 of 3. Rounds 1 to 3 are complete.*"
expect "after round 1: one round's column" like "$out" "*Place  Diver     Team  Total      1
    1  Diver 01  T01   39.00  39.00*"
run results --json --after-round 2 "$work/prelim.txt"
expect "after round 2: json" like "$out" '*"rounds_complete":2,*'
run results --after-round 4 "$work/prelim.txt"
expect "after round 4: none" test "$status|$out|$err" = "1||merrith-cli: no ranking after round 4: After round 3 of 3."

run advance --top 12 --seed 7 -o "$work/final.txt" "$work/prelim.txt"
expect "advance: exit 0" test "$status" -eq 0
expect "advance: the tie at 12th goes through" like "$out" "*Through: 13 of the 20 divers placed go through: the top 12, and with them both divers tied for 12th place (2.1.7).*"
expect "advance: reserves" like "$out" "*Reserves: Diver 14 (14th), Diver 15 (15th), called on in this order (2.1.6)*"
expect "advance: reverse order, the tie drawn" test "$(grep '^Diver:' "$work/final.txt" | head -n 4 | paste -sd '|')" = "Diver: Diver 12|Diver: Diver 13|Diver: Diver 11|Diver: Diver 10"
expect "advance: the head" like "$(tr '\n' '|' <"$work/final.txt")" "*|Panel: 3|Phase: final|Draw: seed 7|Reserve: Diver 14 | T14|Reserve: Diver 15 | T15||Diver: Diver 12|*"
run start-list "$work/final.txt"
expect "the final reads: exit 0" like "$status|$out" "0|*Phase:   final*Draw:    seed 7*1. Diver 12, T12*"
run advance --top 30 --seed 7 -o "$work/all.txt" "$work/prelim.txt"
expect "fewer than asked: all, said" like "$status|$out" "0|*Through: all 20 divers placed go through: fewer than 30.*"
run advance --top 12 -o "$work/final.txt" "$work/meet.txt"
expect "no round complete: said" test "$status|$err" = "1|merrith-cli: $work/meet.txt: no round is complete: the next phase goes by the standings of the rounds complete"
run advance --top 12 -o "$work/next.csv" "$work/prelim.txt"
expect "a spreadsheet as the next phase: refused" like "$status|$err" "1|merrith-cli: $work/next.csv: the next phase is written in text form*"
run advance --top 12 -o "$work/prelim.txt" "$work/prelim.txt"
expect "over its own preliminary: refused" like "$status|$err" "1|merrith-cli: will not write *"
cp "$work/prelim.txt" "$work/recorded.txt"
run advance --top 12 -o "$work/recorded.txt" "$work/prelim.txt"
expect "over a competition with dives: refused" like "$status|$err" "1|*holds a competition with 60 dives recorded: it is not written over"

# A draw once a dive is recorded is refused, the file left as it was.
run draw --seed 1 "$work/prelim.txt"
expect "draw with dives: refused" test "$status|$err" = "1|merrith-cli: $work/prelim.txt: the order is drawn before the first dive (2.1.1), and 60 dives are recorded"
expect "draw with dives: untouched" cmp -s "$work/prelim.txt" "$work/recorded.txt"
printf 'diver,round,dive,height,J1,J2,J3\nAl,1,101B,1m,,,\n' >"$work/sheet.csv"
run draw --seed 1 "$work/sheet.csv"
expect "draw of a spreadsheet: refused" like "$status|$err" "1|merrith-cli: $work/sheet.csv: a spreadsheet's starting order is the order of its rows*"

# The judges' analysis; none without a dive.
sed 's/^Panel: 3$/Panel: 3\nJudges: J1 Ann Judge (tea), J2 Bo Judge/' "$work/prelim.txt" >"$work/named.txt"
run judges --html "$work/judges.htm" "$work/named.txt"
expect "judges: exit 0" test "$status" -eq 0
expect "judges: a seat a line" like "$out" "*Seat  Judge      Nation  Awards  Mean  Bias  Spread  Far  High  Low    Rho  Own nation  Others
J1    Ann Judge  TEA         60  5.45  0.00    0.00    0     0    0  1.000           -    0.00
J2    Bo Judge               60  5.45  0.00    0.00    0     0    0  1.000
J3                           60  5.45  0.00    0.00    0     0    0  1.000*"
expect "judges: the page" grep -qF '<td>J1</td><td>Ann Judge</td><td>TEA</td>' "$work/judges.htm"
run judges --json "$work/named.txt"
expect "judges: json" like "$out" '*"judges":[{"seat":1,"role":"judge","name":"Ann Judge","nation":"TEA","awards":60,"mean":5.45,"bias":0.00,*'
run judges "$work/meet.txt"
expect "judges without dives: said" test "$status|$err" = "1|merrith-cli: $work/meet.txt: no dive is recorded: there are no awards to analyse"
printf 'Event: women-1m\nPanel: 5\nJudges: J6 Fay\nDiver: A\n101B\n' >"$work/six.txt"
run judges "$work/six.txt"
expect "a judge beyond the panel: named" test "$status|$err" = "1|merrith-cli: $work/six.txt:3: J6: a panel of 5 judges has the seats J1 to J5"

# Command lines not understood: exit 2.
for args in "draw --seed x $work/meet.txt" "draw --seed 18446744073709551616 $work/meet.txt" \
  "advance --top 0 -o $work/x.txt $work/prelim.txt" "advance -o $work/x.txt $work/prelim.txt" \
  "advance --top 12 $work/prelim.txt" "advance --top 12 --phase heats -o $work/x.txt $work/prelim.txt" \
  "results --after-round 0 $work/prelim.txt" "start-list" "judges a b"; do
  # shellcheck disable=SC2086
  run $args
  expect "'$args': exit 2" test "$status" -eq 2
done

exit $((failures > 0))
