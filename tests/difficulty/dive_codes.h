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

// Checks the DD that Calc gives each dive to one decimal (NotAllowed is far from any DD).
template <class Calculator>
void ExpectDds(Calculator Calc, const std::vector<ExpectedDd>& Cases) {
  for (const ExpectedDd& C : Cases)
    EXPECT_NEAR(Calc(C.Code, C.HeightIndex), C.Dd, 1e-9)
        << Narrow(C.Code) << " at height " << C.HeightIndex;
}

}  // namespace merrith::testing
