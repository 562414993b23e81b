// DDs published for real dives that the rule book's tables do not print so (every high dive,
// and springboard and platform dives those tables leave out), each worked out by the
// calculator of its height. Where our tables knowingly differ from the published value the row
// gives the DD of our tables too, and it has to go on differing in exactly that way.
#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "difficulty/dive_code.h"
#include "difficulty/heights.h"
#include "published_dd_data.h"
#include "tsv.h"

namespace merrith {
namespace {

using testing::Split;

// A DD as the list writes it: one decimal, or "-" where the dive has none.
double ReadDd(std::string_view Text) {
  double Value = NotAllowed;
  if (Text != "-") std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  return Value;
}

TEST(PublishedDd, EveryDiveHasItsPublishedDdOrTheListedDifference) {
  const std::vector<std::string_view> Lines = Split(testing::PublishedDdTsv, '\n');
  ASSERT_EQ(Lines.front(), "code\theight\tpublished_dd\tdd_of_our_tables\tsource");
  ASSERT_EQ(Lines.size(), 872u) << "a header, 870 dives and a final line feed";
  for (std::size_t I = 1; I + 1 < Lines.size(); ++I) {
    const std::vector<std::string_view> F = Split(Lines[I], '\t');
    ASSERT_EQ(F.size(), 5u) << Lines[I];
    const auto [Code, Caption, Published, Differs] = std::tie(F[0], F[1], F[2], F[3]);
    const Height* At = HeightNamed(Caption);
    ASSERT_NE(At, nullptr) << Lines[I];
    const double Expected = ReadDd(Differs.empty() ? Published : Differs);
    if (!Differs.empty()) {
      EXPECT_NE(Expected, ReadDd(Published)) << Lines[I] << ": lists no difference";
    }
    const double Ours = At->Calc->DD(std::u16string(Code.begin(), Code.end()), At->Index);
    EXPECT_NEAR(Ours, Expected, 1e-9) << Lines[I];
  }
}

}  // namespace
}  // namespace merrith
