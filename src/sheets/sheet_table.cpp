#include "sheets/sheet_table.h"

#include <vector>

#include "support/table_text.h"

namespace merrith {
namespace {

// The columns a pasted table's rows are read by: the dive's, which it must have, and those a
// sheet's dive line may give.
// clang-format off
constexpr ColumnRead SheetColumns[] = {
  // column               needed
    {TableColumn::Round,  false},
    {TableColumn::Dive,   true},
    {TableColumn::Pos,    false},
    {TableColumn::Height, false},
    {TableColumn::Dd,     false},
    {TableColumn::Diver,  false},
    {TableColumn::Part,   false},
};
// clang-format on

}  // namespace

std::optional<std::size_t> TableHead::Place(TableColumn What) const {
  return At[static_cast<std::size_t>(What)];
}

std::optional<TableHead> ReadTableHead(std::u16string_view Line) {
  // A heading or a note, mostly: no cells to split.
  if (Line.find_first_of(u",;\t") == std::u16string_view::npos) return std::nullopt;
  TableHead Head;
  Head.Separator = FindSeparator(Line);
  const std::vector<TableRow> Rows = ReadTableRows(Line, Head.Separator);
  if (Rows.empty()) return std::nullopt;
  const std::vector<std::u16string>& Cells = Rows.front().Fields;
  Head.Width = Cells.size();
  std::size_t Known = 0;
  for (std::size_t I = 0; I < Cells.size(); ++I) {
    const std::optional<TableColumn> Column = ColumnHeaded(Cells[I], SheetColumns);
    if (!Column || Head.Place(*Column)) continue;
    Head.At[static_cast<std::size_t>(*Column)] = I;
    ++Known;
  }
  if (Known < 2) return std::nullopt;
  for (const ColumnRead& C : SheetColumns)
    if (C.Needed && !Head.Place(C.Column)) return std::nullopt;
  return Head;
}

}  // namespace merrith
