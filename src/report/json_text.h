#pragma once

#include <string>
#include <string_view>

namespace merrith {

// Text as a JSON string, quotes included, in UTF-8; a unit that is no character as U+FFFD.
std::string JsonString(std::u16string_view Text);

// The same, or null for empty text.
std::string JsonStringOrNull(std::u16string_view Text);

}  // namespace merrith
