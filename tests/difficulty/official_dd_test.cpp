// The rule book's DD tables of the springboard and the platform, cell by cell: every printed DD
// is the DD of our tables, every dive the rule book marks not possible has none (but six that
// the formula prices, listed), and every printed name is the dive in words.
#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
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

using testing::OfficialDdTsv;
using testing::Split;

// One cell of the table: the dive, its printed name, where and how it is dived, and the cell.
struct Cell {
  std::string_view Code;
  std::string_view Name;
  std::string_view Height;
  std::string_view Letter;
  std::string_view Text;  // a DD with one decimal, "-" for not possible, empty when not worked out
};

std::vector<Cell> Cells() {
  std::vector<std::string_view> Lines = Split(OfficialDdTsv, '\n');
  EXPECT_EQ(Lines.front(), "code\tname\theight\tletter\tcell");
  EXPECT_EQ(Lines.back(), "") << "the table ends with a line feed";
  std::vector<Cell> Read;
  for (std::size_t I = 1; I + 1 < Lines.size(); ++I) {
    const std::vector<std::string_view> F = Split(Lines[I], '\t');
    if (F.size() != 5) {
      ADD_FAILURE() << "line " << I + 1 << " cannot be read: " << Lines[I];
      continue;
    }
    Read.push_back({F[0], F[1], F[2], F[3], F[4]});
  }
  EXPECT_EQ(Read.size(), 2400u);
  return Read;
}

std::u16string Widen(std::string_view Ascii) { return {Ascii.begin(), Ascii.end()}; }

// The DD of our tables for the cell's dive, where the rule book prints it.
double OurDd(const Cell& C) {
  const Height* At = HeightCaptioned(C.Height);
  if (At == nullptr) {
    ADD_FAILURE() << C.Code << C.Letter << ": no height " << C.Height;
    return NotAllowed;
  }
  return At->Calc->DD(Widen(C.Code) + Widen(C.Letter), At->Index);
}

std::optional<DdTenths> PrintedTenths(std::string_view Text) {
  double Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size()) return std::nullopt;
  return ToTenths(Value);
}

TEST(OfficialDd, EveryPrintedDdIsTheDdOfOurTables) {
  std::size_t Printed = 0;
  for (const Cell& C : Cells()) {
    if (C.Text.empty() || C.Text == "-") continue;
    ++Printed;
    const std::optional<DdTenths> Wanted = PrintedTenths(C.Text);
    ASSERT_TRUE(Wanted) << C.Code << C.Letter << " at " << C.Height << ": " << C.Text;
    EXPECT_EQ(ToTenths(OurDd(C)), Wanted) << C.Code << C.Letter << " at " << C.Height;
  }
  EXPECT_EQ(Printed, 950u);
}

// A dive and the height it is dived from.
using DiveAt = std::tuple<std::string_view, std::string_view, std::string_view>;

// Not possible in the rule book at this one height, though it tables them at others; the
// formula prices them.
const std::set<DiveAt> PricedThoughNotPossible = {
    {"5237", "D", "1m"},
    {"5239", "D", "1m"},
    {"5339", "D", "1m"},
    {"5172", "B", "5m"},
    {"5172", "C", "5m"},
    {"5339", "D", "5m"},
};

TEST(OfficialDd, EveryDiveNotPossibleHasNoDdButSixThatTheFormulaPrices) {
  std::size_t NotPossible = 0;
  std::set<DiveAt> Priced;
  for (const Cell& C : Cells()) {
    if (C.Text != "-") continue;
    ++NotPossible;
    if (OurDd(C) >= 0) Priced.insert({C.Code, C.Letter, C.Height});
  }
  EXPECT_EQ(NotPossible, 1125u);
  EXPECT_EQ(Priced, PricedThoughNotPossible);
}

// Words the table shortens, and what they stand for.
struct Shortened {
  std::string_view Printed;
  std::string_view Words;
};

// clang-format off
constexpr Shortened Abbreviations[] = {
    {"Fwd ",         "Forward "},
    {"Soms.",        "Somersaults"},
    {"Soms ",        "Somersaults "},
    {"Som.",         "Somersault"},
    {"1 Somersault", "Somersault"},
    {"1 \xC2\xBD",   "1\xC2\xBD"},  // 1 ½
    {"2 \xC2\xBD",   "2\xC2\xBD"},
};

// The slips of one table, each printed right in the other: dive, as printed, as meant.
const std::map<std::pair<std::string_view, std::string_view>, std::string_view> Slips = {
    {{"204",  "Back 2 Soms Somersaults"},           "Back 2 Somersaults"},
    {{"112",  "Forward Flying Somersaults"},        "Forward Flying Somersault"},
    {{"212",  "Back Flying Somersaults"},           "Back Flying Somersault"},
    {{"312",  "Reverse Flying Somersaults"},        "Reverse Flying Somersault"},
    {{"412",  "Inward Flying Somersaults"},         "Inward Flying Somersault"},
    {{"403",  "Inward 1\xC2\xBD Somersault"},       "Inward 1\xC2\xBD Somersaults"},
    {{"5273", "Back 3\xC2\xBD Somersaults 1\xC2\xBD Twist"},
                                                    "Back 3\xC2\xBD Somersaults 1\xC2\xBD Twists"},
    {{"5275", "Back 3\xC2\xBD Somersaults 2\xC2\xBD Twist"},
                                                    "Back 3\xC2\xBD Somersaults 2\xC2\xBD Twists"},
    {{"5373", "Reverse 3\xC2\xBD Soms. 1\xC2\xBD Twist"},
                                                    "Reverse 3\xC2\xBD Soms. 1\xC2\xBD Twists"},
    {{"5375", "Reverse 3\xC2\xBD Soms. 2\xC2\xBD Twist"},
                                                    "Reverse 3\xC2\xBD Soms. 2\xC2\xBD Twists"},
    {{"5331", "Reverse 1\xC2\xBD Soms. \xC2\xBD Twists"}, "Reverse 1\xC2\xBD Soms. \xC2\xBD Twist"},
    {{"5351", "Reverse 2\xC2\xBD Soms. \xC2\xBD Twists"}, "Reverse 2\xC2\xBD Soms. \xC2\xBD Twist"},
    {{"5371", "Reverse 3\xC2\xBD Soms. \xC2\xBD Twists"}, "Reverse 3\xC2\xBD Soms. \xC2\xBD Twist"},
    {{"5322", "Reverse Somersault 1Twist"},         "Reverse Somersault 1 Twist"},
};
// clang-format on

// The name as the rule book means it: the slip mended, every abbreviation written out.
std::string Meant(const Cell& C, std::set<std::string_view>& SlipsMet) {
  std::string Name(C.Name);
  if (const auto Slip = Slips.find({C.Code, C.Name}); Slip != Slips.end()) {
    Name = Slip->second;
    SlipsMet.insert(C.Code);
  }
  for (const Shortened& A : Abbreviations)
    for (std::size_t At; (At = Name.find(A.Printed)) != std::string::npos;)
      Name.replace(At, A.Printed.size(), A.Words);
  return Name;
}

std::string NameInWords(std::string_view Code) {
  const std::optional<DiveCode> Dive = ReadDiveNumber(Widen(Code));
  if (!Dive) return "(no dive)";
  const std::optional<std::u16string> Name = DiveName(*Dive);
  if (!Name) return "(no name)";
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(*Name);
  return {Bytes.begin(), Bytes.end()};
}

TEST(OfficialDd, EveryPrintedNameIsTheDiveInWords) {
  std::set<std::string_view> SlipsMet;
  std::set<std::string_view> Codes;
  for (const Cell& C : Cells()) {
    Codes.insert(C.Code);
    EXPECT_EQ(NameInWords(C.Code), Meant(C, SlipsMet)) << C.Code << " at " << C.Height;
  }
  EXPECT_EQ(Codes.size(), 137u);
  EXPECT_EQ(SlipsMet.size(), Slips.size()) << "a slip listed that the table does not make";
}

}  // namespace
}  // namespace merrith
