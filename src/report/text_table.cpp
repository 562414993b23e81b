#include "report/text_table.h"

#include <algorithm>

namespace merrith {
namespace {

void AppendPadded(std::u16string& Out, std::u16string_view Cell, std::size_t Width, bool Right) {
  const std::u16string Pad(Width - std::min(Width, Cell.size()), u' ');
  Out += Right ? Pad + std::u16string(Cell) : std::u16string(Cell) + Pad;
}

}  // namespace

std::u16string TextTable(const std::vector<Column>& Columns, std::size_t Rows) {
  std::vector<const Column*> Shown;
  for (const Column& C : Columns)
    if (std::any_of(C.Cells.begin(), C.Cells.end(), [](const auto& Cell) { return !Cell.empty(); }))
      Shown.push_back(&C);
  std::vector<std::size_t> Widths;
  for (const Column* C : Shown) {
    std::size_t Width = C->Heading.size();
    for (const std::u16string& Cell : C->Cells) Width = std::max(Width, Cell.size());
    Widths.push_back(Width);
  }
  std::u16string Text;
  for (std::size_t Row = 0; Row <= Rows; ++Row) {
    std::u16string Line;
    for (std::size_t I = 0; I < Shown.size(); ++I) {
      if (I > 0) Line += u"  ";
      AppendPadded(Line, Row == 0 ? Shown[I]->Heading : Shown[I]->Cells[Row - 1], Widths[I],
                   Shown[I]->Right);
    }
    Line.erase(Line.find_last_not_of(u' ') + 1);
    Text += Line + u"\n";
  }
  return Text;
}

}  // namespace merrith
