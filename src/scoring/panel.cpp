#include "scoring/panel.h"

namespace merrith {
namespace {

constexpr bool InPanelOrder() {
  for (std::size_t I = 0; I < Panels.size(); ++I)
    if (static_cast<std::size_t>(Panels[I].P) != I || Panels[I].Judges > MaxJudges) return false;
  return true;
}
static_assert(InPanelOrder(), "one row per panel, in the order of the enum, of MaxJudges at most");

}  // namespace

std::optional<Panel> PanelOfJudges(int Judges) {
  for (const PanelRow& Row : Panels)
    if (Row.Judges == Judges) return Row.P;
  return std::nullopt;
}

}  // namespace merrith
