#pragma once

#include <string>

#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// The standings as one JSON object on one line, UTF-8, ending in a line feed: event, book,
// panel, rounds_complete, standings ([{place (null for a diver not placed), status (ok, ooc,
// wd, dns, dsq), diver, team, total, dives: [{round, dive, height, dd, awards, cancelled,
// decision, points}]}]), current (the same after the last dive recorded, every dive counted)
// and problems ([{diver, line, kind, text}]); points with two decimals.
std::string ResultsJson(const Competition& C, const Standings& S);

}  // namespace merrith
