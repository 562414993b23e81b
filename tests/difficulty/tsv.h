#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace merrith::testing {

// The pieces of Text between the At characters: the lines of a table, or the fields of a line.
inline std::vector<std::string_view> Split(std::string_view Text, char At) {
  std::vector<std::string_view> Parts;
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(At, Start);
    Parts.push_back(Text.substr(Start, End - Start));
    if (End == std::string_view::npos) return Parts;
    Start = End + 1;
  }
}

}  // namespace merrith::testing
