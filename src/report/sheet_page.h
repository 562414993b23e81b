#pragma once

#include <string>

#include "scoring/estimate.h"
#include "sheets/check_sheet.h"

namespace merrith {

// The checked sheet as a page to print and hand in: the diver, the event and its rules, the
// dives (round, number, position, height, name, DD), the total, the verdict and every problem,
// and lines for the diver's and the coach's signatures; given an Estimate, a column of each
// dive's points and their total. Up to 11 dives fit one portrait page.
std::u16string SheetPage(const CheckedSheet& Sheet, const ListEstimate* Estimate = nullptr);

// What became of writing a sheet's page.
enum class PageOutcome {
  Written,      // the page is in its file
  WriteFailed,  // it could not be written; an earlier file is left as it was
};

// Writes SheetPage(Sheet, Estimate) to Path as UTF-8, whole or not at all.
PageOutcome WriteSheetPage(const CheckedSheet& Sheet, std::u16string_view Path,
                           const ListEstimate* Estimate = nullptr);

}  // namespace merrith
