#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/trim_white.h"

namespace merrith {

// An award in half points: 7.5 is 15; a judge awards 0 to 20 (0 to 10 points).
using HalfPoints = std::int32_t;
inline constexpr HalfPoints MaxAward = 20;
// Points in hundredths: 59.64 is 5964. Every dive's points and every total is exact in them.
using Hundredths = std::int64_t;

// What the award readers give for a text that is no award.
inline constexpr HalfPoints NoAward = -1;
// The award that Text starts with, as far as it reads as one, and how many units that is (0
// where Text starts with no digit); its Award is NoAward where it reads as none (above 10, a
// point with no 0 or 5 after it). A reader that stops there finds the end of the word by it.
struct LeadingAward {
  HalfPoints Award = NoAward;
  std::size_t Length = 0;
};
inline LeadingAward ReadLeadingAward(std::u16string_view Text) {
  const char16_t* const Begin = Text.data();
  const char16_t* const End = Begin + Text.size();
  const auto IsDigit = [End](const char16_t* At) {
    return At != End && *At >= u'0' && *At <= u'9';
  };
  // Whole points: one or two digits.
  const char16_t* At = Begin;
  if (!IsDigit(At)) return {};
  HalfPoints Whole = *At++ - u'0';
  if (IsDigit(At)) Whole = Whole * 10 + (*At++ - u'0');
  HalfPoints Award = Whole * 2;
  // A fraction, with a point or a comma: 0 or 5, written with one digit or two (".50").
  if (At != End && (*At == u'.' || *At == u',')) {
    ++At;
    if (At == End || (*At != u'0' && *At != u'5'))
      return {NoAward, static_cast<std::size_t>(At - Begin)};
    Award += *At++ == u'5' ? 1 : 0;
    if (At != End && *At == u'0') ++At;
  }
  return {Award > MaxAward ? NoAward : Award, static_cast<std::size_t>(At - Begin)};
}
// The award Word writes as it stands, white space and all; NoAward for anything else.
inline HalfPoints BareAwardValue(std::u16string_view Word) {
  const LeadingAward Read = ReadLeadingAward(Word);
  return Read.Length == Word.size() ? Read.Award : NoAward;
}
// An award as a judge's card or a file writes it: "7", "7.0", "7.5", "7,5", "10", "0.5",
// white space around it dropped; NoAward for anything else (a quarter, below 0, above 10, a
// sign, spaces inside, "75"). The readers of a meet's thousands of awards take it so: an
// optional returned is built on the stack and read back whole, which stalls the processor on
// every award.
inline HalfPoints AwardValue(std::u16string_view Text) {
  // Mostly a bare word: white space around it is looked for only where it does not read so.
  const HalfPoints Award = BareAwardValue(Text);
  if (Award != NoAward) return Award;
  const std::u16string_view Trimmed = mXMLParser::TrimWhiteView(Text);
  return Trimmed.size() == Text.size() ? NoAward : BareAwardValue(Trimmed);
}
// The same, nothing for anything else.
inline std::optional<HalfPoints> ReadAward(std::u16string_view Text) {
  const HalfPoints Award = AwardValue(Text);
  if (Award == NoAward) return std::nullopt;
  return Award;
}
// A missing award as files write it: "-".
inline bool IsMissingAward(std::u16string_view Text) { return Text.size() == 1 && Text[0] == u'-'; }
// An award as the recorder types it from a judge's card: as ReadAward reads it, and two digits
// with no separator as the card shows them, a point apart where ReadAward reads none ("75"
// is 7.5; "10" stays 10).
std::optional<HalfPoints> ReadTypedAward(std::u16string_view Text);
// An award as results print it: "7.0", "7.5", "10.0".
std::u16string AwardText(HalfPoints Award);
// Points with two decimals: "45.00", "59.64", "0.00"; a minus sign never occurs.
std::u16string PointsText(Hundredths Points);

}  // namespace merrith
