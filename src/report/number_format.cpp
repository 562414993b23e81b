#include "report/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace merrith {
namespace {

// Widens ASCII text, putting Separator in place of the decimal point.
std::u16string Widen(std::string_view Ascii, std::u16string_view Separator) {
  std::u16string Result;
  Result.reserve(Ascii.size() + Separator.size());
  for (char C : Ascii) {
    if (C == '.')
      Result += Separator;
    else
      Result += static_cast<char16_t>(C);
  }
  return Result;
}

// Plain decimal text of the digits d1 d2 ... dn times 10 to the power Exponent - n + 1, that is
// with the first digit at the power Exponent; trailing zeros of the fraction are dropped.
std::string PlainDecimal(bool Negative, std::string Digits, int Exponent) {
  while (Digits.size() > 1 && Digits.back() == '0') Digits.pop_back();
  std::string Result = Negative ? "-" : "";
  const int Count = static_cast<int>(Digits.size());
  if (Exponent < 0) {
    Result += "0." + std::string(static_cast<std::size_t>(-Exponent - 1), '0') + Digits;
  } else if (Exponent + 1 >= Count) {
    Result += Digits + std::string(static_cast<std::size_t>(Exponent + 1 - Count), '0');
  } else {
    const std::size_t Point = static_cast<std::size_t>(Exponent) + 1;
    Result += Digits.substr(0, Point) + "." + Digits.substr(Point);
  }
  return Result;
}

}  // namespace

std::u16string FormatGeneral(double Value, std::u16string_view DecimalSeparator) {
  if (Value == 0) return u"0";  // also for -0
  if (const std::optional<DdTenths> Tenths = DdTenthsOf(Value))
    return TenthsText(*Tenths, DecimalSeparator, true);
  if (!std::isfinite(Value)) {
    char Buffer[16];
    const auto [End, Error] = std::to_chars(Buffer, Buffer + sizeof Buffer, Value);
    return Widen(std::string_view(Buffer, static_cast<std::size_t>(End - Buffer)), {});
  }
  // Scientific notation with 14 digits after the point rounds to 15 significant digits.
  char Buffer[32];
  const auto [End, Error] =
      std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::scientific, 14);
  const std::string_view Text(Buffer, static_cast<std::size_t>(End - Buffer));
  const bool Negative = Text.front() == '-';
  const std::size_t E = Text.find('e');
  std::string Digits;
  for (char C : Text.substr(0, E))
    if (C >= '0' && C <= '9') Digits += C;
  std::string_view ExponentText = Text.substr(E + 1);
  if (ExponentText.front() == '+') ExponentText.remove_prefix(1);
  int Exponent = 0;
  std::from_chars(ExponentText.data(), ExponentText.data() + ExponentText.size(), Exponent);
  return Widen(PlainDecimal(Negative, Digits, Exponent), DecimalSeparator);
}

std::u16string FormatFixed1(double Value, std::u16string_view DecimalSeparator) {
  if (const std::optional<DdTenths> Tenths = DdTenthsOf(Value))
    return TenthsText(*Tenths, DecimalSeparator);
  char Buffer[400];  // the largest double has 309 digits before the point
  const auto [End, Error] =
      std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::fixed, 1);
  std::string_view Text(Buffer, static_cast<std::size_t>(End - Buffer));
  if (Text == "-0.0") Text = "0.0";
  return Widen(Text, DecimalSeparator);
}

}  // namespace merrith
