#include "support/trim_white.h"

namespace merrith::mXMLParser {

// Placeholder until trimming lands.
std::u16string TrimWhite(std::u16string Text) { return Text; }
std::int32_t ClassifyChar(std::int16_t) { return ClassOther; }

}  // namespace merrith::mXMLParser
