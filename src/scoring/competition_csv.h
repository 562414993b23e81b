#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scoring/competition.h"
#include "sheets/table_columns.h"

namespace merrith {

// The columns of a competition's spreadsheet form that Merrith reads, in the order it writes
// them (the position joined to the dive), and those a spreadsheet must have; their header words
// are TableColumns'. The judges' awards follow as J1 to Jn.
// clang-format off
inline constexpr ColumnRead CsvColumns[] = {
  // column                 needed
    {TableColumn::Diver,    true},
    {TableColumn::Team,     false},
    {TableColumn::Round,    true},
    {TableColumn::Dive,     true},
    {TableColumn::Pos,      false},
    {TableColumn::Height,   true},
    {TableColumn::Dd,       false},
    {TableColumn::Decision, false},
    {TableColumn::Status,   false},
};
// clang-format on

// Where a spreadsheet holds what Merrith reads: its separator, each column's place (nothing
// where it has none), the judges' columns in seating order, and for each diver's round the
// lines of its row.
struct CsvLayout {
  char16_t Separator = u',';
  bool DecimalComma = false;  // awards written 7,5 (a semicolon's spreadsheet)
  ColumnPlaces At{};
  std::vector<std::size_t> Judges;
  std::map<std::pair<std::size_t, std::size_t>, std::pair<std::size_t, std::size_t>> Rows;
  // The row of Entry's Round: its first and its last line; nothing where there is none.
  std::optional<std::pair<std::size_t, std::size_t>> RowOf(std::size_t Entry,
                                                           std::size_t Round) const;
};

// A spreadsheet form as read: the competition, and where its rows and columns are.
struct CompetitionCsvRead {
  CompetitionRead Read;
  CsvLayout Layout;
};

// Reads the spreadsheet form of a competition: one table of dives, the header row first, then
// a row a dive. Its separator is the header's (a comma, a semicolon or a tab; awards and DDs
// may have decimal commas); its columns are found by their header words in any case (see
// TableColumns; a dive's number and position may be two columns), the judges' as J1 ... Jn (or
// Judge 1 ...), whose number is the panel: 9 or 11 synchronised, each row's diver cell a pair
// "Ann Example / Bea Example"; with 3, 5 or 7 a cell naming several divers is a team. Columns
// it does not use are left alone, and named in a note. An empty DD is the formula's DD at the
// height (2.0 in the first two rounds of a synchronised event); a DD given that is not is
// scored as given and named as a problem. A missing award is "-"; a row whose judges' cells
// are all empty is a dive not yet recorded. An optional status column marks a diver's rows:
// ooc, wd, dns or dsq (wd and dsq from the round of the row). The divers come in the order of
// their first rows, and the dives recorded in the order of the rows. The event is unknown: no
// list is checked.
CompetitionCsvRead ReadCompetitionCsvText(std::u16string_view Text);
// The same, the competition alone.
CompetitionRead ReadCompetitionCsv(std::u16string_view Text);

// The competition in its spreadsheet form, as ReadCompetitionCsv reads it: U+FEFF, the header
// row, then one row a dive, round by round in starting order, with the DD that counts, the
// decision, the status and the awards (all empty for a dive not yet recorded, "-" for a
// missing award); lines end in CR LF, and a cell that would start like a formula comes after
// an apostrophe.
std::u16string CompetitionCsv(const Competition& C);

// The row of R (whose diver's row Fields is, as read) with its awards and decision in their
// columns, the other cells as they were; nothing where the decision has no column to go in.
std::optional<std::u16string> CsvRowWithDive(std::vector<std::u16string> Fields,
                                             const CsvLayout& Layout, const RecordedDive& R);

// The row of E's status (whose row Fields is, as read) with the status's word in its column;
// nothing where the spreadsheet has no status column.
std::optional<std::u16string> CsvRowWithStatus(std::vector<std::u16string> Fields,
                                               const CsvLayout& Layout, const Entry& E);

// Whether Path names a spreadsheet form by its extension (.csv, any case).
bool IsCsvPath(std::u16string_view Path);

}  // namespace merrith
