#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "difficulty/dive_code.h"

namespace merrith::testing {

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

}  // namespace merrith::testing
