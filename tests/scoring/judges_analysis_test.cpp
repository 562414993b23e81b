#include "scoring/judges_analysis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/utf8.h"

namespace merrith {
namespace {

Competition Read(std::u16string_view Text) {
  const CompetitionRead R = ReadCompetitionText(Text, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok()) << (R.Errors.empty() ? "" : FaultName(R.Errors[0].Why));
  return R.Read;
}

TEST(RoundedTo, RoundsHalfAwayFromZero) {
  struct Case {
    Fraction F;
    std::int64_t Scale;
    std::int64_t Rounded;
  };
  const Case Cases[] = {
      {  {7, 8}, 100,  88},
      { {-1, 8}, 100, -13},
      {  {1, 3}, 100,  33},
      {{1, 200}, 100,   1},
      { {0, 12}, 100,   0},
      {{77, 12}, 100, 642},
  };
  for (const Case& C : Cases) EXPECT_EQ(RoundedTo(C.F, C.Scale), C.Rounded);
}

// A small event worked by hand: five judges, three divers of 101B (DD 1.3) and 201B (1.6),
// J5's award of Bea's first dive missing (the scoring makes it 5.5; it counts for nobody here).
constexpr std::u16string_view Small =
    u"Event: women-1m\nPanel: 5\n"
    u"Judges: J1 Ann Judge (GBR), J2 Bo Judge (irl), J3 Cy Judge (FRA), J4 Di Judge (GBR), "
    u"J5 Ed Judge (USA)\n"
    u"Diver: Ann\nTeam: GBR\n101B\n201B\n"
    u"Diver: Bea\nTeam: IRL\n101B\n201B\n"
    u"Diver: Cy\nTeam: GBR\n101B\n201B\n"
    u"Round 1 | Ann | 101B | 6.0 6.5 7.0 7.0 8.0\n"
    u"Round 1 | Bea | 101B | 5.0 5.0 5.5 6.0 -\n"
    u"Round 1 | Cy | 101B | 8.0 7.5 7.5 7.0 5.0\n"
    u"Round 2 | Ann | 201B | 7.0 6.0 6.5 6.5 7.0\n"
    u"Round 2 | Bea | 201B | 4.0 4.5 5.0 4.5 6.5\n"
    u"Round 2 | Cy | 201B | 8.5 8.0 8.0 8.0 9.0\n";

// Each measure of each seat, by hand. J1 gave 6.0 7.0 8.0 5.0 4.0 8.5 against the others' means
// 7.125, 5.5, 6.75, 6.5, 5.125, 8.25: the differences -1.125 -0.5 +1.25 +0.5 -1.125 +0.25 sum to
// -0.75, a bias of -0.125, printed -0.13, and a spread of 4.75 / 6 = 19/24. Its awards cancelled:
// Cy's first dive as the highest, Ann's first and both of Bea's as the lowest (5.0 with J2's
// 5.0 beside it: the lowest go from the first seats). Its ranking of the divers (Ann 19.0,
// Bea 12.9, Cy 24.0) is the standings' (Cy 67.80, Ann 58.65, Bea 43.20): rho 1. J5 awarded
// Bea's second dive 6.5 where the others' mean is 4.5 (2 points: far) and Cy's first 5.0
// against 7.5; its ranking Ann, Cy, Bea puts two divers one place off: rho 1 - 6 x 2 / 24.
TEST(AnalyseJudges, MeasuresEachSeatAsWorkedByHand) {
  struct Row {
    std::size_t Awards;
    Fraction Mean, Bias, Spread;
    std::size_t Far, High, Low;
    std::int64_t Rho;
    std::optional<Fraction> Own, Others;
    std::size_t OwnAwards;
  };
  // clang-format off
  const Row Rows[] = {
    // awards  mean       bias         spread       far high low  rho   own nation   others      own
      {6,      {77, 12},  {-1, 8},     {19, 24},    0,  1,   3,   1000, Fraction{7, 32},  Fraction{-13, 16}, 4},
      {6,      {25, 4},   {-1, 3},     {13, 24},    0,  0,   2,   1000, Fraction{-1, 2},  Fraction{-1, 4},   2},
      {6,      {79, 12},  {13, 144},   {37, 144},   0,  0,   0,   1000, std::nullopt,     Fraction{13, 144}, 0},
      {6,      {13, 2},   {-1, 144},   {47, 144},   0,  1,   0,   1000, Fraction{-3, 32}, Fraction{1, 6},    4},
      {5,      {71, 10},  {9, 20},     {29, 20},    2,  4,   1,   500,  std::nullopt,     Fraction{9, 20},   0},
  };
  // clang-format on
  const Competition C = Read(Small);
  const JudgesAnalysis A = AnalyseJudges(C, RankCompetition(C));
  EXPECT_EQ(A.Dives, 6U);
  EXPECT_EQ(A.Ranked, 3U);
  ASSERT_EQ(A.Seats.size(), std::size(Rows));
  const auto Same = [](const std::optional<Fraction>& Got, const std::optional<Fraction>& Want) {
    if (!Got || !Want) return Got.has_value() == Want.has_value();
    return Got->Num * Want->Den == Want->Num * Got->Den;  // the same value, whatever its terms
  };
  for (std::size_t I = 0; I < std::size(Rows); ++I) {
    const SeatAnalysis& S = A.Seats[I];
    const Row& R = Rows[I];
    SCOPED_TRACE("J" + std::to_string(I + 1));
    EXPECT_EQ(S.Seat, I + 1);
    EXPECT_EQ(S.Role, Seat::Judge);
    EXPECT_EQ(S.Awards, R.Awards);
    EXPECT_TRUE(Same(S.Mean, R.Mean));
    EXPECT_TRUE(Same(S.Bias, R.Bias));
    EXPECT_TRUE(Same(S.Spread, R.Spread));
    EXPECT_EQ(S.Far, R.Far);
    EXPECT_EQ(S.CancelledHigh, R.High);
    EXPECT_EQ(S.CancelledLow, R.Low);
    EXPECT_EQ(S.Rho, std::optional<std::int64_t>(R.Rho));
    EXPECT_TRUE(Same(S.OwnNationBias, R.Own));
    EXPECT_TRUE(Same(S.OtherNationsBias, R.Others));
    EXPECT_EQ(S.OwnNationAwards, R.OwnAwards);
  }
}

// On a synchro panel an execution judge is set against the other execution judges (of both
// divers), a synchronisation judge against the other synchronisation judges.
TEST(AnalyseJudges, SetsASynchroJudgeAgainstItsOwnGroup) {
  const Competition C = Read(
      u"Event: synchro-women-3m\nPanel: 9\nDiver: Ann / Bea\n101B\n201B\n301B\n401B\n5132D\n"
      u"Round 1 | Ann / Bea | 101B | 6.0 6.0 7.0 7.0 8.0 8.0 8.0 8.0 9.0\n");
  const JudgesAnalysis A = AnalyseJudges(C, RankCompetition(C));
  ASSERT_EQ(A.Seats.size(), 9U);
  EXPECT_EQ(A.Seats[0].Role, Seat::ExecutionDiver1);
  EXPECT_EQ(A.Seats[2].Role, Seat::ExecutionDiver2);
  EXPECT_EQ(A.Seats[4].Role, Seat::Synchronisation);
  // 6.0 against 6.0, 7.0, 7.0: -2/3; 9.0 against four 8.0s: +1.
  EXPECT_EQ(RoundedTo(*A.Seats[0].Bias, 100), -67);
  EXPECT_EQ(RoundedTo(*A.Seats[8].Bias, 100), 100);
  EXPECT_EQ(RoundedTo(*A.Seats[4].Bias, 100), -25);
  // One pair: no ranking to compare.
  EXPECT_FALSE(A.Seats[0].Rho);
}

// Spearman's rho over tied places: each tie takes the average of its ranks, on the judge's side
// and the standings'.
TEST(AnalyseJudges, GivesTiedPlacesTheirAverageRank) {
  const Competition C = Read(
      u"Event: women-1m\nPanel: 3\n"
      u"Diver: A\n101B\nDiver: B\n101B\nDiver: C\n101B\nDiver: D\n101B\nDiver: E\n101B\n"
      u"Round 1 | A | 101B | 7.0 6.0 6.0\nRound 1 | B | 101B | 6.5 6.5 6.5\n"
      u"Round 1 | C | 101B | 6.0 7.0 7.0\nRound 1 | D | 101B | 5.0 6.0 6.0\n"
      u"Round 1 | E | 101B | 5.5 7.0 7.0\n");
  const JudgesAnalysis A = AnalyseJudges(C, RankCompetition(C));
  // The standings: C, B = E, A, D (ranks 1, 2.5, 2.5, 4, 5). J1 ranks A B C E D: rho 0.205;
  // J2 ranks C = E, B, A = D: 0.892.
  EXPECT_EQ(A.Seats[0].Rho, std::optional<std::int64_t>(205));
  EXPECT_EQ(A.Seats[1].Rho, std::optional<std::int64_t>(892));
  EXPECT_EQ(A.Seats[0].CancelledHigh + A.Seats[0].CancelledLow, 0U);  // 3 judges cancel none
  // Without E: J2 ranks C, B, A = D against C, B, A, D: 0.94868..., rounded up to 0.949.
  Competition Four = C;
  Four.Entries.pop_back();
  Four.Recorded.pop_back();
  EXPECT_EQ(AnalyseJudges(Four, RankCompetition(Four)).Seats[1].Rho,
            std::optional<std::int64_t>(949));
}

}  // namespace
}  // namespace merrith
