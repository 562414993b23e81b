#include "sheets/sheet_words.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "support/words.h"

namespace merrith {

std::u16string HeightText(std::int32_t HeightIndex) {
  return AsciiText(HeightCaption(HeightIndex));
}

std::u16string AllHeightsText(std::u16string_view Joint) {
  std::u16string Text;
  for (const Height& H : Heights) AppendJoined(Text, Joint, AsciiText(H.Caption));
  return Text;
}

}  // namespace merrith
