#include "difficulty/dd_tenths.h"

namespace merrith {

std::u16string TenthsText(DdTotal Tenths, std::u16string_view Separator, bool DropWholeZero) {
  // The size of a negative number as unsigned, safe for the least one too.
  const std::uint64_t Size =
      Tenths < 0 ? 0 - static_cast<std::uint64_t>(Tenths) : static_cast<std::uint64_t>(Tenths);
  std::u16string Text = Tenths < 0 ? u"-" : u"";
  for (char Digit : std::to_string(Size / 10)) Text += static_cast<char16_t>(Digit);
  if (DropWholeZero && Size % 10 == 0) return Text;
  Text += Separator;
  Text += static_cast<char16_t>(u'0' + Size % 10);
  return Text;
}

}  // namespace merrith
