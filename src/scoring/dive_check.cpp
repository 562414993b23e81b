#include "scoring/dive_check.h"

namespace merrith {

std::optional<FoundFault> CheckAwards(Panel P, std::span<const std::optional<HalfPoints>> Awards) {
  const auto Judges = static_cast<std::size_t>(JudgesOf(P));
  if (Awards.size() != Judges)
    return FoundFault{
        CompetitionFault::AwardCount, {.Count = Awards.size(), .Wanted = Judges}
    };
  for (const Seat Group :
       {Seat::Judge, Seat::ExecutionDiver1, Seat::ExecutionDiver2, Seat::Synchronisation}) {
    bool Seated = false;
    bool Given = false;
    for (std::size_t I = 0; I < Judges; ++I) {
      if (SeatOf(P, static_cast<int>(I)) != Group) continue;
      Seated = true;
      Given = Given || Awards[I].has_value();
    }
    if (Seated && !Given) return FoundFault{CompetitionFault::GroupWithoutAward, {.Group = Group}};
  }
  return std::nullopt;
}

bool PanelFitsEvent(Panel P, const Event& E) { return IsSynchro(P) == E.Synchro; }

FoundFault PanelFault(Panel P, const Event& E) {
  return {
      CompetitionFault::PanelNotOfEvent,
      {.Written = E.Id, .Count = static_cast<std::size_t>(JudgesOf(P))}
  };
}

}  // namespace merrith
