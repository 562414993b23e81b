#pragma once

#include <cstddef>
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

// Sorts one UTF-16 code unit into white space, name character or other.
std::int32_t ClassifyChar(std::int16_t Unit);

// Whether a code unit is white space as ClassifyChar sorts it; the usual ASCII without the table.
inline bool IsWhiteUnit(char16_t Unit) {
  if (Unit < 0x80) return Unit == u' ' || (Unit >= u'\t' && Unit <= u'\r');
  return ClassifyChar(static_cast<std::int16_t>(Unit)) == ClassWhiteSpace;
}

// TrimWhiteView for any text: tabs, line ends and the white space beyond ASCII.
std::u16string_view TrimAnyWhite(std::u16string_view Text);

// The part of Text that TrimWhite keeps, without a copy. A line or a field of a meet's file
// mostly ends in plain spaces, if in anything: those are dropped here, in the caller, and the
// rest is left to TrimAnyWhite.
inline std::u16string_view TrimWhiteView(std::u16string_view Text) {
  const auto IsSurelyKept = [](char16_t Unit) { return Unit > u' ' && Unit < 0x7F; };
  std::size_t Begin = 0;
  std::size_t End = Text.size();
  while (Begin < End && Text[Begin] == u' ') ++Begin;
  while (End > Begin && Text[End - 1] == u' ') --End;
  const std::u16string_view Kept(Text.data() + Begin, End - Begin);
  if (Kept.empty() || (IsSurelyKept(Kept.front()) && IsSurelyKept(Kept.back()))) return Kept;
  return TrimAnyWhite(Kept);
}

}  // namespace merrith::mXMLParser
