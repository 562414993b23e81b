#pragma once

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

}  // namespace merrith
