#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "difficulty/explain_dive.h"

namespace merrith {

// The DD of a code as typed, at HeightIndex: the code is upper-cased as a whole and given to
// the calculator of that height. Negative when the dive has no DD there.
double CalcTypedDD(std::u16string_view Typed, std::int32_t HeightIndex);

// What the result box shows for a DD: the general number format, or "ERROR" when it is
// negative.
std::u16string ResultText(double DD, std::u16string_view DecimalSeparator);

// What the result box shows for a code as typed, at HeightIndex: the dive's DD in the general
// number format, or "ERROR" when it has none there. The code is upper-cased but otherwise
// reaches the calculator exactly as typed, spaces included.
std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator);

// How the DD of an explained dive adds up, each value in the general number format:
// "position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4".
std::u16string SumLine(const DiveExplanation& Dive, std::u16string_view DecimalSeparator);

// The result box after "OK": its text, and the tooltip that says what the text stands for.
struct ResultBox {
  std::u16string Text;  // what EvaluateCode gives
  std::u16string Tip;   // the dive's name and its SumLine on two lines, or why it has no DD
};

// The result box for a code as typed, at HeightIndex, read as EvaluateCode reads it.
ResultBox ExplainCode(std::u16string_view Typed, std::int32_t HeightIndex,
                      std::u16string_view DecimalSeparator);

}  // namespace merrith
