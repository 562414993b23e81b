#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace merrith {

// What a column of a table of dives holds, in a competition's spreadsheet form or in a table
// pasted into a dive sheet; each reader takes the columns it reads and leaves the others alone.
enum class TableColumn : std::uint8_t {
  Diver,     // who dives the row: a diver, a synchronised pair or a team
  Team,      // the diver's club or nation
  Round,     // the round's number
  Dive,      // the dive number, or the whole code
  Pos,       // the position letter, where the dive column has none
  Height,    // the board or platform
  Dd,        // the DD given
  Decision,  // the referee's decision
  Status,    // the diver's status: ooc, wd, dns or dsq
  Part,      // the part of the list a dive is of: limited or free
};

// Each column: the word Merrith writes in its header, and the other words people head it with
// ("|" between them), compared in any case.
struct TableColumnRow {
  TableColumn Column;
  std::u16string_view Written;
  std::u16string_view Also;
};
// clang-format off
inline constexpr TableColumnRow TableColumns[] = {
  // column                 written      also headed
    {TableColumn::Diver,    u"diver",    u"name|diver name|athlete|divers|pair|team name"},
    {TableColumn::Team,     u"team",     u"club|nation|country|federation|noc"},
    {TableColumn::Round,    u"round",    u"rnd|rd|rd."},
    {TableColumn::Dive,     u"dive",     u"dive no.|dive no|dive number|dive code|code|no.|number"},
    {TableColumn::Pos,      u"pos",      u"pos.|position"},
    {TableColumn::Height,   u"height",   u"board|level|hgt"},
    {TableColumn::Dd,       u"dd",       u"d.d.|difficulty|degree of difficulty"},
    {TableColumn::Decision, u"decision", u"penalty|referee"},
    {TableColumn::Status,   u"status",   u""},
    {TableColumn::Part,     u"part",     u""},
};
// clang-format on
inline constexpr std::size_t TableColumnCount = std::size(TableColumns);

static_assert([] {
  std::size_t Row = 0;
  for (const TableColumnRow& C : TableColumns)
    if (static_cast<std::size_t>(C.Column) != Row++) return false;
  return TableColumns[TableColumnCount - 1].Column == TableColumn::Part;
}());

// Column's row of TableColumns.
constexpr const TableColumnRow& ColumnRow(TableColumn Column) {
  return TableColumns[static_cast<std::size_t>(Column)];
}

// A column a reader of tables takes, and whether a table must have it.
struct ColumnRead {
  TableColumn Column;
  bool Needed;
};

// Where a header row has each column: the place of its cell, nothing where it has none.
using ColumnPlaces = std::array<std::optional<std::size_t>, TableColumnCount>;

// The column of those in Read that the header cell Word heads: by its written word or one of
// the others, in any case; nothing where it heads none of them.
std::optional<TableColumn> ColumnHeaded(std::u16string_view Word, std::span<const ColumnRead> Read);

// The words that head Column, its written word first, "|" between them: "pos|pos.|position".
std::u16string HeaderWords(TableColumn Column);

}  // namespace merrith
