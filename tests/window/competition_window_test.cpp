#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fake_view.h"
#include "file_test_folder.h"
#include "report/judges_report.h"
#include "report/phase_report.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "report/start_list.h"
#include "scoring/draw.h"
#include "scoring/standings.h"
#include "support/file_lock.h"
#include "support/utf8.h"
#include "support/words.h"
#include "test_dialogs.h"
#include "window/competition_controller.h"
#include "window/new_competition_controller.h"

namespace merrith {
namespace {

using enum CompetitionControl;
using Rows = testing::FakeView::Rows;
using RecorderView = testing::FakeView;

// Three divers on 5 judges, three dives each at 1 m.
constexpr char Meet[] =
    "Event: women-1m\nPanel: 5\n"
    "Diver: Ann Example\nTeam: Riverside\n101B\n201B\n301B\n"
    "Diver: Bea Example\n101C\n201C\n301C\n"
    "Diver: Cat Example\nTeam: Lakeside\n101B\n201B\n301B\n";

class Recorder : public ::testing::Test {
 protected:
  // Opens File, written with Text, in a fresh window.
  void Open(const std::string& File, std::string_view Text) {
    Dir.Put(File, {Text.begin(), Text.end()});
    Path = Dir.Text(File);
    OpenAgain();
  }
  void OpenAgain() {
    Window = std::make_unique<CCompetitionController>([]() -> const EventBook& { return Events; });
    auto Shown = std::make_unique<RecorderView>();
    View = Shown.get();
    Window->Attach(std::move(Shown), User.Seams());
    ASSERT_TRUE(Window->Load(Path)) << ToUtf8(User.Messages.empty() ? u"" : User.Messages[0]);
  }

  // Keys as the user types them into the focused box: space, tab, enter (\n), backspace (\b)
  // and escape (\x1b) move; anything else is a character. Returns the tips of refused keys.
  std::vector<std::u16string> Type(std::u16string_view Keys) {
    std::vector<std::u16string> Tips;
    for (const char16_t K : Keys) {
      KeyPress Press{KeyPress::Kind::Char, K};
      if (K == u' ') Press = {KeyPress::Kind::Space};
      if (K == u'\t') Press = {KeyPress::Kind::Tab};
      if (K == u'\n') Press = {KeyPress::Kind::Enter};
      if (K == u'\b') Press = {KeyPress::Kind::Backspace};
      if (K == u'\x1b') Press = {KeyPress::Kind::Escape};
      const ControlId Box = View->Focused;
      const KeyAnswer Answer = Window->Key(Box, Press);
      if (Answer.Answer == KeyAnswer::Kind::Refuse) Tips.push_back(Answer.Tip);
      if (Answer.Answer != KeyAnswer::Kind::Pass) continue;
      std::u16string& Typed = View->Texts[Box.Row];
      if (Press.Pressed == KeyPress::Kind::Char) Typed = (View->Selected ? u"" : Typed) + K;
      View->Selected = false;
      if (Press.Pressed == KeyPress::Kind::Backspace && !Typed.empty()) Typed.pop_back();
    }
    return Tips;
  }

  std::string File() const {
    const std::vector<std::uint8_t> Bytes =
        Dir.Get(std::filesystem::path(Path).filename().string());
    return {Bytes.begin(), Bytes.end()};
  }

  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  testing::TestDialogs User;
  std::u16string Path;
  std::unique_ptr<CCompetitionController> Window;
  RecorderView* View = nullptr;
};

// A whole event keyed without the mouse, round by round, with each decision and a correction:
// the file holds every dive as typed, and the window's standings are those of the results.
TEST_F(Recorder, KeysAWholeEventAndItsStandingsAreTheResults) {
  Open("meet.txt", Meet);
  EXPECT_EQ(View->Caption, u"Competition - meet.txt");
  EXPECT_EQ(View->Text(lblDive),
            u"Round 1 of 3 \u2013 Ann Example, Riverside \u2013 101B, Forward Dive, Pike "
            u"\u2013 1m \u2013 DD 1.3");
  EXPECT_TRUE(View->Shows[ControlId(txAward5).Row]);
  EXPECT_FALSE(View->Shows[ControlId(txAward6).Row]);
  EXPECT_EQ(View->Focused, ControlId(txAward1));

  // Cards as they come: 7,5 and 75 are 7.5, Tab and Space move on like Enter.
  EXPECT_TRUE(Type(u"7 7,5\t7 65 7\n").empty());
  EXPECT_EQ(View->Focused, ControlId(txAward1));
  EXPECT_TRUE(Type(u"6.5 7 - 7 6\n8 8 8 8 8\n").empty());
  EXPECT_NE(File().find("Round 1 | Cat Example | 101B | 8.0 8.0 8.0 8.0 8.0\n"), std::string::npos);

  // The file after the third Enter holds three dives, and opened again offers the fourth.
  OpenAgain();
  EXPECT_EQ(Window->Held().Recorded.size(), 3U);
  EXPECT_EQ(Window->Keyed(), (DiveTurn{0, 2}));

  // Round 2 with the referee's decisions; the drop-down is reached from the last box.
  const auto Decide = [this](int Choice) { View->Pick(cboDecision, Choice); };
  Decide(1);
  Type(u"6 6 6 6 6\n");
  Type(u"7 7 7 7 7\t");
  EXPECT_EQ(View->Focused, ControlId(cboDecision));
  Decide(2);
  Window->Run(WindowCommand::RecordDive, cmdRecord);
  Decide(3);
  Type(u"6 6 6 6 6\n");
  Decide(4);
  Type(u"6 6 6 6 6\n7 7 7 7 7\n");

  // Bea's first dive corrected from the grid (the last dive shows first); Escape drops a
  // correction begun.
  View->Row = 6;
  Window->Run(WindowCommand::CorrectDive, grdDives);
  EXPECT_EQ(View->Text(txAward3), u"-");
  Type(u"\x1b");
  EXPECT_EQ(View->Text(txAward3), u"");
  Window->Run(WindowCommand::CorrectDive, grdDives);
  EXPECT_EQ(View->Text(lblUpNext), u"Correcting:");
  Type(u"7 7 7 7 7\n");
  EXPECT_EQ(Window->Keyed(), (DiveTurn{2, 3}));
  Type(u"7 7 7 7 7\n");
  EXPECT_EQ(View->Text(lblDive), u"Every dive is recorded.");

  const std::string Recorded = File();
  for (const char* Line : {"Round 1 | Bea Example | 101C | 7.0 7.0 7.0 7.0 7.0\n",
                           "Round 2 | Ann Example | 201B | 6.0 6.0 6.0 6.0 6.0 | failed\n",
                           "Round 2 | Bea Example | 201C | 7.0 7.0 7.0 7.0 7.0 | max2\n",
                           "Round 2 | Cat Example | 201B | 6.0 6.0 6.0 6.0 6.0 | max4.5\n",
                           "Round 3 | Ann Example | 301B | 6.0 6.0 6.0 6.0 6.0 | restart\n",
                           "Round 3 | Bea Example | 301C | 7.0 7.0 7.0 7.0 7.0\n"})
    EXPECT_NE(Recorded.find(Line), std::string::npos) << Line;

  // The results of the file written, as merrith-cli results prints them.
  const CompetitionRead Read = ReadCompetitionFile(Path, Events);
  ASSERT_TRUE(Read.Ok());
  const Standings S = RankCompetition(Read.Read);
  EXPECT_EQ(S.RoundsComplete, 3U);
  const Rows& Shown = View->Grids[ControlId(grdStandings).Row];
  ASSERT_EQ(Shown.size(), 4U);
  // Every round complete: the standings now are the result's, with how far behind the leader.
  for (std::size_t I = 0; I < S.Rows.size(); ++I) {
    const Entry& E = Read.Read.Entries[S.Rows[I].Entry];
    EXPECT_EQ(Shown[I + 1],
              (std::vector<std::u16string>{
                  NumberText(S.Rows[I].Place), E.Diver, E.Team, PointsText(S.Rows[I].Total),
                  PointsText(S.Rows[I].Dives.back().Scored.Points),
                  I == 0 ? u"" : PointsText(S.Rows[0].Total - S.Rows[I].Total)}));
  }
  EXPECT_EQ(View->Text(lblStandings), u"Standings:");
  // Cat: 8 x 3 x 1.3 + 4.5 x 3 x 1.6 (at most 4½) + 7 x 3 x 1.7.
  EXPECT_EQ(Shown[1][1], u"Cat Example");
  EXPECT_EQ(Shown[1][3], u"88.50");
}

// A key that is no part of an award is refused with the tip; a wrong award keeps the focus in
// its box, and one that cannot be recorded is named; Backspace in an empty box goes back.
TEST_F(Recorder, RefusesWhatIsNoAwardAndNamesItsBox) {
  Open("meet.txt", Meet);
  const std::vector<std::u16string> Tips = Type(u"7x\t");
  ASSERT_EQ(Tips.size(), 1U);
  EXPECT_NE(Tips[0].find(u"75 is 7.5"), std::u16string::npos);
  EXPECT_EQ(Type(u"7.3\t"), std::vector<std::u16string>{
                                u"J2: 7.3 is no award; an award is 0 to 10 in half points"});
  EXPECT_EQ(View->Focused, ControlId(txAward2));
  Type(u"\b\b\b\b");
  EXPECT_EQ(View->Focused, ControlId(txAward1));
  Type(u"\t\t\t\t\n");
  EXPECT_EQ(User.Messages,
            std::vector<std::u16string>{u"J2 has no award: type one, or - for none"});
  EXPECT_EQ(View->Focused, ControlId(txAward2));
  Type(u"-\t-\t-\t-\t");
  EXPECT_EQ(View->Focused, ControlId(cboDecision));
  View->SetText(txAward1, u"-");
  Window->Run(WindowCommand::RecordDive, cmdRecord);
  EXPECT_EQ(
      User.Messages.back(),
      u"no award from any judge: a missing award is made from the others of its group, and there "
      u"are none (7.9, 7.10)");
  EXPECT_TRUE(Window->Held().Recorded.empty());
}

// A file that can no longer be read stops recording, and loses nothing: the awards stay keyed
// and go in once the file is back and read again. The spreadsheet form is saved as such.
TEST_F(Recorder, StopsWhenTheFileGoesAndKeepsTheAwardsKeyed) {
  const std::string Sheet =
      "diver,team,round,dive,height,dd,decision,J1,J2,J3\r\n"
      "Ann Example,,1,101B,1m,1.3,,,,\r\n"
      "Bea Example,,1,101C,1m,1.2,,,,\r\n";
  Open("meet.csv", Sheet);
  std::filesystem::remove(Dir.Path("meet.csv"));
  std::filesystem::create_directory(Dir.Path("meet.csv"));
  Type(u"7 7 7\n");
  ASSERT_EQ(User.Asked.size(), 1U);
  EXPECT_NE(User.Asked[0].find(u"cannot be read any more"), std::u16string::npos);
  EXPECT_TRUE(Window->Held().Recorded.empty());
  EXPECT_EQ(View->Text(txAward3), u"7");
  std::filesystem::remove(Dir.Path("meet.csv"));
  Dir.Put("meet.csv", {Sheet.begin(), Sheet.end()});
  User.Yes = true;
  Window->Run(WindowCommand::RecordDive, cmdRecord);  // asked again, and read again
  EXPECT_EQ(View->Text(txAward3), u"");
  Type(u"7 7 7\n");
  EXPECT_NE(File().find("Ann Example,,1,101B,1m,1.3,,7.0,7.0,7.0\r\n"), std::string::npos);
  EXPECT_EQ(Window->Keyed(), (DiveTurn{1, 1}));
}

// The status picked, for the diver picked in the standings: a withdrawal counts from the
// diver's first round not yet recorded, the file says so at once, the standings place the
// diver last as WD and the order passes over them; back to "Dives on" takes the line out. A
// diver with every dive recorded cannot withdraw, in the report's words.
TEST_F(Recorder, MarksTheStatusOfTheDiverPickedInTheStandings) {
  Open("meet.txt", Meet);
  Window->Run(WindowCommand::SetDiverStatus, cmdStatus);
  EXPECT_EQ(User.Messages.back(), u"Pick a diver in the standings and a status first.");
  EXPECT_EQ(View->Choices[ControlId(cboStatus).Row],
            (std::vector<std::u16string>{u"Dives on", u"Out of competition", u"Withdrawn",
                                         u"Did not start", u"Disqualified"}));
  Type(u"7 7 7 7 7\n6 6 6 6 6\n8 8 8 8 8\n7 7 7 7 7\n");
  // Cat, Ann, Bea after round 1; Bea has not dived round 2.
  View->Row = 2;
  View->Pick(cboStatus, 2);
  ASSERT_TRUE(Window->SetStatus());
  EXPECT_NE(File().find("\nWithdrawn: Bea Example | round 2\n"), std::string::npos);
  const Rows& Standing = View->Grids[ControlId(grdStandings).Row];
  EXPECT_EQ(Standing[3][0] + u" " + Standing[3][1], u"WD Bea Example");
  EXPECT_EQ(View->Row, 2) << "the diver stays picked";
  EXPECT_EQ(Window->Keyed(), (DiveTurn{2, 2})) << "Bea passed over";

  View->Pick(cboStatus, 0);
  ASSERT_TRUE(Window->SetStatus());
  EXPECT_EQ(File().find("Withdrawn:"), std::string::npos);
  EXPECT_EQ(Window->Keyed(), (DiveTurn{1, 2}));

  Type(u"6 6 6 6 6\n8 8 8 8 8\n7 7 7 7 7\n");  // Ann's list is dived to its end
  const std::string Before = File();
  // Round 3 under way: the standings now count Ann's third dive, and lead with her.
  EXPECT_EQ(View->Text(lblStandings),
            u"Standings now (round under way; the result is the rounds complete):");
  View->Row = 0;
  EXPECT_EQ(View->Grids[ControlId(grdStandings).Row][1][1], u"Ann Example");
  View->Pick(cboStatus, 4);
  EXPECT_FALSE(Window->SetStatus());
  EXPECT_EQ(User.Messages.back(), u"Ann Example's list has 3 dives: no round 4");
  EXPECT_EQ(File(), Before);
}

// A diver out of competition or not started has no round; each is written as the file's key.
TEST_F(Recorder, MarksAStatusWithoutARound) {
  Open("meet.txt", Meet);
  View->Row = 0;
  View->Pick(cboStatus, 3);
  ASSERT_TRUE(Window->SetStatus());
  View->Row = 0;  // Bea: Ann is placed last now
  View->Pick(cboStatus, 1);
  ASSERT_TRUE(Window->SetStatus());
  for (const char* Line : {"\nDid not start: Ann Example\n", "\nOut of competition: Bea Example\n"})
    EXPECT_NE(File().find(Line), std::string::npos) << Line;
  EXPECT_EQ(Window->Keyed(), (DiveTurn{1, 1}));
}

// A second window on the file opens it to read only and names who records it: its Record and
// its status are refused, and the file stays as it was. Once the first window is closed the
// second takes the file over; a dive the first recorded meanwhile is a clash, read again on
// the user's word (asked again until then), after which the second records on.
TEST_F(Recorder, ASecondWindowReadsOnlyUntilTheFirstLetsGo) {
  Open("meet.txt", Meet);
  CCompetitionController& First = *Window;
  auto FirstOwned = std::move(Window);
  OpenAgain();
  const std::u16string Holder = ThisProcessHolder();
  EXPECT_EQ(View->Caption, u"Competition - meet.txt (read only: " + Holder + u" records it)");
  EXPECT_EQ(User.Messages.back(), u"Opened to read only: " + Holder + u" is recording it.");
  Type(u"6 6 6 6 6\n");
  EXPECT_EQ(User.Messages.back(), u"Opened to read only: " + Holder +
                                      u" is recording it. The awards are still keyed: record "
                                      u"them again.");
  View->Row = 0;
  View->Pick(cboStatus, 2);
  EXPECT_FALSE(Window->SetStatus());
  EXPECT_EQ(User.Messages.back(), u"Opened to read only: " + Holder + u" is recording it.");
  EXPECT_EQ(File(), Meet);

  auto& FirstView = static_cast<RecorderView&>(First.View());
  for (int Judge = 0; Judge < 5; ++Judge) FirstView.SetText(AwardBoxOf(Judge), u"7");
  ASSERT_TRUE(First.Record());
  First.CloseAsked();
  EXPECT_TRUE(FirstView.Closed);

  Window->Run(WindowCommand::RecordDive, cmdRecord);
  EXPECT_EQ(View->Caption, u"Competition - meet.txt") << "the file taken over";
  User.Yes = true;
  Window->Run(WindowCommand::RecordDive, cmdRecord);
  ASSERT_EQ(User.Asked.size(), 2U);
  EXPECT_EQ(User.Asked[0], Path +
                               u" records this dive already, on line 18, written by another "
                               u"program\nNothing was written. Read the file again to go on "
                               u"from what it holds.\n\nRead it again now?");
  EXPECT_EQ(User.Asked[1], User.Asked[0]);  // the same clash, told again
  EXPECT_EQ(Window->Keyed(), (DiveTurn{1, 1}));
  Type(u"6 6 6 6 6\n");
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"
                        "Round 1 | Bea Example | 101C | 6.0 6.0 6.0 6.0 6.0\n"),
            std::string::npos);
}

// The draw goes through the window's own engine, which keeps the file's lock: the divers move
// with the comment above each, the seed is written and said, and the standings show the new
// order. A seed that is none, and a draw once a dive is recorded, are refused.
TEST_F(Recorder, DrawsTheOrderThroughItsOwnEngineAndKeepsTheLock) {
  std::string Text(Meet);
  Text.insert(Text.find("Diver: Bea"), "# Bea comes by train\n");
  Open("meet.txt", Text);
  View->SetText(txSeed, u"4x");
  EXPECT_FALSE(Window->Draw());
  EXPECT_EQ(User.Messages.back(), u"The seed takes a whole number from 0 to 18446744073709551615.");

  View->SetText(txSeed, u" 42 ");
  Window->Run(WindowCommand::DrawStartOrder, NoControl);
  EXPECT_EQ(User.Messages.back(),
            u"Draw: seed 42 (2.1.1), the starting order written to " + Path + u".");
  const std::u16string Names[] = {u"Ann Example", u"Bea Example", u"Cat Example"};
  const std::vector<std::size_t> Order = DrawOrder(Names, 42);
  const Rows& Standing = View->Grids[ControlId(grdStandings).Row];
  ASSERT_EQ(Standing.size(), 4U);
  for (std::size_t I = 0; I < 3; ++I) EXPECT_EQ(Standing[I + 1][1], Names[Order[I]]) << I;
  EXPECT_NE(File().find("Draw: seed 42\n"), std::string::npos);
  EXPECT_NE(File().find("# Bea comes by train\nDiver: Bea Example\n101C\n"), std::string::npos);

  CEventEngine Other(Events);
  EXPECT_EQ(Other.Open(Path).Holder, ThisProcessHolder()) << "the window holds the file still";
  Type(u"7 7 7 7 7\n");
  EXPECT_FALSE(View->Usable[ControlId(cmdDraw).Row]);
  EXPECT_FALSE(Window->Draw());
  EXPECT_EQ(User.Messages.back(),
            Path + u": the order is drawn before the first dive (2.1.1), and 1 dive is recorded");
}

// Each page is the command's own, written beside the competition under a name that says which
// it is, and opened, or the window says where it is; before a dive there is no analysis and
// before a round is complete no ranking, each said in the command's words.
TEST_F(Recorder, WritesEachPageBesideTheFileOrRefusesInTheCommandsWords) {
  Open("meet.txt", Meet);
  Window->Run(WindowCommand::PrintJudges, NoControl);
  EXPECT_EQ(User.Messages.back(), Path + u": no dive is recorded: there are no awards to analyse");
  Type(u"7 7 7 7 7\n");
  Window->Run(WindowCommand::PrintRanking, NoControl);
  EXPECT_EQ(User.Messages.back(),
            u"no ranking after round 1: No round complete yet. Round 1: 1 of 3 dives recorded, not "
            u"counted yet. Rounds 2 to 3 have no awards yet.");
  EXPECT_TRUE(User.Pages.empty());
  Type(u"6 6 6 6 6\n8 8 8 8 8\n7 7 7 7 7\n");  // round 1, and round 2 begun
  const Competition& C = Window->Held();
  const Standings S = RankCompetition(C);
  // clang-format off
  const struct { WindowCommand Command; const char* Page; std::u16string Written; } Cases[] = {
    {WindowCommand::PrintStartList,    "meet-start-list.htm",                      StartListPage(C)},
    {  WindowCommand::PrintRanking, "meet-after-round-1.htm", ResultsPage(C, RankCompetition(C, 1))},
    {   WindowCommand::PrintJudges,        "meet-judges.htm", JudgesPage(C, S, AnalyseJudges(C, S))},
  };
  // clang-format on
  for (const auto& Case : Cases) {
    Window->Run(Case.Command, NoControl);
    EXPECT_EQ(User.Pages.back(), Dir.Text(Case.Page));
    EXPECT_EQ(DecodeUtf8(Dir.Get(Case.Page)), Case.Written) << Case.Page;
  }
  User.BrowserOpens = false;
  Window->Run(WindowCommand::PrintStartList, NoControl);
  EXPECT_EQ(User.Messages.back(),
            u"No browser opened the page; it is at " + Dir.Text("meet-start-list.htm"));
}

// The next phase of the top 2, a semi-final where the user says so, in the file they name: the
// window says who went through and where. A top of 0, a phase before a round is complete and a
// spreadsheet are refused as advance refuses them.
TEST_F(Recorder, WritesTheNextPhaseWhereTheUserSays) {
  Open("meet.txt", Meet);
  View->SetText(txTop, u"0");
  EXPECT_FALSE(Window->NextPhase());
  EXPECT_EQ(User.Messages.back(), u"Top takes a number of divers from 1 to 999.");
  View->SetText(txTop, u"2");
  View->SetText(txSeed, u"7");
  EXPECT_FALSE(Window->NextPhase());
  EXPECT_EQ(User.Messages.back(), Path + u": " + AdvanceFaultText(AdvanceFault::NoRoundComplete));
  Type(u"7 7 7 7 7\n6 6 6 6 6\n8 8 8 8 8\n");
  User.Paths = {Dir.Text("next.csv"), Dir.Text("semi.txt")};
  EXPECT_FALSE(Window->NextPhase());
  EXPECT_EQ(User.Messages.back(), Dir.Text("next.csv") +
                                      u": the next phase is written in text form, whose head "
                                      u"holds the phase, the draw and the reserves; name it .txt");
  Window->Run(WindowCommand::MakeNextPhase, NoControl);
  const Standings S = RankCompetition(Window->Held());
  const AdvanceAsk Ask{2, Phase::SemiFinal, 7};
  const AdvancedPhase A = AdvancePhase(Window->Held(), S, Ask);
  EXPECT_EQ(DecodeUtf8(Dir.Get("semi.txt")), NextPhaseText(S, A, Path));
  const std::u16string Report = AdvanceReport(Window->Held(), S, Ask, A);
  EXPECT_EQ(User.Messages.back(), Report.substr(0, Report.find(u"\n\n")) + u"\n\nWritten to " +
                                      Dir.Text("semi.txt") + u".");
}

// A new competition: the event read from the first sheet, a sheet that cannot be read left
// out, the starting order changed; the file written names the sheets beside it and opens at
// the first diver's first dive.
TEST_F(Recorder, NewCompetitionWritesTheFileInStartingOrder) {
  for (const char* Diver : {"Ann", "Bea"}) {
    const std::string Sheet =
        std::string("Event: women-1m\nDiver: ") + Diver + " Example\n101B\n201B\n301B\n";
    Dir.Put(std::string(Diver) + ".txt", {Sheet.begin(), Sheet.end()});
  }
  std::u16string Written;
  CNewCompetitionController New([]() -> const EventBook& { return Events; },
                                [&Written](std::u16string_view Opened) { Written = Opened; });
  auto Shown = std::make_unique<RecorderView>();
  RecorderView& Form = *Shown;
  New.Attach(std::move(Shown), User.Seams());
  EXPECT_FALSE(New.Start());
  const std::u16string Sheets[] = {Dir.Text("Ann.txt"), Dir.Text("Bea.txt"), Dir.Text("no.txt")};
  New.Dropped(Sheets);
  EXPECT_EQ(User.Messages.size(), 2U);
  using enum NewCompetitionControl;
  EXPECT_EQ(Events.Events[static_cast<std::size_t>(Form.Picks[ControlId(cboEvent).Row])].Id,
            u"women-1m");
  New.Run(WindowCommand::DiverUp, cmdUp);
  EXPECT_EQ(Form.Grids[ControlId(grdDivers).Row][1][1], u"Bea Example");
  User.Paths = {Dir.Text("meet.txt")};
  ASSERT_TRUE(New.Start());
  EXPECT_TRUE(Form.Closed);
  EXPECT_EQ(Written, Dir.Text("meet.txt"));
  Path = Written;
  EXPECT_NE(File().find("Panel: 5\n\nDiver: Bea Example\nSheet: Bea.txt\n\nDiver: Ann Example\n"),
            std::string::npos);
  OpenAgain();
  EXPECT_EQ(Window->Keyed(), (DiveTurn{0, 1}));
  EXPECT_EQ(Window->Held().Entries[0].Diver, u"Bea Example");
}

class NewCompetition : public ::testing::Test {
 protected:
  void SetUp() override {
    auto Shown = std::make_unique<RecorderView>();
    Form = Shown.get();
    Window.Attach(std::move(Shown), User.Seams());
  }
  const std::vector<std::u16string>& EventsListed() {
    return Form->Choices[ControlId(NewCompetitionControl::cboEvent).Row];
  }
  // Picks the book Row, or the event titled Title, as the user picks from the drop-down.
  void PickBook(int Row) {
    Form->Pick(NewCompetitionControl::cboBook, Row);
    Window.Run(WindowCommand::CompetitionBookPicked, NewCompetitionControl::cboBook);
  }
  void PickEvent(std::u16string_view Title) {
    const auto Found = std::find(EventsListed().begin(), EventsListed().end(), Title);
    ASSERT_NE(Found, EventsListed().end()) << ToUtf8(Title);
    Form->Pick(NewCompetitionControl::cboEvent, static_cast<int>(Found - EventsListed().begin()));
    Window.Run(WindowCommand::CompetitionEventPicked, NewCompetitionControl::cboEvent);
  }
  std::u16string Picked(NewCompetitionControl Box) {
    const int Row = Form->Picked(Box);
    const auto& Choices = Form->Choices[ControlId(Box).Row];
    return Row < 0 ? u"(none)" : Choices[static_cast<std::size_t>(Row)];
  }

  static inline const EventBook Events = BuiltInEvents();
  testing::TestDialogs User;
  CNewCompetitionController Window{[]() -> const EventBook& { return Events; },
                                   [](std::u16string_view) {}};
  RecorderView* Form = nullptr;
};

// The 2024 book first with its 34 events, the 2017 book's 32: each event of the picked book
// once, none of the other's. Another book keeps the event picked where it has it, and picks none
// where it has not.
TEST_F(NewCompetition, ListsTheEventsOfThePickedBookAndKeepsTheEventWhereItCan) {
  using enum NewCompetitionControl;
  EXPECT_EQ(Picked(cboBook), u"World Aquatics Diving Rules 2024");
  for (const auto& [Row, Count] : {
           std::pair{0, 34U},
           {1, 32U},
           {0, 34U}
  }) {
    PickBook(Row);
    std::vector<std::u16string> Sorted = EventsListed();
    EXPECT_EQ(Sorted.size(), Count) << Row;
    std::sort(Sorted.begin(), Sorted.end());
    EXPECT_EQ(std::adjacent_find(Sorted.begin(), Sorted.end()), Sorted.end()) << Row;
  }
  PickEvent(u"Men platform");
  PickBook(1);
  EXPECT_EQ(Picked(cboBook), u"FINA Diving Rules 2017-2021");
  EXPECT_EQ(Picked(cboEvent), u"Men platform");
  PickBook(0);
  PickEvent(u"Mixed team event, 3 m springboard and platform");
  PickBook(1);
  EXPECT_EQ(Picked(cboEvent), u"(none)");
}

// A synchronised event is judged by 9, any other by 5; the panel follows each event picked.
TEST_F(NewCompetition, PanelFollowsTheEventPicked) {
  using enum NewCompetitionControl;
  const std::pair<std::u16string_view, std::u16string_view> Cases[] = {
      {            u"Women synchronised 3 m springboard", u"9 judges, synchronised"},
      {                         u"Women 3 m springboard",               u"5 judges"},
      {    u"Group A and B synchronised 3 m springboard", u"9 judges, synchronised"},
      {u"Mixed team event, 3 m springboard and platform",               u"5 judges"},
  };
  for (const auto& [Event, Panel] : Cases) {
    PickEvent(Event);
    EXPECT_EQ(Picked(cboPanel), Panel) << ToUtf8(Event);
  }
}

// Each diver's list checked against the event as soon as both are there, before Start: the
// grid says what is wrong with a list, or that it holds; another event checks again.
TEST_F(NewCompetition, ShowsEachListsProblemsBeforeStart) {
  testing::TestFolder Dir;
  const std::string Good = "Event: women-1m\nDiver: Ann Example\n101B\n201B\n301B\n401B\n5132D\n";
  const std::string Short = "Event: women-1m\nDiver: Bea Example\n101B\n201B\n301B\n";
  Dir.Put("ann.txt", {Good.begin(), Good.end()});
  Dir.Put("bea.txt", {Short.begin(), Short.end()});
  const std::u16string Sheets[] = {Dir.Text("ann.txt"), Dir.Text("bea.txt")};
  Window.Dropped(Sheets);
  const Rows& Grid = Form->Grids[ControlId(NewCompetitionControl::grdDivers).Row];
  ASSERT_EQ(Grid.size(), 3U);
  EXPECT_EQ(Grid[1][3], u"holds");
  EXPECT_EQ(Grid[2][3], u"too few dives: 3, where the event has 5 (3.4.1)");
  PickEvent(u"Women 3 m springboard");
  EXPECT_EQ(Grid[1][3], u"line 1: the sheet is for women-1m, the competition is women-3m");
}

}  // namespace
}  // namespace merrith
