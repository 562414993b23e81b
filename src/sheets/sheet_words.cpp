#include "sheets/sheet_words.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "support/words.h"

namespace merrith {

const Height* HeightNamed(std::u16string_view Caption) {
  const auto* Found = std::find_if(std::begin(Heights), std::end(Heights), [&](const Height& H) {
    return SameWord(AsciiText(H.Caption), Caption);
  });
  return Found == std::end(Heights) ? nullptr : Found;
}

std::u16string HeightText(std::int32_t HeightIndex) {
  return AsciiText(HeightCaption(HeightIndex));
}

std::u16string AllHeightsText(std::u16string_view Joint) {
  std::u16string Text;
  for (const Height& H : Heights) AppendJoined(Text, Joint, AsciiText(H.Caption));
  return Text;
}

std::u16string TenthsText(DdTotal DD) {
  // The size of a negative number as unsigned, safe for the least one too.
  const std::uint64_t Size =
      DD < 0 ? 0 - static_cast<std::uint64_t>(DD) : static_cast<std::uint64_t>(DD);
  return (DD < 0 ? u"-" : u"") + AsciiText(std::to_string(Size / 10)) + u"." +
         static_cast<char16_t>(u'0' + Size % 10);
}

}  // namespace merrith
