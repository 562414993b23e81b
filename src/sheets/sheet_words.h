#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "difficulty/heights.h"

namespace merrith {

// The height whose caption is Caption in any case ("3M"); nullptr when none is.
const Height* HeightNamed(std::u16string_view Caption);

// The caption of the height HeightIndex as UTF-16 ("7.5m"); HeightIndex must be a height.
std::u16string HeightText(std::int32_t HeightIndex);

// Every height's caption, joined by Joint: "1m 3m 5m ... 27m".
std::u16string AllHeightsText(std::u16string_view Joint);

// A sum of DDs in whole tenths: however long a list, it cannot overflow.
using DdTotal = std::int64_t;

// A DD or a sum of them in whole tenths as the sheets print it, one decimal after a point:
// 2.0, 14.6.
std::u16string TenthsText(DdTotal DD);

}  // namespace merrith
