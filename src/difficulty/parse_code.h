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

// A dive code read once, to be priced at several heights: its fields, and the first rule it
// breaks whatever the height (Refusal::None when it breaks none). A code read but refused
// (flying straight, no somersault) keeps its group and fields.
struct DecodedCode {
  DiveCode Dive;
  Refusal Why = Refusal::NotADiveNumber;
  DiveGroup Group = DiveGroup::None;  // its first part's; None when it cannot be read
};

// Reads Code as ParseCode does, leaving out the rules that depend on the height.
DecodedCode DecodeDiveCode(std::u16string_view Code) noexcept;

// DecodeDiveCode of the text that Code was decoded from, which ends in a letter, with Letter in
// place of that last letter: 105B from 105A. A letter at the end of a code stands for nothing
// but the position, so the rest need not be read again.
DecodedCode WithPosition(DecodedCode Code, char16_t Letter) noexcept;

// The first rule that the code Code was decoded from breaks at HeightIndex; Refusal::None
// where ParseCode accepts it.
Refusal CheckAtHeight(const DecodedCode& Code, std::int32_t HeightIndex) noexcept;

// Upper-cases a code unit by unit, whatever the machine's locale: only a to z change. That is
// enough for dive numbers: the letters that carry meaning are A to E (positions), M (the
// twisting form) and E (an exponent), and no other code unit upper-cases to one of them, so a
// locale's wider upper-casing could not change a dive's DD.
std::u16string UpperCase(std::u16string_view Text);

}  // namespace merrith
