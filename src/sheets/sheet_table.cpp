#include "sheets/sheet_table.h"

#include <algorithm>
#include <iterator>

#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

struct ColumnName {
  TableColumn Is;
  std::u16string_view Name;
};

// What a header cell may call each column, in any case.
constexpr ColumnName ColumnNames[] = {
    {   TableColumn::Round,    u"round"},
    {    TableColumn::Dive,     u"dive"},
    {    TableColumn::Dive,   u"number"},
    {    TableColumn::Dive,     u"code"},
    {TableColumn::Position, u"position"},
    {  TableColumn::Height,   u"height"},
    {  TableColumn::Height,    u"board"},
    {      TableColumn::DD,       u"dd"},
    {   TableColumn::Diver,    u"diver"},
    {    TableColumn::Part,     u"part"},
};

TableColumn ColumnCalled(std::u16string_view Cell) {
  const auto* Found = std::find_if(std::begin(ColumnNames), std::end(ColumnNames),
                                   [Cell](const ColumnName& C) { return SameWord(C.Name, Cell); });
  return Found == std::end(ColumnNames) ? TableColumn::Other : Found->Is;
}

}  // namespace

std::optional<std::size_t> TableHead::Place(TableColumn What) const {
  const auto Found = std::find(Columns.begin(), Columns.end(), What);
  if (Found == Columns.end()) return std::nullopt;
  return static_cast<std::size_t>(Found - Columns.begin());
}

std::optional<TableHead> ReadTableHead(std::u16string_view Line) {
  TableHead Head;
  if (Line.find(u'\t') == std::u16string_view::npos) {
    if (Line.find(u',') == std::u16string_view::npos) return std::nullopt;
    Head.Separator = u',';
  }
  std::size_t Known = 0;
  for (const std::u16string& Cell : SplitCells(Line, Head.Separator)) {
    Head.Columns.push_back(ColumnCalled(Cell));
    if (Head.Columns.back() != TableColumn::Other) ++Known;
  }
  if (!Head.Place(TableColumn::Dive) || Known < 2) return std::nullopt;
  return Head;
}

std::vector<std::u16string> SplitCells(std::u16string_view Line, char16_t Separator) {
  std::vector<std::u16string> Cells(1);
  bool Quoted = false;
  for (std::size_t At = 0; At < Line.size(); ++At) {
    const char16_t C = Line[At];
    if (C == u'"' && Quoted && At + 1 < Line.size() && Line[At + 1] == u'"') {
      Cells.back() += u'"';
      ++At;
    } else if (C == u'"') {
      Quoted = !Quoted;
    } else if (C == Separator && !Quoted) {
      Cells.emplace_back();
    } else {
      Cells.back() += C;
    }
  }
  for (std::u16string& Cell : Cells) Cell = mXMLParser::TrimWhite(Cell);
  return Cells;
}

}  // namespace merrith
