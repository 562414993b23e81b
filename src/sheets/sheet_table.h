#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// What a column of a table pasted from a spreadsheet holds, as its header row names it.
enum class TableColumn : std::uint8_t {
  Other,     // a column the sheet does not read (a dive's name, a note)
  Round,     // the round's number, which the order of the rows gives anyway
  Dive,      // the dive number or the whole code
  Position,  // the position letter, where the dive column has none
  Height,    // the board or platform
  DD,        // the DD the diver states
  Diver,     // who dives the row
  Part,      // "limited" for a dive of the limited part
};

// The header row of a pasted table: the character between its cells and each column's meaning.
struct TableHead {
  char16_t Separator = u'\t';
  std::vector<TableColumn> Columns;

  // The place of the first column holding What; nothing when there is none.
  std::optional<std::size_t> Place(TableColumn What) const;
};

// The header row of a table, tab-separated, else comma-separated: at least two cells, naming
// in any order and case a dive column (dive, number or code) and one more of round, position,
// height or board, DD, diver and part; other cells are columns not read. Nothing for any other
// line.
std::optional<TableHead> ReadTableHead(std::u16string_view Line);

// The cells of a row apart at Separator, each without white space around it; a cell in double
// quotes may hold the separator ("3,1"), and two quotes in it stand for one.
std::vector<std::u16string> SplitCells(std::u16string_view Line, char16_t Separator);

}  // namespace merrith
