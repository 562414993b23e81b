#include "scoring/event_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_test_folder.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// Three divers on 5 judges, two dives each at 1 m, written by hand: a comment, blank lines and
// CR LF that a save must keep.
constexpr std::string_view Meet =
    "# Riverside spring meet\r\n"
    "Event: women-1m\r\n"
    "Panel: 5\r\n"
    "\r\n"
    "Diver: Ann Example\r\n101B\r\n201B\r\n"
    "Diver: Lu Example\r\n101C\r\n201C\r\n"
    "Diver: Zo\xC3\xAB \xC3\x85str\xC3\xB6m\r\n101B\r\n201B\r\n";

KeyedDive Keyed(std::size_t Entry, std::size_t Round, HalfPoints Award, Decision D = {}) {
  return {
      {Entry, Round},
      std::vector<std::optional<HalfPoints>>(5, Award), D
  };
}

class Engine : public ::testing::Test {
 protected:
  void Put(std::string_view Text, const std::string& Name = "meet.txt") {
    Dir.Put(Name, {Text.begin(), Text.end()});
    Path = Dir.Text(Name);
  }
  std::string File(const std::string& Name = "meet.txt") const {
    const std::vector<std::uint8_t> Bytes = Dir.Get(Name);
    return {Bytes.begin(), Bytes.end()};
  }
  // Another program (an editor) adds Text at the end of the file.
  void Append(std::string_view Text) { Put(File() + std::string(Text)); }
  void Opened(CEventEngine& Recorder) {
    const OpenAnswer A = Recorder.Open(Path);
    ASSERT_TRUE(A.Opened) << (A.Errors.empty() ? "" : FaultName(A.Errors[0].Why));
  }
  // The meet put in the file and opened by the engine E.
  void OpenMeet() {
    Put(Meet);
    Opened(E);
  }

  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  std::u16string Path;
  CEventEngine E{Events};
};

// Each dive is in the file once recorded, and a save changes only the line it writes: the
// comment, the blank lines, the head and the line ends stay as the file had them.
TEST_F(Engine, RecordsEachDiveAtOnceChangingOnlyItsLine) {
  OpenMeet();
  EXPECT_TRUE(E.Writable());
  EXPECT_EQ(E.UpNext(), (DiveTurn{0, 1}));
  ASSERT_TRUE(E.Record(Keyed(0, 1, 14)).Done());
  EXPECT_EQ(File(),
            std::string(Meet) + "\r\nRound 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\r\n");
  ASSERT_TRUE(E.Record(Keyed(1, 1, 12, Decision{false, std::nullopt, true, false})).Done());
  EXPECT_EQ(E.UpNext(), (DiveTurn{2, 1}));
  // A correction rewrites its own line alone.
  ASSERT_TRUE(E.Record(Keyed(0, 1, 13)).Done());
  EXPECT_EQ(File(), std::string(Meet) +
                        "\r\nRound 1 | Ann Example | 101B | 6.5 6.5 6.5 6.5 6.5\r\n"
                        "Round 1 | Lu Example | 101C | 6.0 6.0 6.0 6.0 6.0 | restart\r\n");
  // Names beyond ASCII are kept byte for byte, however often the file is saved.
  for (int Save = 0; Save < 10; ++Save) ASSERT_TRUE(E.Record(Keyed(1, 1, 12)).Done());
  const std::string Tenth = File();
  EXPECT_NE(Tenth.find("Diver: Zo\xC3\xAB \xC3\x85str\xC3\xB6m\r\n"), std::string::npos);
  ASSERT_TRUE(E.Record(Keyed(1, 1, 12)).Done());
  EXPECT_EQ(File(), Tenth);
}

// What came in is checked one way: the dive up next (or one recorded, to be corrected), an award
// from each group of judges, as many awards as judges.
TEST_F(Engine, RefusesAwardsForAnotherDiveOrThatCannotBeScored) {
  OpenMeet();
  struct Case {
    KeyedDive Sent;
    CompetitionFault Why;
  };
  const Case Cases[] = {
      {                                                Keyed(1,1, 14), CompetitionFault::NotUpNext},
      {                                                Keyed(0,                            2, 14), CompetitionFault::NotUpNext},
      {                                                Keyed(7,                            1, 14), CompetitionFault::NotUpNext},
      {                                                Keyed(0,                            9, 14), CompetitionFault::NotUpNext},
      {                         {{0, 1}, {14, 14, 14, 14}, {}}, CompetitionFault::AwardCount    },
      {{{0, 1}, std::vector<std::optional<HalfPoints>>(5), {}},
       CompetitionFault::GroupWithoutAward    },
  };
  for (const Case& C : Cases) {
    const EngineAnswer A = E.Record(C.Sent);
    EXPECT_EQ(A.Step, EngineStep::Refused);
    ASSERT_TRUE(A.Fault);
    EXPECT_EQ(A.Fault->Why, C.Why);
  }
  EXPECT_EQ(File(), Meet);
}

// A dive an editor added while the engine held the file is read in with the next save, and so
// is a comment; nothing is lost.
TEST_F(Engine, TakesInTheLinesAnEditorAdded) {
  OpenMeet();
  ASSERT_TRUE(E.Record(Keyed(0, 1, 14)).Done());
  Append(
      "# from the paper sheet\r\nRound 1 | Zo\xC3\xAB \xC3\x85str\xC3\xB6m | 101B | 6 6 6.5 6 "
      "6\r\n");
  const EngineAnswer A = E.Record(Keyed(1, 1, 15));
  ASSERT_TRUE(A.Done());
  EXPECT_EQ(A.TakenIn, 2U);
  const std::string Now = File();
  EXPECT_NE(Now.find("# from the paper sheet\r\nRound 1 | Zo"), std::string::npos);
  EXPECT_NE(Now.find("Round 1 | Lu Example | 101C | 7.5"), std::string::npos);
  EXPECT_EQ(E.Held().Recorded.size(), 3U);
  EXPECT_EQ(E.UpNext(), (DiveTurn{0, 2}));
}

// Where another program changed or took out a line, or recorded the very dive, or left the file
// so that it no longer reads, recording stops and nothing is written until the file is read
// again.
TEST_F(Engine, StopsAtAClashAndWritesNothingUntilReadAgain) {
  struct Case {
    std::string_view Name;
    std::string_view Find;     // in the file as the engine last wrote it
    std::string_view Replace;  // what another program made of it
    ClashKind Kind;
  };
  const Case Cases[] = {
      {   "a line changed",                    "101C\r\n",                            "103C\r\n",ClashKind::LinesChanged                                                                                                 },
      { "a line taken out", "# Riverside spring meet\r\n",                                    "", ClashKind::LinesChanged},
      {"the dive recorded",                "Panel: 5\r\n",                        "Panel: 5\r\n",     ClashKind::Recorded},
      {  "no longer reads",                "Panel: 5\r\n", "Panel: 5\r\nVenue: the old pool\r\n",
       ClashKind::DoesNotRead                                                                                            },
  };
  for (const Case& C : Cases) {
    CEventEngine Fresh(Events);
    Put(Meet);
    Opened(Fresh);
    ASSERT_TRUE(Fresh.Record(Keyed(0, 1, 14)).Done());
    std::string Changed = File();
    Changed.replace(Changed.find(C.Find), C.Find.size(), C.Replace);
    if (C.Kind == ClashKind::Recorded) Changed += "Round 1 | Lu Example | 101C | 6 6 6 6 6\r\n";
    Put(Changed);
    const EngineAnswer A = Fresh.Record(Keyed(1, 1, 15));
    EXPECT_EQ(A.Step, EngineStep::Clash) << C.Name;
    EXPECT_EQ(A.Clash.Kind, C.Kind) << C.Name;
    EXPECT_EQ(File(), Changed) << C.Name;
    EXPECT_FALSE(Fresh.Writable()) << C.Name;
    // Asked again before the file is read again, it tells the same clash.
    const EngineAnswer Again = Fresh.Record(Keyed(1, 1, 15));
    EXPECT_EQ(Again.Step, EngineStep::Clash) << C.Name;
    EXPECT_EQ(Again.Clash.Kind, C.Kind) << C.Name;
    if (C.Kind == ClashKind::DoesNotRead) continue;
    // Read again, the file is as the other program left it, and recording goes on from there.
    ASSERT_TRUE(Fresh.Reload().Done()) << C.Name;
    EXPECT_TRUE(Fresh.Writable());
    const DiveTurn Next = *Fresh.UpNext();
    ASSERT_TRUE(Fresh.Record(Keyed(Next.Entry, Next.Round, 15)).Done()) << C.Name;
    EXPECT_EQ(File().substr(0, Changed.size()), Changed) << C.Name;
  }
}

// One writer per file: a second engine opens it to read, naming the holder, and records nothing
// until the first lets go; then it takes over with every dive the first recorded.
TEST_F(Engine, TwoRecordersOnOneFileLoseNoDive) {
  Put(Meet);
  CEventEngine First(Events);
  CEventEngine Second(Events);
  Opened(First);
  Opened(Second);
  EXPECT_TRUE(First.Writable());
  EXPECT_FALSE(Second.Writable());
  EXPECT_FALSE(Second.Holder().empty());
  ASSERT_TRUE(First.Record(Keyed(0, 1, 14)).Done());
  EXPECT_EQ(Second.Record(Keyed(0, 1, 12)).Step, EngineStep::ReadOnly);
  ASSERT_TRUE(First.Record(Keyed(1, 1, 14)).Done());
  First.Close();
  // The second takes the file over; the dive it keyed was recorded by the first meanwhile, so
  // nothing is written until it has read the file again.
  const EngineAnswer Over = Second.Record(Keyed(0, 1, 12));
  EXPECT_EQ(Over.Step, EngineStep::Clash);
  EXPECT_EQ(Over.Clash.Kind, ClashKind::Recorded);
  EXPECT_EQ(Over.TakenIn, 3U);  // the blank line and two dives
  ASSERT_TRUE(Second.Reload().Done());
  EXPECT_EQ(Second.UpNext(), (DiveTurn{2, 1}));
  ASSERT_TRUE(Second.Record(Keyed(2, 1, 16)).Done());
  const CompetitionRead OnDisk = ReadCompetitionFile(Path, Events);
  ASSERT_TRUE(OnDisk.Ok());
  ASSERT_EQ(OnDisk.Read.Recorded.size(), 3U);
  EXPECT_EQ(OnDisk.Read.Recorded[0].Awards[0], 14);
  EXPECT_FALSE(First.Open(Path).Holder.empty());  // the second holds it now
}

// A write that fails changes nothing: not the file, not what the engine holds.
TEST_F(Engine, KeepsItsStateWhenTheWriteFails) {
  Put(Meet);
  bool Fails = true;
  const auto Write = [&Fails](std::u16string_view At, const std::vector<std::uint8_t>& Bytes) {
    if (Fails) return FileOutcome{FileStep::Write, 28, std::u16string(At)};
    return WriteFileBytes(At, Bytes);
  };
  CEventEngine Failing(Events, Write);
  Opened(Failing);
  const EngineAnswer A = Failing.Record(Keyed(0, 1, 14));
  EXPECT_EQ(A.Step, EngineStep::WriteFailed);
  EXPECT_EQ(A.Written.Error, 28);
  EXPECT_TRUE(Failing.Held().Recorded.empty());
  EXPECT_EQ(File(), Meet);
  Fails = false;
  ASSERT_TRUE(Failing.Record(Keyed(0, 1, 14)).Done());
  EXPECT_EQ(Failing.Held().Recorded.size(), 1U);
}

// A diver marked withdrawn dives no more from the round named; the mark is a line of the file,
// and taken back is taken out.
TEST_F(Engine, MarksADiversStatusInTheFile) {
  OpenMeet();
  ASSERT_TRUE(E.Record(Keyed(0, 1, 14)).Done());
  ASSERT_TRUE(E.SetStatus(1, DiverStatus::Withdrawn, 1, u"").Done());
  EXPECT_NE(File().find("7.0\r\nWithdrawn: Lu Example | round 1\r\n"), std::string::npos);
  EXPECT_EQ(E.UpNext(), (DiveTurn{2, 1}));
  ASSERT_TRUE(E.SetStatus(2, DiverStatus::Disqualified, 2, u"a false start").Done());
  ASSERT_TRUE(E.Record(Keyed(2, 1, 14)).Done());
  EXPECT_EQ(E.UpNext(), (DiveTurn{0, 2}));
  ASSERT_TRUE(E.Record(Keyed(0, 2, 14)).Done());
  EXPECT_FALSE(E.UpNext());
  // Ann's round 1 is recorded: she cannot have withdrawn before it.
  const EngineAnswer Late = E.SetStatus(0, DiverStatus::Withdrawn, 1, u"");
  EXPECT_EQ(Late.Step, EngineStep::Refused);
  EXPECT_EQ(Late.Fault->Why, CompetitionFault::DiveAfterStatus);
  ASSERT_TRUE(E.SetStatus(1, DiverStatus::Ok, 0, u"").Done());
  EXPECT_EQ(File().find("Withdrawn:"), std::string::npos);
  EXPECT_EQ(E.UpNext(), (DiveTurn{1, 1}));
  // Before any dive, the statuses stand together after one blank line.
  E.Close();
  Put(Meet);
  CEventEngine Early(Events);
  Opened(Early);
  ASSERT_TRUE(Early.SetStatus(1, DiverStatus::DidNotStart, 0, u"").Done());
  ASSERT_TRUE(Early.SetStatus(0, DiverStatus::OutOfCompetition, 0, u"").Done());
  EXPECT_EQ(File(), std::string(Meet) +
                        "\r\nDid not start: Lu Example\r\nOut of competition: Ann Example\r\n");
}

// The spreadsheet form keeps its separator, its decimal commas and the columns Merrith does not
// use: a dive recorded rewrites its own row's cells.
TEST_F(Engine, RecordsIntoASpreadsheetRowKeepingItsForm) {
  constexpr std::string_view Sheet =
      "\xEF\xBB\xBFRank;Name;Club;Round;Dive;Pos;Board;DD;Penalty;Status;J1;J2;J3;J4;J5\r\n"
      ";Ann Example;North;1;101;B;1m;1,3;;;;;;;\r\n"
      ";Lu Example;South;1;101;C;1m;;;;;;;;\r\n";
  Put(Sheet, "meet.csv");
  Opened(E);
  ASSERT_TRUE(E.Record(Keyed(0, 1, 15, Decision{true, std::nullopt, false, false})).Done());
  EXPECT_EQ(File("meet.csv"),
            "\xEF\xBB\xBFRank;Name;Club;Round;Dive;Pos;Board;DD;Penalty;Status;J1;J2;J3;J4;J5\r\n"
            ";Ann Example;North;1;101;B;1m;1,3;failed;;7,5;7,5;7,5;7,5;7,5\r\n"
            ";Lu Example;South;1;101;C;1m;;;;;;;;\r\n");
  ASSERT_TRUE(E.SetStatus(1, DiverStatus::OutOfCompetition, 0, u"").Done());
  EXPECT_NE(File("meet.csv").find(";Lu Example;South;1;101;C;1m;;;ooc;;;;;\r\n"),
            std::string::npos);
}

// A file read in another character set than UTF-8 is written in UTF-8 from its first save on,
// and stays byte for byte the same save after save.
TEST_F(Engine, WritesALatin1FileAsUtf8OnceAndKeepsIt) {
  Put("Event: women-1m\nPanel: 5\nDiver: Lena M\xFCller\n101B\n201B\n");
  const OpenAnswer A = E.Open(Path);
  ASSERT_TRUE(A.Opened);
  ASSERT_EQ(A.Notes.size(), 1U);
  EXPECT_EQ(A.Notes[0].Kind, ReadNoteKind::NotUtf8);
  EXPECT_EQ(E.Held().Entries[0].Diver, u"Lena M\u00FCller");
  ASSERT_TRUE(E.Record(Keyed(0, 1, 14)).Done());
  const std::string First = File();
  EXPECT_NE(First.find("Diver: Lena M\xC3\xBCller\n"), std::string::npos);
  for (int Save = 0; Save < 10; ++Save) ASSERT_TRUE(E.Record(Keyed(0, 1, 14)).Done());
  EXPECT_EQ(File(), First);
}

}  // namespace
}  // namespace merrith
