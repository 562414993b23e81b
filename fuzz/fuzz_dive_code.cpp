// Any text as a dive code, at every height: the parser answers valid or invalid, and each
// calculator answers NotAllowed or a degree of difficulty between 0 and 10.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "difficulty/dive_code.h"
#include "difficulty/parse_code.h"
#include "fuzz_check.h"

namespace {

using merrith::fuzz::Require;

// The nine heights and the values just outside them, which no window offers but a caller
// might still pass.
constexpr std::array<std::int32_t, 15> Heights = {1,
                                                  2,
                                                  3,
                                                  4,
                                                  5,
                                                  6,
                                                  7,
                                                  8,
                                                  9,
                                                  0,
                                                  -1,
                                                  10,
                                                  255,
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()};

bool IsResult(double DD) { return DD == merrith::NotAllowed || (DD >= 0.0 && DD <= 10.0); }

void CheckCalculator(double (*Calc)(std::u16string_view, std::int32_t), const std::u16string& Code,
                     const std::u16string& Upper, std::int32_t HeightIndex) {
  const double DD = Calc(Code, HeightIndex);
  Require(IsResult(DD), "a calculator returns NotAllowed or a value from 0 to 10");
  // The parser upper-cases each character itself, so the case of a letter never matters.
  Require(Calc(Upper, HeightIndex) == DD, "a code and its upper-case form have the same DD");
  if (DD != merrith::NotAllowed) {
    merrith::DiveCode Dive;
    Require(merrith::ParseCode(Code, HeightIndex, Dive) == merrith::CodeValid,
            "a dive with a DD has a readable code");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::u16string Code = merrith::fuzz::UnitsFromBytes(Data, Size);
  const std::u16string Upper = merrith::UpperCase(Code);
  Require(Upper.size() == Code.size(), "upper-casing keeps the length");

  for (const std::int32_t HeightIndex : Heights) {
    merrith::DiveCode Dive;
    const std::int32_t Flag = merrith::ParseCode(Code, HeightIndex, Dive);
    Require(Flag == merrith::CodeValid || Flag == merrith::CodeInvalid,
            "the parser's flag is valid or invalid");
    CheckCalculator(merrith::CalcDD, Code, Upper, HeightIndex);
    CheckCalculator(merrith::CalcHDD, Code, Upper, HeightIndex);
  }
  return 0;
}
