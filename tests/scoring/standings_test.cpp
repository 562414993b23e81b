#include "scoring/standings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/utf8.h"

namespace merrith {
namespace {

// A competition on a panel of 3 (every award counts) of divers whose lists have Dives dives of
// DD 2.0; Awards[diver] is every judge's award of each round in half points, -1 where the dive is
// not recorded yet.
Competition Made(const std::vector<std::string>& Awards, std::size_t Dives) {
  Competition C;
  C.Judges = Panel::Three;
  for (std::size_t I = 0; I < Awards.size(); ++I) {
    Entry& E = C.Entries.emplace_back();
    E.Diver = u"Diver " + std::u16string(1, static_cast<char16_t>(u'A' + I));
    for (std::size_t D = 0; D < Dives; ++D) E.Dives.push_back({{}, 1, u"101", u'B', 20});
    std::istringstream Rounds(Awards[I]);
    std::size_t Round = 0;
    for (HalfPoints Award = 0; Rounds >> Award;) {
      ++Round;
      if (Award < 0) continue;
      RecordedDive& R = C.Recorded.emplace_back(RecordedDive{0, I, Round, {}, {}});
      for (int Judge = 0; Judge < 3; ++Judge) R.Awards.push_back(Award);
    }
  }
  return C;
}

// One field of each row, in the rows' order.
std::vector<std::size_t> Each(const std::vector<Standing>& Rows, std::size_t Standing::*Field) {
  std::vector<std::size_t> Out;
  for (const Standing& Row : Rows) Out.push_back(Row.*Field);
  return Out;
}

TEST(RankCompetition, EqualTotalsShareAPlaceAndTheNextIsSkipped) {
  struct Case {
    std::vector<std::string> Awards;
    std::vector<std::size_t> Places;
    std::vector<std::size_t> Order;  // the divers in place order, ties in starting order
  };
  const Case Cases[] = {
      {         {"14", "16", "12"},       {1, 2, 3},       {1, 0, 2}},
      {   {"14", "16", "16", "12"},    {1, 1, 3, 4},    {1, 2, 0, 3}},
      {   {"12", "14", "14", "14"},    {1, 1, 1, 4},    {1, 2, 3, 0}},
      {{"10", "10", "8", "8", "6"}, {1, 1, 3, 3, 5}, {0, 1, 2, 3, 4}},
      {                         {},              {},              {}},
  };
  for (const Case& C : Cases) {
    const Standings S = RankCompetition(Made(C.Awards, 1));
    EXPECT_EQ(Each(S.Rows, &Standing::Place), C.Places);
    EXPECT_EQ(Each(S.Rows, &Standing::Entry), C.Order);
  }
}

// A dive counts once its round is complete: a round under way, and a shorter list's rounds left
// to the others, are said.
TEST(RankCompetition, CountsTheRoundsCompleteAndSaysHowFarTheOthersAre) {
  struct Case {
    std::vector<std::string> Awards;
    std::size_t Complete;
    std::string_view Text;
  };
  const Case Cases[] = {
      {{"14 14 14", "12 20 20"},3,                                      "After round 3 of 3."                                },
      {   {"14 14", "12 -1 -1"},
       1,                                        "After round 1 of 3. Round 2: 1 of 2 dives recorded, not counted yet. Round 3 has no "
                                        "awards yet."                                },
      {                {"", ""}, 0, "No round complete yet. Rounds 1 to 3 have no awards yet."},
      {{"14 -1 14", "12 -1 -1"}, 1,      "After round 1 of 3. Rounds 2 to 3 are not complete."},
  };
  for (const Case& C : Cases) {
    const Competition Made3 = Made(C.Awards, 3);
    const Standings S = RankCompetition(Made3);
    EXPECT_EQ(S.RoundsComplete, C.Complete);
    EXPECT_EQ(ToUtf8(RoundsText(Made3, S)), C.Text);
    for (const Standing& Row : S.Rows) {
      ASSERT_EQ(Row.Dives.size(), C.Complete);
      Hundredths Sum = 0;
      for (const StandingDive& D : Row.Dives) EXPECT_EQ(D.Running, Sum += D.Scored.Points);
      EXPECT_EQ(Row.Total, Sum);
    }
  }
  // The first diver's second dive does not count before the round is complete.
  const Standings Early = RankCompetition(Made({"14 14", "12"}, 3));
  EXPECT_EQ(Early.Rows[0].Total, 14 * 3 * 20 * 5);
  EXPECT_EQ(Early.Rows[1].Total, 12 * 3 * 20 * 5);
  Competition Shorter = Made({"14 14 14", "12 12"}, 3);
  Shorter.Entries[1].Dives.pop_back();
  const Standings S = RankCompetition(Shorter);
  EXPECT_EQ(S.RoundsComplete, 3U);
  EXPECT_EQ(S.Rows[1].Dives.size(), 2U);
}

// The ranking at the end of an earlier round (13.3.2.4) counts rounds 1 to it alone and says
// how far the event is; points carried from a preliminary count in the total; nobody has a
// place before the first round is complete.
TEST(RankCompetition, RanksAtTheEndOfAnEarlierRound) {
  Competition C = Made({"14 14 14", "12 20 20"}, 3);
  struct Case {
    std::size_t AfterRound;
    std::size_t Complete;
    std::vector<std::size_t> Order;
    std::string_view Text;
  };
  const Case Cases[] = {
      {1, 1, {0, 1}, "After round 1 of 3. Rounds 1 to 3 are complete."},
      {2, 2, {1, 0}, "After round 2 of 3. Rounds 1 to 3 are complete."},
      {3, 3, {1, 0},                             "After round 3 of 3."},
      {0, 3, {1, 0},                             "After round 3 of 3."},
      {9, 3, {1, 0},                             "After round 3 of 3."},
  };
  for (const Case& K : Cases) {
    const Standings S = RankCompetition(C, K.AfterRound);
    EXPECT_EQ(S.RoundsComplete, K.Complete);
    EXPECT_EQ(S.RoundsFinished, 3U);
    EXPECT_EQ(Each(S.Rows, &Standing::Entry), K.Order);
    EXPECT_EQ(ToUtf8(RoundsText(C, S)), K.Text);
  }
  C.Entries[0].Carried = 1000;
  const Standings Carried = RankCompetition(C, 1);
  EXPECT_EQ(Carried.Rows[0].Total, 1000 + 14 * 3 * 20 * 5);
  EXPECT_EQ(Carried.Rows[0].Dives[0].Running, Carried.Rows[0].Total);
  C.Recorded.clear();
  EXPECT_EQ(Each(RankCompetition(C).Rows, &Standing::Place), (std::vector<std::size_t>{0, 0}));
}

// A guest is scored but not placed, after the placed divers; a diver who withdrew or was
// disqualified is placed after everyone who finished, and one who did not start last; none of
// them holds up a round or comes up next.
TEST(RankCompetition, PlacesNoDiverOutOfCompetitionOrStopped) {
  Competition C = Made({"12 12 12", "20 20 20", "16 -1 -1", "18 18 -1", "", "14 14 14"}, 3);
  C.Entries[1].Status = DiverStatus::OutOfCompetition;
  C.Entries[2].Status = DiverStatus::Withdrawn;
  C.Entries[2].StatusRound = 2;
  C.Entries[3].Status = DiverStatus::Disqualified;
  C.Entries[3].StatusRound = 3;
  C.Entries[4].Status = DiverStatus::DidNotStart;
  const Standings S = RankCompetition(C);
  EXPECT_EQ(S.RoundsComplete, 3U);
  EXPECT_EQ(Each(S.Rows, &Standing::Entry), (std::vector<std::size_t>{5, 0, 1, 3, 2, 4}));
  EXPECT_EQ(Each(S.Rows, &Standing::Place), (std::vector<std::size_t>{1, 2, 0, 0, 0, 0}));
  EXPECT_EQ(S.Rows[2].Total, 20 * 3 * 20 * 5 * 3);  // the guest's dives count for the guest
  EXPECT_EQ(S.Rows[3].Dives.size(), 2U);            // disqualified in round 3
  EXPECT_FALSE(NextTurn(C));
  C.Recorded.pop_back();  // the last placed diver's round 3
  EXPECT_EQ(NextTurn(C), (DiveTurn{5, 3}));
  EXPECT_EQ(RankCompetition(C).RoundsComplete, 2U);
}

// The dive up next: round after round, each diver in starting order, the last dive too.
TEST(NextTurn, BringsUpEachDiversDivesRoundByRound) {
  Competition C = Made({"14 14", "14"}, 2);
  EXPECT_EQ(NextTurn(C), (DiveTurn{1, 2}));
  C.Entries[1].Dives.pop_back();
  EXPECT_FALSE(NextTurn(C));
  EXPECT_EQ(NextTurn(Made({"", ""}, 2)), (DiveTurn{0, 1}));
}

// After every dive of an event (a tie, a failed dive, a withdrawal), the current standings count
// each dive recorded; once a round completes they are the official standings.
TEST(RankCompetition, StandsCurrentAfterEveryDiveAndOfficialAfterEachRound) {
  // Recorded in turn, round by round; 0 is a failed dive (every award 0).
  Competition All = Made({"14 16 12", "16 14 12", "12 0 20", "18 18 -1"}, 3);
  All.Entries[3].Status = DiverStatus::Withdrawn;
  All.Entries[3].StatusRound = 3;
  const std::vector<RecordedDive> InTurn = [&All] {
    std::vector<RecordedDive> Sorted = All.Recorded;
    std::stable_sort(Sorted.begin(), Sorted.end(),
                     [](const RecordedDive& A, const RecordedDive& B) {
                       return A.Round != B.Round ? A.Round < B.Round : A.Entry < B.Entry;
                     });
    return Sorted;
  }();
  for (std::size_t Count = 0; Count <= InTurn.size(); ++Count) {
    Competition C = All;
    C.Recorded.assign(InTurn.begin(), InTurn.begin() + static_cast<std::ptrdiff_t>(Count));
    const Standings S = RankCompetition(C);
    std::vector<Hundredths> Sums(C.Entries.size());
    for (const RecordedDive& R : C.Recorded) Sums[R.Entry] += Hundredths{*R.Awards[0]} * 3 * 20 * 5;
    for (const Standing& Row : S.Current) EXPECT_EQ(Row.Total, Sums[Row.Entry]) << Count;
    // Ties share a place in the current standings too.
    for (std::size_t I = 1; I < S.Current.size(); ++I) {
      if (S.Current[I].Place != 0 && S.Current[I].Total == S.Current[I - 1].Total) {
        EXPECT_EQ(S.Current[I].Place, S.Current[I - 1].Place) << Count;
      }
    }
    EXPECT_EQ(S.RoundUnderWay(), Count != 0 && Count != 4 && Count != 8 && Count != 11) << Count;
    if (S.RoundUnderWay()) continue;
    ASSERT_EQ(Each(S.Rows, &Standing::Entry), Each(S.Current, &Standing::Entry)) << Count;
    for (std::size_t I = 0; I < S.Rows.size(); ++I) {
      EXPECT_EQ(S.Rows[I].Total, S.Current[I].Total) << Count;
      EXPECT_EQ(S.Rows[I].Place, S.Current[I].Place) << Count;
    }
  }
  // After round 1 and Ann's second dive: Ann leads now, the result is still round 1's, Bea's.
  Competition Mid = All;
  Mid.Recorded.assign(InTurn.begin(), InTurn.begin() + 5);
  const Standings S = RankCompetition(Mid);
  EXPECT_EQ(S.RoundsComplete, 1U);
  EXPECT_EQ(S.Rows.front().Entry, 1U);
  EXPECT_EQ(S.Current.front().Entry, 0U);
  EXPECT_EQ(S.Current.front().Total, (14 + 16) * 3 * 20 * 5);
  EXPECT_EQ(S.Current.back().Entry, 3U);  // withdrawn, after everyone
}

}  // namespace
}  // namespace merrith
