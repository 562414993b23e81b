#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "difficulty/dive_code.h"

namespace merrith::testing {

// Dive numbers of every group, with and without flying digits, over a wide range of half
// somersaults, twists, directions and position letters, including some that no table allows.
inline std::vector<std::u16string> GeneratedCodes() {
  std::vector<std::u16string> Codes;
  const std::u16string Letters = u"ABCDEZ9";
  auto Number = [](int N) {
    std::u16string Text;
    for (char C : std::to_string(N)) Text += static_cast<char16_t>(C);
    return N < 10 ? Text : u"(" + Text + u")";
  };
  for (char16_t Pos : Letters) {
    for (int Som = 0; Som <= 12; ++Som) {
      for (int Group = 0; Group <= 7; ++Group)
        for (int Fly = 0; Fly <= 2; ++Fly)
          Codes.push_back(Number(Group) + Number(Fly) + Number(Som) + Pos);
      for (int Group = 5; Group <= 6; ++Group)
        for (int Dir = 0; Dir <= 6; ++Dir)
          for (int Twi = 0; Twi <= 11; ++Twi) {
            Codes.push_back(Number(Group) + Number(Dir) + Number(Som) + Number(Twi) + Pos);
            Codes.push_back(Number(Group) + u"1" + Number(Dir) + Number(Som) + Number(Twi) + Pos);
            Codes.push_back(Number(Group) + Number(Dir) + Number(Som) + Number(Twi) + u"M" + Pos);
          }
    }
  }
  return Codes;
}

// The code as ASCII for failure messages, other code units as '?'.
inline std::string Narrow(const std::u16string& Text) {
  std::string Result;
  for (char16_t C : Text) Result += C < 0x80 ? static_cast<char>(C) : '?';
  return Result;
}

// A dive at a height and its DD to one decimal, or NotAllowed.
struct ExpectedDd {
  std::u16string Code;
  std::int32_t HeightIndex;
  double Dd;
};

// Checks the DD that Calc gives each dive: NotAllowed exactly, any other to one decimal.
template <class Calculator>
void ExpectDds(Calculator Calc, const std::vector<ExpectedDd>& Cases) {
  for (const ExpectedDd& C : Cases) {
    const double Dd = Calc(C.Code, C.HeightIndex);
    const std::string Where = Narrow(C.Code) + " at height " + std::to_string(C.HeightIndex);
    if (C.Dd == NotAllowed)
      EXPECT_EQ(Dd, NotAllowed) << Where;
    else
      EXPECT_NEAR(Dd, C.Dd, 1e-9) << Where;
  }
}

// The code with its ASCII letters in lower case.
inline std::u16string LowerCase(std::u16string Text) {
  for (char16_t& C : Text) C = (C >= u'A' && C <= u'Z') ? static_cast<char16_t>(C + 32) : C;
  return Text;
}

// HeightIndex values to try: every height, its neighbours and the extremes.
inline constexpr std::int32_t AnyHeightIndex[] = {INT32_MIN, -1, 0, 1, 2, 3,  4,
                                                  5,         6,  7, 8, 9, 10, INT32_MAX};

}  // namespace merrith::testing
