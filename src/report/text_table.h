#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merrith {

// A column of a text table: its heading, its cells, and whether they stand to the right.
struct Column {
  std::u16string Heading;
  std::vector<std::u16string> Cells;
  bool Right = false;
};

// The columns side by side, two spaces apart, each as wide as its widest cell, the headings
// first and then Rows rows; a column whose cells are all empty is left out. Trailing spaces are
// not written; each line ends in a line feed.
std::u16string TextTable(const std::vector<Column>& Columns, std::size_t Rows);

}  // namespace merrith
