#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scoring/competition.h"
#include "scoring/standings.h"
#include "support/file_outcome.h"

namespace merrith {

// The results to print and post: the event and its book, the panel and how far the rounds
// are, then for each diver in place order a block that no page break splits: every counted
// dive with its round, number, position, height, DD, every award as counted (the cancelled
// ones in brackets and struck through), the decision, the points and the running total, and
// the final total. Portrait A4 or Letter; each block repeats the column headings.
std::u16string ResultsPage(const Competition& C, const Standings& S);

// Writes ResultsPage to Path as UTF-8 through the atomic write: whole or not at all.
FileOutcome WriteResultsPage(const Competition& C, const Standings& S, std::u16string_view Path);

}  // namespace merrith
