#include "difficulty/dive_numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "difficulty/dive_name.h"
#include "difficulty/heights.h"
#include "difficulty/parse_code.h"

namespace merrith {
namespace {

// The groups whose number goes on with a direction digit: twisting and armstand dives.
constexpr std::int32_t Twisting = 5;
constexpr std::int32_t Armstand = 6;

// One digit per part; two for the half somersaults of a forward, back, reverse or inward dive.
constexpr std::int32_t LastDigit = 9;
constexpr std::int32_t LastTwoDigits = 99;

// The numbers in Parts written one after the other, then Tail: {5, 1, 3, 2} and "M" is 5132M.
std::u16string Written(std::initializer_list<std::int32_t> Parts, std::u16string_view Tail = {}) {
  std::u16string Text;
  for (std::int32_t Part : Parts)
    for (char Digit : std::to_string(Part)) Text += static_cast<char16_t>(Digit);
  return Text + std::u16string(Tail);
}

// The list as it grows: a number joins it when it has a DD and names a dive not yet listed.
// The grammar writes some dives twice (5150 is 105, 6120 is 612, 51150 is 115); the first
// number of a dive, in rule-book order, is the one the list keeps.
class NumberList {
 public:
  void Offer(std::u16string Number, const DiveCode& Dive) {
    if (!HasSomeDD(Number)) return;
    if (!Listed.insert({Dive.Dir, Dive.Fly, Dive.Som, Dive.Twi, Dive.Arm}).second) return;
    Numbers.push_back({std::move(Number), Dive});
  }

  // The numbers listed so far, in the order they were offered.
  std::vector<DiveNumber> Take() { return std::move(Numbers); }

 private:
  std::vector<DiveNumber> Numbers;
  std::set<std::array<std::int32_t, 5>> Listed;  // Dir, Fly, Som, Twi and Arm of each
};

// Forward, back, reverse and inward dives: group, flying digit 0 or 1, half somersaults. Two
// digits of half somersaults follow the nine of one digit (1011 after 109); a leading zero
// would only write a dive of one digit again.
void OfferDirectionGroups(NumberList& List) {
  for (std::int32_t Dir = 1; Dir <= 4; ++Dir)
    for (std::int32_t Fly = 0; Fly <= 1; ++Fly)
      for (std::int32_t Som = 0; Som <= LastTwoDigits; ++Som)
        List.Offer(Written({Dir, Fly, Som}), {.Dir = Dir, .Fly = Fly, .Som = Som});
}

// Calls Offer(Dir, Som, Twi) for each direction, half somersaults and half twists of one
// digit, in that order.
template <class OfferFn>
void ForEachTurn(OfferFn Offer) {
  for (std::int32_t Dir = 0; Dir <= LastDigit; ++Dir)
    for (std::int32_t Som = 0; Som <= LastDigit; ++Som)
      for (std::int32_t Twi = 0; Twi <= LastDigit; ++Twi) Offer(Dir, Som, Twi);
}

// Twisting or armstand dives: plain (5253, armstand dives without twist first: 614, then
// 6243), then flying (51132), then written with M (5132M). A six-part code's flying digit 0
// or 2 would write a plain or M dive again, and any other digit is refused.
void OfferTwistingOrArmstand(NumberList& List, std::int32_t Group) {
  const std::int32_t Arm = Group == Armstand ? 1 : 0;
  if (Arm == 1)
    for (std::int32_t Dir = 0; Dir <= LastDigit; ++Dir)
      for (std::int32_t Som = 0; Som <= LastDigit; ++Som)
        List.Offer(Written({Group, Dir, Som}), {.Dir = Dir, .Som = Som, .Arm = Arm});
  ForEachTurn([&](std::int32_t Dir, std::int32_t Som, std::int32_t Twi) {
    List.Offer(Written({Group, Dir, Som, Twi}), {.Dir = Dir, .Som = Som, .Twi = Twi, .Arm = Arm});
  });
  ForEachTurn([&](std::int32_t Dir, std::int32_t Som, std::int32_t Twi) {
    List.Offer(Written({Group, 1, Dir, Som, Twi}),
               {.Dir = Dir, .Fly = 1, .Som = Som, .Twi = Twi, .Arm = Arm});
  });
  ForEachTurn([&](std::int32_t Dir, std::int32_t Som, std::int32_t Twi) {
    List.Offer(Written({Group, Dir, Som, Twi}, u"M"),
               {.Dir = Dir, .Fly = 2, .Som = Som, .Twi = Twi, .Arm = Arm});
  });
}

// Digits and brackets, and the M of a twisting form at the end: the parser alone would read
// more (105X as 105, 513M2 as a flying jump).
bool WrittenAsANumber(std::u16string_view Number) {
  if (!Number.empty() && (Number.back() == u'M' || Number.back() == u'm')) Number.remove_suffix(1);
  return std::all_of(Number.begin(), Number.end(),
                     [](char16_t C) { return (C >= u'0' && C <= u'9') || C == u'(' || C == u')'; });
}

// Whether the first part of Number, its first digit or bracket ((5)253), is Group's digit.
// The brackets of Number close.
bool BeginsWithGroup(std::u16string_view Number, DiveGroup Group) {
  std::u16string_view First = Number.substr(0, 1);
  if (First == u"(") First = Number.substr(1, Number.find(u')') - 1);
  while (First.size() > 1 && First.front() == u'0') First.remove_prefix(1);
  return First.size() == 1 && First[0] == u'0' + static_cast<std::int32_t>(Group);
}

}  // namespace

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

std::vector<DiveNumber> ListDiveNumbers() {
  NumberList List;
  OfferDirectionGroups(List);
  OfferTwistingOrArmstand(List, Twisting);
  OfferTwistingOrArmstand(List, Armstand);
  return List.Take();
}

std::vector<DiveNumber> ListNamedDiveNumbers() {
  std::vector<DiveNumber> Numbers = ListDiveNumbers();
  std::erase_if(Numbers, [](const DiveNumber& N) { return !DiveName(N.Dive); });
  return Numbers;
}

DiveGroup GroupOf(const DiveCode& Dive) {
  if (Dive.Arm == 1) return DiveGroup::Armstand;
  if (Dive.Twi != 0 || Dive.Fly == 2 || Dive.Dir < 1 || Dive.Dir > 4) return DiveGroup::Twisting;
  return static_cast<DiveGroup>(Dive.Dir);
}

bool BeforeInRuleBook(const DiveCode& A, const DiveCode& B) {
  const auto Place = [](const DiveCode& D) {
    const bool TwistingArmstand = D.Arm == 1 && D.Fly == 0 && D.Twi != 0;
    return std::tuple(GroupOf(D), D.Fly, TwistingArmstand, D.Dir, D.Som, D.Twi);
  };
  return Place(A) < Place(B);
}

std::optional<DiveCode> ReadDiveNumber(std::u16string_view Number) {
  if (!WrittenAsANumber(Number)) return std::nullopt;
  DiveCode Dive;
  // Any letter reads the number; which rule the letter breaks does not matter here.
  const std::u16string Code = std::u16string(Number) + u'A';
  if (ReadDiveCode(Code, HeightIndexLastPlatform, Dive) == Refusal::NotADiveNumber)
    return std::nullopt;
  Dive.Pos = 0;
  if (!DiveName(Dive) || !BeginsWithGroup(Number, GroupOf(Dive))) return std::nullopt;
  return Dive;
}

bool EndsInPositionLetter(std::u16string_view Text) {
  if (Text.empty()) return false;
  const char16_t Last = Text.back();
  return (Last >= u'A' && Last <= u'E') || (Last >= u'a' && Last <= u'e');
}

}  // namespace merrith
