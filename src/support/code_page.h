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

// Text read in the system's narrow character set, and that set's name as a user knows it.
struct SystemText {
  std::u16string Text;
  std::u16string Charset;  // "ISO-8859-1", "code page 1252"
};

// Bytes read in the system's narrow character set; nothing where that set is UTF-8 (or the
// plain ASCII that UTF-8 holds), or where a byte is no character of it, as the ü of a Latin-1
// file is none in a Japanese one.
std::optional<SystemText> ReadSystemText(std::span<const std::uint8_t> Bytes);

// Encodes Text in the narrow character set CodePage (0 is the system's); a character it
// cannot hold becomes the platform's default character. No value when CodePage is unknown.
std::optional<std::vector<std::uint8_t>> TextToNarrow(std::u16string_view Text,
                                                      std::int32_t CodePage);

// Encodes Text in the narrow character set of the locale LCID (the process locale's
// character set on platforms without locale identifiers).
std::vector<std::uint8_t> TextToLocaleNarrow(std::u16string_view Text, std::int32_t LCID);

}  // namespace merrith
