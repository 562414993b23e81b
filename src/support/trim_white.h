#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace merrith::mXMLParser {

// Character classes of ClassifyChar.
inline constexpr std::int32_t ClassOther = 0;
inline constexpr std::int32_t ClassNameChar = 1;
inline constexpr std::int32_t ClassWhiteSpace = 2;

// Removes white space (tabs, line ends, no-break and ideographic spaces, ...) from both ends.
std::u16string TrimWhite(std::u16string Text);

// The part of Text that TrimWhite keeps, without a copy.
std::u16string_view TrimWhiteView(std::u16string_view Text);

// Sorts one UTF-16 code unit into white space, name character or other.
std::int32_t ClassifyChar(std::int16_t Unit);

}  // namespace merrith::mXMLParser
