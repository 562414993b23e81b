#include "difficulty/calc_dd.h"

#include "difficulty/dive_code.h"

namespace merrith {

// Placeholder until the springboard and platform calculator lands.
double CalcDD(std::u16string_view, std::int32_t) { return NotAllowed; }

}  // namespace merrith
