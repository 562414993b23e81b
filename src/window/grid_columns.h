#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// A cell of digits, with a decimal point or comma: a place, an award, points.
constexpr bool IsNumberCell(std::u16string_view Cell) {
  bool Digit = false;
  for (const char16_t Unit : Cell) {
    if (Unit >= u'0' && Unit <= u'9') {
      Digit = true;
    } else if (Unit != u'.' && Unit != u',') {
      return false;
    }
  }
  return Digit;
}

// Whether Column of a grid's Rows (the first its header) holds numbers below the header, and so
// stands right-aligned, its header too, the digits of each row under those of the row above.
inline bool IsNumberColumn(std::span<const std::vector<std::u16string>> Rows, std::size_t Column) {
  bool Any = false;
  for (std::size_t Row = 1; Row < Rows.size(); ++Row) {
    if (Column >= Rows[Row].size() || Rows[Row][Column].empty()) continue;
    if (!IsNumberCell(Rows[Row][Column])) return false;
    Any = true;
  }
  return Any;
}

}  // namespace merrith
