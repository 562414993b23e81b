#pragma once

#ifndef _WIN32

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith::posix {

// The character set of the process locale as the environment sets it ("UTF-8", "ISO-8859-1").
std::string LocaleCharset();

// Converts Bytes from the iconv character set Charset; UTF-8 and plain ASCII are read by our
// own UTF-8 decoder. Invalid bytes become U+FFFD, one per byte that could not start a
// character. No value when iconv does not know Charset.
std::optional<std::u16string> DecodeCharset(std::span<const std::uint8_t> Bytes,
                                            const std::string& Charset);

// Converts Bytes from Charset as DecodeCharset does; nothing where Charset is UTF-8 or plain
// ASCII, or unknown, or where any of the bytes is invalid in it.
std::optional<std::u16string> DecodeWholeCharset(std::span<const std::uint8_t> Bytes,
                                                 const std::string& Charset);

// Encodes Text in Charset; UTF-8 and plain ASCII go through our own UTF-8 encoder. A character
// the set cannot hold, or an unpaired surrogate, becomes '?'. No value for an unknown set.
std::optional<std::vector<std::uint8_t>> EncodeCharset(std::u16string_view Text,
                                                       const std::string& Charset);

}  // namespace merrith::posix

#endif
