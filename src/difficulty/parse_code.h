#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "difficulty/dive_code.h"
#include "difficulty/dive_group.h"
#include "difficulty/refusal.h"

namespace merrith {

// The flag that ParseCode returns.
inline constexpr std::int32_t CodeValid = 0;
inline constexpr std::int32_t CodeInvalid = 1;

// Reads a dive number such as 105B, 5253B, 614C or 10(11)B into Dive. Returns CodeValid, or
// CodeInvalid when the code cannot be read or breaks a rule; armstand dives are refused at
// the springboard heights, so the height selected (1 to 9) is needed too. After CodeInvalid
// the fields of Dive must not be used.
std::int32_t ParseCode(std::u16string_view Code, std::int32_t HeightIndex, DiveCode& Dive);

// A dive code cut into its parts and decoded, before any rule of the diving is applied: what
// ReadDiveNumber and the calculators start from.
struct DecodedCode {
  DiveCode Dive;         // all 0 when it cannot be read
  bool Read = false;     // whether it can be cut into the parts of one of the six groups
  bool Written = false;  // and is written as the rule book writes numbers (not 105X, 1)5B)
  DiveGroup Group = DiveGroup::None;  // its first part's; None when it cannot be read
};

// Reads Code as ParseCode does, leaving out the rules of the diving.
DecodedCode DecodeDiveCode(std::u16string_view Code) noexcept;

// Reads Number, a dive number without its position letter (105, 5132M), as DecodeDiveCode reads
// it with the letter A after it, without a copy of it.
DecodedCode DecodeDiveNumber(std::u16string_view Number) noexcept;

// The first rule a decoded dive breaks at HeightIndex whatever its tables say: flying dives are
// not done straight, only a straight dive has no somersault, armstand dives are done from the
// platform. Refusal::None where ParseCode accepts it.
constexpr Refusal CheckAtHeight(const DiveCode& Dive, std::int32_t HeightIndex) noexcept {
  if (Dive.Pos == 0 && Dive.Fly > 0) return Refusal::FlyingStraight;
  if (Dive.Pos != 0 && Dive.Som == 0) return Refusal::NoSomersault;
  if (Dive.Arm == 1 && (HeightIndex == 1 || HeightIndex == 2))
    return Refusal::ArmstandOnSpringboard;
  return Refusal::None;
}

// Upper-cases a code unit by unit, whatever the machine's locale: only a to z change. That is
// enough for dive numbers: the letters that carry meaning are A to E (positions), M (the
// twisting form) and E (an exponent), and no other code unit upper-cases to one of them, so a
// locale's wider upper-casing could not change a dive's DD.
std::u16string UpperCase(std::u16string_view Text);

}  // namespace merrith
