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

// The text of Tenths / 10 with one decimal, or without it when it is 0 and Whole says so.
std::u16string TenthsText(DdTenths Tenths, std::u16string_view Separator, bool Whole) {
  char Digits[16];
  const auto [End, Error] = std::to_chars(Digits, Digits + sizeof Digits, Tenths / 10);
  std::u16string Text(Digits, End);
  if (Whole && Tenths % 10 == 0) return Text;
  Text += Separator;
  Text += static_cast<char16_t>(u'0' + Tenths % 10);
  return Text;
}

// The tenths that a DD of the tables stands for, when Value lies within a few units in the
// last place of them; nothing otherwise. Rounded to 15 significant digits, such a Value gives
// the tenths exactly: it is less than Tenths / 10 * 4.2e-16 away from them, counting the
// rounding of the division, and half a unit in the 15th digit is at least 5e-16 of it.
std::optional<DdTenths> TenthsWithinAHair(double Value) {
  const std::optional<DdTenths> Tenths = ToTenths(Value);
  if (!Tenths || *Tenths == 0) return std::nullopt;
  const double Nearest = *Tenths / 10.0;
  if (std::abs(Value - Nearest) > Nearest * 3e-16) return std::nullopt;
  return Tenths;
}

}  // namespace

std::u16string FormatGeneral(double Value, std::u16string_view DecimalSeparator) {
  if (Value == 0) return u"0";  // also for -0
  if (const std::optional<DdTenths> Tenths = TenthsWithinAHair(Value))
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
  if (const std::optional<DdTenths> Tenths = ShownTenths(Value))
    return TenthsText(*Tenths, DecimalSeparator, false);
  char Buffer[400];  // the largest double has 309 digits before the point
  const auto [End, Error] =
      std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::fixed, 1);
  std::string_view Text(Buffer, static_cast<std::size_t>(End - Buffer));
  if (Text == "-0.0") Text = "0.0";
  return Widen(Text, DecimalSeparator);
}

}  // namespace merrith
