#include "support/words.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/utf8.h"

namespace merrith {
namespace {

// A | at every place of texts long and short, among units that differ from it in one bit or in
// the high byte only, or whose high byte is its low one: found where it is, and nowhere else.
TEST(FindUnit, FindsTheFirstUnitWhereverItStands) {
  constexpr std::u16string_view Fillers = u"}\u017C\u7C7C\0{\uFFFF";
  constexpr auto npos = std::u16string_view::npos;
  for (std::size_t Size = 0; Size <= 19; ++Size) {
    std::u16string Text;
    for (std::size_t I = 0; I < Size; ++I) Text += Fillers[I % Fillers.size()];
    EXPECT_EQ(FindUnit(Text, u'|'), npos) << Size;
    for (std::size_t At = 0; At < Size; ++At) {
      std::u16string With = Text;
      With[At] = u'|';
      EXPECT_EQ(FindUnit(With, u'|'), At) << Size << " " << At;
      EXPECT_EQ(FindUnit(With, u'|', At + 1), npos) << Size << " " << At;
      With.back() = u'|';
      EXPECT_EQ(FindUnit(With, u'|', At + 1), At + 1 < Size ? Size - 1 : npos) << Size << " " << At;
      // The first of several units sought, whichever it is.
      With.back() = u',';
      EXPECT_EQ(FindAnyUnit(With, 0, u',', u'"', u'|'), At) << Size << " " << At;
      EXPECT_EQ(FindAnyUnit(With, At + 1, u'"', u','), At + 1 < Size ? Size - 1 : npos);
    }
  }
  EXPECT_EQ(FindUnit(u"ab", u'a', 5), npos);
}

// Blank and # lines are skipped but counted; a line is trimmed, a carriage return with it.
TEST(ForEachLine, TakesTheLinesThatHoldSomethingByTheirNumbers) {
  std::vector<std::pair<std::size_t, std::u16string>> Taken;
  const std::size_t Lines =
      ForEachLine(u"Event: x\r\n\n  # a comment\r\n \t105B 3m  \r\n\u3000\nlast",
                  [&](std::size_t N, auto Line) { Taken.emplace_back(N, Line); });
  EXPECT_EQ(Lines, 6U);
  const std::vector<std::pair<std::size_t, std::u16string>> Expected = {
      {1, u"Event: x"},
      {4,  u"105B 3m"},
      {6,     u"last"}
  };
  EXPECT_EQ(Taken, Expected);
  EXPECT_EQ(ForEachLine(u"a\n", [](std::size_t, auto) {}), 2U);
  EXPECT_EQ(ForEachLine(u"", [](std::size_t, auto) { ADD_FAILURE(); }), 1U);
}

// A round, a count of judges: plain digits between two bounds, and nothing for any other text,
// however long it is.
TEST(ReadWholeNumber, ReadsPlainDigitsWithinTheBoundsOnly) {
  constexpr auto Largest = static_cast<std::size_t>(-1);
  const std::u16string Digits = NumberText(Largest);
  const std::u16string Past = Digits + u"0";
  const std::u16string Zeros = u"0000000000000000000000" + Digits;
  // clang-format off
  struct Row { std::u16string_view In; std::size_t Least, Most; std::optional<std::size_t> Value; };
  const Row Rows[] = {
      {u"99", 1, 99, 99}, {u"007", 1, 99, 7}, {u"0", 0, 9, 0}, {Zeros, 0, Largest, Largest},
      {u"256", 1, 255, {}}, {u"0", 1, 99, {}}, {Past, 0, Largest, {}}, {Digits, 0, Largest - 1, {}},
      {u"", 0, 9, {}}, {u"+1", 0, 9, {}}, {u" 1", 0, 9, {}}, {u"1.0", 0, 9, {}},
      {u"\uFF11", 0, 9, {}},
  };
  // clang-format on
  for (const auto& R : Rows)
    EXPECT_EQ(ReadWholeNumber(R.In, R.Least, R.Most), R.Value) << ToUtf8(R.In) << " " << R.Most;
}

}  // namespace
}  // namespace merrith
