#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// A document's text, and the character set it was read in where it was not UTF-8.
struct DecodedDocument {
  std::u16string Text;
  std::u16string FellBackTo;  // empty: marked, UTF-16, or valid UTF-8; else the set's name
};

// The name DecodeDocument gives Windows-1252 in FellBackTo.
inline constexpr std::u16string_view Windows1252Name = u"Windows-1252 (Latin-1)";

// Bytes as text: a byte-order mark picks its encoding; UTF-16LE without a mark as DecodeText
// guesses it; bytes that are valid UTF-8 are UTF-8 on every system, as Merrith writes its
// documents whatever the system; anything else, a spreadsheet or an editor saved in a narrow
// set, is read in the system's character set where that is not UTF-8 and reads every byte,
// else as Windows-1252: unmarked bytes never become U+FFFD.
DecodedDocument DecodeDocument(const std::vector<std::uint8_t>& Bytes);

}  // namespace merrith::mFSO
