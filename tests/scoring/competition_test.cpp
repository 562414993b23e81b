#include "scoring/competition.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "scoring/competition_csv.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::string Utf8(std::u16string_view Text) { return ToUtf8(Text); }

// The sheets a competition names, by name; any other cannot be read.
SheetFileReader SheetsOf(std::map<std::u16string, std::u16string> Files) {
  return [Files = std::move(Files)](std::u16string_view Name) -> std::optional<std::u16string> {
    const auto Found = Files.find(std::u16string(Name));
    if (Found == Files.end()) return std::nullopt;
    return Found->second;
  };
}

const SheetFileReader AnnsSheet = SheetsOf({
    {u"ann.txt",
     u"Event: women-1m\nDiver: Ann Example\n"
     u"101B\n201B\n301B\n401B\n5132D 2.2\n"}
});

// Ann's list from her sheet, Bea's inline, two dives recorded (one with a missing award and a
// re-start), a comment and CR LF among them.
constexpr std::u16string_view Meet =
    u"# spring meet\r\n"
    u"Event: women-1m\r\n"
    u"Panel: 5\n"
    u"\n"
    u"Diver: Ann Example\n"
    u"Team: Riverside\n"
    u"Sheet: ann.txt\n"
    u"Diver: Bea Example\n"
    u"Height: 1m\n"
    u"101C\n201C 1.5\n301C\n403C\n5132D limited\n"
    u"Round 1 | Ann Example | 101b | 7.0 7.5 7,0 6.5 7\n"
    u"Round 1 | Bea Example | 101C | 6.5 7.0 - 7.0 6.0 | restart+max2\n";

CompetitionRead ReadMeet(std::u16string_view Text) {
  return ReadCompetitionText(Text, BuiltInEvents(), AnnsSheet);
}

TEST(ReadCompetitionText, ReadsTheHeadTheListsAndTheDivesRecorded) {
  const CompetitionRead R = ReadMeet(Meet);
  ASSERT_TRUE(R.Ok()) << Utf8(R.Errors[0].Text);
  const Competition& C = R.Read;
  EXPECT_EQ(C.Book, u"fina-2017-2021");
  EXPECT_EQ(C.Judges, Panel::Five);
  ASSERT_EQ(C.Entries.size(), 2U);
  EXPECT_EQ(C.Entries[0].Dives[4].Written.Stated, 22);  // from the sheet
  ASSERT_EQ(C.Entries[1].Dives.size(), 5U);
  EXPECT_EQ(C.Entries[1].Dives[3].Written.Line, 13U);
  EXPECT_EQ(C.Entries[1].Dives[3].DD, 22);  // 403C at 1 m, by the formula
  EXPECT_EQ(C.Entries[1].Dives[3].Number, u"403");
  EXPECT_EQ(C.Entries[1].Dives[3].Position, u'C');
  ASSERT_EQ(C.Recorded.size(), 2U);
  EXPECT_EQ(C.Recorded[1].Entry, 1U);
  EXPECT_FALSE(C.Recorded[1].Awards[2]);
  EXPECT_EQ(C.Recorded[1].Awards[4], 12);
  EXPECT_TRUE(C.Recorded[1].Decided.Restart);
  EXPECT_EQ(C.Recorded[1].Decided.Cap, 4);
  // Bea's limited mark breaks a rule of her event: noted, not an error.
  ASSERT_FALSE(C.Entries[1].ListProblems.empty());
  EXPECT_EQ(C.Entries[1].ListProblems[0].Found.Why, SheetProblem::MarkedNotLimited);
  EXPECT_EQ(C.Entries[1].ListProblems[0].Found.Line, 14U);
  EXPECT_EQ(C.Entries[1].ListProblems[0].Rule, u"D 3.4.1");  // the event's, in the meet's book
}

// Divers whose lists are the same lines, or the same sheet, each have the list on their own
// lines: its dives, the problems it keeps and those that keep it from being scored.
TEST(ReadCompetitionText, GivesDiversWithTheSameListTheirOwnLines) {
  const CompetitionRead R = ReadMeet(
      u"Event: women-1m\nPanel: 5\n"
      u"Diver: Ann\n101C\n201C\n301C\n403C\n5132D limited\n"                       // lines 3-8
      u"Diver: Bea\n101C\n201C\n301C\n403C\n5132D\n"                               // lines 9-14
      u"Diver: Cat\n101C\n# the same as Ann's\n201C\n301C\n403C\n5132D limited\n"  // 15-21
      u"Diver: Dot\nSheet: ann.txt\nDiver: Eve\nSheet: ann.txt\n"
      u"Diver: Fay\n101C\n614C\nDiver: Gil\n101C\n614C\n");  // 26-28, 29-31
  ASSERT_EQ(R.Read.Entries.size(), 7U);
  const auto& [Ann, Bea, Cat] = std::tie(R.Read.Entries[0], R.Read.Entries[1], R.Read.Entries[2]);
  EXPECT_EQ(Cat.Dives[1].Written.Line, 18U);
  EXPECT_EQ(Cat.Dives[4].Written.Line, 21U);
  EXPECT_EQ(Ann.Dives[4].Written.Line, 8U);
  ASSERT_EQ(Cat.ListProblems.size(), 1U);
  EXPECT_EQ(Cat.ListProblems[0].Found.Line, 21U);
  EXPECT_EQ(Ann.ListProblems[0].Found.Line, 8U);
  EXPECT_TRUE(Bea.ListProblems.empty());
  const auto& [Dot, Eve] = std::tie(R.Read.Entries[3], R.Read.Entries[4]);
  EXPECT_EQ(Eve.Dives[4].Written.Stated, 22);
  EXPECT_EQ(Dot.Dives[4].Written.Line, Eve.Dives[4].Written.Line);
  // 614C has no DD at 1 m: each diver's list is an error on that diver's line.
  ASSERT_EQ(R.Errors.size(), 2U);
  EXPECT_EQ(R.Errors[0].Line, 28U);
  EXPECT_EQ(R.Errors[1].Line, 31U);
  EXPECT_EQ(R.Errors[1].List->Found.Line, 31U);
}

// Writing a competition and reading it back gives the same competition, and the same text.
TEST(CompetitionText, ReadsBackAsTheSameCompetition) {
  const std::u16string_view Cases[] = {
      Meet,
      // Synchronised pairs on 9 judges: the assigned rounds count 2.0.
      u"Event: synchro-women-3m\nBook: fina-2017-2021\nPanel: 9\n"
      u"Diver: Ann Example / Bea Example\nTeam: \"North\" & <South>\n"
      u"105B\n203C\n305C\n405B\n5253B 3m\n"
      u"Round 2 | Ann Example / Bea Example | 203C | 7.0 6.5 5.5 5.5 8.5 8.0 8.0 7.5 7.5 | "
      u"unsafe\n",
  };
  for (const std::u16string_view Text : Cases) {
    const CompetitionRead First = ReadMeet(Text);
    ASSERT_TRUE(First.Ok()) << Utf8(First.Errors[0].Text);
    const std::u16string Written = CompetitionText(First.Read);
    const CompetitionRead Again = ReadMeet(Written);
    ASSERT_TRUE(Again.Ok()) << Utf8(Written);
    // The text holds every field: the same text again means the same competition.
    EXPECT_EQ(CompetitionText(Again.Read), Written);
    ASSERT_EQ(First.Read.Recorded.size(), Again.Read.Recorded.size());
    EXPECT_EQ(First.Read.Recorded.back().Awards, Again.Read.Recorded.back().Awards);
    EXPECT_EQ(First.Read.Recorded.back().Decided, Again.Read.Recorded.back().Decided);
  }
  const Competition Synchro = ReadMeet(Cases[1]).Read;
  EXPECT_EQ(Synchro.Entries[0].Dives[1].DD, 20);  // 203C counts 2.0 in round 2
  EXPECT_EQ(Synchro.Entries[0].Dives[2].DD, 28);
}

struct Faulty {
  std::u16string_view Recorded;  // lines after the head and the two lists of Meet
  std::size_t Line;
  std::string_view Text;  // the error's text starts so
};

// The first error of R is on F's line and its text starts as F's; a problem of a list, which
// the report words, by the name of its kind.
void ExpectFirstError(const CompetitionRead& R, const Faulty& F) {
  ASSERT_FALSE(R.Ok()) << Utf8(F.Recorded);
  const CompetitionError& E = R.Errors[0];
  EXPECT_EQ(E.Line, F.Line) << Utf8(F.Recorded);
  const std::string Said =
      E.List ? std::string(ProblemKinds[std::size_t(E.List->Found.Why)].Name) : Utf8(E.Text);
  EXPECT_EQ(Said.rfind(F.Text, 0), 0U) << Said;
}

TEST(ReadCompetitionText, NamesTheLineOfEachError) {
  const Faulty Cases[] = {
      {                               u"Round 1 | Ann Example | 101B | 7.0 7.25 7.0 6.5 7.0", 15,"7.25 is no award"                                                                                                 },
      {                               u"Round 1 | Ann Example | 101B | 7.0 10.5 7.0 6.5 7.0", 15,                      "10.5 is no award"},
      {                                 u"Round 1 | Ann Example | 101B | 7.0 -1 7.0 6.5 7.0", 15,                        "-1 is no award"},
      {                               u"Round 1 | Ann Example | 101B | 7.0 7.5x 7.0 6.5 7.0", 15,                      "7.5x is no award"},
      {                                    u"Round 1 | Ann Example | 101B | 7.0 7.0 6.5 7.0", 15,      "4 awards for a panel of 5 judges"},
      {                                          u"Round 1 | Ann Example | 101B | - - - - -", 15,                "every award is missing"},
      {                                          u"Round 6 | Ann Example | 101B | 7 7 7 7 7", 15,
       "Ann Example's list has 5 dives: no round 6"                                                                                      },
      {                                          u"Round 2 | Ann Example | 301B | 7 7 7 7 7", 15, "Ann Example's dive in round 2 is 201B"},
      {                                          u"Round 1 | Cat Example | 101B | 7 7 7 7 7", 15,                  "no diver Cat Example"},
      {                                u"Round 1 | Ann Example | 101B | 7 7 7 7 7 | bounced", 15,                "bounced is no decision"},
      {u"Round 1 | Ann Example | 101B | 7 7 7 7 7\nRound 1 | Ann Example | 101B | 7 7 7 7 7", 16,
       "round 1 of Ann Example again, after line 15"                                                                                     },
      {                                                      u"Round 1 | Ann Example | 101B", 15,            "a recorded dive is Round N"},
      {                      u"Round 1 | Ann Example | 101B | 7 7 7 7 7\nDiver: Cat Example", 16,                   "only recorded dives"},
      {                                                                u"Diver: Ann Example", 15,       "Ann Example again, after line 5"},
      {                                                                   u"Diver: Cat | Co", 15,          "a diver's name cannot hold |"},
      {                                                          u"Diver: Cat Example\n614C", 16,                                 "no-dd"},
      {                                                u"Diver: Cat Example\nSheet: cat.txt", 16,      "the sheet cat.txt cannot be read"},
      {                                          u"Diver: Cat Example\nSheet: ann.txt\n101B", 16,   "a diver has either a Sheet: line or"},
      {                                                      u"Diver: Cat Example\n101B one", 16,                          "unknown-word"},
  };
  for (const Faulty& F : Cases)
    ExpectFirstError(ReadMeet(std::u16string(Meet.substr(0, Meet.rfind(u"Round 1 | Ann"))) +
                              std::u16string(F.Recorded)),
                     F);
}

TEST(ReadCompetitionText, NamesAFaultyHeadAndAnotherEventsSheet) {
  const Faulty Cases[] = {
      {                           u"Panel: 5\nDiver: A\n101B", 2,            "no Event: line names the event"},
      {                    u"Event: women-1m\nDiver: A\n101B", 2, "no Panel: line gives the number of judges"},
      {                          u"Event: women-9m\nPanel: 5", 1,              "no event has the id women-9m"},
      {                        u"Event: mixed-team\nPanel: 5", 1,            "no event has the id mixed-team"},
      {                          u"Event: women-1m\nPanel: 4", 2,                             "4 is no panel"},
      {         u"Event: women-1m\nBook: fina-1999\nPanel: 5", 2,          "no rule book is called fina-1999"},
      {         u"Event: women-1m\nEvent: women-3m\nPanel: 5", 2,          "a second such line, after line 1"},
      {u"Event: women-3m\nPanel: 5\nDiver: A\nSheet: ann.txt", 1,                 "the sheet is for women-1m"},
  };
  for (const Faulty& F : Cases) ExpectFirstError(ReadMeet(F.Recorded), F);
}

TEST(ReadCompetitionCsv, TakesThePanelFromTheJColumnsAndTheDdFromTheFormula) {
  const CompetitionRead R = ReadCompetitionCsv(
      u"Diver,Team,Round,Dive,Height,DD,Decision,J1,J2,J3\r\n"
      u"\"Ann, Example\",'=Riverside,1,5253b,3m,,failed,7.0,7.5,-\r\n"
      u"Bea Example,\"Lake \"\"side\"\"\",1,105B,3m,2.5,,,,\r\n"
      u"Bea Example,\"Lake \"\"side\"\"\",2,105B,1m,,,,,\r\n"
      u"\r\n"
      u"Ann, Example,2,101A,1m,,,,,,\r\n");
  ASSERT_EQ(R.Errors.size(), 1U);  // the unquoted comma in the last row
  EXPECT_EQ(R.Errors[0].Line, 6U);
  EXPECT_EQ(Utf8(R.Errors[0].Text), "11 fields, where the header has 10");
  const Competition& C = R.Read;
  EXPECT_EQ(C.Judges, Panel::Three);
  EXPECT_FALSE(C.ListsChecked);
  ASSERT_EQ(C.Entries.size(), 2U);
  EXPECT_EQ(C.Entries[0].Diver, u"Ann, Example");
  EXPECT_EQ(C.Entries[0].Team, u"=Riverside");
  EXPECT_EQ(C.Entries[1].Team, u"Lake \"side\"");
  EXPECT_EQ(C.Entries[0].Dives[0].DD, 34);
  EXPECT_EQ(C.Entries[1].Dives[0].DD, 25);
  EXPECT_EQ(C.Entries[1].Dives[1].DD, 26);  // the same dive at another height
  ASSERT_EQ(C.Recorded.size(), 1U);         // Bea's dives are not recorded yet
  EXPECT_TRUE(C.Recorded[0].Decided.Failed);
  EXPECT_FALSE(C.Recorded[0].Awards[2]);
  EXPECT_EQ(ReadCompetitionCsv(u"diver,team,round,dive,height,dd,decision,J1,J2,J3,J4,J5,J6,J7,"
                               u"J8,J9\nA / B,,1,105B,3m,,,7,7,7,7,7,7,7,7,7\n")
                .Read.Judges,
            Panel::SynchroNine);
  // A quote inside a bare field is text, a quoted field may hold a line break, and the last
  // row needs no line end.
  const CompetitionRead Q = ReadCompetitionCsv(
      u"diver,team,round,dive,height,dd,decision,J1,J2,J3\n"
      u"Cy 2\",\"North\nSide\",1,105B,3m,,,7,7,7\n"
      u"Di,South \"Lake\",1,105B,3m,,,7,7,x");
  ASSERT_EQ(Q.Errors.size(), 1U);
  EXPECT_EQ(Q.Errors[0].Line, 4U);
  ASSERT_EQ(Q.Read.Entries.size(), 2U);
  EXPECT_EQ(Q.Read.Entries[0].Diver, u"Cy 2\"");
  EXPECT_EQ(Q.Read.Entries[0].Team, u"North\nSide");
  EXPECT_EQ(Q.Read.Entries[1].Team, u"South \"Lake\"");
}

TEST(ReadCompetitionCsv, NamesTheLineOfEachError) {
  constexpr std::u16string_view Head = u"diver,team,round,dive,height,dd,decision,J1,J2,J3\n";
  const Faulty Cases[] = {
      {                     u"A,,1,105B,3m,,,=1+1,7,7", 2,                "=1+1: an award is 0 to 10"},
      {                         u"A,,1,105B,3m,,,7,,7", 2,                           "an empty award"},
      {                          u"A,,1,105B,3m,,,7,7", 2,        "9 fields, where the header has 10"},
      {                    u"A / B,,1,105B,3m,,,7,7,7", 2, "a pair of divers wants 9 or 11 J columns"},
      {  u"A,,1,105B,3m,,,7,7,7\nA,,1,105B,3m,,,7,7,7", 3,         "round 1 of A again, after line 2"},
      {                        u"A,,2,105B,3m,,,7,7,7", 2,                 "A has no row for round 1"},
      {                        u"A,,1,105B,4m,,,7,7,7", 2,                          "4m is no height"},
      {                        u"A,,1,614C,1m,,,7,7,7", 2,                     "614C has no DD at 1m"},
      {                      u"A,,one,105B,3m,,,7,7,7", 2,                          "one is no round"},
      {u"A,X,1,105B,3m,,,7,7,7\nA,Y,2,105B,3m,,,7,7,7", 3,             "the team differs from line 2"},
  };
  for (const Faulty& F : Cases)
    ExpectFirstError(ReadCompetitionCsv(std::u16string(Head) + std::u16string(F.Recorded)), F);
  EXPECT_EQ(Utf8(ReadCompetitionCsv(u"diver,team,round,dive,height,dd,decision,J1,J2,J3,J4\n")
                     .Errors[0]
                     .Text),
            "4 J columns: a panel has 3, 5 or 7 judges, 9 or 11 synchronised");
  EXPECT_EQ(ReadCompetitionCsv(u"diver,team,round,dive\n").Errors[0].Line, 1U);
}

}  // namespace
}  // namespace merrith
