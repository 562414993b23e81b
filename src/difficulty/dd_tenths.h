#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace merrith {

// A degree of difficulty as the tables print it, in whole tenths: 3.4 is 34. Sums, caps and
// comparisons of printed DDs are made in tenths, so 1.6 + 1.8 + 1.9 + 2.1 + 2.1 is exactly the
// cap of 9.5, whatever the binary sum of the doubles says.
using DdTenths = std::int32_t;

// A sum of DDs in whole tenths: however long a list, it cannot overflow.
using DdTotal = std::int64_t;

// The largest DD any calculator gives is far below this; a value at or beyond it is no DD.
inline constexpr double DdTenthsLimit = 1000.0;

// The whole tenths that a DD of the calculators stands for (34 for 3.4000000000000004): its
// sum of table values lies within a few units in the last place of them. Nothing for any
// other value, a negative one (no DD) included, which the printers then write digit by digit.
// Rounded to 15 significant digits or to one decimal, a value this near gives the tenths
// exactly: it is less than Tenths / 10 * 4.2e-16 away from them, counting the rounding of the
// division, and half a unit in the 15th digit is at least 5e-16 of it.
inline std::optional<DdTenths> DdTenthsOf(double DD) {
  if (DD == 0) return 0;  // also -0, where every sum starts
  if (!(DD > 0 && DD < DdTenthsLimit)) return std::nullopt;
  const auto Tenths = static_cast<DdTenths>(std::lround(DD * 10.0));
  const double Nearest = Tenths / 10.0;
  if (std::abs(DD - Nearest) > Nearest * 3e-16) return std::nullopt;
  return Tenths;
}

// A DD or a sum of them in whole tenths as text, one decimal after Separator: 2.0, 14.6, -0.5;
// where DropWholeZero is asked, a whole DD without its decimal (2).
std::u16string TenthsText(DdTotal Tenths, std::u16string_view Separator = u".",
                          bool DropWholeZero = false);

}  // namespace merrith
