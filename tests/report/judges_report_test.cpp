#include "report/judges_report.h"

#include <gtest/gtest.h>

#include <string>

#include "support/utf8.h"

namespace merrith {
namespace {

// The small event of the analysis's own test: five judges named with their nations, three
// divers, J5's award of Bea's first dive missing.
constexpr std::u16string_view Small =
    u"Event: women-1m\nPanel: 5\n"
    u"Judges: J1 Ann Judge (GBR), J2 Bo Judge (irl), J3 Cy Judge (FRA), J4 Di Judge (GBR), "
    u"J5 Ed Judge (USA)\n"
    u"Diver: Ann\nTeam: GBR\n101B\n201B\nDiver: Bea\nTeam: IRL\n101B\n201B\n"
    u"Diver: Cy\nTeam: GBR\n101B\n201B\n"
    u"Round 1 | Ann | 101B | 6.0 6.5 7.0 7.0 8.0\nRound 1 | Bea | 101B | 5.0 5.0 5.5 6.0 -\n"
    u"Round 1 | Cy | 101B | 8.0 7.5 7.5 7.0 5.0\nRound 2 | Ann | 201B | 7.0 6.0 6.5 6.5 7.0\n"
    u"Round 2 | Bea | 201B | 4.0 4.5 5.0 4.5 6.5\nRound 2 | Cy | 201B | 8.5 8.0 8.0 8.0 9.0\n";

struct Analysed {
  Competition C;
  Standings S;
  JudgesAnalysis A;
};

Analysed Analyse(std::u16string_view Text) {
  const CompetitionRead R = ReadCompetitionText(Text, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  Analysed Out{R.Read, RankCompetition(R.Read), {}};
  Out.A = AnalyseJudges(Out.C, Out.S);
  return Out;
}

TEST(FixedText, WritesTheDecimalsAndTheSign) {
  struct Case {
    std::int64_t Units;
    int Decimals;
    bool Sign;
    std::string_view Text;
  };
  const Case Cases[] = {
      {  -13, 2,  true,  "-0.13"},
      {   45, 2,  true,  "+0.45"},
      {    0, 2,  true,   "0.00"},
      {-1000, 3, false, "-1.000"},
  };
  for (const Case& C : Cases) EXPECT_EQ(ToUtf8(FixedText(C.Units, C.Decimals, C.Sign)), C.Text);
}

// Each measure rounded half away from zero: J1's bias of -1/8 is -0.13; a column nobody fills
// (the role of an individual's panel) is left out; the nations' biases beside the others.
TEST(JudgesReport, PrintsASeatALineWithItsMeasures) {
  const Analysed X = Analyse(Small);
  const std::string Text = ToUtf8(JudgesReport(X.C, X.S, X.A));
  EXPECT_EQ(
      Text.substr(0, Text.find("\n\nAwards:")),
      "Event:   Women 1 m springboard (women-1m), world-aquatics-2024\n"
      "Panel:   5 judges\n"
      "Dives:   6 dives recorded; 3 divers placed, whom rho ranks\n"
      "\n"
      "Seat  Judge      Nation  Awards  Mean   Bias  Spread  Far  High  Low    Rho  Own nation  "
      "Others\n"
      "J1    Ann Judge  GBR          6  6.42  -0.13    0.79    0     1    3  1.000   +0.22 (4)   "
      "-0.81\n"
      "J2    Bo Judge   IRL          6  6.25  -0.33    0.54    0     0    2  1.000   -0.50 (2)   "
      "-0.25\n"
      "J3    Cy Judge   FRA          6  6.58  +0.09    0.26    0     0    0  1.000           -   "
      "+0.09\n"
      "J4    Di Judge   GBR          6  6.50  -0.01    0.33    0     1    0  1.000   -0.09 (4)   "
      "+0.17\n"
      "J5    Ed Judge   USA          5  7.10  +0.45    1.45    2     4    1  0.500           -   "
      "+0.45");
}

TEST(JudgesJson, GivesEachSeatsMeasuresAsNumbers) {
  const Analysed X = Analyse(Small);
  const std::string Json = JudgesJson(X.C, X.A);
  EXPECT_EQ(Json.substr(0, Json.find("\"judges\"")),
            "{\"event\":\"women-1m\",\"book\":\"world-aquatics-2024\",\"meet\":null,\"date\":null,"
            "\"phase\":null,\"panel\":5,\"dives\":6,\"ranked\":3,");
  EXPECT_NE(Json.find("{\"seat\":1,\"role\":\"judge\",\"name\":\"Ann Judge\",\"nation\":\"GBR\","
                      "\"awards\":6,\"mean\":6.42,\"bias\":-0.13,\"spread\":0.79,\"far\":0,"
                      "\"cancelled_high\":1,\"cancelled_low\":3,\"rho\":1.000,"
                      "\"own_nation_bias\":0.22,\"other_nations_bias\":-0.81}"),
            std::string::npos);
  EXPECT_NE(Json.find("\"seat\":5,\"role\":\"judge\",\"name\":\"Ed Judge\",\"nation\":\"USA\","
                      "\"awards\":5,\"mean\":7.10,\"bias\":0.45,\"spread\":1.45,\"far\":2,"
                      "\"cancelled_high\":4,\"cancelled_low\":1,\"rho\":0.500,"
                      "\"own_nation_bias\":null,\"other_nations_bias\":0.45}]}\n"),
            std::string::npos);
}

// Without names, a synchro panel's roles; a panel of three says it cancels nothing; a measure
// with nothing to rest on is shown as -, and said why; the page shows what the text shows.
TEST(JudgesPage, LabelsWhatTheAnalysisRestsOn) {
  const Analysed Three = Analyse(
      u"Event: women-1m\nPanel: 3\nDiver: A\n101B\nDiver: B\n101B\n"
      u"Round 1 | A | 101B | 7.0 6.0 6.0\nRound 1 | B | 101B | 6.5 6.5 6.5\n");
  const std::string Text = ToUtf8(JudgesReport(Three.C, Three.S, Three.A));
  EXPECT_NE(Text.find("Seat  Awards  Mean   Bias  Spread  Far  High  Low     Rho\n"
                      "J1         2  6.75  +0.50    0.50    0     0    0  -1.000\n"),
            std::string::npos)
      << Text;
  EXPECT_NE(Text.find("\nA panel of 3 judges cancels no award.\n"), std::string::npos);
  EXPECT_EQ(Text.find("Own nation"), std::string::npos);
  const std::string Page = ToUtf8(JudgesPage(Three.C, Three.S, Three.A));
  EXPECT_NE(Page.find("<p class=\"note\">A panel of 3 judges cancels no award.</p>"),
            std::string::npos);
  EXPECT_NE(Page.find("<tr><td>J2</td><td class=\"n\">2</td><td class=\"n\">6.25</td>"),
            std::string::npos);
  const Analysed Alone = Analyse(
      u"Event: women-1m\nPanel: 3\nDiver: A\n101B\nDiver: B\n101B\n"
      u"Round 1 | A | 101B | 7 - -\nRound 1 | B | 101B | 6 - -\n");
  const std::string One = ToUtf8(JudgesReport(Alone.C, Alone.S, Alone.A));
  EXPECT_NE(One.find("Seat  Awards  Mean  Bias  Spread  Far  High  Low    Rho\n"
                     "J1         2  6.50     -       -    0     0    0  1.000\n"
                     "J2         0     -     -       -    0     0    0      -\n"),
            std::string::npos)
      << One;
  EXPECT_NE(One.find("\n-: nothing to measure: no award from the seat,"), std::string::npos);
  EXPECT_NE(JudgesJson(Alone.C, Alone.A).find("\"awards\":0,\"mean\":null,\"bias\":null,"),
            std::string::npos);
  const Analysed Synchro = Analyse(
      u"Event: synchro-women-3m\nPanel: 9\nDiver: Ann / Bea\n101B\n201B\n301B\n401B\n5132D\n"
      u"Round 1 | Ann / Bea | 101B | 6.0 6.0 7.0 7.0 8.0 8.0 8.0 8.0 9.0\n");
  const std::string Roles = ToUtf8(JudgesReport(Synchro.C, Synchro.S, Synchro.A));
  EXPECT_NE(Roles.find("J3    execution, diver 2"), std::string::npos) << Roles;
  EXPECT_NE(Roles.find("J9    synchronisation"), std::string::npos);
}

}  // namespace
}  // namespace merrith
