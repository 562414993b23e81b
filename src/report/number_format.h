#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "difficulty/dd_tenths.h"

namespace merrith {

// The single result's format: rounded to 15 significant digits, plain decimal notation,
// trailing zeros and a bare separator removed (2 shows as 2, 2.3000000000000003 as 2.3).
std::u16string FormatGeneral(double Value, std::u16string_view DecimalSeparator);

// A table cell's format: rounded to one decimal, at least one digit before the
// separator (2 shows as 2.0).
std::u16string FormatFixed1(double Value, std::u16string_view DecimalSeparator);

// The whole tenths that FormatFixed1 shows for Value (34 for 3.4000000000000004), when Value is
// a DD that lies so near them that no rounding could go the other way; nothing otherwise.
inline std::optional<DdTenths> ShownTenths(double Value) {
  // Ten times Value is out by far less than a quarter in its last place, so within a quarter
  // of whole tenths it rounds to them, and only from a half could it round the other way.
  const double Scaled = Value * 10.0;
  if (!(Scaled >= 0 && Scaled < DdTenthsLimit * 10.0)) return std::nullopt;
  const auto Below = static_cast<DdTenths>(Scaled);  // the tenths below or at Value
  const double Rest = Scaled - Below;
  if (Rest <= 0.25) return Below;
  if (Rest >= 0.75) return Below + 1;
  return std::nullopt;
}

}  // namespace merrith
