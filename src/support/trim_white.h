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

// The part of Text that TrimWhite keeps, without a copy.
inline std::u16string_view TrimWhiteView(std::u16string_view Text) {
  std::size_t End = Text.size();
  while (End > 0 && IsWhiteUnit(Text[End - 1])) --End;
  std::size_t Begin = 0;
  while (Begin < End && IsWhiteUnit(Text[Begin])) ++Begin;
  return Text.substr(Begin, End - Begin);
}

}  // namespace merrith::mXMLParser
