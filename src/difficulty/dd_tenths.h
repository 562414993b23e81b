#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace merrith {

// A degree of difficulty as the tables print it, in whole tenths: 3.4 is 34. Sums, caps and
// comparisons of printed DDs are made in tenths, so 1.6 + 1.8 + 1.9 + 2.1 + 2.1 is exactly the
// cap of 9.5, whatever the binary sum of the doubles says.
using DdTenths = std::int32_t;

// The largest DD any calculator gives is far below this; a value at or beyond it is no DD.
inline constexpr double DdTenthsLimit = 1000.0;

// The DD a calculator returned, rounded to the nearest tenth as a table cell shows it (a
// calculator's sum lies within a hair of a tenth, never near a half); nothing when it is
// negative (the dive has no DD) or not a DD at all.
inline std::optional<DdTenths> ToTenths(double DD) {
  if (!(DD >= 0 && DD < DdTenthsLimit)) return std::nullopt;
  return static_cast<DdTenths>(std::lround(DD * 10.0));
}

}  // namespace merrith
