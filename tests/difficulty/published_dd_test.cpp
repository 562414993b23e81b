// DDs published for real dives that the rule book's tables do not print so (every high dive,
// and springboard and platform dives those tables leave out), each worked out by the
// calculator of its height. Where our tables knowingly differ from the published value the row
// is listed apart, with the DD of our tables, and it has to go on differing in exactly that way.
#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "difficulty/dive_code.h"
#include "difficulty/heights.h"
#include "published_dd_data.h"
#include "tsv.h"

namespace merrith {
namespace {

using testing::Split;

// A DD as the lists write it: one decimal, or "-" where the dive has none.
double ReadDd(std::string_view Text) {
  double Value = NotAllowed;
  if (Text != "-") std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  return Value;
}

// The fields of each line under a list's header; a line with another count fails the test.
std::vector<std::vector<std::string_view>> Rows(std::string_view Tsv, std::size_t Fields) {
  const std::vector<std::string_view> Lines = Split(Tsv, '\n');
  EXPECT_EQ(Lines.back(), "") << "the list ends with a line feed";
  std::vector<std::vector<std::string_view>> Out;
  for (std::size_t I = 1; I + 1 < Lines.size(); ++I) {
    Out.push_back(Split(Lines[I], '\t'));
    EXPECT_EQ(Out.back().size(), Fields) << Lines[I];
    Out.back().resize(Fields);
  }
  return Out;
}

TEST(PublishedDd, EveryDiveHasItsPublishedDdOrTheListedDifference) {
  // Dive number and height: the published DD as the list of differences writes it, and ours.
  std::map<std::pair<std::string_view, std::string_view>, std::pair<std::string_view, double>>
      Listed;
  for (const std::vector<std::string_view>& F : Rows(testing::DifferencesTsv, 5)) {
    EXPECT_NE(ReadDd(F[2]), ReadDd(F[3])) << F[0] << " at " << F[1] << " lists no difference";
    EXPECT_TRUE(Listed
                    .insert({
                        {F[0],         F[1]},
                        {F[2], ReadDd(F[3])}
    })
                    .second)
        << F[0] << F[1];
  }
  std::set<std::pair<std::string_view, std::string_view>> Seen;
  for (const std::vector<std::string_view>& F : Rows(testing::PublishedDdTsv, 4)) {
    const std::string Where = std::string(F[0]) + " at " + std::string(F[1]);
    const Height* At = HeightCaptioned(F[1]);
    ASSERT_NE(At, nullptr) << Where;
    EXPECT_TRUE(Seen.insert({F[0], F[1]}).second) << Where << ": published twice";
    double Expected = ReadDd(F[2]);
    if (const auto Found = Listed.find({F[0], F[1]}); Found != Listed.end()) {
      EXPECT_EQ(Found->second.first, F[2]) << Where << ": published as " << F[2];
      Expected = Found->second.second;
    }
    const double Ours = At->Calc->DD(std::u16string(F[0].begin(), F[0].end()), At->Index);
    EXPECT_NEAR(Ours, Expected, 1e-9) << Where << ", published " << F[2];
  }
  EXPECT_EQ(Seen.size(), 870u);
  for (const auto& [Dive, Difference] : Listed)
    EXPECT_TRUE(Seen.contains(Dive)) << Dive.first << " at " << Dive.second << ": not published";
}

}  // namespace
}  // namespace merrith
