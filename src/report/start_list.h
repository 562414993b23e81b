#pragma once

#include <string>
#include <string_view>

#include "scoring/competition.h"
#include "support/file_outcome.h"

namespace merrith {

// The start list for the table and the announcer: the event, the meet, the phase, the draw and
// the panel, then each diver, pair or team in starting order with their team and status, each
// round's dive (its number, the dive and the position in words, the height and the DD) and the
// list's total DD; then the reserves.
std::u16string StartListReport(const Competition& C);

// The start list as one JSON object on one line, UTF-8, ending in a line feed: event, book,
// meet, date, phase, draw (the seed or null), divers ([{order, diver, team, status, dives:
// [{round, dive, position, height, dd}], total_dd}]) and reserves ([{diver, team}]); DDs as
// numbers with one decimal, null where a dive has none.
std::string StartListJson(const Competition& C);

// The start list to print, which is also the announcer's sheet: the facts, then one table whose
// column headings repeat on every sheet, each diver's rows kept on one sheet. Portrait A4 or
// Letter, the meet, the event and the phase in the margins of every sheet.
std::u16string StartListPage(const Competition& C);

// Writes StartListPage to Path as UTF-8 through the atomic write: whole or not at all.
FileOutcome WriteStartListPage(const Competition& C, std::u16string_view Path);

}  // namespace merrith
