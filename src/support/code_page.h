#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Converts Bytes from the narrow character set CodePage (0 is the system's) to text; bytes
// that are invalid there become U+FFFD. No value when the platform does not know CodePage.
std::optional<std::u16string> NarrowToText(std::span<const std::uint8_t> Bytes,
                                           std::int32_t CodePage);

// Encodes Text in the narrow character set CodePage (0 is the system's); a character it
// cannot hold becomes the platform's default character. No value when CodePage is unknown.
std::optional<std::vector<std::uint8_t>> TextToNarrow(std::u16string_view Text,
                                                      std::int32_t CodePage);

// Encodes Text in the narrow character set of the locale LCID (the process locale's
// character set on platforms without locale identifiers).
std::vector<std::uint8_t> TextToLocaleNarrow(std::u16string_view Text, std::int32_t LCID);

}  // namespace merrith
