#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/chart.h"
#include "support/file_outcome.h"

namespace merrith {

// What a chart shows unless told otherwise: every height, each dive's name beside its number.
ChartChoice ChartDefaults();

// A chart as a page, and the lines of its list that have no row in it.
struct ChartPage {
  std::u16string Html;
  std::vector<LeftOutLine> LeftOut;
};

// The chart of List, the text of a list file, as Choice asks; of every dive that has a name
// when there is no list.
ChartPage ChartOfList(std::optional<std::u16string_view> List, const ChartChoice& Choice);

// Writes the chart of the list file at ListPath (of every dive when ListPath is empty), as
// ChartDefaults asks, to ChartPath: UTF-8, whole or not at all. The outcome of the read that
// failed, else of the write.
FileOutcome WriteChartFile(std::u16string_view ListPath, std::u16string_view ChartPath);

}  // namespace merrith
