#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "report/sheet_report.h"
#include "sheets/check_sheet.h"
#include "sheets/final_list.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// One built-in event of a book: a sheet that keeps its rules, with its total DD, and one that
// breaks them, with every problem as the report words it. Written from the rule book's table
// of events, the DDs from the printed tables.
struct EventCase {
  std::u16string_view Id;
  std::u16string_view Holds;
  std::string Total;
  std::u16string_view Breaks;
  std::vector<std::string> Problems;
};

// The events of the 2024 book: the 2017 lists with the 2024 rule numbers, and the mixed team
// events, whose lines each have a board and a role of their own. A Book: line overrides the
// book the caller asks for.
// clang-format off
const EventCase Cases2024[] = {
    {u"women-1m", u"101B\n201B\n301B\n401B\n5111A", "7.9",
     u"Book: fina-2017-2021\n101B\n101C\n201B\n301B\n5111A",
     {"Dive 2: the number 101 again, after dive 1 (D 3.3)",
      "List: dives from 4 groups (forward, back, reverse, twisting), where the event wants 5 or more (D 3.4.1)"}},
    {u"women-3m", u"105B\n203B\n303C\n403C\n5132D 2.1", "10.6",
     u"105B\n203B\n303C\n403C 2.3\n5132D",
     {"Dive 4: stated DD 2.3, by the formula 1.9 (4.9)"}},
    {u"men-1m", u"101B\n103B\n201B\n301B\n401B\n5111A", "9.6",
     u"101B\n103B\n201B\n301B\n401B\n624C",
     {"Dive 6: 624C has no DD at 1m: armstand dives are done from the platform (1.6.2-1.6.3)",
      "List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (3.4.2)"}},
    {u"men-3m", u"105B\n107C\n205C\n305C\n405C\n5253B", "16.9",
     u"105B\n107C\n205C\n305C\n405C\n5253B\n5132D",
     {"List: too many dives: 7, where the event has 6 (3.4.2)"}},
    {u"women-10m", u"105B\n205C\n305C\n405C\n614C", "12.4",
     u"105B\n205C 3m\n305C\n405C\n614C",
     {"Dive 2: 3m is not a height of this event (10m) (3.5.3)"}},
    {u"men-10m", u"107C\n207C\n307C\n407C\n5253B\n626C", "19.1",
     u"107C\n207C\n307C\n5253B\n5255B\n626C",
     {"List: dives from 5 groups (forward, back, reverse, twisting, armstand), where the event wants 6 or more (3.5.2)"}},
    {u"synchro-women-3m", u"101A\n201A\n303C\n403C\n5132D", "10.0",
     u"101A\n201A\n303C\n403C\n612B",
     {"Dive 5: 612B has no DD at 3m: armstand dives are done from the platform (1.6.2-1.6.3)",
      "List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (3.6.3)"}},
    {u"synchro-women-10m", u"101A\n201A\n305C\n405C\n614C", "11.4",
     u"101A\n201A\n305C\n305B\n614C",
     {"Dive 4: the number 305 again, after dive 3 (3.3)",
      "List: dives from 4 groups (forward, back, reverse, armstand), where the event wants 5 or more (3.6.3)"}},
    {u"synchro-mixed-3m", u"Diver: Ann Example / Ben Example\n101A Ann Example / Ben Example\n201A\n303C\n403C\n5132D", "10.0",
     u"Diver: Ann Example / Ben Example\n101A Ann Example / Cid Example\n201A\n303C\n403C\n5132D",
     {"Dive 1: Cid Example is not one of the divers (Ann Example, Ben Example)"}},
    {u"synchro-mixed-10m", u"101A\n201A\n305C\n405C\n614C", "11.4",
     u"101A\n201A\n305C\n405C\n614C 3m",
     {"Dive 5: 3m is not a height of this event (10m) (3.5.3)",
      "Dive 5: 614C has no DD at 3m: armstand dives are done from the platform (1.6.2-1.6.3)",
      "List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (3.6.3)"}},
    {u"synchro-men-3m", u"101A\n201A\n105B\n303C\n403C\n5132D", "12.4",
     u"101A\n201A\n105B\n303C\n403C\n5132D 2.0 pike",
     {"Dive 6: pike is not a height, a DD or the word limited (4.9)",
      "Dive 6: stated DD 2.0, by the formula 2.1 (4.9)"}},
    {u"synchro-men-10m", u"101A\n201A\n107C\n305C\n405C\n614C", "14.1",
     u"101A\n201A\n107C\n305C\n405C\n105B",
     {"List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (3.6.4)"}},
    {u"mixed-team", u"Divers: Ann Example (W), Ben Example (M), Cid Example (M)\n105B Ann Example\n205C Ben Example\n305C Ann Example / Cid Example\n405C Ann Example\n5253B Cid Example\n614C Ben Example / Ann Example", "15.8",
     u"Divers: Ann Example (W), Ben Example (M)\n105B Ben Example\n205C Ben Example\n614C 3m Ann Example / Ben Example\n405C\n5253B Ben Example\n305C 10m Ann Example",
     {"Dive 1: dived by Ben Example, where this dive is for a woman (3.7.4)",
      "Dive 3: 614C has no DD at 3m: armstand dives are done from the platform (1.6.2-1.6.3)",
      "Dive 6: dived by Ann Example, where this dive is for a mixed pair (3.7.4)",
      "List: dives from 5 groups (forward, back, reverse, inward, twisting), where the event wants 6 or more (3.7.3)"}},
    {u"ab-mixed-team", u"Divers: Ann Example (W), Bea Example (W), Ben Example (M)\n105B\n205C\n305C\n405C 7.5m\n5253B 10m\n614C 5m", "16.1",
     u"Divers: Ann Example (W), Bea Example (W), Cai Example (W), Dee Example (W), Eve Example (W)\n105B Ann Example\n205C Bea Example\n305C 10m Ann Example / Cai Example\n405C 7.5m Dee Example\n5253B 10m Eve Example\n614C 5m Ann Example",
     {"Dive 2: dived by Bea Example, where this dive is for a man (12.3.1.2.2)",
      "Dive 3: 10m is not a height of this dive of the list (3m) (12.3.1.2.2)",
      "Dive 3: dived by Ann Example / Cai Example, where this dive is for a mixed pair (12.3.1.2.2)",
      "Dive 5: dived by Eve Example, where this dive is for a man (12.3.1.2.2)",
      "Dive 6: dived by Ann Example, where this dive is for a mixed pair (12.3.1.2.2)",
      "List: 5 divers named, where at most 4 share the list (12.3.1.2.2)",
      "List: no man among the divers, where a team has a woman and a man at least (12.3.1.2.2)"}},
    {u"a-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n305C\n405C", "18.4",
     u"101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n303C\n203C",
     {"Dive 9: the number 203 again, after dive 7 (3.3)",
      "Dive 9: a second back dive among the free dives, after dive 7 (12.3.1.2.1)"}},
    {u"a-girls-3m", u"101A\n201B\n301B\n403B\n5132D\n105B\n203B\n305C\n405C", "19.6",
     u"101A\n201B\n301B\n403B\n5132D\n105B\n203B\n305C\n405C\n107B",
     {"List: too many dives: 10, where the event has 9 (12.3.1.2.1)",
      "List: no limited part leaves the free dives in different groups: 3 forward dives (12.3.1.2.1)"}},
    {u"a-girls-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C 10m", "14.9",
     u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C 12m",
     {"Dive 8: 12m is not a height of this event (5m, 7.5m, 10m) (12.3.1.2.1)",
      "Dive 8: 614C has no DD at 12m: a high dive enters the water feet first (1.6.2-1.6.3)"}},
    {u"a-boys-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\n5132D", "18.8",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\n5132D\n612B",
     {"Dive 11: 612B has no DD at 1m: armstand dives are done from the platform (1.6.2-1.6.3)",
      "List: too many dives: 11, where the event has 10 (12.3.1.2.1)"}},
    {u"a-boys-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\n5132D", "18.6",
     u"105B limited\n203B limited\n303C limited\n403C limited\n5132D limited\n101C\n201C\n301C\n401C\n5121D",
     {"List: the limited dives add up to 10.6, over the cap of 9.5 (12.3.1.2.1)"}},
    {u"a-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n305C 10m\n5132D 10m\n614C 10m", "17.7",
     u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n305C 10m\n5132D 10m\n405C 10m",
     {"List: dives from 5 groups (forward, back, reverse, inward, twisting), where the event wants 6 or more (12.3.1.2.1)"}},
    {u"b-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.4",
     u"Coach: Dee Example\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C",
     {"Line 2: Coach: is no heading of a sheet (Book:, Event:, Diver:, Divers: or Height:)"}},
    {u"b-girls-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.6",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n301B",
     {"Dive 8: the number 301 again, after dive 3 (3.3)"}},
    {u"b-girls-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n5132D 10m\n614C 10m\n105B 10m", "12.2",
     u"Book: world-aquatics-2025\n101C 5m\n201C 5m\n301C 5m\n401C 5m\n5132D 10m\n614C 10m\n105B 10m",
     {"Line 2: no rule book has the id world-aquatics-2025: the books are world-aquatics-2024, fina-2017-2021"}},
    {u"b-boys-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C", "16.6",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C",
     {"List: too few dives: 8, where the event has 9 (12.3.2.2.1)"}},
    {u"b-boys-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C", "16.5",
     u"105B limited\n203B limited\n303C limited\n403C limited\n5132D limited\n101C\n201C\n301C\n401C",
     {"List: the limited dives add up to 10.6, over the cap of 9.5 (12.3.2.2.1)"}},
    {u"b-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C 10m", "14.9",
     u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C",
     {"Dive 8: no height: add one to the line or a Height: line (4.9)"}},
    {u"c-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B", "12.3",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n203B 1.7",
     {"Dive 7: stated DD 1.7, by the formula 2.3 (4.9)"}},
    {u"c-girls-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B", "12.6",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C",
     {"List: too many dives: 8, where the event has 7 (12.3.3.2.1)"}},
    {u"c-girls-platform", u"101C 5m\n201C 5m\n301C 7.5m\n401C 7.5m\n105B 7.5m\n5132D 7.5m", "10.3",
     u"101C 5m\n201C 5m\n301C 7.5m\n401C 7.5m\n105B 7.5m\n5132D 10m",
     {"Dive 6: 10m is not a height of this event (5m, 7.5m) (12.3.3.2.1)"}},
    {u"c-boys-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.4",
     u"101C\n201C\n301C\n401C\n5121D\n105B\n101B\n303C",
     {"Dive 7: the number 101 again, after dive 1 (3.3)",
      "List: no limited part leaves the free dives in different groups: 3 forward dives (12.3.3.2.1)"}},
    {u"c-boys-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.6",
     u"101C limited\n201C limited\n301C limited\n401C limited\n105B\n203B\n303C\n5121D",
     {"List: 4 dives marked limited, where the limited part has 5 (12.3.3.2.1)"}},
    {u"c-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 7.5m\n205C 7.5m\n5132D 7.5m", "13.0",
     u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 7.5m\n205C 7.5m\n5132D 7.5m\n614C 7.5m",
     {"List: too many dives: 8, where the event has 7 (12.3.3.2.1)"}},
    {u"ab-synchro-3m", u"101A\n201A\n105B\n303C\n5132D", "10.5",
     u"Diver: Ann Example / Bea Example\n101A\n201A\n105B Bea Example\n303C Ann Example / Bea Example\n5132D Ann Example / Bea Example / Cai Example",
     {"Dive 5: Cai Example is not one of the divers (Ann Example, Bea Example)"}},
    {u"ab-synchro-platform", u"101A 5m\n201A 5m\n105B 10m\n305C 10m\n614C 10m", "11.2",
     u"101A 5m\n201A 5m\n105B 10m\n305C 10m\n614C 10m 2.0",
     {"Dive 5: stated DD 2.0, by the formula 2.1 (4.9)"}},
};
// clang-format on

// clang-format off
const EventCase Cases2017[] = {
    {u"women-1m",  u"105B\n203B\n303C\n403C\n5132D", "11.4",
                   u"105B\n105C\n203B\n303C\n5132D",
                   {"Dive 2: the number 105 again, after dive 1 (D 3.3)",
                    "List: dives from 4 groups (forward, back, reverse, twisting), where the event wants 5 or more (D 3.4.1)"}},
    {u"women-3m",  u"105B 2.4\n203B\n303C\n403C\n5132D", "10.6",
                   u"105B\n5253B\n305C\n405C\n5132D",  // 5253B is a twisting dive
                   {"List: dives from 4 groups (forward, reverse, inward, twisting), where the event wants 5 or more (D 3.4.1)"}},
    {u"men-1m",    u"105B\n107C\n203B\n303C\n403C\n5132D", "14.4",
                   u"105B\n107C\n203B\n303C\n403C\n612B",
                   {"Dive 6: 612B has no DD at 1m: armstand dives are done from the platform (D 1.6.2-1.6.3)",
                    "List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (D 3.4.2)"}},
    {u"men-3m",    u"105B\n107C\n203B\n303C\n403C\n5132D", "13.4",
                   u"105B\n203B\n303C\n403C\n5132D",
                   {"List: too few dives: 5, where the event has 6 (D 3.4.2)"}},
    {u"women-10m", u"105B\n205C\n305C\n405C\n614C", "12.4",
                   u"105B 7.5m\n205C\n305C\n405C\n614C",
                   {"Dive 1: 7.5m is not a height of this event (10m) (D 3.5.3)"}},
    {u"men-10m",   u"105B\n205C\n305C\n405C\n5253B\n614C", "15.6",
                   u"105E\n205C\n305C\n405C\n5253B\n614C",
                   {"Dive 1: 105E is not a dive: no such position at this height (D 1.6.2-1.6.3)",
                    "List: dives from 5 groups (back, reverse, inward, twisting, armstand), where the event wants 6 or more (D 3.5.2)"}},
    // The first two rounds count 2.0 whatever the dive; 2.0 or the formula's DD may be stated.
    {u"synchro-women-3m",  u"101A 2.0\n201A 1.9\n305C 2.8\n405C 2.7\n5132D 2.1", "11.6",
                           u"101A\n201A\n305C 2.9\n405C\n5132D",
                           {"Dive 3: stated DD 2.9, by the formula 2.8 (D 4.9)"}},
    {u"synchro-women-10m", u"101A\n201A\n305C\n405C\n614C", "11.4",
                           u"101A\n201A\n305C\n405C\n614C\n5253B",
                           {"List: too many dives: 6, where the event has 5 (D 3.6.3)"}},
    {u"synchro-mixed-3m",  u"105B\n203B\n303C\n403C\n5132D", "10.0",
                           u"105B pike\n203B\n303C\n403C\n5132D",
                           {"Dive 1: pike is not a height, a DD or the word limited (D 4.9)"}},
    {u"synchro-mixed-10m", u"105B\n205C\n305C\n405C\n614C", "11.4",
                           u"5150B\n205C\n305C\n405C\n614C",
                           {"Dive 1: 5150B is not a dive: a twisting dive without a twist (D 1.6.2-1.6.3)",
                            "List: dives from 4 groups (back, reverse, inward, armstand), where the event wants 5 or more (D 3.6.3)"}},
    {u"synchro-men-3m",    u"105B\n107C\n203B\n303C\n403C\n5132D", "12.2",
                           u"105B\n107C\n10(7)B\n303C\n403C\n5132D",
                           {"Dive 3: the number 107 again, after dive 2 (D 3.3)",
                            "List: dives from 4 groups (forward, reverse, inward, twisting), where the event wants 5 or more (D 3.6.4)"}},
    {u"synchro-men-10m",   u"105B\n107C\n205C\n305C\n405C\n614C", "14.1",
                           u"105B limited\n107C\n205C\n305C\n405C\n614C",
                           {"Dive 1: marked limited, but the event has no limited part (D 3.6.4)"}},
    // Age groups: unmarked lists are split by the checker, marked ones checked as marked. The
    // limited parts of a-girls-3m and b-boys-1m meet their caps exactly.
    {u"a-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n305C\n405C", "18.4",
                    u"105B limited\n203B limited\n303C limited\n403C limited\n5132D limited\n101C\n201C\n301C\n401C",
                    {"List: the limited dives add up to 11.4, over the cap of 9.0 (DAG 3.1.2)"}},
    {u"a-girls-3m", u"101A limited\n201B limited\n301B limited\n403B limited\n5132D limited\n105B\n203B\n305C\n405C", "19.6",
                    u"105B\n205C\n305C\n405C\n5253B\n107C\n203B\n303C\n403B",
                    {"List: no limited part keeps within the cap of 9.5: the least 5 dives that fit add up to 12.1 (DAG 3.1.2)"}},
    {u"a-girls-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C 10m", "14.9",
                          u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n305C 10m\n405C 10m",
                          {"List: dives from 4 groups (forward, back, reverse, inward), where the event wants 5 or more (DAG 3.1.2)"}},
    {u"a-boys-1m",  u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\n5132D", "18.8",
                    u"101C limited\n201C limited\n301C limited\n401C limited\n5121D\n105B\n203B\n303C\n403C\n5132D",
                    {"Dive 10: a second twisting dive among the free dives, after dive 5 (DAG 3.1.2)",
                     "List: 4 dives marked limited, where the limited part has 5 (DAG 3.1.2)"}},
    {u"a-boys-3m",  u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\n5132D", "18.6",
                    u"101C limited\n103B limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n303C\n403C\n5132D",
                    {"Dive 2: a second forward dive in the limited part, after dive 1 (DAG 3.1.2)"}},
    {u"a-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n305C 10m\n5132D 10m\n614C 10m", "17.7",
                         u"101C 5m\n103B 5m\n105B 10m\n201C 5m\n301C 5m\n401C 5m\n5132D 10m\n614C 10m\n205C 10m",
                         {"List: no limited part leaves the free dives in different groups: 3 forward dives (DAG 3.1.2)"}},
    {u"b-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.4",
                    u"Coach: Dee\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C",
                    {"Line 2: Coach: is no heading of a sheet (Book:, Event:, Diver:, Divers: or Height:)"}},
    {u"b-girls-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.6",
                    u"101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n107C\n303C",
                    {"Dive 7: a second forward dive among the free dives, after dive 6 (DAG 3.2.2)"}},
    {u"b-girls-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n5132D 10m\n614C 10m\n105B 10m", "12.2",
                          u"101C 5m\n201C\n301C 5m\n401C 5m\n5132D 10m\n614C 10m\n105B 10m",
                          {"Dive 2: no height: add one to the line or a Height: line (D 4.9)"}},
    {u"b-boys-1m",  u"102A limited\n202A limited\n301A limited\n401A limited\n5231D limited\n105B\n203B\n303C\n403C", "18.2",
                    u"102A limited\n202A limited\n301A limited\n401A limited\n5231D limited\n105B\n203B\n303C\n614C",
                    {"Dive 9: 614C has no DD at 1m: armstand dives are done from the platform (D 1.6.2-1.6.3)"}},
    {u"b-boys-3m",  u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C", "16.5",
                    u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C\nHeight: 3m",
                    {"Line 11: Height: goes before the first dive"}},
    {u"b-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 10m\n205C 10m\n5132D 10m\n614C 10m", "14.9",
                         u"101C 5m\n105B 10m\n201C 5m\n205C 10m\n301C 5m\n305C 10m",
                         {"List: too few dives: 6, where the event has 8 (DAG 3.2.2)",
                          "List: dives from 3 groups (forward, back, reverse), where the event wants 5 or more (DAG 3.2.2)",
                          "List: no 4 dives from different groups make a limited part: the dives are from 3 groups (DAG 3.2.2)"}},
    {u"c-girls-1m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B", "12.3",
                    u"Height: 4m\n101C\n201C\n301C\n401C\n5121D\n105B\n203B",
                    {"Line 2: 4m is not a height (1m 3m 5m 7.5m 10m 12m 15m 20m 27m)"}},
    {u"c-girls-3m", u"101C\n201C\n301C\n401C\n5121D\n105B\n203B", "12.6",
                    u"101C 3m 3m\n201C\n301C\n401C\n5121D\n105B\n203B",
                    {"Dive 1: a second height on the line: 3m (D 4.9)"}},
    {u"c-girls-platform", u"101C 5m\n201C 5m\n301C 7.5m\n401C 7.5m\n105B 7.5m\n5132D 7.5m", "10.3",
                          u"101C 5m\n201C 5m\n301C 7.5m\n401C 7.5m\n105B 10m\n5132D 7.5m",
                          {"Dive 5: 10m is not a height of this event (5m, 7.5m) (DAG 3.3.2)"}},
    {u"c-boys-1m",  u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.4",
                    u"101C\n201C\n301C\n401C\n5121D\n105B 2,4\n203B\n303C",
                    {"Dive 6: stated DD 2.4, by the formula 2.6 (D 4.9)"}},
    {u"c-boys-3m",  u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C", "14.6",
                    u"101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\nthe end",
                    {"Line 10: not a dive: the end (D 4.9)"}},
    {u"c-boys-platform", u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105B 7.5m\n205C 7.5m\n5132D 7.5m", "13.0",
                         u"101C 5m\n201C 5m\n301C 5m\n401C 5m\n105D 7.5m\n205C 7.5m\n5132D 7.5m",
                         {"Dive 5: 105D has no DD at 7.5m: free position is only for twisting dives (D 1.6.2-1.6.3)"}},
    {u"ab-synchro-3m",       u"101A\n201A\n105B\n303C\n5132D", "10.5",
                             u"101A\n201A\n105B\n203B\n5132D",
                             {"List: dives from 3 groups (forward, back, twisting), where the event wants 4 or more (DAG 3.1.2)"}},
    {u"ab-synchro-platform", u"101A 5m\n201A 5m\n105B 10m\n305C 10m\n614C 10m", "11.2",
                             u"Event: ab-synchro-platform\n101A 5m\n201A 5m\n105B 10m\n305C 10m\n614C 10m",
                             {"Line 2: a second Event: line, after line 1"}},
};
// clang-format on

std::vector<std::string> ProblemLines(const CheckedSheet& Sheet) {
  std::vector<std::string> Lines;
  for (const Problem& P : Sheet.Problems) Lines.push_back(ToUtf8(ProblemLine(P, Sheet)));
  return Lines;
}

CheckedSheet Checked(std::u16string_view Book, std::u16string_view Id, std::u16string_view Dives,
                     CheckParts Parts = {}) {
  static const EventBook Events = BuiltInEvents();
  return CheckSheet(ReadSheet(u"Event: " + std::u16string(Id) + u"\n" + std::u16string(Dives)),
                    Events, Book, Parts);
}

TEST(CheckSheet, HoldsAndBreaksTheRulesOfEveryBuiltInEvent) {
  const struct {
    std::u16string_view Book;
    std::span<const EventCase> Cases;
  } Books[] = {
      {u"world-aquatics-2024", Cases2024},
      {     u"fina-2017-2021", Cases2017}
  };
  const EventBook Events = BuiltInEvents();
  for (const auto& [Book, Cases] : Books) {
    // As a competition checks its lists: no dive named, each read once for every list.
    DiveReadings Readings;
    const CheckParts Lean{.Names = false, .Readings = &Readings};
    std::size_t InBook = 0;
    for (const Event& E : Events.Events) InBook += E.Book == Book ? 1u : 0u;
    EXPECT_EQ(Cases.size(), InBook) << ToUtf8(Book);
    for (const EventCase& C : Cases) {
      ASSERT_NE(Events.Find(C.Id, Book), nullptr) << ToUtf8(C.Id);
      const CheckedSheet Holding = Checked(Book, C.Id, C.Holds);
      EXPECT_EQ(ProblemLines(Holding), std::vector<std::string>{}) << ToUtf8(C.Id);
      EXPECT_EQ(Holding.Total ? ToUtf8(TenthsText(*Holding.Total)) : "none", C.Total)
          << ToUtf8(C.Id);
      EXPECT_EQ(ProblemLines(Checked(Book, C.Id, C.Breaks)), C.Problems) << ToUtf8(C.Id);
      for (const std::u16string_view Dives : {C.Holds, C.Breaks, C.Holds}) {
        const CheckedSheet Whole = Checked(Book, C.Id, Dives);
        const CheckedSheet Unnamed = Checked(Book, C.Id, Dives, Lean);
        EXPECT_EQ(ProblemLines(Unnamed), ProblemLines(Whole)) << ToUtf8(Dives);
        EXPECT_EQ(Unnamed.Total, Whole.Total) << ToUtf8(Dives);
        for (std::size_t I = 0; I < Whole.Dives.size(); ++I) {
          EXPECT_EQ(Unnamed.Dives[I].Counted, Whole.Dives[I].Counted) << ToUtf8(Dives);
          EXPECT_EQ(Unnamed.Dives[I].Number, Whole.Dives[I].Number) << ToUtf8(Dives);
          EXPECT_FALSE(Unnamed.Dives[I].Name);
        }
      }
    }
  }
}

// A team's Divers: line as coaches may get it wrong: a mark without a name, a name without a
// mark (which no line's role can then be checked by), marks in lower case.
TEST(CheckSheet, ReadsATeamsDiversAndNamesTheirFaults) {
  const CheckedSheet Sheet =
      Checked(u"world-aquatics-2024", u"mixed-team",
              u"Divers: Ann Example (w), Ben Example, (M)\n105B Ann Example\n205C Ben Example\n"
              u"305C Ann Example / ben example\n405C Ann Example\n5253B\n614C");
  EXPECT_EQ(
      ProblemLines(Sheet),
      (std::vector<std::string>{
          "Line 2: (M) without a name before it",
          "Line 2: Ben Example: add (W) for a woman or (M) for a man (3.7.3)",
          "Dive 2: dived by Ben Example, where this dive is for a man (3.7.4)",
          "Dive 3: dived by Ann Example / Ben Example, where this dive is for a mixed pair (3.7.4)",
          "List: no man among the divers, where a team has a woman and a man at least (3.7.3)"}));
  EXPECT_EQ(ToUtf8(UnnamedText(Sheet)), "dives 5, 6 name nobody: who dives them is not checked");
}

// An event named by its id or its title is checked; one named near either is not, and the
// problem says which was likely meant; a title two events share names none, but the first.
TEST(CheckSheet, FindsTheEventByItsIdOrTitleAndSaysWhichANearMissMeans) {
  struct Named {
    std::u16string_view Written;
    std::string Event;
    std::vector<std::string> Problems;
  };
  // clang-format off
  const Named Names[] = {
      {u"MEN-3M",                "Men 3 m springboard (men-3m)", {}},
      {u"men 3 m  Springboard",  "Men 3 m springboard (men-3m): the sheet names it by its title", {}},
      {u"Men 3m",                "Men 3m (no such event)",
       {"Line 1: no event 'Men 3m': did you mean men-3m (Men 3 m springboard)?"}},
      {u"Womens 3m springboard", "Womens 3m springboard (no such event)",
       {"Line 1: no event 'Womens 3m springboard': did you mean women-3m (Women 3 m springboard)?"}},
      {u"girls group a 1",       "girls group a 1 (no such event)",
       {"Line 1: no event 'girls group a 1': did you mean a-girls-1m (Girls Group A 1 m springboard)?"}},
      {u"Twin 3 m springboard",  "Twin 3 m springboard (no such event)",
       {"Line 1: no event 'Twin 3 m springboard': did you mean twin-a (Twin 3 m springboard)?"}},
      {u"mn",                    "mn (no such event)", {"Line 1: no event has the id mn"}},
  };
  // clang-format on
  EventBook Book = BuiltInEvents();
  AddRulesText(Book, u"twins.toml",
               "[[event]]\nid = \"twin-a\"\ntitle = \"Twin 3 m springboard\"\nheights = [\"3m\"]\n"
               "dives = 1\n[[event]]\nid = \"twin-b\"\ntitle = \"Twin 3m springboard\"\n"
               "heights = [\"3m\"]\ndives = 1\n");
  for (const Named& C : Names) {
    const CheckedSheet Sheet =
        CheckSheetText(u"Event: " + std::u16string(C.Written) + u"\n105B 3m", Book);
    EXPECT_EQ(ToUtf8(SheetEventText(Sheet)), C.Event) << ToUtf8(C.Written);
    std::vector<std::string> Lines = ProblemLines(Sheet);
    if (Sheet.Rules) Lines.clear();  // the list's own problems are another test's
    EXPECT_EQ(Lines, C.Problems) << ToUtf8(C.Written);
  }
}

// A Junior Worlds final's list holds the free dives alone and none of the preliminary's limited
// part, as marked or as the checker found it; a preliminary without one is said to be so.
TEST(CheckAgainstPreliminary, RefusesTheLimitedDivesOfThePreliminaryInTheFinal) {
  struct Final {
    std::u16string_view Preliminary;
    std::u16string_view Final;
    std::vector<std::string> Problems;
  };
  // clang-format off
  const Final Finals[] = {
      {u"Event: a-girls-3m\n101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n305C\n405C",
       u"Event: a-girls-3m\n105B\n203B\n305C\n405C", {}},
      {u"Event: a-girls-3m\n101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n305C\n405C",
       u"Event: a-girls-3m\n105B\n201B\n305C\n5121D\n405C",
       {"Dive 2: 201 was dived in the preliminary's limited part (line 3 of the preliminary), which a final may not use again (12.4.5.1)",
        "Dive 4: 5121 was dived in the preliminary's limited part (line 6 of the preliminary), which a final may not use again (12.4.5.1)",
        "List: too many dives: 5, where the event has 4 (12.3.1.2.1)"}},
      {u"Event: b-boys-1m\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C",
       u"Event: b-boys-1m\n105B\n203B\n301C\n403C",
       {"Dive 3: 301 was dived in the preliminary's limited part (line 4 of the preliminary), which a final may not use again (12.4.5.1)"}},
      {u"Event: b-boys-3m\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C",
       u"Event: b-boys-1m\n105B\n203B\n303C\n403C",
       {"List: the preliminary has no limited part to check the final against: it is of another event (12.4.5.1)"}},
      {u"Event: men-3m\n105B", u"Event: men-3m\n105B\n203B\n303C\n403C\n5132D\n107C",
       {"List: the preliminary has no limited part to check the final against: its event has none (12.4.5.1)"}},
  };
  // clang-format on
  const EventBook Book = BuiltInEvents();
  const EventBook FinalEvents = FinalBook(Book);
  for (const Final& C : Finals) {
    CheckedSheet Checked = CheckSheetText(C.Final, FinalEvents);
    CheckAgainstPreliminary(Checked, CheckSheetText(C.Preliminary, Book));
    EXPECT_EQ(ProblemLines(Checked), C.Problems) << ToUtf8(C.Final);
  }
}

}  // namespace
}  // namespace merrith
