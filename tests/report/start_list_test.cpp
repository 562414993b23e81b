#include "report/start_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/utf8.h"

namespace merrith {
namespace {

// A final of two: a diver with a club, one who did not start (a name to escape), two reserves.
constexpr std::u16string_view Final =
    u"Event: women-1m\nPanel: 5\nMeet: County championships | 3 June 2024\nPhase: final\n"
    u"Draw: seed 7\nReserve: Kim Example | Lakeside\nReserve: Lu Example\n"
    u"Diver: Ann Example\nTeam: Riverside\n101B\n5132D\n"
    u"Diver: Bea \"B\" <Example>\n101C\n201C\n"
    u"Did not start: Bea \"B\" <Example>\n";

Competition Read(std::u16string_view Text) {
  const CompetitionRead R = ReadCompetitionText(Text, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  return R.Read;
}

TEST(StartListReport, ListsEachDiverInOrderWithTheDivesInWords) {
  EXPECT_EQ(ToUtf8(StartListReport(Read(Final))),
            "Event:   Women 1 m springboard (women-1m), world-aquatics-2024\n"
            "Meet:    County championships, 3 June 2024\n"
            "Phase:   final\n"
            "Draw:    seed 7\n"
            "Panel:   5 judges\n"
            "Divers:  2\n"
            "\n"
            "1. Ann Example, Riverside\n"
            "    Round  Dive                                   Position  Height   DD\n"
            "        1  101B   Forward Dive                    Pike      1m      1.3\n"
            "        2  5132D  Forward 1\u00BD Somersaults 1 Twist  Free      1m      2.2\n"
            "                  Total DD                                          3.5\n"
            "\n"
            "2. Bea \"B\" <Example> (did not start)\n"
            "    Round  Dive                Position  Height   DD\n"
            "        1  101C  Forward Dive  Tuck      1m      1.2\n"
            "        2  201C  Back Dive     Tuck      1m      1.5\n"
            "                 Total DD                        2.7\n"
            "\n"
            "Reserves (2.1.6): Kim Example, Lakeside; Lu Example\n");
}

TEST(StartListJson, GivesEachDiversDivesAndTheReserves) {
  EXPECT_EQ(StartListJson(Read(Final)),
            "{\"event\":\"women-1m\",\"book\":\"world-aquatics-2024\",\"meet\":\"County "
            "championships\",\"date\":\"3 June 2024\",\"phase\":\"final\",\"draw\":7,\"divers\":["
            "{\"order\":1,\"diver\":\"Ann Example\",\"team\":\"Riverside\",\"status\":\"ok\","
            "\"dives\":[{\"round\":1,\"dive\":\"101B\",\"position\":\"Pike\",\"height\":\"1m\","
            "\"dd\":1.3},{\"round\":2,\"dive\":\"5132D\",\"position\":\"Free\",\"height\":\"1m\","
            "\"dd\":2.2}],\"total_dd\":3.5},"
            "{\"order\":2,\"diver\":\"Bea \\\"B\\\" <Example>\",\"team\":null,\"status\":\"dns\","
            "\"dives\":[{\"round\":1,\"dive\":\"101C\",\"position\":\"Tuck\",\"height\":\"1m\","
            "\"dd\":1.2},{\"round\":2,\"dive\":\"201C\",\"position\":\"Tuck\",\"height\":\"1m\","
            "\"dd\":1.5}],\"total_dd\":2.7}],"
            "\"reserves\":[{\"diver\":\"Kim Example\",\"team\":\"Lakeside\"},"
            "{\"diver\":\"Lu Example\",\"team\":null}]}\n");
}

// The page: one table whose heading row repeats on every sheet, each diver's rows a body kept
// on one sheet; the meet and the event in the margins, a name that could end the style shown
// as typed.
TEST(StartListPage, KeepsEachDiverOnOneSheetUnderRepeatedHeadings) {
  std::u16string Text(Final);
  Text.replace(Text.find(u"County"), 6, u"\"Quoted\" </style> \\ County");
  const std::string Page = ToUtf8(StartListPage(Read(Text)));
  EXPECT_NE(Page.find("@top-left { content: \"\\22 Quoted\\22  \\3C /style> \\5C  County "
                      "championships, 3 June 2024\"; font-size: 10pt; }"),
            std::string::npos)
      << Page;
  EXPECT_NE(Page.find("@top-right { content: \"Women 1 m springboard, Final\";"),
            std::string::npos);
  EXPECT_EQ(Page.find("</style> \\"), std::string::npos);
  EXPECT_NE(Page.find("<thead><tr><th class=\"n\">Round</th><th>Dive</th><th>In words</th>"
                      "<th>Position</th><th>Height</th><th class=\"n\">DD</th></tr></thead>"),
            std::string::npos);
  EXPECT_NE(Page.find("<tbody>\n<tr><th class=\"who\" colspan=\"6\">2. Bea &quot;B&quot; "
                      "&lt;Example&gt; (did not start)</th></tr>\n<tr><td class=\"n\">1</td>"
                      "<td>101C</td><td>Forward Dive</td><td>Tuck</td><td>1m</td>"
                      "<td class=\"n\">1.2</td></tr>"),
            std::string::npos);
  EXPECT_NE(Page.find("table.list tbody { break-inside: avoid;"), std::string::npos);
}

}  // namespace
}  // namespace merrith
