// The rule book's DD tables of the springboard and the platform, cell by cell: every printed DD
// is the DD of our tables, every dive the rule book marks not possible has none (but six that
// the formula prices), and every printed name is the dive in words.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "difficulty/dive_name.h"
#include "difficulty/dive_numbers.h"
#include "difficulty/heights.h"
#include "official_dd_data.h"
#include "support/utf8.h"
#include "tsv.h"

namespace merrith {
namespace {

using testing::Split;

// clang-format off
// Words the table shortens, and what they stand for.
constexpr std::pair<std::string_view, std::string_view> Abbreviations[] = {
    {"Fwd ",         "Forward "},
    {"Soms.",        "Somersaults"},
    {"Soms ",        "Somersaults "},
    {"Som.",         "Somersault"},
    {"1 Somersault", "Somersault"},
    {"1 \u00BD",     "1\u00BD"},
    {"2 \u00BD",     "2\u00BD"},
};

// The slips of one table, each printed right in the other: the dive, as printed, as meant.
const std::map<std::pair<std::string_view, std::string_view>, std::string_view> Slips = {
    {{"204",  "Back 2 Soms Somersaults"},    "Back 2 Somersaults"},
    {{"112",  "Forward Flying Somersaults"}, "Forward Flying Somersault"},
    {{"212",  "Back Flying Somersaults"},    "Back Flying Somersault"},
    {{"312",  "Reverse Flying Somersaults"}, "Reverse Flying Somersault"},
    {{"412",  "Inward Flying Somersaults"},  "Inward Flying Somersault"},
    {{"403",  "Inward 1\u00BD Somersault"},  "Inward 1\u00BD Somersaults"},
    {{"5273", "Back 3\u00BD Somersaults 1\u00BD Twist"}, "Back 3\u00BD Somersaults 1\u00BD Twists"},
    {{"5275", "Back 3\u00BD Somersaults 2\u00BD Twist"}, "Back 3\u00BD Somersaults 2\u00BD Twists"},
    {{"5373", "Reverse 3\u00BD Soms. 1\u00BD Twist"},    "Reverse 3\u00BD Soms. 1\u00BD Twists"},
    {{"5375", "Reverse 3\u00BD Soms. 2\u00BD Twist"},    "Reverse 3\u00BD Soms. 2\u00BD Twists"},
    {{"5331", "Reverse 1\u00BD Soms. \u00BD Twists"},    "Reverse 1\u00BD Soms. \u00BD Twist"},
    {{"5351", "Reverse 2\u00BD Soms. \u00BD Twists"},    "Reverse 2\u00BD Soms. \u00BD Twist"},
    {{"5371", "Reverse 3\u00BD Soms. \u00BD Twists"},    "Reverse 3\u00BD Soms. \u00BD Twist"},
    {{"5322", "Reverse Somersault 1Twist"},  "Reverse Somersault 1 Twist"},
};
// clang-format on

// The name as the rule book means it: the slip mended, every abbreviation written out.
std::string Meant(std::string_view Code, std::string_view Printed) {
  const auto Slip = Slips.find({Code, Printed});
  std::string Name(Slip == Slips.end() ? Printed : Slip->second);
  for (const auto& [Short, Words] : Abbreviations)
    for (std::size_t At; (At = Name.find(Short)) != std::string::npos;)
      Name.replace(At, Short.size(), Words);
  return Name;
}

std::string NameInWords(const std::u16string& Code) {
  const RuleBookDive Read = ReadDiveNumber(Code);
  const std::optional<std::u16string> Name = DiveName(Read.Dive);
  return Read.Why == NoDive::None && Name ? ToUtf8(*Name) : "(no name)";
}

TEST(OfficialDd, HoldsOurTablesToEveryPrintedDdNotPossibleAndName) {
  std::vector<std::string_view> Lines = Split(testing::OfficialDdTsv, '\n');
  ASSERT_EQ(Lines.front(), "code\tname\theight\tletter\tcell");
  ASSERT_EQ(Lines.size(), 2402u) << "a header, 2,400 cells and a final line feed";
  std::size_t Printed = 0;
  std::size_t NotPossible = 0;
  std::set<std::tuple<std::string_view, std::string_view, std::string_view>> Priced;
  std::set<std::pair<std::string_view, std::string_view>> SlipsMet;
  for (std::size_t I = 1; I + 1 < Lines.size(); ++I) {
    const std::vector<std::string_view> F = Split(Lines[I], '\t');
    ASSERT_EQ(F.size(), 5u) << Lines[I];
    const auto [Code, Name, Caption, Letter, Cell] = std::tie(F[0], F[1], F[2], F[3], F[4]);
    const Height* At = HeightNamed(Caption);
    ASSERT_NE(At, nullptr) << Lines[I];
    const std::u16string Number(Code.begin(), Code.end());
    const double Ours =
        At->Calc->DD(Number + std::u16string(Letter.begin(), Letter.end()), At->Index);
    if (Cell == "-") {
      ++NotPossible;
      if (Ours >= 0) Priced.insert({Code, Letter, Caption});
    } else if (!Cell.empty()) {
      ++Printed;
      double Dd = 0;
      std::from_chars(Cell.data(), Cell.data() + Cell.size(), Dd);
      EXPECT_EQ(DdTenthsOf(Ours), DdTenthsOf(Dd)) << Code << Letter << " at " << Caption;
    }
    if (Slips.contains({Code, Name})) SlipsMet.insert({Code, Name});
    EXPECT_EQ(NameInWords(Number), Meant(Code, Name)) << Code << " at " << Caption;
  }
  EXPECT_EQ(Printed, 950u);
  EXPECT_EQ(NotPossible, 1125u);
  // Not possible from this one height, though the rule book tables them from others.
  EXPECT_EQ(Priced, (decltype(Priced){
                        {"5237", "D", "1m"},
                        {"5239", "D", "1m"},
                        {"5339", "D", "1m"},
                        {"5172", "B", "5m"},
                        {"5172", "C", "5m"},
                        {"5339", "D", "5m"}
  }));
  EXPECT_EQ(SlipsMet.size(), Slips.size()) << "a slip listed that the table does not make";
}

}  // namespace
}  // namespace merrith
