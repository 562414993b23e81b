#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace merrith::mFSO {

// Code pages understood by DecodeText and CStringBuilder::ToAnsiArrayByCP.
inline constexpr std::int32_t CodePageSystem = 0;
inline constexpr std::int32_t CodePageUtf8 = 65001;

// Turns the bytes of a text file into text. A byte-order mark picks the encoding it marks
// (UTF-32LE/BE, UTF-8, UTF-16LE/BE) and is dropped; without one, a zero second byte means
// UTF-16LE and anything else is converted from CodePage (bytes invalid there become U+FFFD).
// One leading U+FEFF is removed. A code page the platform does not know gives the empty text.
std::u16string DecodeText(const std::vector<std::uint8_t>& Bytes, std::int32_t CodePage);

}  // namespace merrith::mFSO
