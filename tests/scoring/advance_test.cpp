#include "scoring/advance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// A preliminary of 20 divers on 3 judges, one round of 101B at 1 m: Diver 01 awarded 10, each
// next diver half a point less, except those of Tied, who are awarded as the diver before them.
Competition Preliminary(const std::vector<std::size_t>& Tied) {
  std::u16string Text = u"Event: women-1m\nPanel: 3\nPhase: preliminary\nMeet: County | June\n";
  std::u16string Dives;
  HalfPoints Award = 21;
  for (std::size_t I = 1; I <= 20; ++I) {
    const std::u16string Name = u"Diver " + std::u16string(I < 10 ? u"0" : u"") + NumberText(I);
    Text += u"Diver: " + Name + u"\nTeam: T" + NumberText(I) + u"\n101B\n";
    if (std::find(Tied.begin(), Tied.end(), I) == Tied.end()) --Award;
    const std::u16string A = AwardText(Award);
    Dives += u"Round 1 | " + Name + u" | 101B | " + A + u" " + A + u" " + A + u"\n";
  }
  const CompetitionRead R = ReadCompetitionText(Text + Dives, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  return R.Read;
}

// The number of each diver named, in order.
template <class T>
std::vector<std::string> Names(const std::vector<T>& Named) {
  std::vector<std::string> Found;
  for (const T& E : Named) Found.push_back(ToUtf8(E.Diver).substr(6));
  return Found;
}

// The top 12 go through, with every diver tied at 12th; in reverse order, a tie in the order of
// its draw (the names drawn as DrawOrder draws them); the next two placed, and any tied with
// the second of them, are the reserves.
TEST(AdvancePhase, TakesTheTopAndAllTiedAtTheLastPlaceInReverseOrder) {
  struct Case {
    std::vector<std::size_t> Tied;  // divers awarded as the one before them
    std::size_t Top;
    std::uint64_t Seed;
    std::vector<std::string> Order;
    std::size_t TiedBeyond;
    std::vector<std::string> Reserves;
  };
  // The order of places Last to 1, after those given first.
  const auto After = [](std::vector<std::string> First, std::size_t Last = 10) {
    for (std::size_t Place = Last; Place > 0; --Place)
      First.push_back(ToUtf8(Place < 10 ? u"0" + NumberText(Place) : NumberText(Place)));
    return First;
  };
  // clang-format off
  const Case Cases[] = {
      // A tie for 12th: both go, drawn; the reserves are 14th and 15th.
      {{13},     12, 7, After({"12", "13", "11"}), 1, {"14", "15"}},
      {{13},     12, 2, After({"13", "12", "11"}), 1, {"14", "15"}},
      // Three tied for 11th: all three go, 13 in all, 11th leaving the order of 1 to 10.
      {{12, 13}, 12, 7, After({"12", "13", "11"}), 1, {"14", "15"}},
      // A tie for 11th of two: 12 go, no draw beyond it; a tie at the second reserve's place.
      {{12, 15}, 12, 1, After({"11", "12"}),       0, {"13", "14", "15"}},
      // No tie: the top 18 of a semi-final.
      {{},       18, 1, After({}, 18),             0, {"19", "20"}},
      // Fewer divers than asked: all go, and nobody is left to be a reserve.
      {{},       25, 1, After({}, 20),             0, {}},
  };
  // clang-format on
  for (const Case& C : Cases) {
    const Competition Prelim = Preliminary(C.Tied);
    const AdvancedPhase A =
        AdvancePhase(Prelim, RankCompetition(Prelim), {C.Top, Phase::Final, C.Seed});
    ASSERT_EQ(A.Fault, AdvanceFault::None);
    EXPECT_EQ(Names(A.Next.Entries), C.Order) << C.Top << " " << C.Seed;
    EXPECT_EQ(A.TiedBeyond, C.TiedBeyond);
    EXPECT_EQ(Names(A.Next.Reserves), C.Reserves);
    EXPECT_EQ(A.Placed, 20U);
  }
}

// The next phase is the same event from zero points: its head names the phase, the meet, the
// draw of a tie and the reserves with their teams; each list is carried over, each dive with
// its height, and it reads back as written.
TEST(AdvancePhase, WritesANewCompetitionOfTheSameEvent) {
  const Competition Prelim = Preliminary({13});
  const AdvancedPhase A = AdvancePhase(Prelim, RankCompetition(Prelim), {12, Phase::SemiFinal, 7});
  const Competition& N = A.Next;
  EXPECT_EQ(N.EventId, u"women-1m");
  EXPECT_EQ(N.Judges, Panel::Three);
  EXPECT_EQ(N.Stage, Phase::SemiFinal);
  EXPECT_EQ(N.Meet, u"County");
  EXPECT_EQ(N.MeetDate, u"June");
  EXPECT_EQ(N.DrawSeed, std::optional<std::uint64_t>(7));
  EXPECT_TRUE(N.Recorded.empty());
  ASSERT_EQ(N.Reserves.size(), 2U);
  EXPECT_EQ(N.Reserves[0].Team, u"T14");
  EXPECT_EQ(N.Entries[0].Team, u"T12");
  EXPECT_EQ(N.Entries[0].Dives.size(), 1U);
  EXPECT_EQ(N.Entries[0].Dives[0].Written.HeightIndex, Prelim.Entries[0].Dives[0].HeightIndex);
  EXPECT_FALSE(N.Entries[0].Carried);
  const CompetitionRead Again = ReadCompetitionText(CompetitionText(N), BuiltInEvents(), {});
  ASSERT_TRUE(Again.Ok());
  EXPECT_EQ(CompetitionText(Again.Read), CompetitionText(N));
  // Without a tie, no draw: the order is the standings'.
  const Competition Untied = Preliminary({});
  EXPECT_FALSE(AdvancePhase(Untied, RankCompetition(Untied), {12, Phase::Final, 7}).Next.DrawSeed);
}

// An age group's final dives the dives without limit alone, and the points of the limited ones
// are carried forward and added (12.4.5.1); its lists are checked as a final's.
TEST(AdvancePhase, CarriesAnAgeGroupsLimitedPointsIntoItsFinal) {
  std::u16string Text = u"Event: a-girls-1m\nPanel: 3\n";
  const std::u16string_view List[] = {u"101C limited", u"201C limited",  u"301C limited",
                                      u"401C limited", u"5111A limited", u"103C",
                                      u"203C",         u"303C",          u"403C"};
  for (const std::u16string_view Name : {u"Zoe", u"Yan", u"Xia"}) {
    Text += u"Diver: " + std::u16string(Name) + u"\n";
    for (const std::u16string_view Dive : List) (Text += Dive) += u"\n";
  }
  const std::u16string_view Awards[] = {u"7.0 7.0 7.0", u"6.0 6.0 6.0", u"5.0 5.0 5.0"};
  const std::u16string_view Divers[] = {u"Zoe", u"Yan", u"Xia"};
  for (std::size_t Round = 1; Round <= 9; ++Round)
    for (std::size_t D = 0; D < 3; ++D)
      Text += u"Round " + NumberText(Round) + u" | " + std::u16string(Divers[D]) + u" | " +
              std::u16string(List[Round - 1].substr(0, List[Round - 1].find(u' '))) + u" | " +
              std::u16string(Awards[D]) + u"\n";
  const CompetitionRead Read = ReadCompetitionText(Text, BuiltInEvents(), {});
  ASSERT_TRUE(Read.Ok());
  const AdvancedPhase A = AdvancePhase(Read.Read, RankCompetition(Read.Read), {2, Phase::Final, 1});
  EXPECT_TRUE(A.LimitedCarried);
  ASSERT_EQ(A.Next.Entries.size(), 2U);
  const Entry& Zoe = A.Next.Entries[1];
  EXPECT_EQ(Zoe.Diver, u"Zoe");
  ASSERT_EQ(Zoe.Dives.size(), 4U);
  EXPECT_EQ(Zoe.Dives[0].Written.Code, u"103C");
  // 21 x (1.2 + 1.5 + 1.6 + 1.4 + 1.8) = 157.50
  EXPECT_EQ(Zoe.Carried, std::optional<Hundredths>(15750));
  const CompetitionRead Final = ReadCompetitionText(CompetitionText(A.Next), BuiltInEvents(), {});
  ASSERT_TRUE(Final.Ok());
  EXPECT_EQ(Final.Read.Rules->Dives, 4);
  EXPECT_TRUE(Final.Read.Entries[1].ListProblems.empty());
  const Standings Before = RankCompetition(Final.Read);
  EXPECT_EQ(Before.Rows[0].Total, 15750);
  EXPECT_EQ(Before.Rows[0].Place, 0U);  // nobody is placed before round 1
  EXPECT_EQ(A.Next.Entries[0].Carried, std::optional<Hundredths>(13500));
}

TEST(AdvancePhase, SaysWhyThereIsNoNextPhase) {
  Competition Final = Preliminary({});
  Final.Stage = Phase::Final;
  EXPECT_EQ(AdvancePhase(Final, RankCompetition(Final), {}).Fault, AdvanceFault::AfterFinal);
  Competition Fresh = Preliminary({});
  Fresh.Recorded.clear();
  EXPECT_EQ(AdvancePhase(Fresh, RankCompetition(Fresh), {}).Fault, AdvanceFault::NoRoundComplete);
  Competition Guests = Preliminary({});
  for (Entry& E : Guests.Entries) E.Status = DiverStatus::OutOfCompetition;
  EXPECT_EQ(AdvancePhase(Guests, RankCompetition(Guests), {}).Fault, AdvanceFault::NobodyPlaced);
}

}  // namespace
}  // namespace merrith
