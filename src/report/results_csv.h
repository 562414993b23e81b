#pragma once

#include <string>

#include "scoring/competition.h"

namespace merrith {

// The competition in its spreadsheet form, as ReadCompetitionCsv reads it: U+FEFF, the header
// row, then one row a dive, round by round in starting order, with the DD that counts, the
// decision and the awards (all empty for a dive not yet recorded, "-" for a missing award);
// lines end in CR LF, and a cell that would start like a formula comes after an apostrophe.
std::u16string CompetitionCsv(const Competition& C);

}  // namespace merrith
