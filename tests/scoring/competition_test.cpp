#include "scoring/competition.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "scoring/competition_csv.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::string Utf8(std::u16string_view Text) { return ToUtf8(Text); }

// The sheets a competition names, by name; any other cannot be read.
SheetFileReader SheetsOf(std::map<std::u16string, std::u16string> Files) {
  return [Files = std::move(Files)](std::u16string_view Name) -> TextFileRead {
    const auto Found = Files.find(std::u16string(Name));
    if (Found == Files.end()) return {std::nullopt, u"No such file", u""};
    return {Found->second, u"", u""};
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
  ASSERT_TRUE(R.Ok()) << FaultName(R.Errors[0].Why);
  const Competition& C = R.Read;
  EXPECT_EQ(C.Book, u"world-aquatics-2024");  // the book in force, as a sheet's
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
  EXPECT_EQ(C.Entries[1].ListProblems[0].Rule, u"3.4.1");  // the event's, in the meet's book
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
    ASSERT_TRUE(First.Ok()) << FaultName(First.Errors[0].Why);
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
  std::string_view Kind;  // the fault's name; a list's problem's, where it is one
};

// The first error of R is on F's line and of F's kind; a problem of a list by its kind's name.
void ExpectFirstError(const CompetitionRead& R, const Faulty& F) {
  ASSERT_FALSE(R.Ok()) << Utf8(F.Recorded);
  const CompetitionError& E = R.Errors[0];
  EXPECT_EQ(E.Line, F.Line) << Utf8(F.Recorded);
  const std::string_view Said = E.List ? KindOf(E.List->Found.Why).Name : FaultName(E.Why);
  EXPECT_EQ(Said, F.Kind) << Utf8(F.Recorded);
}

TEST(ReadCompetitionText, NamesTheLineOfEachError) {
  // clang-format off
  const Faulty Cases[] = {
      {u"Round 1 | Ann Example | 101B | 7.0 7.25 7.0 6.5 7.0",                             15, "not-an-award"},
      {u"Round 1 | Ann Example | 101B | 7.0 7.5x 7.0 6.5 7.0",                             15, "not-an-award"},
      {u"Round 1 | Ann Example | 101B | 7.0 7.0 6.5 7.0",                                  15, "award-count"},
      {u"Round 1 | Ann Example | 101B | - - - - -",                                        15, "group-without-award"},
      {u"Round 6 | Ann Example | 101B | 7 7 7 7 7",                                        15, "no-such-round"},
      {u"Round 2 | Ann Example | 301B | 7 7 7 7 7",                                        15, "not-the-listed-dive"},
      {u"Round 1 | Cat Example | 101B | 7 7 7 7 7",                                        15, "unknown-diver"},
      {u"Round 1 | Ann Example | 101B | 7 7 7 7 7 | bounced",                              15, "not-a-decision"},
      {u"Round 1 | Ann Example | 101B | 7 7 7 7 7\nRound 1 | Ann Example | 101B | 7 7 7 7 7", 16, "round-twice"},
      {u"Round 1 | Ann Example | 101B",                                                    15, "record-shape"},
      {u"Round one | Ann Example | 101B | 7 7 7 7 7",                                      15, "not-a-round"},
      {u"Round 1 | Ann Example | 101B | 7 7 7 7 7\nDiver: Cat Example",                    16, "not-a-recorded-dive"},
      {u"Diver: Ann Example",                                                              15, "diver-twice"},
      {u"Diver: Cat | Co",                                                                 15, "name-with-bar"},
      {u"Diver: Cat Example\n614C",                                                        16, "no-dd"},
      {u"Diver: Cat Example\nSheet: cat.txt",                                              16, "sheet-unreadable"},
      {u"Diver: Cat Example\nSheet: ann.txt\n101B",                                        16, "sheet-and-inline"},
      {u"Diver: Cat Example\n101B one",                                                    16, "unknown-word"},
      {u"Diver: Cat Example\nPanel: 7",                                                    16, "head-after-divers"},
      // A diver's status names a diver and, for a withdrawal, the first round not dived.
      {u"Withdrawn: Cat Example | round 2",                                                15, "status-of-nobody"},
      {u"Withdrawn: Ann Example",                                                          15, "status-round"},
      {u"Withdrawn: Ann Example | round 6",                                                15, "status-round"},
      {u"Did not start: Ann Example | round 2",                                            15, "status-round"},
      {u"Did not start: Ann Example\nOut of competition: Ann Example",                     16, "status-twice"},
      {u"Withdrawn: Ann Example | round 2\nRound 2 | Ann Example | 201B | 7 7 7 7 7",      16, "dive-after-status"},
      {u"Round 1 | Ann Example | 101B | 7 7 7 7 7\nDid not start: Ann Example",            15, "dive-after-status"},
  };
  // clang-format on
  for (const Faulty& F : Cases)
    ExpectFirstError(ReadMeet(std::u16string(Meet.substr(0, Meet.rfind(u"Round 1 | Ann"))) +
                              std::u16string(F.Recorded)),
                     F);
}

TEST(ReadCompetitionText, NamesAFaultyHeadAndAPanelThatDoesNotJudgeTheEvent) {
  // clang-format off
  const Faulty Cases[] = {
      {u"Panel: 5\nDiver: A\n101B",                              2, "no-event"},
      {u"Event: women-1m\nDiver: A\n101B",                       2, "no-panel"},
      {u"Event: women-9m\nPanel: 5",                             1, "unknown-event"},
      {u"Event: mixed-team\nBook: fina-2017-2021\nPanel: 5",     1, "unknown-event"},
      {u"Event: women-1m\nPanel: 4",                             2, "not-a-panel"},
      {u"Event: women-1m\nBook: fina-1999\nPanel: 5",            2, "unknown-book"},
      {u"Event: women-1m\nEvent: women-3m\nPanel: 5",            2, "key-twice"},
      {u"Event: women-3m\nPanel: 5\nDiver: A\nSheet: ann.txt",   1, "sheet-of-other-event"},
      {u"Venue: pool\nEvent: women-1m\nPanel: 5",                1, "head-line"},
      {u"Carried: 12\nEvent: women-1m\nPanel: 5",                1, "head-line"},
      // The head of a phase: the meet, the phase, the draw, the judges, the reserves.
      {u"Event: women-1m\nPanel: 5\nMeet:  | 3 June",             3, "meet-shape"},
      {u"Event: women-1m\nPanel: 5\nMeet: A | 3 June | 4 June",   3, "meet-shape"},
      {u"Event: women-1m\nPanel: 5\nPhase: heats",                3, "not-a-phase"},
      {u"Event: women-1m\nPanel: 5\nPhase: final\nPhase: final",  4, "key-twice"},
      {u"Event: women-1m\nPanel: 5\nDraw: 42",                    3, "not-a-seed"},
      {u"Event: women-1m\nPanel: 5\nJudges: Ann Judge (GBR)",     3, "judge-shape"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1 (GBR)",            3, "judge-shape"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1x Ann",             3, "judge-shape"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1 Ann, , J2 Bo",     3, "judge-shape"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1 Ann (GB)",         3, "not-a-nation"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1 Ann (G1R)",        3, "not-a-nation"},
      {u"Event: women-1m\nPanel: 5\nJudges: J1 Ann, J1 Bo",       3, "judge-twice"},
      {u"Event: women-1m\nJudges: J6 Ann\nPanel: 5",              2, "judge-seat"},
      {u"Event: women-1m\nPanel: 5\nReserve:  | North",           3, "reserve-shape"},
      {u"Event: women-1m\nPanel: 5\nReserve: A | North | 13",     3, "reserve-shape"},
      {u"Event: women-1m\nPanel: 5\nDiver: A\n101B\nReserve: B",  5, "head-after-divers"},
      {u"Event: women-1m\nPanel: 5\nDiver: A\nCarried: 1.234",    4, "not-carried"},
      {u"Event: women-1m\nPanel: 5\nDiver: A\nCarried: -1",       4, "not-carried"},
      {u"Event: women-1m\nPanel: 5\nDiver: A\nCarried: 1\nCarried: 2", 5, "key-twice"},
      // 5.2.1, 5.2.2: a synchronised event is judged by 9 or 11, any other by 3, 5 or 7.
      {u"Event: women-1m\nPanel: 9",                             2, "panel-not-of-event"},
      {u"Event: women-1m\nPanel: 11",                            2, "panel-not-of-event"},
      {u"Event: synchro-women-3m\nPanel: 5",                     2, "panel-not-of-event"},
      {u"Event: synchro-men-10m\nBook: fina-2017-2021\nPanel: 7", 3, "panel-not-of-event"},
  };
  // clang-format on
  for (const Faulty& F : Cases) ExpectFirstError(ReadMeet(F.Recorded), F);
  EXPECT_TRUE(ReadMeet(u"Event: synchro-women-3m\nPanel: 11").Ok());
}

// The head of a phase: the meet and its date, the phase, the draw's seed, the judges by seat
// with their nations (in capitals) and the reserves in order; a final's carried points. All of
// it is written back as read.
TEST(ReadCompetitionText, ReadsTheHeadOfAPhaseAndWritesItBack) {
  const std::u16string_view Text =
      u"Event: women-1m\nPanel: 5\nMeet: County championships | 3 June 2024\nPhase: Final\n"
      u"Draw: SEED 18446744073709551615\n"
      u"Judges: J2 Bo Judge (irl), J1 Ann Judge (GBR),J5 Ed Judge\n"
      u"Reserve: Kim Example | Lakeside\nReserve: Lu\n"
      u"Diver: Ann Example\nCarried: 152.4\n101B\n";
  const CompetitionRead R = ReadMeet(Text);
  ASSERT_TRUE(R.Ok()) << FaultName(R.Errors[0].Why);
  const Competition& C = R.Read;
  EXPECT_EQ(C.Meet, u"County championships");
  EXPECT_EQ(C.MeetDate, u"3 June 2024");
  EXPECT_EQ(C.Stage, Phase::Final);
  EXPECT_EQ(C.DrawSeed, std::optional<std::uint64_t>(18446744073709551615U));
  EXPECT_EQ(C.DrawLine, 5U);
  ASSERT_EQ(C.JudgeNames.size(), 3U);
  EXPECT_EQ(C.JudgeNames[0].Seat, 1U);
  EXPECT_EQ(C.JudgeNames[0].Name, u"Ann Judge");
  EXPECT_EQ(C.JudgeNames[1].Nation, u"IRL");
  EXPECT_EQ(C.JudgeNames[2].Nation, u"");
  ASSERT_EQ(C.Reserves.size(), 2U);
  EXPECT_EQ(C.Reserves[0].Team, u"Lakeside");
  EXPECT_EQ(C.Reserves[1].Diver, u"Lu");
  EXPECT_EQ(C.Entries[0].Carried, std::optional<Hundredths>(15240));
  const std::u16string Written = CompetitionText(C);
  EXPECT_NE(Written.find(u"Event: women-1m\nBook: world-aquatics-2024\nPanel: 5\n"
                         u"Meet: County championships | 3 June 2024\nPhase: final\n"
                         u"Draw: seed 18446744073709551615\n"
                         u"Judges: J1 Ann Judge (GBR), J2 Bo Judge (IRL), J5 Ed Judge\n"
                         u"Reserve: Kim Example | Lakeside\nReserve: Lu\n\n"
                         u"Diver: Ann Example\nCarried: 152.40\n101B\n"),
            std::u16string::npos)
      << Utf8(Written);
  const CompetitionRead Again = ReadMeet(Written);
  ASSERT_TRUE(Again.Ok());
  EXPECT_EQ(CompetitionText(Again.Read), Written);
}

// Every event of both books can be scored: the 2024 book is the default, a team's list whose
// lines name its divers reads inline, and its synchronised lines are judged by the team's panel.
TEST(ReadCompetitionText, ScoresEveryEventOfBothBooksTheMixedTeamsToo) {
  const CompetitionRead Team = ReadMeet(
      u"Event: mixed-team\nPanel: 5\n"
      u"Diver: Team A\nDivers: Ann Example (W), Ben Example (M)\n"
      u"105B 3m Ann Example\n203B 3m Ben Example\n305C 3m Ann Example / Ben Example\n"
      u"405C 10m Ann Example\n5253B 10m Ben Example\n614C 10m Ann Example / Ben Example\n"
      u"Round 1 | Team A | 105B | 7 7 7 7 7\n"
      u"Round 3 | Team A | 305C | 6 6.5 - 7 7\n");
  ASSERT_TRUE(Team.Ok()) << FaultName(Team.Errors[0].Why);
  EXPECT_EQ(Team.Read.Book, u"world-aquatics-2024");
  EXPECT_EQ(Team.Read.Entries[0].Dives.size(), 6U);
  EXPECT_TRUE(Team.Read.Entries[0].ListProblems.empty());
  const EventBook Book = BuiltInEvents();
  for (const Event& E : Book.Events) {
    const std::u16string Text = u"Event: " + E.Id + u"\nBook: " + E.Book +
                                (E.Synchro ? u"\nPanel: 9\n" : u"\nPanel: 7\n") +
                                u"Diver: A\n101B " + HeightText(E.Heights[0]) + u"\n";
    const CompetitionRead R = ReadMeet(Text);
    // The one dive of the list is no list of the event's, but nothing keeps it from scoring.
    for (const CompetitionError& Error : R.Errors)
      ADD_FAILURE() << Utf8(E.Id) << ": " << FaultName(Error.Why);
  }
}

// A list line written "Round 1: 101B" is a dive of the list, as a sheet reads it; a recorded
// dive is "Round 1 |".
TEST(ReadCompetitionText, ReadsARoundNamedListLineAsASheetDoes) {
  const CompetitionRead R = ReadMeet(
      u"Event: women-3m\nPanel: 5\nDiver: Ann\n"
      u"Round 1: 105B\nRound 2: 203B\n305C\n405B\n5253B\n"
      u"Round 1 | Ann | 105B | 7 7 7 7 7\n");
  ASSERT_TRUE(R.Ok()) << FaultName(R.Errors[0].Why);
  EXPECT_EQ(R.Read.Entries[0].Dives[1].Written.Code, u"203B");
  EXPECT_EQ(R.Read.Recorded.size(), 1U);
}

// A synchro dive whose whole group of judges gave no award cannot be scored, whichever group;
// one award in each group is enough.
TEST(ReadCompetitionText, RefusesASynchroGroupWithoutAnyAward) {
  const std::u16string Head =
      u"Event: synchro-women-3m\nPanel: 9\nDiver: A / B\n105B\n203C\n305C\n405B\n5253B\n";
  struct Case {
    std::u16string_view Awards;
    std::optional<Seat> Group;
  };
  const Case Cases[] = {
      {u"- - 7 7 7 7 7 7 7", Seat::ExecutionDiver1},
      {u"7 7 - - 7 7 7 7 7", Seat::ExecutionDiver2},
      {u"7 7 7 7 - - - - -", Seat::Synchronisation},
      {u"- 7 7 - 7 - - - -",                    {}},
  };
  for (const Case& C : Cases) {
    const CompetitionRead R =
        ReadMeet(Head + u"Round 1 | A / B | 105B | " + std::u16string(C.Awards) + u"\n");
    if (!C.Group) {
      EXPECT_TRUE(R.Ok()) << Utf8(C.Awards);
      continue;
    }
    ASSERT_EQ(R.Errors.size(), 1U) << Utf8(C.Awards);
    EXPECT_EQ(R.Errors[0].Why, CompetitionFault::GroupWithoutAward);
    EXPECT_EQ(R.Errors[0].Values.Group, C.Group);
  }
}

// A guest dives and is scored but not placed; a diver who withdrew, did not start or was
// disqualified dives no more from their round on.
TEST(ReadCompetitionText, ReadsEachDiversStatusAndWritesItBack) {
  const CompetitionRead R = ReadMeet(
      u"Event: women-1m\nPanel: 5\n"
      u"Diver: Ann\n101B\n201B\n301B\n401B\n5132D\n"
      u"Diver: Bea\n101B\n201B\n301B\n401B\n5132D\n"
      u"Out of competition: Bea\n"
      u"Diver: Cy\n101B\n201B\n301B\n401B\n5132D\n"
      u"Diver: Dot\n101B\n201B\n301B\n401B\n5132D\n"
      u"Diver: Eve\n101B\n201B\n301B\n401B\n5132D\n"
      u"Did not start: Dot\n"
      u"Round 1 | Cy | 101B | 7 7 7 7 7\n"
      u"Withdrawn: Cy | round 2\n"
      u"disqualified: Eve | Round 3 | left the pool deck\n");
  ASSERT_TRUE(R.Ok()) << FaultName(R.Errors[0].Why);
  const std::vector<Entry>& E = R.Read.Entries;
  EXPECT_EQ(E[0].Status, DiverStatus::Ok);
  EXPECT_EQ(E[1].Status, DiverStatus::OutOfCompetition);
  EXPECT_EQ(E[2].Status, DiverStatus::Withdrawn);
  EXPECT_EQ(E[2].StatusRound, 2U);
  EXPECT_EQ(E[3].Status, DiverStatus::DidNotStart);
  EXPECT_EQ(E[4].Status, DiverStatus::Disqualified);
  EXPECT_EQ(E[4].StatusReason, u"left the pool deck");
  EXPECT_EQ(RoundsDived(E[1]), 5U);
  EXPECT_EQ(RoundsDived(E[2]), 1U);
  EXPECT_EQ(RoundsDived(E[3]), 0U);
  EXPECT_EQ(RoundsDived(E[4]), 2U);
  const std::u16string Written = CompetitionText(R.Read);
  EXPECT_NE(Written.find(u"\nDisqualified: Eve | round 3 | left the pool deck\n"),
            std::u16string::npos);
  const CompetitionRead Again = ReadMeet(Written);
  ASSERT_TRUE(Again.Ok());
  EXPECT_EQ(CompetitionText(Again.Read), Written);
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
  EXPECT_EQ(R.Errors[0].Why, CompetitionFault::FieldCount);
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

// A spreadsheet's header may be apart at commas, semicolons or tabs, in any case and with the
// words people use; a dive's number and position may be two columns, and columns Merrith does
// not use are left alone and named.
TEST(ReadCompetitionCsv, ReadsSpreadsheetsAsPeopleKeepThem) {
  const std::u16string_view Cases[] = {
      u"Diver,Team,Round,Dive,Height,DD,Decision,J1,J2,J3\n"
      u"Ann Example,North,1,105B,3m,,,7.5,7,6.5\n",
      u"Name;Club;Rnd;Dive No.;Pos;Board;Difficulty;Penalty;Judge 1;Judge 2;Judge 3\n"
      u"Ann Example;North;1;105;B;3m;2,4;;7,5;7;6,5\n",
      u"Rank\tAthlete\tNation\tROUND\tDIVE\tPOSITION\tHEIGHT\tJ1\tJ2\tJ3\tTotal\n"
      u"1\tAnn Example\tNorth\t1\t105\tb\t3m\t7.5\t7\t6.5\t50.40\n",
  };
  for (const std::u16string_view Text : Cases) {
    const CompetitionRead R = ReadCompetitionCsv(Text);
    ASSERT_TRUE(R.Ok()) << Utf8(Text) << FaultName(R.Errors[0].Why);
    ASSERT_EQ(R.Read.Entries.size(), 1U);
    EXPECT_EQ(R.Read.Entries[0].Team, u"North");
    EXPECT_EQ(R.Read.Entries[0].Dives[0].Written.Code, u"105B");
    EXPECT_EQ(R.Read.Entries[0].Dives[0].DD, 24);
    ASSERT_EQ(R.Read.Recorded.size(), 1U);
    EXPECT_EQ(R.Read.Recorded[0].Awards[0], 15);
  }
  const CompetitionRead Tabs = ReadCompetitionCsv(Cases[2]);
  ASSERT_EQ(Tabs.Notes.size(), 1U);
  EXPECT_EQ(Tabs.Notes[0].Kind, ReadNoteKind::ColumnsLeftAlone);
  EXPECT_EQ(Tabs.Notes[0].Words, u"Rank, Total");
}

// Every fault of a spreadsheet's rows, each on its line.
TEST(ReadCompetitionCsv, NamesTheLineOfEachError) {
  constexpr std::u16string_view Head = u"diver,team,round,dive,height,dd,decision,J1,J2,J3\n";
  // clang-format off
  const Faulty Cases[] = {
      {u"A,,1,105B,3m,,,=1+1,7,7",                     2, "not-an-award"},
      {u"A,,1,105B,3m,,,7,,7",                         2, "not-an-award"},
      {u"A,,1,105B,3m,,,7,7",                          2, "field-count"},
      {u"A / B / C,,1,105B,3m,,,7,7,7",                0, ""},
      {u"A,,1,105B,3m,,,7,7,7\nA,,1,105B,3m,,,7,7,7",  3, "round-twice"},
      {u"A,,2,105B,3m,,,7,7,7",                        2, "missing-round"},
      {u"A,,1,105B,4m,,,7,7,7",                        2, "not-a-height"},
      {u"A,,1,614C,1m,,,7,7,7",                        2, "no-dd-at-height"},
      {u"A,,1,hello,1m,2.0,,7,7,7",                    2, "not-a-dive"},
      {u"A,,1,105B,3m,0,,7,7,7",                       2, "zero-dd"},
      {u"A,,1,105B,3m,x,,7,7,7",                       2, "not-a-dd"},
      {u"A,,1,105B,3m,,failed,,,",                     2, "decision-without-awards"},
      {u"A,,1,105B,3m,,,-,-,-",                        2, "group-without-award"},
      {u"A,,one,105B,3m,,,7,7,7",                      2, "not-a-round"},
      {u"A,X,1,105B,3m,,,7,7,7\nA,Y,2,105B,3m,,,7,7,7", 3, "team-differs"},
      {u",,1,105B,3m,,,7,7,7",                         2, "no-diver"},
  };
  // clang-format on
  for (const Faulty& F : Cases) {
    const CompetitionRead R = ReadCompetitionCsv(std::u16string(Head) + std::u16string(F.Recorded));
    if (F.Kind.empty()) {
      EXPECT_TRUE(R.Ok()) << Utf8(F.Recorded);  // three names on 3 judges: a team
      continue;
    }
    ExpectFirstError(R, F);
  }
  const std::u16string_view Heads[][2] = {
      {u"diver,team,round,dive,height,dd,decision,J1,J2,J3,J4\n", u"judge-columns"},
      {                               u"diver,team,round,dive\n", u"header-column"},
      {                    u"diver,round,dive,height,J1,J3,J2\n",              u""},
      {                    u"diver,round,dive,height,J1,J2,J4\n", u"judge-columns"},
      {                    u"diver,round,dive,height,J1,J1,J2\n", u"header-column"},
      {                         u"diver,round,height,J1,J2,J3\n", u"header-column"},
  };
  for (const auto& [Text, Kind] : Heads) {
    const CompetitionRead R = ReadCompetitionCsv(Text);
    if (Kind.empty()) {
      EXPECT_TRUE(R.Ok()) << Utf8(Text);
      continue;
    }
    ASSERT_FALSE(R.Ok()) << Utf8(Text);
    EXPECT_EQ(R.Errors[0].Line, 1U);
    EXPECT_EQ(FaultName(R.Errors[0].Why), Utf8(Kind));
  }
}

// A synchronised pair is two divers on 9 or 11 judges, and names with 3, 5 or 7 are a team; a
// DD given is scored as given, and named where it is not the dive's (2.0 in synchro's first
// rounds, which an empty DD takes).
TEST(ReadCompetitionCsv, ChecksPairsAndTheDdsGiven) {
  constexpr std::u16string_view Nine =
      u"diver,team,round,dive,height,dd,decision,J1,J2,J3,J4,J5,J6,J7,J8,J9\n";
  const CompetitionRead Three =
      ReadCompetitionCsv(std::u16string(Nine) + u"A / B / C,,1,105B,3m,,,7,7,7,7,7,7,7,7,7\n");
  ASSERT_FALSE(Three.Ok());
  EXPECT_EQ(Three.Errors[0].Why, CompetitionFault::PairNotTwo);
  EXPECT_EQ(Three.Errors[0].Values.Count, 3U);
  EXPECT_EQ(ReadCompetitionCsv(std::u16string(Nine) + u"A,,1,105B,3m,,,7,7,7,7,7,7,7,7,7\n")
                .Errors[0]
                .Why,
            CompetitionFault::PairNotTwo);
  const CompetitionRead Team = ReadCompetitionCsv(
      u"diver,round,dive,height,J1,J2,J3,J4,J5,J6,J7\nAnn / Ben,1,105B,3m,7,7,7,7,7,7,7\n");
  ASSERT_TRUE(Team.Ok());
  EXPECT_EQ(Team.Read.Judges, Panel::Seven);

  const CompetitionRead Pair = ReadCompetitionCsv(
      std::u16string(Nine) +
      u"A / B,,1,105B,3m,,,7,7,7,7,7,7,7,7,7\n"       // empty: the assigned 2.0
      u"A / B,,2,203C,3m,2.0,,7,7,7,7,7,7,7,7,7\n"    // as assigned
      u"A / B,,3,305C,3m,3.0,,7,7,7,7,7,7,7,7,7\n"    // 2.8 by the formula
      u"C / D,,1,105B,3m,2.4,,7,7,7,7,7,7,7,7,7\n");  // the formula's, where 2.0 counts
  ASSERT_TRUE(Pair.Ok()) << FaultName(Pair.Errors[0].Why);
  const std::vector<ListedDive>& Dives = Pair.Read.Entries[0].Dives;
  EXPECT_EQ(Dives[0].DD, 20);
  EXPECT_EQ(Dives[1].DD, 20);
  EXPECT_EQ(Dives[2].DD, 30);  // scored as given
  ASSERT_EQ(Pair.Read.Problems.size(), 2U);
  EXPECT_EQ(Pair.Read.Problems[0].Line, 4U);
  EXPECT_EQ(Pair.Read.Problems[0].Values.Dd, 28);
  EXPECT_EQ(Pair.Read.Problems[0].Values.Stated, 30);
  EXPECT_EQ(Pair.Read.Problems[1].Line, 5U);
  EXPECT_EQ(Pair.Read.Problems[1].Values.Dd, 20);
  // 101B at 1 m is 1.3: a 1.9 moves its diver up, so the results name it.
  const CompetitionRead Wrong = ReadCompetitionCsv(
      u"diver,round,dive,height,dd,J1,J2,J3\nA,1,101B,1m,1.9,7,7,7\nB,1,101B,1m,,7,7,7\n");
  ASSERT_EQ(Wrong.Read.Problems.size(), 1U);
  EXPECT_EQ(Wrong.Read.Problems[0].Values.Dd, 13);
  EXPECT_EQ(Wrong.Read.Entries[0].Dives[0].DD, 19);
}

// A status column marks a diver's rows: wd and dsq from the round of their row.
TEST(ReadCompetitionCsv, ReadsStatusesAndWritesThemBack) {
  const CompetitionRead R = ReadCompetitionCsv(
      u"diver,round,dive,height,status,J1,J2,J3\n"
      u"A,1,101B,1m,,7,7,7\nB,1,101B,1m,OOC,7,7,7\nC,1,101B,1m,,6,6,6\nD,1,101B,1m,dns,,,\n"
      u"A,2,201B,1m,,,,\nB,2,201B,1m,ooc,,,\nC,2,201B,1m,wd,,,\nD,2,201B,1m,,,,\n");
  ASSERT_TRUE(R.Ok()) << FaultName(R.Errors[0].Why);
  const std::vector<Entry>& E = R.Read.Entries;
  EXPECT_EQ(E[1].Status, DiverStatus::OutOfCompetition);
  EXPECT_EQ(E[2].Status, DiverStatus::Withdrawn);
  EXPECT_EQ(E[2].StatusRound, 2U);
  EXPECT_EQ(E[3].Status, DiverStatus::DidNotStart);
  const CompetitionRead Again = ReadCompetitionCsv(CompetitionCsv(R.Read));
  ASSERT_TRUE(Again.Ok());
  for (std::size_t I = 0; I < E.size(); ++I) {
    EXPECT_EQ(Again.Read.Entries[I].Status, E[I].Status);
    EXPECT_EQ(Again.Read.Entries[I].StatusRound, E[I].StatusRound);
  }
  const CompetitionRead Bad =
      ReadCompetitionCsv(u"diver,round,dive,height,status,J1,J2,J3\nA,1,101B,1m,gone,7,7,7\n");
  ASSERT_FALSE(Bad.Ok());
  EXPECT_EQ(Bad.Errors[0].Why, CompetitionFault::NotAStatus);
  const CompetitionRead After = ReadCompetitionCsv(
      u"diver,round,dive,height,status,J1,J2,J3\nA,1,101B,1m,wd,,,\nA,2,201B,1m,,7,7,7\n");
  ASSERT_FALSE(After.Ok());
  EXPECT_EQ(After.Errors[0].Why, CompetitionFault::DiveAfterStatus);
}

}  // namespace
}  // namespace merrith
