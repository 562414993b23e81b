#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// The replacement character that stands in for bytes or units that cannot be converted.
inline constexpr char16_t ReplacementChar = u'\uFFFD';

// Decodes UTF-8 into UTF-16 code units. Each maximal ill-formed byte sequence becomes one
// U+FFFD, so nothing is dropped silently. A byte-order mark is kept as U+FEFF.
std::u16string DecodeUtf8(std::span<const std::uint8_t> Bytes);
std::u16string DecodeUtf8(std::string_view Bytes);

// Whether Bytes are UTF-8 throughout: DecodeUtf8 reads them without a U+FFFD of its own.
bool IsUtf8(std::span<const std::uint8_t> Bytes);

// Encodes UTF-16 code units as UTF-8; an unpaired surrogate encodes as U+FFFD.
std::vector<std::uint8_t> EncodeUtf8(std::u16string_view Text);

// Text as UTF-8 in a string of bytes, for the standard streams and JSON (the same rules as
// EncodeUtf8).
std::string ToUtf8(std::u16string_view Text);

// Appends the UTF-8 encoding of Text to Out (the same rules as EncodeUtf8).
void AppendUtf8(std::u16string_view Text, std::vector<std::uint8_t>& Out);

// The number of bytes EncodeUtf8 gives for Text.
std::size_t Utf8Length(std::u16string_view Text);

// Writes the UTF-8 encoding of Text to Out, which has room for Utf8Length(Text) bytes;
// returns the position just past the last byte written.
std::uint8_t* WriteUtf8(std::u16string_view Text, std::uint8_t* Out);

}  // namespace merrith
