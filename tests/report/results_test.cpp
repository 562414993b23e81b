#include <gtest/gtest.h>

#include <string>

#include "report/competition_faults.h"
#include "report/results_json.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "scoring/competition_csv.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// Three divers on 5 judges, two rounds recorded and the third begun: Cat and Ann tie, and
// Cat's list states a DD wrong.
constexpr std::u16string_view Meet =
    u"Event: women-1m\nPanel: 5\n"
    u"Diver: Ann Example\nTeam: Riverside\n101B\n201B\n301B\n401B\n5132D\n"
    u"Diver: Bea <Example>\n101C\n201C\n301C\n403C\n5132D\n"
    u"Diver: Cat Example\nTeam: =Lakeside, \"North\"\n101B 1.4\n201B\n301B\n401B\n5132D\n"
    u"Round 1 | Ann Example | 101B | 7.0 7.5 7.0 6.5 7.0\n"
    u"Round 1 | Bea <Example> | 101C | 6.5 7.0 - 7.0 6.0\n"
    u"Round 1 | Cat Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"
    u"Round 2 | Ann Example | 201B | 6.0 6.5 6.5 6.5 6.0 | restart\n"
    u"Round 2 | Bea <Example> | 201C | 8.0 8.0 8.0 8.0 8.0\n"
    u"Round 2 | Cat Example | 201B | 6.0 6.5 6.5 6.5 6.0 | restart\n"
    u"Round 3 | Bea <Example> | 301C | 8.0 8.0 8.0 8.0 8.0 | failed\n";

Competition Read() {
  const CompetitionRead R =
      ReadCompetitionText(u"Book: fina-2017-2021\n" + std::u16string(Meet), BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  return R.Read;
}

TEST(ResultsReport, ListsThePlacesOfTheRoundsCompleteAndTheListsProblems) {
  const Competition C = Read();
  EXPECT_EQ(ToUtf8(ResultsReport(C, RankCompetition(C))),
            "Event:   Women 1 m springboard (women-1m), fina-2017-2021\n"
            "Panel:   5 judges\n"
            "Rounds:  After round 2 of 5. Round 3: 1 of 3 dives recorded, not counted yet. "
            "Rounds 4 to 5 have no awards yet.\n"
            "\n"
            "The result, of the rounds complete:\n"
            "Place  Diver          Team                Total      1      2\n"
            "    1  Bea <Example>                      60.00  24.00  36.00\n"
            "    2  Ann Example    Riverside           48.10  27.30  20.80\n"
            "    2  Cat Example    =Lakeside, \"North\"  48.10  27.30  20.80\n"
            "\n"
            "Now, after the last dive recorded (the round under way does not count yet):\n"
            "Place  Diver          Team                Total  Last dive  Behind\n"
            "    1  Bea <Example>                      60.00       0.00\n"
            "    2  Ann Example    Riverside           48.10      20.80   11.90\n"
            "    2  Cat Example    =Lakeside, \"North\"  48.10      20.80   11.90\n"
            "\n"
            "The divers' lists and DDs:\n"
            "  Cat Example: line 19: stated DD 1.4, by the formula 1.3 (D 4.9)\n");
}

TEST(ResultsPage, ShowsEachDiverInPlaceOrderWithTheCancelledAwards) {
  const Competition C = Read();
  const std::string Page = ToUtf8(ResultsPage(C, RankCompetition(C)));
  const std::size_t Bea = Page.find("1. Bea &lt;Example&gt;");
  const std::size_t Ann = Page.find("2. Ann Example, Riverside");
  const std::size_t Cat = Page.find("2. Cat Example, =Lakeside, &quot;North&quot;");
  EXPECT_LT(Bea, Ann);
  EXPECT_LT(Ann, Cat);
  EXPECT_NE(Cat, std::string::npos);
  // Ann's first dive: 7.5 and 6.5 cancelled, 27.30; her second after the re-start, 20.80.
  EXPECT_NE(Page.find("<td class=\"n\">1.3</td><td class=\"n\">7.0</td><td class=\"n off\">(7.5)"
                      "</td><td class=\"n\">7.0</td><td class=\"n off\">(6.5)</td>"
                      "<td class=\"n\">7.0</td><td></td><td class=\"n\">27.30</td>"
                      "<td class=\"n\">27.30</td>"),
            std::string::npos);
  EXPECT_NE(Page.find("<td>restart</td><td class=\"n\">20.80</td><td class=\"n\">48.10</td>"),
            std::string::npos);
  // Bea's missing award stands for the others' average, 6.625 rounded to 6.5, marked.
  EXPECT_NE(Page.find("<td class=\"n\">6.5*</td>"), std::string::npos);
  EXPECT_EQ(Page.find("<b>"), std::string::npos);
}

// Every page opens with the standings at a glance (place, diver, team, total) before each
// diver's dives; the meet and the phase head the report and every printed sheet; before the
// first round is complete nobody has a place.
TEST(ResultsPage, OpensWithTheStandingsAtAGlance) {
  const CompetitionRead R = ReadCompetitionText(
      u"Meet: County | 3 June\nPhase: semi-final\n" + std::u16string(Meet), BuiltInEvents(), {});
  ASSERT_TRUE(R.Ok());
  const Competition& C = R.Read;
  const std::string Page = ToUtf8(ResultsPage(C, RankCompetition(C)));
  EXPECT_NE(Page.find("<h1>Results: Women 1 m springboard, Semi-final</h1>"), std::string::npos);
  EXPECT_NE(Page.find("<tr><th>Meet</th><td>County, 3 June</td></tr>\n"
                      "<tr><th>Phase</th><td>semi-final</td></tr>"),
            std::string::npos);
  EXPECT_NE(Page.find("@top-left { content: \"County, 3 June\";"), std::string::npos);
  const std::size_t Summary = Page.find(
      "<tbody>\n<tr><td class=\"n\">1</td><td>Bea &lt;Example&gt;</td><td></td>"
      "<td class=\"n\">60.00</td></tr>\n<tr><td class=\"n\">2</td><td>Ann Example</td>"
      "<td>Riverside</td><td class=\"n\">48.10</td></tr>");
  EXPECT_NE(Summary, std::string::npos);
  EXPECT_LT(Summary, Page.find("1. Bea &lt;Example&gt;"));
  const std::string Text = ToUtf8(ResultsReport(C, RankCompetition(C)));
  EXPECT_EQ(Text.substr(0, Text.find("Panel:")),
            "Event:   Women 1 m springboard (women-1m), world-aquatics-2024\n"
            "Meet:    County, 3 June\nPhase:   semi-final\n");
  Competition Fresh = C;
  Fresh.Recorded.clear();
  const std::string Before = ToUtf8(ResultsPage(Fresh, RankCompetition(Fresh)));
  EXPECT_NE(Before.find("<tr><td class=\"n\"></td><td>Bea &lt;Example&gt;</td>"),
            std::string::npos);
  EXPECT_NE(Before.find("\">Ann Example, Riverside</th>"), std::string::npos);
  EXPECT_EQ(Before.find("1. "), std::string::npos);
}

// The spreadsheet form reads back as the same standings, with the formula guard on the cells
// that start like one.
TEST(CompetitionCsv, ReadsBackAsTheSameStandings) {
  const Competition C = Read();
  const std::u16string Csv = CompetitionCsv(C);
  EXPECT_NE(Csv.find(u"\r\nCat Example,\"'=Lakeside, \"\"North\"\"\",1,101B,1m,1.3,,,7.0,7.0,7.0"),
            std::u16string::npos);
  EXPECT_NE(Csv.find(u"\r\nBea <Example>,,1,101C,1m,1.2,,,6.5,7.0,-,7.0,6.0\r\n"),
            std::u16string::npos);
  const CompetitionRead Again = ReadCompetitionCsv(Csv);
  ASSERT_TRUE(Again.Ok()) << ToUtf8(CompetitionErrorText(Again.Errors[0]));
  EXPECT_EQ(CompetitionCsv(Again.Read), Csv);
  const Standings A = RankCompetition(C);
  const Standings B = RankCompetition(Again.Read);
  ASSERT_EQ(A.Rows.size(), B.Rows.size());
  EXPECT_EQ(A.RoundsComplete, B.RoundsComplete);
  for (std::size_t I = 0; I < A.Rows.size(); ++I) {
    EXPECT_EQ(A.Rows[I].Total, B.Rows[I].Total);
    EXPECT_EQ(A.Rows[I].Place, B.Rows[I].Place);
  }
}

// A guest and the divers who stopped are listed after the placed divers, marked and said why;
// a DD a spreadsheet gives that does not count so is named; JSON gives each a status and every
// problem.
TEST(ResultsReport, MarksTheDiversNotPlacedAndNamesEveryProblem) {
  const CompetitionRead R = ReadCompetitionCsv(
      u"diver,round,dive,height,dd,status,J1,J2,J3\n"
      u"Ann,1,101B,1m,1.9,,7,7,7\nBea,1,101B,1m,,ooc,8,8,8\nCy,1,101B,1m,,dsq,,,\n"
      u"Ann,2,201B,1m,,,7,7,7\nBea,2,201B,1m,,,8,8,8\nCy,2,201B,1m,,,,,\n");
  ASSERT_TRUE(R.Ok()) << ToUtf8(CompetitionErrorText(R.Errors[0]));
  const Standings S = RankCompetition(R.Read);
  const std::string Text = ToUtf8(ResultsReport(R.Read, S));
  // Ann: 7.0 x 3 at the 1.9 given, then at 1.6; Bea is scored and has no place.
  EXPECT_NE(Text.find("Place  Diver  Total      1      2\n"
                      "    1  Ann    73.50  39.90  33.60\n"
                      "  OOC  Bea    69.60  31.20  38.40\n"
                      "  DSQ  Cy      0.00\n"),
            std::string::npos)
      << Text;
  EXPECT_NE(Text.find("Not placed:\n  Bea: out of competition: scored, not placed\n"
                      "  Cy: disqualified in round 1\n"),
            std::string::npos);
  EXPECT_NE(Text.find("  Ann: line 2: Ann, round 1: DD 1.9 given for 101B at 1m, which counts 1.3; "
                      "scored as given\n"),
            std::string::npos);
  const std::string Json = ResultsJson(R.Read, S);
  EXPECT_NE(Json.find("{\"place\":null,\"status\":\"ooc\",\"diver\":\"Bea\""), std::string::npos);
  EXPECT_NE(
      Json.find("\"problems\":[{\"diver\":\"Ann\",\"line\":2,\"kind\":\"stated-dd-not-counted\""),
      std::string::npos);
}

// Each fault is worded once, with what it is about; the clash says what changed and that
// nothing was written.
TEST(CompetitionFaultText, WordsFaultsWithWhatTheyAreAbout) {
  struct Case {
    CompetitionFault Why;
    FaultValues Values;
    std::string_view Text;
  };
  const Case Cases[] = {
      {  CompetitionFault::PanelNotOfEvent,
       {.Written = u"women-1m", .Count = 9},
       "9 judges do not judge women-1m: 3, 5 or 7 judges, 9 or 11 synchronised (5.2.1, 5.2.2)"},
      {CompetitionFault::GroupWithoutAward,
       {.Group = Seat::ExecutionDiver2},
       "no award from the judges of execution, diver 2: a missing award is made from the "
       "others of its group, and there are none (7.9, 7.10)"                                  },
      {       CompetitionFault::PairNotTwo,
       {.Diver = u"A / B / C", .Count = 3},
       "A / B / C: a synchronised pair is two divers, A / B; the row names 3"                 },
      {     CompetitionFault::HeaderColumn,
       {.Other = u"round", .Reason = u"round|rnd"},
       "the header row has no round column (headed round|rnd)"                                },
      {      CompetitionFault::StatusRound,
       {.Written = u"Disqualified"},
       "a status is written Disqualified: NAME | round N | reason"                            },
      {        CompetitionFault::NotUpNext,
       {.Diver = u"Lu", .Round = 2},
       "round 2 of Lu is not the dive up next"                                                },
  };
  for (const Case& C : Cases) EXPECT_EQ(ToUtf8(CompetitionFaultText(C.Why, C.Values)), C.Text);
  FileClash Clash;
  Clash.Kind = ClashKind::LinesChanged;
  Clash.Lines = {u"101C"};
  EXPECT_EQ(ToUtf8(FileClashText(Clash, u"meet.txt")),
            "meet.txt was changed by another program; these lines are gone or changed:\n  101C\n"
            "Nothing was written. Read the file again to go on from what it holds.");
  EXPECT_EQ(ToUtf8(OutputOverInputText(u"meet.txt", u"meet.txt")),
            "will not write meet.txt: it is a file the competition is read from");
}

}  // namespace
}  // namespace merrith
