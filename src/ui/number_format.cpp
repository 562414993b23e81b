#include "ui/number_format.h"

namespace merrith {

// Placeholder until the number formats land.
std::u16string FormatGeneral(double, std::u16string_view) { return {}; }
std::u16string FormatFixed1(double, std::u16string_view) { return {}; }

}  // namespace merrith
