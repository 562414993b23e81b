#include "scoring/award.h"

#include <string>

#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

// The decimal digits of Value, at least MinDigits of them.
std::u16string DigitsOf(std::int64_t Value, std::size_t MinDigits) {
  std::u16string Digits;
  do {
    Digits.insert(Digits.begin(), static_cast<char16_t>(u'0' + Value % 10));
    Value /= 10;
  } while (Value > 0);
  if (Digits.size() < MinDigits) Digits.insert(0, MinDigits - Digits.size(), u'0');
  return Digits;
}

}  // namespace

std::optional<HalfPoints> ReadAward(std::u16string_view Text) {
  Text = mXMLParser::TrimWhiteView(Text);
  // Whole points: one or two digits.
  std::size_t At = 0;
  HalfPoints Whole = 0;
  while (At < Text.size() && At < 2 && IsDigit(Text[At])) Whole = Whole * 10 + (Text[At++] - u'0');
  if (At == 0) return std::nullopt;
  HalfPoints Award = Whole * 2;
  // A fraction, with a point or a comma: 0 or 5, written with one digit or two (".50").
  if (At < Text.size() && (Text[At] == u'.' || Text[At] == u',')) {
    ++At;
    if (At == Text.size() || (Text[At] != u'0' && Text[At] != u'5')) return std::nullopt;
    Award += Text[At++] == u'5' ? 1 : 0;
    if (At < Text.size() && Text[At] == u'0') ++At;
  }
  if (At != Text.size() || Award > MaxAward) return std::nullopt;
  return Award;
}

std::optional<HalfPoints> ReadTypedAward(std::u16string_view Text) {
  if (const std::optional<HalfPoints> Award = ReadAward(Text)) return Award;
  Text = mXMLParser::TrimWhiteView(Text);
  if (Text.size() != 2 || !IsDigit(Text[0]) || !IsDigit(Text[1])) return std::nullopt;
  const std::u16string Carded{Text[0], u'.', Text[1]};
  return ReadAward(Carded);
}

std::optional<Hundredths> ReadPoints(std::u16string_view Text) {
  Text = mXMLParser::TrimWhiteView(Text);
  std::size_t At = 0;
  Hundredths Whole = 0;
  while (At < Text.size() && At < MostPointsDigits && IsDigit(Text[At]))
    Whole = Whole * 10 + (Text[At++] - u'0');
  if (At == 0) return std::nullopt;
  Hundredths Points = Whole * 100;
  if (At < Text.size() && Text[At] == u'.') {
    ++At;
    Hundredths Scale = 10;
    for (; At < Text.size() && IsDigit(Text[At]) && Scale > 0; Scale /= 10)
      Points += (Text[At++] - u'0') * Scale;
    if (Scale == 10) return std::nullopt;  // a point with no digit after it
  }
  if (At != Text.size()) return std::nullopt;
  return Points;
}

std::u16string AwardText(HalfPoints Award) {
  return DigitsOf(Award / 2, 1) + (Award % 2 == 0 ? u".0" : u".5");
}

std::u16string PointsText(Hundredths Points) {
  if (Points < 0) Points = 0;
  return DigitsOf(Points / 100, 1) + u"." + DigitsOf(Points % 100, 2);
}

}  // namespace merrith
