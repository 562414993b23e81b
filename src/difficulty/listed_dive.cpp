#include "difficulty/listed_dive.h"

#include <optional>

#include "difficulty/dive_name.h"
#include "difficulty/heights.h"
#include "difficulty/parse_code.h"

namespace merrith {
namespace {

void AppendNumber(std::u16string& Out, std::int32_t Value) {
  for (char Digit : std::to_string(Value)) Out += static_cast<char16_t>(Digit);
}

// A part of a twisting or armstand number: one digit, or two in brackets.
void AppendPart(std::u16string& Out, std::int32_t Value) {
  if (Value < 10) return AppendNumber(Out, Value);
  Out += u'(';
  AppendNumber(Out, Value);
  Out += u')';
}

// The number as the rule book writes it: group, flying digit and half somersaults for the
// first four groups (1011); group, flying digit, direction, somersaults and twists for the
// twisting and armstand groups (5253, 51132, 5132M), an armstand dive without twist in four
// digits (614).
std::u16string WrittenNumber(std::int32_t Group, const DiveCode& Dive) {
  std::u16string Number;
  AppendNumber(Number, Group);
  if (Group < GroupTwisting) {
    AppendNumber(Number, Dive.Fly);
    AppendNumber(Number, Dive.Som);
    return Number;
  }
  if (Dive.Fly == 1) Number += u'1';
  AppendPart(Number, Dive.Dir);
  AppendPart(Number, Dive.Som);
  if (Group == GroupTwisting || Dive.Twi > 0 || Dive.Fly > 0) AppendPart(Number, Dive.Twi);
  if (Dive.Fly == 2) Number += u'M';
  return Number;
}

// Whether the height has the position letter: each height's letters run on from A.
bool HasPosition(std::int32_t HeightIndex, std::int32_t Pos) {
  const Height* H = HeightAt(HeightIndex);
  return H != nullptr && IsPosition(Pos) && Pos < static_cast<std::int32_t>(H->Letters.size());
}

}  // namespace

ListedDive ListDive(std::u16string_view Code, std::int32_t HeightIndex) {
  ListedDive Listed;
  const std::optional<DecodedNumber> Decoded = DecodeNumber(Code);
  if (!Decoded) {
    Listed.Why = NoDive::NotANumber;
    return Listed;
  }
  Listed.Group = Decoded->Group;
  if (!DiveName(Decoded->Dive))
    Listed.Why = NoDive::NotInRuleBook;
  else if (Decoded->Group == GroupTwisting && Decoded->Dive.Twi == 0)
    Listed.Why = NoDive::NoTwist;
  else if (!HasPosition(HeightIndex, Decoded->Dive.Pos))
    Listed.Why = NoDive::NoSuchPosition;
  if (Listed.Why != NoDive::NoSuchPosition && Listed.Why != NoDive::None) return Listed;
  Listed.Number = WrittenNumber(Decoded->Group, Decoded->Dive);
  return Listed;
}

}  // namespace merrith
