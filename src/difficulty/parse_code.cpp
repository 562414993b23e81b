#include "difficulty/parse_code.h"

namespace merrith {

// Placeholder until the parser lands.
std::int32_t ParseCode(std::u16string_view, std::int32_t, DiveCode&) { return CodeInvalid; }

std::u16string UpperCase(std::u16string_view Text) { return std::u16string(Text); }

}  // namespace merrith
