#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace merrith {

// The groups of dives, by the first digit of their number. Springboard has no armstand dives.
inline constexpr std::int32_t GroupFirst = 1;  // forward
inline constexpr std::int32_t GroupTwisting = 5;
inline constexpr std::int32_t GroupLast = 6;  // armstand

// The groups in words, by their number; none at 0.
inline constexpr std::u16string_view GroupNames[] = {
    u"", u"forward", u"back", u"reverse", u"inward", u"twisting", u"armstand",
};
static_assert(std::size(GroupNames) == GroupLast + 1);

// The group in words ("twisting"); empty for a number that is no group.
constexpr std::u16string_view GroupName(std::int32_t Group) {
  if (Group < GroupFirst || Group > GroupLast) return {};
  return GroupNames[static_cast<std::size_t>(Group)];
}

// Why a code is no dive on a diver's list at a height, even where a calculator gives it a DD.
enum class NoDive : std::uint8_t {
  None,            // a dive
  NotANumber,      // the code cannot be read
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
    {NoDive::NotANumber,     u"not a dive number"},
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

// What the rules of a diver's list need to know of one dive.
struct ListedDive {
  std::int32_t Group = 0;  // the number's first digit; 0 when the code cannot be read
  std::u16string Number;   // as the rule book writes it, without position; empty when it cannot
  NoDive Why = NoDive::None;
};

// The dive Code (upper case) at HeightIndex, as a list sees it. Its number is what "the same
// number" compares: 10(11)B and 1011C are both 1011; brackets stay only around a twisting or
// armstand part of two digits, as in 52(10)2.
ListedDive ListDive(std::u16string_view Code, std::int32_t HeightIndex);

}  // namespace merrith
