#include "scoring/score_dive.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace merrith {
namespace {

std::string Narrow(const std::u16string& Text) { return std::string(Text.begin(), Text.end()); }

// Awards as a line of a card: separated by spaces, "-" for a missing award.
std::vector<std::optional<HalfPoints>> Awards(std::u16string_view Line) {
  std::vector<std::optional<HalfPoints>> Out;
  while (!Line.empty()) {
    const std::size_t Space = Line.find(u' ');
    const std::u16string_view Word = Line.substr(0, Space);
    if (Word != u"-") {
      const std::optional<HalfPoints> A = ReadAward(Word);
      EXPECT_TRUE(A) << Narrow(std::u16string(Word));
      Out.push_back(A);
    } else {
      Out.push_back(std::nullopt);
    }
    if (Space == std::u16string_view::npos) break;
    Line.remove_prefix(Space + 1);
  }
  return Out;
}

// Which seats were cancelled: "x" cancelled, "." kept.
std::string CancelledSeats(const ScoredDive& Dive) {
  std::string Marks;
  for (bool C : Dive.Cancelled) Marks += C ? 'x' : '.';
  return Marks;
}

struct Case {
  const char* Name;
  int Judges;
  std::u16string_view Awards;  // seating order: synchro E1, E2, then S
  DdTenths DD;
  std::u16string_view Decision;
  const char* Cancelled;  // "x" cancelled, "." kept; "" not looked at
  std::u16string_view Kept;
  std::u16string_view Points;
};

// The book's four printed examples, its computed cases 5-25, then the choices it leaves open.
// clang-format off
const Case Cases[] = {
  {"1 five judges",      5, u"8.0 7.5 7.5 7.5 7.0",                           20, u"",        "x...x",       u"22.5", u"45.00"},
  {"2 seven judges",     7, u"8.0 7.5 7.5 7.5 7.5 7.5 7.0",                   20, u"",        "xx...xx",     u"22.5", u"45.00"},
  {"3 nine judges",      9, u"7.0 6.5 5.5 5.5 8.5 8.0 8.0 7.5 7.5",           28, u"",        "x.x.x..x.",   u"35.5", u"59.64"},
  {"4 eleven judges",   11, u"7.0 6.5 6.0 5.5 5.5 7.0 8.0 8.0 7.5 8.0 7.0",   28, u"",        "x.xx.x...xx", u"35.5", u"59.64"},
  {"5",                  5, u"6.5 7.0 7.0 7.5 8.0",                           30, u"",        "x...x",       u"21.5", u"64.50"},
  {"6",                  7, u"5.0 5.5 6.0 6.5 7.0 7.5 8.0",                   34, u"",        "xx...xx",     u"19.5", u"66.30"},
  {"7",                  7, u"10 10 10 10 10 10 10",                          39, u"",        "xx...xx",     u"30.0", u"117.00"},
  {"8 four equal high",  7, u"8.0 8.0 8.0 8.0 7.0 7.0 6.5",                   32, u"",        "..xxx.x",     u"23.0", u"73.60"},
  {"9",                  5, u"9.5 9.0 9.5 10 9.0",                            35, u"",        "",            u"28.0", u"98.00"},
  {"10 failed",          7, u"7.0 7.0 7.0 7.0 7.0 7.0 7.0",                   30, u"failed",  "",            u"0.0",  u"0.00"},
  {"11 at most 2",       7, u"3.0 2.0 2.5 2.0 1.5 2.0 2.0",                   28, u"max2",    "",            u"6.0",  u"16.80"},
  {"12 at most 4.5",     5, u"6.0 5.0 4.5 4.0 5.5",                           30, u"max4.5",  "",            u"13.5", u"40.50"},
  {"13 re-start",        5, u"7.0 6.5 7.0 6.0 7.5",                           20, u"restart", "...xx",       u"14.5", u"29.00"},
  {"14 unsafe 3 of 5",   5, u"2.0 1.5 2.0 5.0 6.0",                           30, u"unsafe",  "",            u"6.0",  u"18.00"},
  {"15 unsafe 3 of 7",   7, u"2.0 2.0 1.5 5.0 5.5 6.0 6.0",                   30, u"unsafe",  "x.x..xx",     u"12.5", u"37.50"},
  {"16 .125 lost",       5, u"7.0 7.5 7.0 7.0 -",                             25, u"",        "",            u"21.0", u"52.50"},
  {"17 .875 up",         5, u"6.5 7.0 7.0 7.0 -",                             19, u"",        "",            u"21.0", u"39.90"},
  {"18 .75 up",          7, u"6.0 6.5 6.5 7.0 7.0 7.5 -",                     36, u"",        "",            u"20.5", u"73.80"},
  {"19 E1 missing",     11, u"6.5 7.0 - 6.0 6.5 6.5 7.0 7.5 7.5 7.0 7.5",     33, u"",        "",            u"35.5", u"70.29"},
  {"20 S missing",      11, u"7.0 7.0 7.0 6.5 6.5 6.5 7.0 7.5 7.0 8.0 -",     30, u"",        "",            u"35.5", u"63.90"},
  {"21 nine one pool",   9, u"9.0 5.0 7.0 6.0 7.0 7.0 7.0 7.0 7.0",           30, u"",        "xx..x...x",   u"34.0", u"61.20"},
  {"22 assigned DD",    11, u"6.0 6.5 7.0 6.5 6.5 6.5 7.0 7.5 7.0 7.5 8.0",   20, u"",        "",            u"35.0", u"42.00"},
  {"23 synchro restart",11, u"7.0 7.5 7.0 6.5 7.0 7.0 7.5 7.5 8.0 7.0 7.5",   30, u"restart", "",            u"26.5", u"47.70"},
  {"24 all equal",       9, u"6.0 6.0 6.0 6.0 6.5 6.5 6.5 6.5 6.5",           34, u"",        "",            u"31.5", u"64.26"},
  {"25 E1 all 0",       11, u"0 0 0 7.0 7.0 7.0 6.0 6.0 6.0 6.0 6.0",         30, u"",        "",            u"0.0",  u"0.00"},
  // Three judges: all count.
  {"three judges",       3, u"6.0 6.5 7.0",                                   20, u"",        "...",         u"19.5", u"39.00"},
  // The cap comes before the re-start: 7.0 to 4.5, then to 2.5.
  {"cap then re-start",  5, u"7.0 7.0 7.0 7.0 7.0",                           20, u"max4.5+restart", "",     u"7.5",  u"15.00"},
  {"re-start floor 0",   5, u"1.5 1.0 6.0 6.5 7.0",                           20, u"restart", "x...x",       u"8.5",  u"17.00"},
  // The unsafe-dive majority: 2 of 3, 4 of 7, 6 of 11.
  {"unsafe 2 of 3",      3, u"2.0 2.0 5.0",                                   30, u"unsafe",  "",            u"6.0",  u"18.00"},
  {"unsafe 1 of 3",      3, u"2.0 5.0 5.0",                                   30, u"unsafe",  "",            u"12.0", u"36.00"},
  {"unsafe 4 of 7",      7, u"2.0 2.0 1.5 2.0 5.5 6.0 6.0",                   30, u"unsafe",  "",            u"6.0",  u"18.00"},
  {"unsafe 6 of 11",    11, u"2.0 2.0 2.0 2.0 2.0 2.0 5.0 5.0 5.0 5.0 5.0",   30, u"unsafe",  "",            u"10.0", u"18.00"},
  {"unsafe 5 of 11",    11, u"2.0 2.0 2.0 2.0 2.0 5.0 5.0 5.0 5.0 5.0 5.0",   30, u"unsafe",  "",            u"19.0", u"34.20"},
  // 9.9 and 9.11 take every judge of one group; one 0 for each diver fails nothing.
  {"nine: E1 all 0",     9, u"0 0 6.0 6.0 6.0 6.0 6.0 6.0 6.0",               30, u"",        "",            u"0.0",  u"0.00"},
  {"eleven: S all 0",   11, u"7.0 7.0 7.0 7.0 7.0 7.0 0 0 0 0 0",             30, u"",        "",            u"0.0",  u"0.00"},
  {"nine: a 0 each",     9, u"0 6.0 0 6.0 6.0 6.0 6.0 6.0 6.0",               30, u"",        "x..x",        u"24.0", u"43.20"},
  // A missing award on 9: the same diver's other execution judge; a synchronisation judge,
  // the other four.
  {"nine: E1 missing",   9, u"5.0 - 8.0 8.0 8.0 8.0 8.0 8.0 8.0",             30, u"",        "",            u"37.0", u"66.60"},
  {"nine: S missing",    9, u"6.0 6.0 6.0 6.0 7.0 7.5 7.5 7.5 -",             30, u"",        "",            u"34.5", u"62.10"},
};
// clang-format on

TEST(ScoreDive, ScoresTheBooksExamplesAndComputedCases) {
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    const std::optional<Panel> P = PanelOfJudges(C.Judges);
    const std::optional<Decision> D = ReadDecision(C.Decision);
    ASSERT_TRUE(P && D);
    const auto Given = Awards(C.Awards);
    const ScoredDive Dive = ScoreDive(*P, Given, *D, C.DD);
    ASSERT_EQ(Dive.Fault, ScoreFault::None);
    const std::string Cancelled = CancelledSeats(Dive);
    EXPECT_EQ(Cancelled.substr(0, std::string(C.Cancelled).size()), C.Cancelled);
    EXPECT_EQ(Narrow(AwardText(Dive.Sum)), Narrow(std::u16string(C.Kept)));
    EXPECT_EQ(Narrow(PointsText(Dive.Points)), Narrow(std::u16string(C.Points)));
    for (std::size_t I = 0; I < Given.size(); ++I) EXPECT_EQ(Dive.Replaced[I], !Given[I]);
  }
}

TEST(ScoreDive, ShowsTheAwardsAsCounted) {
  // A failed dive keeps its awards; a missing one shows the average that replaced it.
  Decision D;
  D.Failed = true;
  const ScoredDive Failed = ScoreDive(Panel::Five, Awards(u"7.0 7.5 7.0 7.0 -"), D, 20);
  EXPECT_TRUE(Failed.Failed);
  EXPECT_EQ(std::vector<HalfPoints>(Failed.Awards.begin(), Failed.Awards.end()),
            (std::vector<HalfPoints>{14, 15, 14, 14, 14}));
  EXPECT_EQ(Failed.Points, 0);
}

TEST(ScoreDive, RefusesTheWrongCountAndNothingToReplaceFrom) {
  const struct {
    Panel P;
    std::u16string_view Awards;
    ScoreFault Fault;
  } Faults[] = {
      {         Panel::Five,                             u"7.0 7.0 7.0 7.0", ScoreFault::AwardCount},
      {         Panel::Five,                     u"7.0 7.0 7.0 7.0 7.0 7.0", ScoreFault::AwardCount},
      {  Panel::SynchroNine, u"7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0", ScoreFault::AwardCount},
      {        Panel::Three,                                       u"- - -", ScoreFault::AllMissing},
 // The other judges of the diver are all missing, whatever the rest gave.
      {Panel::SynchroEleven,       u"- - - 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0", ScoreFault::AllMissing},
      {  Panel::SynchroNine,                   u"7.0 7.0 7.0 7.0 - - - - -", ScoreFault::AllMissing},
  };
  for (const auto& F : Faults)
    EXPECT_EQ(ScoreDive(F.P, Awards(F.Awards), {}, 20).Fault, F.Fault)
        << Narrow(std::u16string(F.Awards));
}

TEST(ReadAward, ReadsHalfPointsAndNothingElse) {
  const struct {
    std::u16string_view Text;
    HalfPoints Award;
  } Texts[] = {
      {   u"7", 14},
      { u"7.0", 14},
      { u"7.5", 15},
      { u"7,5", 15},
      {  u"10", 20},
      {u"10.0", 20},
      {   u"0",  0},
      { u"0.5",  1},
      { u" 8 ", 16},
      {u"7.50", 15},
  };
  for (const auto& T : Texts)
    EXPECT_EQ(ReadAward(T.Text), T.Award) << Narrow(std::u16string(T.Text));
  for (std::u16string_view Bad : {u"7.25", u"10.5", u"11", u"-1", u"+7", u"7 .5", u"75", u"", u".5",
                                  u"7.", u"007", u"7.5.5", u"x"})
    EXPECT_FALSE(ReadAward(Bad)) << Narrow(std::u16string(Bad));
  EXPECT_EQ(Narrow(AwardText(15) + u" " + AwardText(20) + u" " + AwardText(0)), "7.5 10.0 0.0");
  // As typed from a card: two digits are a point apart, but 10 is ten.
  for (const auto& [Typed, Award] : {
           std::pair{ u"75", 15},
           { u"95", 19},
           { u"10", 20},
           {u"7,5", 15}
  })
    EXPECT_EQ(ReadTypedAward(Typed), Award) << Narrow(Typed);
  for (std::u16string_view Bad : {u"73", u"11", u"7.3", u"100", u"7-"})
    EXPECT_FALSE(ReadTypedAward(Bad)) << Narrow(std::u16string(Bad));
  EXPECT_EQ(Narrow(PointsText(5964) + u" " + PointsText(5) + u" " + PointsText(11700)),
            "59.64 0.05 117.00");
}

TEST(ReadDecision, ReadsWordsJoinedByPlusOnceEach) {
  const Decision All{true, CapArms, true, true};
  EXPECT_EQ(ReadDecision(u"unsafe+restart+max4.5+failed"), All);
  EXPECT_EQ(Narrow(DecisionText(All)), "failed+max4.5+restart+unsafe");
  EXPECT_EQ(ReadDecision(u"max2"), (Decision{false, CapOtherPosition, false, false}));
  EXPECT_EQ(ReadDecision(u""), Decision{});
  for (std::u16string_view Bad :
       {u"restart+restart", u"max2+max4.5", u"fail", u"restart+", u"+restart", u"Restart", u"max3"})
    EXPECT_FALSE(ReadDecision(Bad)) << Narrow(std::u16string(Bad));
}

}  // namespace
}  // namespace merrith
