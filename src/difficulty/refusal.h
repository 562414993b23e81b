#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace merrith {

// Why a dive has no degree of difficulty: each rule that refuses a dive has its own reason.
// A table entry -999, or a row or column a table does not have, is NotAllowedHere.
enum class Refusal : std::uint8_t {
  None,                   // the dive has a DD
  NotADiveNumber,         // the code cannot be read: a bracket left open, too many parts...
  FlyingStraight,         // a flying dive in position A
  NoSomersault,           // a position other than A without a somersault
  ArmstandOnSpringboard,  // an armstand dive at 1 m or 3 m
  MFormOnlyHighDiving,    // the twisting form written with M, below 12 m
  FeetFirst,              // a high dive whose half somersaults leave it head first
  NoSuchHeight,           // a HeightIndex that is no height
  NoSuchPosition,         // a position letter beyond E, or a character that is no letter
  FreeWithoutTwist,       // position D without a twist
  TwistingPosition,       // a twisting dive in a position its somersaults do not allow
  InwardArmstand,         // an armstand dive of direction 4 (inward), which no table prices
  NotAllowedHere,         // what the tables do not allow at this height
};

// Each refusal in a diver's words, as the user reads it after "ERROR".
struct Reason {
  Refusal Why;
  std::u16string_view Text;
};

// clang-format off
inline constexpr Reason Reasons[] = {
    {Refusal::None,                  u""},
    {Refusal::NotADiveNumber,        u"not a dive number"},
    {Refusal::FlyingStraight,        u"flying dives are not done straight"},
    {Refusal::NoSomersault,          u"only a straight dive has no somersault"},
    {Refusal::ArmstandOnSpringboard, u"armstand dives are done from the platform"},
    {Refusal::MFormOnlyHighDiving,   u"dives written with M are for high diving"},
    {Refusal::FeetFirst,             u"a high dive enters the water feet first"},
    {Refusal::NoSuchHeight,          u"no such height"},
    {Refusal::NoSuchPosition,        u"no such position letter"},
    {Refusal::FreeWithoutTwist,      u"free position is only for twisting dives"},
    {Refusal::TwistingPosition,      u"this twisting dive is not done in that position"},
    {Refusal::InwardArmstand,        u"no DD known: the tables do not price armstand inward dives"},
    {Refusal::NotAllowedHere,        u"not allowed at this height"},
};
// clang-format on

// One row per refusal, in the order of the enumeration, which ends with NotAllowedHere.
static_assert([] {
  std::size_t Row = 0;
  for (const Reason& R : Reasons)
    if (static_cast<std::size_t>(R.Why) != Row++) return false;
  return Reasons[std::size(Reasons) - 1].Why == Refusal::NotAllowedHere;
}());

// The reason in words; empty for Refusal::None.
constexpr std::u16string_view RefusalText(Refusal Why) {
  return Reasons[static_cast<std::size_t>(Why)].Text;
}

}  // namespace merrith
