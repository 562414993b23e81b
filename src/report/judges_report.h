#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scoring/competition.h"
#include "scoring/judges_analysis.h"
#include "scoring/standings.h"
#include "support/file_outcome.h"

namespace merrith {

// Why there is no analysis of a competition with no dive recorded.
inline constexpr std::u16string_view NoAwardsText =
    u"no dive is recorded: there are no awards to analyse";

// A value in whole units of 10^-Decimals as text: "6.83", "-0.20", "0.912"; with Sign, a plus
// before a value above 0 ("+0.12").
std::u16string FixedText(std::int64_t Units, int Decimals, bool Sign = false);

// The judges' analysis for the table: the event, the meet, the phase, the panel and how many
// dives and divers it rests on, then a line a seat (seat, role, judge, nation, awards, mean,
// bias, spread, far, cancelled high and low, rho, and where the head gives nations the bias on
// the judge's own nation's divers and on the others'), then what each measure is.
std::u16string JudgesReport(const Competition& C, const Standings& S, const JudgesAnalysis& A);

// The analysis as one JSON object on one line, UTF-8, ending in a line feed: event, book,
// meet, date, phase, panel, dives, ranked and judges ([{seat, role, name, nation, awards, mean,
// bias, spread, far, cancelled_high, cancelled_low, rho, own_nation_bias,
// other_nations_bias}]); mean, bias and spread with two decimals, rho with three, null where a
// measure has no value.
std::string JudgesJson(const Competition& C, const JudgesAnalysis& A);

// The analysis to print with the results: the facts, the table of seats and the measures in
// words; the meet, the event and the phase in the margins of every sheet.
std::u16string JudgesPage(const Competition& C, const Standings& S, const JudgesAnalysis& A);

// Writes JudgesPage to Path as UTF-8 through the atomic write: whole or not at all.
FileOutcome WriteJudgesPage(const Competition& C, const Standings& S, const JudgesAnalysis& A,
                            std::u16string_view Path);

}  // namespace merrith
