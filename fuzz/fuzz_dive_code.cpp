// Any text as a dive code, at every height: the parser answers valid or invalid, and each
// calculator answers NotAllowed or a degree of difficulty within what its tables can sum to;
// the code read with one letter appended gives the code with any other letter.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "difficulty/dive_code.h"
#include "difficulty/dive_numbers.h"
#include "difficulty/explain_dive.h"
#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "fuzz_check.h"
#include "report/single_dive.h"

namespace {

using merrith::fuzz::Require;

// The nine heights and the values just outside them, which no window offers but a caller
// might still pass.
constexpr std::int32_t IntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t IntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::array<std::int32_t, 15> Heights = {1, 2, 3,  4,  5,   6,      7,     8,
                                                  9, 0, -1, 10, 255, IntMin, IntMax};

// A calculator and the heights it serves. Springboard and platform dives stay below 10; a
// high dive adds seven values of at most 6.4 each, and the hardest ones pass 10 (armstand
// forward 4 1/2 somersaults 4 1/2 twists pike, 6199B, is 10.4 at 20 m).
struct Calculator {
  double (*Calc)(std::u16string_view, std::int32_t);
  std::int32_t FirstHeight;
  std::int32_t LastHeight;
  double Highest;
};

constexpr Calculator Calculators[] = {
    { merrith::CalcDD, 1, 5,    10.0}, // 1 m to 10 m
    {merrith::CalcHDD, 6, 9, 7 * 6.4}, // 12 m to 27 m
};

void Check(const Calculator& C, const std::u16string& Code, const std::u16string& Upper,
           std::int32_t HeightIndex) {
  const double DD = C.Calc(Code, HeightIndex);
  if (HeightIndex < C.FirstHeight || HeightIndex > C.LastHeight) {
    Require(DD == merrith::NotAllowed, "a calculator has no DD at another calculator's heights");
    return;
  }
  Require(DD == merrith::NotAllowed || (DD >= 0.0 && DD <= C.Highest),
          "a calculator returns NotAllowed or a DD within its tables' range");
  // The parser upper-cases each character itself, so the case of a letter never matters.
  Require(C.Calc(Upper, HeightIndex) == DD, "a code and its upper-case form have the same DD");
  if (DD != merrith::NotAllowed) {
    merrith::DiveCode Dive;
    Require(merrith::ParseCode(Code, HeightIndex, Dive) == merrith::CodeValid,
            "a dive with a DD has a readable code");
  }
}

// The explanation of a code gives the very double of the height's calculator, and a reason
// exactly when there is no DD; its name and sum line can be written whatever the fields.
void CheckExplanation(const std::u16string& Code, std::int32_t HeightIndex) {
  const merrith::DiveExplanation E = merrith::ExplainDive(Code, HeightIndex);
  const merrith::Height* H = merrith::HeightAt(HeightIndex);
  const double DD = H != nullptr ? H->Calc->DD(Code, HeightIndex) : merrith::NotAllowed;
  Require(std::memcmp(&E.DD, &DD, sizeof DD) == 0, "an explanation gives the calculator's DD");
  Require((E.Why == merrith::Refusal::None) == (DD >= 0),
          "an explanation has a reason exactly when there is no DD");
  Require(!merrith::SumLine(E, u".").empty(), "an explanation's sum can be written");
}

// A code with a letter appended reads as the code alone, but for the position: the batch table
// reads each listed line once and prices it in each position so.
void CheckOtherLetters(const std::u16string& Code) {
  const merrith::RuleBookDive Alone = merrith::ReadDiveNumber(Code);
  for (const char16_t Letter : std::u16string_view(u"ABCDEabcde")) {
    const merrith::RuleBookDive Read = merrith::ReadDiveNumber(Code + Letter, 9);
    merrith::DiveCode Derived = Alone.Dive;
    Derived.Pos = (Letter & ~0x20) - u'A';
    Require(Read.Read == Alone.Read, "a letter reads a code as the code alone");
    Require(Read.Number == Alone.Number, "a letter keeps the number of the code alone");
    if (Read.Read)
      Require(std::memcmp(&Read.Dive, &Derived, sizeof Derived) == 0,
              "a letter gives the fields of the code alone in its position");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::u16string Code = merrith::fuzz::UnitsFromBytes(Data, Size);
  const std::u16string Upper = merrith::UpperCase(Code);
  Require(Upper.size() == Code.size(), "upper-casing keeps the length");
  CheckOtherLetters(Code);

  for (const std::int32_t HeightIndex : Heights) {
    merrith::DiveCode Dive;
    const std::int32_t Flag = merrith::ParseCode(Code, HeightIndex, Dive);
    Require(Flag == merrith::CodeValid || Flag == merrith::CodeInvalid,
            "the parser's flag is valid or invalid");
    for (const Calculator& C : Calculators) Check(C, Code, Upper, HeightIndex);
    CheckExplanation(Code, HeightIndex);
  }
  return 0;
}
