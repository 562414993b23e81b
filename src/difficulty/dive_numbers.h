#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dive_code.h"
#include "difficulty/dive_group.h"
#include "difficulty/parse_code.h"
#include "difficulty/refusal.h"

namespace merrith {

// Why a text is no dive of the rule book, even where a calculator gives it a DD.
enum class NoDive : std::uint8_t {
  None,            // a dive
  NotANumber,      // not written as the rule book writes numbers (105X, 1)5), or unreadable
  NotInRuleBook,   // a number the rule book has no words for: direction 5, a flying digit 3...
  NoTwist,         // a twisting number without a twist: 5150B decodes as 105B
  NoSuchPosition,  // a position letter the height does not have: E below 12 m
};

// Each reason in words.
struct NoDiveReason {
  NoDive Why;
  std::u16string_view Text;
};

// clang-format off
inline constexpr NoDiveReason NoDiveReasons[] = {
    {NoDive::None,           u""},
    {NoDive::NotANumber,     RefusalText(Refusal::NotADiveNumber)},
    {NoDive::NotInRuleBook,  u"the rule book has no such dive"},
    {NoDive::NoTwist,        u"a twisting dive without a twist"},
    {NoDive::NoSuchPosition, u"no such position at this height"},
};
// clang-format on

static_assert([] {
  std::size_t Row = 0;
  for (const NoDiveReason& R : NoDiveReasons)
    if (static_cast<std::size_t>(R.Why) != Row++) return false;
  return NoDiveReasons[std::size(NoDiveReasons) - 1].Why == NoDive::NoSuchPosition;
}());

// The reason in words; empty for NoDive::None.
constexpr std::u16string_view NoDiveText(NoDive Why) {
  return NoDiveReasons[static_cast<std::size_t>(Why)].Text;
}

// A dive code read once, as the rule book sees it and as the calculators read it.
struct RuleBookDive {
  DiveGroup Group = DiveGroup::None;  // its first part's; None when not written as a number
  DiveCode Dive;  // as the calculators read it, which is more than the rule book writes (1)5B
                  // is 105B); all 0 when it cannot be read; Pos 0 for a number without its letter
  std::u16string Number;  // as the rule book writes it, without position; empty when unread
  NoDive Why = NoDive::NotANumber;
  bool Read = false;  // whether the calculators can read it, and price it
};

// Reads Text as the rule book sees it. Without a height, Text is a number as a list holds it,
// without its position letter (105, 10(11), 5253, 5132M); at HeightIndex, it ends in a
// position letter that height must have (105B, 5253B). Group and number are read also where
// it is no dive but is written as one (5511). Its number is what "the same number" compares:
// 10(11)B and 1011C are both 1011; brackets stay only around a twisting or armstand part of
// two digits, as in 52(10)2. A number alone is read as if it ended in A, and another letter
// only changes Dive.Pos: the batch table reads each line once and prices it in each position.
RuleBookDive ReadDiveNumber(std::u16string_view Text,
                            std::optional<std::int32_t> HeightIndex = std::nullopt);

// One number of a list of dives, as the list holds it without its position letter (105,
// 1011, 5253, 51132, 5132M, 614), its group and the dive it reads as (Pos 0).
struct DiveNumber {
  std::u16string Number;
  DiveGroup Group = DiveGroup::None;
  DiveCode Dive;
};

// Every dive number written without brackets (one digit per part, or two digits of half
// somersaults for the forward, back, reverse and inward groups) that has a DD at some height
// with some position letter of the batch table, each dive once, in the order of the rule
// book: forward, back, reverse and inward dives, plain before flying, by half somersaults;
// then twisting and armstand dives, each by direction, somersaults and twists, followed by
// their flying and M forms. Whatever direction digit the tables give a DD is listed, 5511
// (direction 5) too.
std::vector<DiveNumber> ListDiveNumbers();

// The dives of ListDiveNumbers that the rule book can write, in the same order.
std::vector<DiveNumber> ListNamedDiveNumbers();

// Whether A comes before B in the order of the rule book, which ListDiveNumbers follows: by
// group; plain, then flying, then M; plain armstand dives without twist before those with;
// then by direction, half somersaults and half twists.
bool BeforeInRuleBook(const DiveNumber& A, const DiveNumber& B);

// Whether Text is a dive code with its position letter, A to E in either case, as a dive
// number in a list must not be (5253B); a word such as free is not.
bool EndsInPositionLetter(std::u16string_view Text);

}  // namespace merrith
