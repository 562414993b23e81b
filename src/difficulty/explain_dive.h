#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dd_working.h"
#include "difficulty/dive_code.h"
#include "difficulty/dive_numbers.h"
#include "difficulty/refusal.h"

namespace merrith {

// A dive explained: what its code says, its name in words, and how its DD adds up, or why it
// has none.
struct DiveExplanation {
  DiveCode Dive;                                // the code decoded; all 0 when it cannot be read
  std::optional<std::u16string> Name;           // "Back 2½ Somersaults 1½ Twists, Pike"
  std::optional<std::u16string_view> Position;  // "Pike"
  std::vector<DdComponent> Components;          // in the order they are added; none without a DD
  double DD = NotAllowed;                       // bit for bit what CalcDD or CalcHDD returns
  Refusal Why = Refusal::None;                  // Refusal::None when the dive has a DD
  RuleBookDive Read;  // the code as the rule book sees it at that height, read once for both
};

// What an explanation holds beyond the reading, the DD and the refusal: a checker that wants
// only the DD leaves the words out.
struct ExplainParts {
  bool Name = true;        // the name and the position in words
  bool Components = true;  // the values the DD adds up
};

// Explains Code at HeightIndex (1 to 9) by the calculator of that height. A code that cannot
// be read has no name; a dive whose position letter is none is named without it.
DiveExplanation ExplainDive(std::u16string_view Code, std::int32_t HeightIndex,
                            ExplainParts Parts = {});

}  // namespace merrith
