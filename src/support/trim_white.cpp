#include "support/trim_white.h"

#include <array>

namespace merrith::mXMLParser {
namespace {

// One run of code units (unsigned values, both ends included) and the class it belongs to.
struct CharRange {
  std::uint16_t First;
  std::uint16_t Last;
  std::int32_t Class;
};

// White space first (the characters with the Unicode White_Space property), then the
// characters that may start an XML name, counted unit by unit through surrogates, plus the
// ten digits. Everything else is ClassOther.
// clang-format off
constexpr std::array<CharRange, 28> CharRanges{{
    {0x0009, 0x000D, ClassWhiteSpace},            // tab, line feed, vertical tab, form feed, CR
    {0x0020, 0x0020, ClassWhiteSpace},            // space
    {0x0085, 0x0085, ClassWhiteSpace},            // next line
    {0x00A0, 0x00A0, ClassWhiteSpace},            // no-break space
    {0x1680, 0x1680, ClassWhiteSpace},            // Ogham space mark
    {0x2000, 0x200A, ClassWhiteSpace},            // en quad to hair space
    {0x2028, 0x2028, ClassWhiteSpace},            // line separator
    {0x2029, 0x2029, ClassWhiteSpace},            // paragraph separator
    {0x202F, 0x202F, ClassWhiteSpace},            // narrow no-break space
    {0x205F, 0x205F, ClassWhiteSpace},            // medium mathematical space
    {0x3000, 0x3000, ClassWhiteSpace},            // ideographic space
    {0x0030, 0x0039, ClassNameChar},              // digits 0 to 9
    {0x003A, 0x003A, ClassNameChar},              // colon
    {0x0041, 0x005A, ClassNameChar},              // A to Z
    {0x005F, 0x005F, ClassNameChar},              // low line
    {0x0061, 0x007A, ClassNameChar},              // a to z
    {0x00C0, 0x00D6, ClassNameChar},
    {0x00D8, 0x00F6, ClassNameChar},
    {0x00F8, 0x02FF, ClassNameChar},
    {0x0370, 0x037D, ClassNameChar},
    {0x037F, 0x1FFF, ClassNameChar},
    {0x200C, 0x200D, ClassNameChar},              // zero-width non-joiner and joiner
    {0x2070, 0x218F, ClassNameChar},
    {0x2C00, 0x2FEF, ClassNameChar},
    {0x3001, 0xDB7F, ClassNameChar},              // runs on through high surrogates D800..DB7F
    {0xDC00, 0xDFFF, ClassNameChar},              // all low surrogates
    {0xF900, 0xFDCF, ClassNameChar},
    {0xFDF0, 0xFFFD, ClassNameChar},
}};
// clang-format on

}  // namespace

std::int32_t ClassifyChar(std::int16_t Unit) {
  const auto Value = static_cast<std::uint16_t>(Unit);
  for (const CharRange& Range : CharRanges) {
    if (Value >= Range.First && Value <= Range.Last) return Range.Class;
  }
  return ClassOther;
}

std::u16string_view TrimAnyWhite(std::u16string_view Text) {
  std::size_t End = Text.size();
  while (End > 0 && IsWhiteUnit(Text[End - 1])) --End;
  std::size_t Begin = 0;
  while (Begin < End && IsWhiteUnit(Text[Begin])) ++Begin;
  return Text.substr(Begin, End - Begin);
}

std::u16string TrimWhite(std::u16string Text) {
  const std::u16string_view Kept = TrimWhiteView(Text);
  const auto Begin = static_cast<std::size_t>(Kept.data() - Text.data());
  Text.erase(Begin + Kept.size());
  Text.erase(0, Begin);
  return Text;
}

}  // namespace merrith::mXMLParser
