#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "sheets/table_columns.h"

namespace merrith {

// The header row of a table pasted into a sheet: the character between its cells, how many
// cells it has, and where it has each column the sheet reads.
struct TableHead {
  char16_t Separator = u'\t';
  std::size_t Width = 0;
  ColumnPlaces At{};

  // The place of the first cell heading What; nothing when there is none.
  std::optional<std::size_t> Place(TableColumn What) const;
};

// The header row of a table, apart at tabs, commas or semicolons as FindSeparator finds them:
// its cells name in any order and case, by the words of TableColumns, a dive column and one
// more of round, position, height, DD, diver and part; other cells are columns not read.
// Nothing for any other line.
std::optional<TableHead> ReadTableHead(std::u16string_view Line);

}  // namespace merrith
