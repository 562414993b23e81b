#pragma once

#include <optional>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "scoring/award.h"
#include "sheets/check_sheet.h"

namespace merrith {

// A dive's points when every judge awards Award, at the DD that counts. Three kept awards of
// an individual panel and five kept awards of a synchro panel taken / 5 x 3 come to the same.
Hundredths EstimatedPoints(HalfPoints Award, DdTenths DD);

// A coach's estimate of a list: what each dive and the whole list would score if every judge
// awarded the same.
struct ListEstimate {
  HalfPoints Award = 0;
  std::vector<std::optional<Hundredths>> Points;  // each dive's; none for a dive with no DD
  Hundredths Total = 0;                           // of the dives that have points
};

// The estimate of the checked sheet's dives at the DD each counts (2.0 in assigned rounds).
ListEstimate EstimateList(const CheckedSheet& Sheet, HalfPoints Award);

}  // namespace merrith
