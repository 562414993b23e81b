#include "support/words.h"

#include <algorithm>
#include <cstring>

namespace merrith {
namespace {

constexpr char16_t LowerUnit(char16_t C) {
  return (C >= u'A' && C <= u'Z') ? static_cast<char16_t>(C + (u'a' - u'A')) : C;
}

}  // namespace

std::u16string AsciiText(std::string_view Text) { return {Text.begin(), Text.end()}; }

std::u16string NumberText(std::size_t Number) { return AsciiText(std::to_string(Number)); }

std::optional<std::size_t> ReadWholeNumber(std::u16string_view Text, std::size_t Least,
                                           std::size_t Most) {
  if (Text.empty()) return std::nullopt;
  std::size_t Value = 0;
  for (const char16_t C : Text) {
    if (!IsDigit(C)) return std::nullopt;
    const auto Digit = static_cast<std::size_t>(C - u'0');
    // Never past Most, so never past the largest number there is: no text is too long.
    if (Value > Most / 10 || Digit > Most - Value * 10) return std::nullopt;
    Value = Value * 10 + Digit;
  }
  if (Value < Least) return std::nullopt;
  return Value;
}

std::u16string CountText(std::size_t Number, std::u16string_view One, std::u16string_view Many) {
  return NumberText(Number) + u" " + std::u16string(Number == 1 ? One : Many);
}

void AppendJoined(std::u16string& Out, std::u16string_view Joint, std::u16string_view Item) {
  if (!Out.empty()) Out += Joint;
  Out += Item;
}

bool SameWord(std::u16string_view A, std::u16string_view B) {
  // Mostly the very same units, which a plain comparison of the bytes finds quickest.
  if (A.size() == B.size() && std::memcmp(A.data(), B.data(), A.size() * sizeof(char16_t)) == 0)
    return true;
  return std::equal(A.begin(), A.end(), B.begin(), B.end(),
                    [](char16_t X, char16_t Y) { return LowerUnit(X) == LowerUnit(Y); });
}

std::u16string Shortened(std::u16string_view Text, std::size_t Most) {
  if (Text.size() <= Most) return std::u16string(Text);
  std::size_t Kept = Most > 0 ? Most - 1 : 0;
  // Never half a surrogate pair.
  if (Kept > 0 && Text[Kept - 1] >= 0xD800 && Text[Kept - 1] <= 0xDBFF) --Kept;
  return std::u16string(Text.substr(0, Kept)) + u"\u2026";
}

}  // namespace merrith
