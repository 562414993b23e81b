#include "scoring/panel.h"

#include <array>

namespace merrith {
namespace {

// How each panel sits and cancels. Synchro panels seat ExecutionEach execution judges per
// diver ahead of the 5 synchronisation judges; Pooled: the execution awards of both divers
// are cancelled as one pool (a diver with only 2 judges cannot lose a highest and a lowest).
// Cancelled: the awards cancelled at each end (highest and lowest) of every pool.
struct PanelRow {
  Panel P;
  int Judges;
  int ExecutionEach;
  bool Pooled;
  int Cancelled;
};
// clang-format off
constexpr std::array<PanelRow, 5> Panels{{
    // panel                judges  execution each  pooled  cancelled each end
    {Panel::Three,               3,              0,  false,                  0},
    {Panel::Five,                5,              0,  false,                  1},
    {Panel::Seven,               7,              0,  false,                  2},
    {Panel::SynchroNine,         9,              2,   true,                  1},
    {Panel::SynchroEleven,      11,              3,  false,                  1},
}};
// clang-format on

constexpr bool InPanelOrder() {
  for (std::size_t I = 0; I < Panels.size(); ++I)
    if (static_cast<std::size_t>(Panels[I].P) != I) return false;
  return true;
}
static_assert(InPanelOrder(), "one row per panel, in the order of the enum");

const PanelRow& RowOf(Panel P) { return Panels[static_cast<std::size_t>(P)]; }

}  // namespace

std::optional<Panel> PanelOfJudges(int Judges) {
  for (const PanelRow& Row : Panels)
    if (Row.Judges == Judges) return Row.P;
  return std::nullopt;
}

int JudgesOf(Panel P) { return RowOf(P).Judges; }

bool IsSynchro(Panel P) { return RowOf(P).ExecutionEach > 0; }

Seat SeatOf(Panel P, int Index) {
  const int Each = RowOf(P).ExecutionEach;
  if (Each == 0) return Seat::Judge;
  if (Index < Each) return Seat::ExecutionDiver1;
  if (Index < 2 * Each) return Seat::ExecutionDiver2;
  return Seat::Synchronisation;
}

int CancelledEachEnd(Panel P) { return RowOf(P).Cancelled; }

int PoolOf(Panel P, int Index) {
  const Seat S = SeatOf(P, Index);
  if (RowOf(P).Pooled && S == Seat::ExecutionDiver2) return static_cast<int>(Seat::ExecutionDiver1);
  return static_cast<int>(S);
}

}  // namespace merrith
