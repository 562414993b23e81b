#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scoring/competition.h"

namespace merrith {

// The columns of a competition's spreadsheet form that Merrith reads; the judges' awards
// follow as J1 to Jn.
enum class CsvColumn : std::uint8_t { Diver, Team, Round, Dive, Pos, Height, Dd, Decision, Status };

// Each column: the word Merrith writes in the header, whether a spreadsheet must have it, and
// the other words people head it with ("|" between them), compared in any case.
struct CsvColumnRow {
  CsvColumn Column;
  std::u16string_view Written;
  bool Needed;
  std::u16string_view Also;
};
// clang-format off
inline constexpr CsvColumnRow CsvColumns[] = {
  // column              written      needed  also headed
    {CsvColumn::Diver,    u"diver",    true,  u"name|diver name|athlete|divers|pair|team name"},
    {CsvColumn::Team,     u"team",     false, u"club|nation|country|federation|noc"},
    {CsvColumn::Round,    u"round",    true,  u"rnd|rd|rd."},
    {CsvColumn::Dive,     u"dive",     true,  u"dive no.|dive no|dive number|dive code|code|no."},
    {CsvColumn::Pos,      u"pos",      false, u"pos.|position"},
    {CsvColumn::Height,   u"height",   true,  u"board|level|hgt"},
    {CsvColumn::Dd,       u"dd",       false, u"d.d.|difficulty|degree of difficulty"},
    {CsvColumn::Decision, u"decision", false, u"penalty|referee"},
    {CsvColumn::Status,   u"status",   false, u""},
};
// clang-format on
inline constexpr std::size_t CsvColumnCount = std::size(CsvColumns);

// Where a spreadsheet holds what Merrith reads: its separator, each column's place (nothing
// where it has none), the judges' columns in seating order, and for each diver's round the
// lines of its row.
struct CsvLayout {
  char16_t Separator = u',';
  bool DecimalComma = false;  // awards written 7,5 (a semicolon's spreadsheet)
  std::array<std::optional<std::size_t>, CsvColumnCount> At{};
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
// CsvColumns; a dive's number and position may be two columns), the judges' as J1 ... Jn (or
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
