#include "scoring/draw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_test_folder.h"
#include "scoring/event_engine.h"
#include "support/file_lock.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// SplitMix64's published outputs: its reference code with seed 1234567, and seed 0.
TEST(CDrawGenerator, GivesSplitMix64sOwnNumbers) {
  struct Case {
    std::uint64_t Seed;
    std::uint64_t First[3];
  };
  const Case Cases[] = {
      {1234567, {6457827717110365317U, 3203168211198807973U, 9817491932198370423U}},
      {      0,    {0xE220A8397B1DCDAFU, 0x6E789E6AA1B965F4U, 0x06C45D188009454FU}},
  };
  for (const Case& C : Cases) {
    CDrawGenerator Draw(C.Seed);
    for (const std::uint64_t Number : C.First) EXPECT_EQ(Draw.Next(), Number) << C.Seed;
  }
}

// Below takes what is left modulo the bound, after the uneven first numbers are drawn again.
TEST(CDrawGenerator, DrawsBelowABoundFromTheSameNumbers) {
  CDrawGenerator Draw(42);
  const std::uint64_t Bounds[] = {1, 2, 3, 10, 1000};
  const std::uint64_t Drawn[] = {0, 1, 0, 4, 250};
  for (std::size_t I = 0; I < std::size(Bounds); ++I) EXPECT_EQ(Draw.Below(Bounds[I]), Drawn[I]);
  // A bound of 2^63 + 1 leaves 2^63 - 1 numbers over: from seed 0, the second and third
  // numbers are below that and drawn again; the fourth, 0xF88BB8A8724C81EC, counts.
  CDrawGenerator Wide(0);
  Wide.Next();
  EXPECT_EQ(Wide.Below((std::uint64_t{1} << 63) + 1), 0x788BB8A8724C81EBU);
}

std::vector<std::u16string> Divers() {
  std::vector<std::u16string> Names;
  for (const char16_t* N : {u"Ann", u"Bea", u"Cat", u"Dee", u"Eve", u"Fay", u"Gil", u"Hal", u"Ivy",
                            u"Jo", u"Kim", u"Lu"})
    Names.push_back(std::u16string(N) + u" Example");
  return Names;
}

std::vector<std::u16string> Drawn(const std::vector<std::u16string>& Names, std::uint64_t Seed) {
  std::vector<std::u16string> Order;
  for (const std::size_t I : DrawOrder(Names, Seed)) Order.push_back(Names[I]);
  return Order;
}

// The test vector of the README: the twelve divers of the sample meet drawn with seed 42, the
// same whatever order they were entered in.
TEST(DrawOrder, GivesOneOrderForASeedWhateverTheEntries) {
  const std::vector<std::u16string> Expected = {u"Jo Example",  u"Gil Example", u"Hal Example",
                                                u"Kim Example", u"Dee Example", u"Lu Example",
                                                u"Eve Example", u"Cat Example", u"Ann Example",
                                                u"Ivy Example", u"Fay Example", u"Bea Example"};
  std::vector<std::u16string> Names = Divers();
  EXPECT_EQ(Drawn(Names, 42), Expected);
  std::reverse(Names.begin(), Names.end());
  EXPECT_EQ(Drawn(Names, 42), Expected);
  EXPECT_NE(Drawn(Names, 43), Expected);
  EXPECT_TRUE(DrawOrder({}, 42).empty());
}

TEST(ReadSeed, TakesAWholeNumberThatFitsSixtyFourBits) {
  struct Case {
    std::u16string_view Text;
    std::optional<std::uint64_t> Seed;
  };
  const Case Cases[] = {
      {                   u"0",                    0U},
      {                  u"42",                   42U},
      {u"18446744073709551615", 18446744073709551615U},
      {u"18446744073709551616",          std::nullopt},
      {                  u"-1",          std::nullopt},
      {                    u"",          std::nullopt},
      {                  u"4a",          std::nullopt},
      {                 u" 42",          std::nullopt},
  };
  for (const Case& C : Cases) EXPECT_EQ(ReadSeed(C.Text), C.Seed) << ToUtf8(C.Text);
}

// A hand-written competition: the head's comment, a comment above one diver, blank lines
// between the divers, CR LF, a status at the end.
constexpr std::string_view Meet =
    "# County meet\r\n"
    "Event: women-1m\r\n"
    "Panel: 5\r\n"
    "\r\n"
    "Diver: Cy\r\n101B\r\n"
    "\r\n"
    "# new this year\r\n"
    "Diver: Al\r\nTeam: North\r\n101C\r\n"
    "\r\n"
    "Diver: Bo\r\n101B\r\n"
    "\r\n"
    "Did not start: Bo\r\n";

Competition Read(std::u16string_view Text) {
  const CompetitionRead R = ReadCompetitionText(Text, BuiltInEvents(), {});
  EXPECT_TRUE(R.Ok());
  return R.Read;
}

TEST(DrawnText, MovesEachDiversLinesAndKeepsEveryOtherLine) {
  const std::u16string Text = DecodeUtf8(Meet);
  const Competition C = Read(Text);
  const std::size_t Order[] = {1, 2, 0};
  const std::u16string Once = DrawnText(Text, C, Order, 7);
  EXPECT_EQ(ToUtf8(Once),
            "# County meet\r\nEvent: women-1m\r\nPanel: 5\r\nDraw: seed 7\r\n\r\n"
            "# new this year\r\nDiver: Al\r\nTeam: North\r\n101C\r\n"
            "\r\n"
            "Diver: Bo\r\n101B\r\n"
            "\r\n"
            "Diver: Cy\r\n101B\r\n"
            "\r\n"
            "Did not start: Bo\r\n");
  // Drawn again, the Draw: line is the one rewritten.
  const std::size_t Back[] = {2, 0, 1};
  EXPECT_EQ(DrawnText(Once, Read(Once), Back, 8),
            DrawnText(Text, C, std::vector<std::size_t>{0, 1, 2}, 8));
}

class EngineDraw : public ::testing::Test {
 protected:
  void Put(std::string_view Text, const std::string& Name) {
    Dir.Put(Name, {Text.begin(), Text.end()});
    Path = Dir.Text(Name);
  }
  std::string File(const std::string& Name) const {
    const std::vector<std::uint8_t> Bytes = Dir.Get(Name);
    return {Bytes.begin(), Bytes.end()};
  }
  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  std::u16string Path;
};

// The draw goes through the one writer of the file: it is refused once a dive is recorded, in a
// spreadsheet form and while another holds the file, and otherwise written and read back.
TEST_F(EngineDraw, WritesTheOrderOnlyBeforeTheFirstDive) {
  Put(Meet, "meet.txt");
  CEventEngine E(Events);
  ASSERT_TRUE(E.Open(Path).Opened);
  ASSERT_TRUE(E.Draw(42).Done());
  EXPECT_EQ(E.Held().DrawSeed, std::optional<std::uint64_t>(42));
  EXPECT_NE(File("meet.txt").find("Draw: seed 42\r\n"), std::string::npos);
  const KeyedDive Keyed{
      {0, 1},
      std::vector<std::optional<HalfPoints>>(5, 14), {   }
  };
  ASSERT_TRUE(E.Record(Keyed).Done());
  const std::string Before = File("meet.txt");
  const EngineAnswer Refused = E.Draw(43);
  ASSERT_EQ(Refused.Step, EngineStep::Refused);
  EXPECT_EQ(Refused.Fault->Why, CompetitionFault::DrawWithDives);
  EXPECT_EQ(Refused.Fault->Values.Count, 1U);
  EXPECT_EQ(File("meet.txt"), Before);
  E.Close();

  Put("diver,round,dive,height,J1,J2,J3\nAl,1,101B,1m,,,\n", "meet.csv");
  ASSERT_TRUE(E.Open(Path).Opened);
  EXPECT_EQ(E.Draw(1).Fault->Why, CompetitionFault::DrawOfSpreadsheet);
  E.Close();

  Put(Meet, "held.txt");
  CFileLock Recorder;
  ASSERT_TRUE(Recorder.Take(Path, u"the recorder").Taken);
  ASSERT_TRUE(E.Open(Path).Opened);
  EXPECT_EQ(E.Holder(), u"the recorder");
  EXPECT_EQ(E.Draw(1).Step, EngineStep::ReadOnly);
  EXPECT_EQ(File("held.txt"), Meet);
}

}  // namespace
}  // namespace merrith
