#include "scoring/estimate.h"

#include "scoring/score_dive.h"

namespace merrith {

Hundredths EstimatedPoints(HalfPoints Award, DdTenths DD) {
  const std::vector<std::optional<HalfPoints>> Awards(5, Award);
  return ScoreDive(Panel::Five, Awards, {}, DD).Points;
}

ListEstimate EstimateList(const CheckedSheet& Sheet, HalfPoints Award) {
  ListEstimate Estimate;
  Estimate.Award = Award;
  for (const CheckedDive& D : Sheet.Dives) {
    if (!D.Counted) {
      Estimate.Points.emplace_back();
      continue;
    }
    const Hundredths Points = EstimatedPoints(Award, *D.Counted);
    Estimate.Points.emplace_back(Points);
    Estimate.Total += Points;
  }
  return Estimate;
}

}  // namespace merrith
