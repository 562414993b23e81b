#include "difficulty/calc_hdd.h"

#include "difficulty/dive_code.h"

namespace merrith {

// Placeholder until the high-diving calculator lands.
double CalcHDD(std::u16string_view, std::int32_t) { return NotAllowed; }

}  // namespace merrith
