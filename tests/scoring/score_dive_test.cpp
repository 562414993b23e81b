#include "scoring/score_dive.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "scoring_cases.h"
#include "sheets/sheet_reader.h"
#include "support/trim_white.h"

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

// The rows of scoring_cases.txt: name | judges | awards | DD | decision | cancelled | kept |
// points.
std::vector<std::vector<std::u16string>> ScoringCases() {
  std::vector<std::vector<std::u16string>> Rows;
  std::istringstream Text{std::string(testing::ScoringCasesText)};
  for (std::string Line; std::getline(Text, Line);) {
    if (Line.empty() || Line.starts_with('#')) continue;
    std::vector<std::u16string>& Row = Rows.emplace_back();
    std::istringstream Cells(Line);
    for (std::string Cell; std::getline(Cells, Cell, '|');)
      Row.push_back(mXMLParser::TrimWhite(std::u16string(Cell.begin(), Cell.end())));
    EXPECT_EQ(Row.size(), 8U) << Line;
    Row.resize(8);
  }
  return Rows;
}

TEST(ScoreDive, ScoresTheBooksExamplesAndComputedCases) {
  for (const auto& C : ScoringCases()) {
    SCOPED_TRACE(Narrow(C[0]));
    const std::optional<Panel> P = PanelOfJudges(std::stoi(Narrow(C[1])));
    const std::optional<Decision> D = ReadDecision(C[4]);
    const std::optional<DdTenths> DD = ReadStatedDd(C[3]);
    ASSERT_TRUE(P && D && DD);
    const auto Given = Awards(C[2]);
    const ScoredDive Dive = ScoreDive(*P, Given, *D, *DD);
    ASSERT_EQ(Dive.Fault, ScoreFault::None);
    EXPECT_EQ(CancelledSeats(Dive).substr(0, C[5].size()), Narrow(C[5]));
    EXPECT_EQ(Narrow(AwardText(Dive.Sum)), Narrow(C[6]));
    EXPECT_EQ(Narrow(PointsText(Dive.Points)), Narrow(C[7]));
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
  // clang-format off
      {u"7", 14}, {u"7.0", 14}, {u"7.5", 15}, {u"7,5", 15}, {u"10", 20}, {u"10.0", 20},
      {u"0", 0}, {u"0.5", 1}, {u" 8 ", 16}, {u"7.50", 15}, {u"7.00", 14},
  // clang-format on
  };
  for (const auto& T : Texts)
    EXPECT_EQ(ReadAward(T.Text), T.Award) << Narrow(std::u16string(T.Text));
  for (std::u16string_view Bad : {u"7.25", u"10.5", u"11", u"-1", u"+7", u"7 .5", u"75", u"", u".5",
                                  u"7.", u"007", u"7.5.5", u"7.55", u"x"})
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
