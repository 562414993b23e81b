#pragma once

#include <optional>
#include <span>

#include "scoring/award.h"
#include "scoring/competition_fault.h"
#include "scoring/decision.h"
#include "scoring/panel.h"
#include "sheets/event_book.h"

namespace merrith {

// A fault found in what came in, before anything is recorded or scored.
struct FoundFault {
  CompetitionFault Why = CompetitionFault::AwardCount;
  FaultValues Values;
};

// The one check of a dive's awards, whichever way they came (the text file, the spreadsheet,
// the recorder's boxes, a judge's pad, the score command): as many as the panel has judges,
// and an award from at least one judge of each group (the panel in individual and team dives;
// each diver's execution judges and the synchronisation judges in synchro), since a missing
// award is replaced from its group's. Nothing when they can be scored.
std::optional<FoundFault> CheckAwards(Panel P, std::span<const std::optional<HalfPoints>> Awards);

// Whether the panel judges the event's dives: 9 or 11 judges a synchronised event, 3, 5 or 7
// any other (a team's synchronised lines too).
bool PanelFitsEvent(Panel P, const Event& E);

// The fault of a panel that does not judge the event's dives, for its line.
FoundFault PanelFault(Panel P, const Event& E);

}  // namespace merrith
