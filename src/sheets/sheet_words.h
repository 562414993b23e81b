#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "difficulty/dd_tenths.h"
#include "difficulty/heights.h"

namespace merrith {

// The caption of the height HeightIndex as UTF-16 ("7.5m"); HeightIndex must be a height.
std::u16string HeightText(std::int32_t HeightIndex);

// Every height's caption, joined by Joint: "1m 3m 5m ... 27m".
std::u16string AllHeightsText(std::u16string_view Joint);

}  // namespace merrith
