#include "scoring/judging.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_test_folder.h"

namespace merrith {
namespace {

constexpr std::string_view Meet =
    "Event: women-1m\n"
    "Panel: 5\n"
    "Diver: Ann Example\n101B\n201B\n"
    "Diver: Lu Example\n101C\n201C\n";

class Judging : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir.Put("meet.txt", {Meet.begin(), Meet.end()});
    ASSERT_TRUE(Engine.Open(Dir.Text("meet.txt")).Opened);
    Room.emplace(Engine);
    Room->Watch([this] { ++Told; });
  }
  std::string File() const {
    const std::vector<std::uint8_t> Bytes = Dir.Get("meet.txt");
    return {Bytes.begin(), Bytes.end()};
  }
  void GiveAll(HalfPoints Award) {
    for (std::size_t Seat = 0; Seat < 5; ++Seat)
      ASSERT_EQ(Room->Give(Seat, First, Award), JudgingStep::Done);
  }

  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  CEventEngine Engine{Events};
  std::optional<CJudgingRoom> Room;
  int Told = 0;
  const DiveTurn First{0, 1};
};

// Awards come in seat by seat; a judge who sends again before acceptance replaces the award, and
// the acceptance records the dive in the file at once and moves on to the next.
TEST_F(Judging, RecordsTheAwardsAsLastSentOnceAccepted) {
  EXPECT_EQ(Room->Judged(), First);
  EXPECT_EQ(Room->Seats().size(), 5U);
  GiveAll(14);
  ASSERT_EQ(Room->Give(2, First, 15), JudgingStep::Done);
  const AcceptAnswer A = Room->Accept(First);
  ASSERT_TRUE(A.Done());
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 7.0 7.0 7.5 7.0 7.0\n"), std::string::npos);
  EXPECT_EQ(Room->Judged(), (DiveTurn{1, 1}));
  EXPECT_EQ(Room->Seats()[2], SeatAward{});
  ASSERT_TRUE(Room->LastAccepted());
  EXPECT_EQ(Room->LastAccepted()->Turn, First);
  EXPECT_EQ(Room->LastAccepted()->Awards[2], 15);
}

// An award for another dive than the one being judged is refused and changes nothing.
TEST_F(Judging, RefusesWhatIsNotForTheDiveBeingJudged) {
  const DiveTurn Later{1, 1};
  EXPECT_EQ(Room->Give(0, Later, 14), JudgingStep::OtherDive);
  EXPECT_EQ(Room->Give(5, First, 14), JudgingStep::NoSuchSeat);
  EXPECT_EQ(Room->Give(0, First, 21), JudgingStep::NotAnAward);
  EXPECT_EQ(Room->Decide(Later, Decision{true, std::nullopt, false, false}),
            JudgingStep::OtherDive);
  EXPECT_EQ(Room->Accept(Later).Step, JudgingStep::OtherDive);
  EXPECT_EQ(Told, 0);
  EXPECT_EQ(Room->Seats()[0].State, AwardState::Awaited);
}

// A missing award is accepted only when the referee chose to go without it; a seat asked again
// counts as awaited until the judge sends anew.
TEST_F(Judging, AcceptsAMissingAwardOnlyByTheRefereesChoice) {
  GiveAll(12);
  ASSERT_EQ(Room->AskAgain(3), JudgingStep::Done);
  EXPECT_EQ(Room->Seats()[3].State, AwardState::AskedAgain);
  AcceptAnswer A = Room->Accept(First);
  EXPECT_EQ(A.Step, JudgingStep::Awaited);
  EXPECT_EQ(A.Seat, 3U);
  ASSERT_EQ(Room->GoWithout(3, true), JudgingStep::Done);
  ASSERT_EQ(Room->Decide(First, Decision{false, std::nullopt, true, false}), JudgingStep::Done);
  ASSERT_TRUE(Room->Accept(First).Done());
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 6.0 6.0 6.0 - 6.0 | restart\n"),
            std::string::npos);
}

// The engine's one check stands: without any award the dive cannot be scored, and judging stays
// on it.
TEST_F(Judging, LeavesTheDiveBeingJudgedWhenTheEngineRefusesIt) {
  for (std::size_t Seat = 0; Seat < 5; ++Seat) Room->GoWithout(Seat, true);
  const AcceptAnswer A = Room->Accept(First);
  EXPECT_EQ(A.Step, JudgingStep::Engine);
  EXPECT_EQ(A.Engine.Fault->Why, CompetitionFault::GroupWithoutAward);
  EXPECT_EQ(Room->Judged(), First);
  EXPECT_EQ(File(), Meet);
}

// The recorder types awards by hand beside the pads; a dive the window recorded on its own moves
// the room on when it follows the engine.
TEST_F(Judging, TakesTypedAwardsAndFollowsTheEngine) {
  ASSERT_EQ(Room->Type(1, 16), JudgingStep::Done);
  EXPECT_TRUE(Room->Seats()[1].Typed);
  ASSERT_EQ(Room->Type(1, std::nullopt), JudgingStep::Done);
  EXPECT_EQ(Room->Seats()[1], SeatAward{});
  const int Before = Told;
  Room->Follow();
  EXPECT_EQ(Told, Before);
  ASSERT_TRUE(Engine.Record({First, std::vector<std::optional<HalfPoints>>(5, 14), {}}).Done());
  Room->Follow();
  EXPECT_EQ(Room->Judged(), (DiveTurn{1, 1}));
  EXPECT_EQ(Told, Before + 1);
}

}  // namespace
}  // namespace merrith
