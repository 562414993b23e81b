#pragma once

#include <string_view>

#include "scoring/competition.h"

namespace merrith {

// The header row's columns before the awards; the awards follow as J1 to Jn.
inline constexpr std::u16string_view CsvColumns[] = {u"diver",  u"team", u"round",   u"dive",
                                                     u"height", u"dd",   u"decision"};

// Reads the spreadsheet form of a competition: one table of dives (UTF-8; fields in quotes
// where they hold a comma, a quote or a line break), the header row diver, team, round, dive,
// height, dd, decision, J1 ... Jn, then one row a dive. The panel is the number of J columns,
// synchronised (9 or 11) where the diver cell names a pair ("Ann Example / Bea Example"). An
// empty dd is the formula's DD at the height; a missing award is "-"; a row whose J cells are
// all empty is a dive not yet recorded. The divers come in the order of their first rows, and
// the dives recorded in the order of the rows. The event is unknown: no list is checked.
CompetitionRead ReadCompetitionCsv(std::u16string_view Text);

// Whether Path names a spreadsheet form by its extension (.csv, any case).
bool IsCsvPath(std::u16string_view Path);

}  // namespace merrith
