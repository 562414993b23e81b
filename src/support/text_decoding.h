#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace merrith::mFSO {

// Code pages understood by DecodeText and CStringBuilder::ToAnsiArrayByCP.
inline constexpr std::int32_t CodePageSystem = 0;
inline constexpr std::int32_t CodePageUtf8 = 65001;

// Turns the bytes of a text file into text: a byte-order mark, or a zero second byte, picks
// the encoding; otherwise the bytes are converted from CodePage. One leading U+FEFF is removed.
std::u16string DecodeText(const std::vector<std::uint8_t>& Bytes, std::int32_t CodePage);

}  // namespace merrith::mFSO
