// Every DD published for a real dive, worked out by the calculator of its height: a wrong cell
// that a published dive reads gives it another DD. Where our tables knowingly differ from the
// published value the row is listed apart, with the DD of our tables, and it has to go on
// differing in exactly that way.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <map>
#include <optional>
#include <set>
#include <sstream>
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

using testing::DifferencesTsv;
using testing::PublishedDdTsv;
using testing::Split;

constexpr std::string_view PublishedHeader = "code\theight\tpublished_dd\tsource";
constexpr std::string_view DifferencesHeader =
    "code\theight\tpublished_dd\tdd_of_our_tables\tsource";

// A dive number and the height it is dived from.
using DiveAt = std::pair<std::string, const Height*>;

// One row of either list; Ours only in the list of differences.
struct Row {
  DiveAt Dive;
  double Published = 0;
  double Ours = 0;
  std::string Where;  // the dive, its height and published DD, for messages
};

// A DD as the lists write it: one decimal, or "-" where the dive has none.
std::optional<double> ReadDd(std::string_view Text) {
  if (Text == "-") return NotAllowed;
  double Value = 0;
  const char* const End = Text.data() + Text.size();
  const auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
  if (Error != std::errc() || Stop != End || Value < 0) return std::nullopt;
  return Value;
}

std::optional<Row> ReadRow(std::string_view Text, bool WithOurs) {
  const std::vector<std::string_view> Fields = Split(Text, '\t');
  if (Fields.size() != (WithOurs ? 5u : 4u) || Fields[0].empty()) return std::nullopt;
  const Height* const At = HeightCaptioned(Fields[1]);
  const std::optional<double> Published = ReadDd(Fields[2]);
  const std::optional<double> Ours = WithOurs ? ReadDd(Fields[3]) : 0.0;
  if (At == nullptr || !Published || *Published == NotAllowed || !Ours) return std::nullopt;
  std::string Where = std::string(Fields[0]) + " at " + std::string(Fields[1]) + ", published " +
                      std::string(Fields[2]);
  return Row{
      {std::string(Fields[0]), At},
      *Published, *Ours, std::move(Where)
  };
}

// The rows of a list under its header line; a line that cannot be read fails the test.
std::vector<Row> ReadRows(std::string_view Tsv, std::string_view Header, bool WithOurs) {
  const std::vector<std::string_view> Lines = Split(Tsv, '\n');
  EXPECT_EQ(Lines.front(), Header);
  EXPECT_EQ(Lines.back(), "") << "the list ends with a line feed";
  std::vector<Row> Rows;
  for (std::size_t I = 1; I + 1 < Lines.size(); ++I) {
    if (std::optional<Row> Read = ReadRow(Lines[I], WithOurs)) {
      Rows.push_back(std::move(*Read));
    } else {
      ADD_FAILURE() << "line " << I + 1 << " cannot be read: " << Lines[I];
    }
  }
  return Rows;
}

std::vector<Row> PublishedRows() { return ReadRows(PublishedDdTsv, PublishedHeader, false); }
std::vector<Row> DifferenceRows() { return ReadRows(DifferencesTsv, DifferencesHeader, true); }

double DdOfOurTables(const DiveAt& Dive) {
  const std::u16string Code(Dive.first.begin(), Dive.first.end());
  return Dive.second->Calc->DD(Code, Dive.second->Index);
}

// Whether a calculator's unrounded sum is the DD written with one decimal.
bool SameDd(double Sum, double Written) {
  if (Sum == NotAllowed || Written == NotAllowed) return Sum == Written;
  return std::abs(Sum - Written) < 1e-9;
}

// A DD as the lists write it, or every digit of a sum that is no DD of one decimal.
std::string Shown(double Dd) {
  if (Dd == NotAllowed) return "-";
  std::ostringstream Text;
  const bool OneDecimal = std::abs(Dd * 10 - std::round(Dd * 10)) < 1e-8;
  Text << std::fixed << std::setprecision(OneDecimal ? 1 : 17) << Dd;
  return Text.str();
}

TEST(PublishedDd, EveryDiveNotListedAsADifferenceHasItsPublishedDd) {
  std::set<DiveAt> Listed;
  for (const Row& R : DifferenceRows()) Listed.insert(R.Dive);
  const std::vector<Row> Rows = PublishedRows();
  ASSERT_EQ(Rows.size(), 1815u);
  std::set<DiveAt> Seen;
  for (const Row& R : Rows) {
    EXPECT_TRUE(Seen.insert(R.Dive).second) << R.Where << ": published twice";
    if (Listed.contains(R.Dive)) continue;
    const double Ours = DdOfOurTables(R.Dive);
    EXPECT_TRUE(SameDd(Ours, R.Published)) << R.Where << ": our tables give " << Shown(Ours);
  }
}

TEST(PublishedDd, EveryListedDifferenceStillDiffersAsListed) {
  std::map<DiveAt, double> Published;
  for (const Row& R : PublishedRows()) Published.emplace(R.Dive, R.Published);
  const std::vector<Row> Rows = DifferenceRows();
  ASSERT_EQ(Rows.size(), 142u);
  std::set<DiveAt> Seen;
  for (const Row& R : Rows) {
    EXPECT_TRUE(Seen.insert(R.Dive).second) << R.Where << ": listed twice";
    const auto Found = Published.find(R.Dive);
    if (Found == Published.end()) {
      ADD_FAILURE() << R.Where << ": not a published dive";
      continue;
    }
    EXPECT_EQ(Found->second, R.Published) << R.Where << ": published as " << Shown(Found->second);
    EXPECT_FALSE(SameDd(R.Ours, R.Published)) << R.Where << ": lists no difference";
    const double Ours = DdOfOurTables(R.Dive);
    EXPECT_TRUE(SameDd(Ours, R.Ours)) << R.Where << ": our tables now give " << Shown(Ours);
  }
}

}  // namespace
}  // namespace merrith
