#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/heights.h"

namespace merrith {

// The column blocks of a batch table, numbered as the window's batch buttons.
enum class BatchBlocks : std::int16_t {
  D = 0,       // springboard and platform, 1 m to 10 m
  HD = 1,      // high diving, 12 m to 27 m
  DAndHD = 2,  // both, springboard and platform first
};

// Calls Each with every line of Text, a list of dive numbers, that is not blank: trimmed, in
// the order listed. Lines end at line feeds; a carriage return before one is trimmed off.
void ForEachListedCode(std::u16string_view Text,
                       const std::function<void(const std::u16string& Code)>& Each);

// The value cells of one row of a batch table, whatever form the table takes: the DD of the
// listed code with each position letter of each height of the chosen blocks. Every row is
// worked out afresh, one calculator call a cell: 100,000 lines of thousands of different dives
// take under a second so, and no memory of rows already seen is needed.
class BatchRow {
 public:
  BatchRow(BatchBlocks Blocks, std::u16string_view Separator);

  // The heights of the chosen blocks in column order; each has a value cell per letter.
  const std::vector<const Height*>& ChosenHeights() const { return Chosen; }

  // The number of value cells in a row, over all chosen heights.
  std::size_t CellCount() const { return Cells.size(); }

  // Works out the cells of the row of Code, a listed dive number without its position letter.
  void WorkOut(std::u16string_view Code);

  // The text of the Column-th value cell of the row worked out last: the DD rounded to one
  // decimal (2.0, 2.3), or empty where the dive has none with that letter at that height.
  std::u16string_view Cell(std::size_t Column) const { return Cells[Column]; }

 private:
  std::vector<const Height*> Chosen;
  std::u16string_view DecimalSeparator;
  std::vector<std::u16string> Cells;
  std::u16string Dive;  // the code with one letter, as the calculators get it
};

}  // namespace merrith
