#include "report/phase_report.h"

#include <gtest/gtest.h>

#include <string>

#include "support/utf8.h"

namespace merrith {
namespace {

// A preliminary of five on 3 judges, round 1 of 2 complete: Cy and Di tie for 3rd.
constexpr std::u16string_view Preliminary =
    u"Event: women-1m\nPanel: 3\nMeet: County | 3 June\nPhase: preliminary\n"
    u"Diver: Ann\nTeam: North\n101B\n201B\nDiver: Bea\n101B\n201B\nDiver: Cy\n101B\n201B\n"
    u"Diver: Di\n101B\n201B\nDiver: Ed\n101B\n201B\n"
    u"Round 1 | Ann | 101B | 7 7 7\nRound 1 | Bea | 101B | 6 6 6\nRound 1 | Cy | 101B | 5 5 5\n"
    u"Round 1 | Di | 101B | 5 5 5\nRound 1 | Ed | 101B | 4 4 4\nRound 2 | Ann | 201B | 7 7 7\n";

Competition Read(std::u16string_view Text) {
  const CompetitionRead R = ReadCompetitionText(Text, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  return R.Read;
}

TEST(OrdinalText, EndsEachPlaceAsItIsSaid) {
  const std::pair<std::size_t, std::string_view> Cases[] = {
      {  1,   "1st"},
      {  2,   "2nd"},
      {  3,   "3rd"},
      {  4,   "4th"},
      { 11,  "11th"},
      { 12,  "12th"},
      { 13,  "13th"},
      { 21,  "21st"},
      {112, "112th"},
      {123, "123rd"},
  };
  for (const auto& [Place, Text] : Cases) EXPECT_EQ(ToUtf8(OrdinalText(Place)), Text);
}

TEST(AdvanceReport, SaysWhoGoesThroughInWhatOrderAndWhy) {
  const Competition C = Read(Preliminary);
  const Standings S = RankCompetition(C);
  const AdvanceAsk Ask{3, Phase::Final, 2};
  const AdvancedPhase A = AdvancePhase(C, S, Ask);
  EXPECT_EQ(ToUtf8(AdvanceReport(C, S, Ask, A)),
            "Event:   Women 1 m springboard (women-1m), world-aquatics-2024\n"
            "Meet:    County, 3 June\n"
            "Phase:   final\n"
            "From:    the standings of the preliminary after round 1 of 2.\n"
            "Note:    The event is not complete: the standings rest on the rounds complete "
            "(6.4.2).\n"
            "Through: 4 of the 5 divers placed go through: the top 3, and with them both divers "
            "tied for 3rd place (2.1.7).\n"
            "Order:   the reverse of the standings (2.1.2, 2.1.3), a tie for a place drawn with "
            "seed 2.\n"
            "Reserves: Ed (5th), called on in this order (2.1.6)\n"
            "\n"
            "Order  Place  Diver  Team   Total\n"
            "    1      3  Di            19.50\n"
            "    2      3  Cy            19.50\n"
            "    3      2  Bea           23.40\n"
            "    4      1  Ann    North  27.30\n");
  const std::string File = ToUtf8(NextPhaseText(S, A, u"prelim.txt"));
  EXPECT_EQ(File.substr(0, File.find("# A competition")),
            "# The final, from the standings of prelim.txt after round 1 of 2.\n"
            "# The event is not complete: the standings rest on the rounds complete (6.4.2).\n"
            "# 4 divers in the reverse order of the standings, each from zero points (2.3.3).\n");
  // Fewer placed than asked: all of them, said; nobody left as a reserve.
  const AdvanceAsk All{12, Phase::SemiFinal, 2};
  const std::string Fewer = ToUtf8(AdvanceReport(C, S, All, AdvancePhase(C, S, All)));
  EXPECT_NE(Fewer.find("Through: all 5 divers placed go through: fewer than 12.\n"),
            std::string::npos)
      << Fewer;
  EXPECT_NE(Fewer.find("Reserves: none: nobody else is placed (2.1.6)\n"), std::string::npos);
}

TEST(DrawReport, ShowsTheSeedAndTheOrderDrawn) {
  Competition C = Read(Preliminary);
  C.DrawSeed = 42;
  C.Stage = Phase::None;
  EXPECT_EQ(ToUtf8(DrawReport(C)),
            "Event:   Women 1 m springboard (women-1m), world-aquatics-2024\n"
            "Meet:    County, 3 June\n"
            "Draw:    seed 42 (2.1.1)\n"
            "\n"
            "Order  Diver  Team\n"
            "    1  Ann    North\n"
            "    2  Bea\n"
            "    3  Cy\n"
            "    4  Di\n"
            "    5  Ed\n");
  EXPECT_EQ(ToUtf8(AdvanceFaultText(AdvanceFault::NoRoundComplete)),
            "no round is complete: the next phase goes by the standings of the rounds complete");
}

}  // namespace
}  // namespace merrith
