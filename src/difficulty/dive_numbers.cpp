#include "difficulty/dive_numbers.h"

#include <array>
#include <set>
#include <tuple>
#include <utility>

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
// twisting and armstand groups (5253, 51132, 5132M), an armstand dive without twist in three
// digits (614).
std::u16string WrittenNumber(DiveGroup Group, const DiveCode& Dive) {
  std::u16string Number;
  AppendNumber(Number, static_cast<std::int32_t>(Group));
  if (Group < DiveGroup::Twisting) {
    AppendNumber(Number, Dive.Fly);
    AppendNumber(Number, Dive.Som);
    return Number;
  }
  if (Dive.Fly == 1) Number += u'1';
  AppendPart(Number, Dive.Dir);
  AppendPart(Number, Dive.Som);
  if (Group == DiveGroup::Twisting || Dive.Twi > 0 || Dive.Fly > 0) AppendPart(Number, Dive.Twi);
  if (Dive.Fly == 2) Number += u'M';
  return Number;
}

// Whether the height has the position letter: each height's letters run on from A.
bool HasPosition(std::int32_t HeightIndex, std::int32_t Pos) {
  const Height* H = HeightAt(HeightIndex);
  return H != nullptr && IsPosition(Pos) && Pos < static_cast<std::int32_t>(H->Letters.size());
}

NoDive WhyNoDive(const RuleBookDive& Read, std::optional<std::int32_t> HeightIndex) {
  if (!HasDiveName(Read.Dive)) return NoDive::NotInRuleBook;
  // 5150 writes 105 again; a number with M has no other way to be written.
  if (Read.Group == DiveGroup::Twisting && Read.Dive.Twi == 0 && Read.Dive.Fly != 2)
    return NoDive::NoTwist;
  if (HeightIndex && !HasPosition(*HeightIndex, Read.Dive.Pos)) return NoDive::NoSuchPosition;
  return NoDive::None;
}

// Whether Number, a dive number without its position letter, has a DD at some height with
// some position letter that the batch table gives that height.
bool HasSomeDD(std::u16string_view Number) {
  std::u16string Dive(Number);
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters) {
      Dive.resize(Number.size());
      Dive += Letter;
      if (H.Calc->DD(Dive, H.Index) >= 0) return true;
    }
  return false;
}

// One digit per part; two for the half somersaults of a forward, back, reverse or inward dive.
constexpr std::int32_t LastDigit = 9;
constexpr std::int32_t LastTwoDigits = 99;

// The list as it grows: a number joins it when it has a DD and names a dive not yet listed
// (and, for a list of named dives, one the rule book can write). The grammar writes some dives
// twice (5150 is 105, 6120 is 612, 51150 is 115); the first number of a dive, in rule-book
// order, is the one the list keeps.
class NumberList {
 public:
  explicit NumberList(bool NamedOnly) : Named(NamedOnly) {}

  void Offer(DiveGroup Group, const DiveCode& Dive) {
    std::u16string Number = WrittenNumber(Group, Dive);
    if (!HasSomeDD(Number)) return;
    const RuleBookDive Read = ReadDiveNumber(Number);
    const DiveCode& D = Read.Dive;
    if (!Listed.insert({D.Dir, D.Fly, D.Som, D.Twi, D.Arm}).second) return;
    if (Named && Read.Why != NoDive::None) return;
    Numbers.push_back({std::move(Number), Read.Group, D});
  }

  // The numbers listed so far, in the order they were offered.
  std::vector<DiveNumber> Take() { return std::move(Numbers); }

 private:
  bool Named;
  std::vector<DiveNumber> Numbers;
  std::set<std::array<std::int32_t, 5>> Listed;  // Dir, Fly, Som, Twi and Arm of each
};

// Forward, back, reverse and inward dives: group, flying digit 0 or 1, half somersaults. Two
// digits of half somersaults follow the nine of one digit (1011 after 109).
void OfferDirectionGroups(NumberList& List) {
  for (DiveGroup Group :
       {DiveGroup::Forward, DiveGroup::Back, DiveGroup::Reverse, DiveGroup::Inward}) {
    const auto Dir = static_cast<std::int32_t>(Group);
    for (std::int32_t Fly = 0; Fly <= 1; ++Fly)
      for (std::int32_t Som = 0; Som <= LastTwoDigits; ++Som)
        List.Offer(Group, {.Dir = Dir, .Fly = Fly, .Som = Som});
  }
}

// Offers the dives of Group with Fly and Arm, for each direction, half somersaults and half
// twists of one digit, in that order.
void OfferTurns(NumberList& List, DiveGroup Group, std::int32_t Fly, std::int32_t Arm) {
  for (std::int32_t Dir = 0; Dir <= LastDigit; ++Dir)
    for (std::int32_t Som = 0; Som <= LastDigit; ++Som)
      for (std::int32_t Twi = 0; Twi <= LastDigit; ++Twi)
        List.Offer(Group, {.Dir = Dir, .Fly = Fly, .Som = Som, .Twi = Twi, .Arm = Arm});
}

// Twisting or armstand dives: plain (5253, armstand dives without twist first: 614, then
// 6243), then flying (51132), then written with M (5132M). A six-part code's flying digit 0
// or 2 would write a plain or M dive again, and any other digit is refused.
void OfferTwistingOrArmstand(NumberList& List, DiveGroup Group) {
  const std::int32_t Arm = Group == DiveGroup::Armstand ? 1 : 0;
  if (Arm == 1)
    for (std::int32_t Dir = 0; Dir <= LastDigit; ++Dir)
      for (std::int32_t Som = 0; Som <= LastDigit; ++Som)
        List.Offer(Group, {.Dir = Dir, .Som = Som, .Arm = Arm});
  for (std::int32_t Fly = 0; Fly <= 2; ++Fly) OfferTurns(List, Group, Fly, Arm);
}

std::vector<DiveNumber> ListNumbers(bool Named) {
  NumberList List(Named);
  OfferDirectionGroups(List);
  OfferTwistingOrArmstand(List, DiveGroup::Twisting);
  OfferTwistingOrArmstand(List, DiveGroup::Armstand);
  return List.Take();
}

}  // namespace

RuleBookDive ReadDiveNumber(std::u16string_view Text, std::optional<std::int32_t> HeightIndex) {
  // A number alone is read with the letter A (so Pos 0); which rule it breaks does not matter.
  const DecodedCode Decoded = HeightIndex ? DecodeDiveCode(Text) : DecodeDiveNumber(Text);
  RuleBookDive Read;
  Read.Dive = Decoded.Dive;
  Read.Read = Decoded.Read;
  if (!Decoded.Written) return Read;
  Read.Group = Decoded.Group;
  Read.Number = WrittenNumber(Read.Group, Read.Dive);
  Read.Why = WhyNoDive(Read, HeightIndex);
  return Read;
}

std::vector<DiveNumber> ListDiveNumbers() { return ListNumbers(false); }

std::vector<DiveNumber> ListNamedDiveNumbers() { return ListNumbers(true); }

bool BeforeInRuleBook(const DiveNumber& A, const DiveNumber& B) {
  const auto Place = [](const DiveNumber& N) {
    const DiveCode& D = N.Dive;
    const bool TwistingArmstand = D.Arm == 1 && D.Fly == 0 && D.Twi != 0;
    return std::tuple(N.Group, D.Fly, TwistingArmstand, D.Dir, D.Som, D.Twi);
  };
  return Place(A) < Place(B);
}

bool EndsInPositionLetter(std::u16string_view Text) {
  if (Text.empty()) return false;
  const char16_t Last = Text.back();
  const bool Letter = (Last >= u'A' && Last <= u'E') || (Last >= u'a' && Last <= u'e');
  // A word that happens to end in one (free, note) is no dive with a letter, only no dive.
  return Letter && ReadDiveNumber(Text, HeightIndexLast).Read;
}

}  // namespace merrith
