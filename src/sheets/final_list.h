#pragma once

#include "sheets/check_sheet.h"
#include "sheets/event_book.h"

namespace merrith {

// Book with each event that has a limited part made its final's: a final list holds the dives
// without limit alone, each from a different group where the free part wants it, and the
// limited dives' scores are carried forward.
EventBook FinalBook(const EventBook& Book);

// Adds to Final the problems of a final's list against its preliminary's (12.4.5.1): each dive
// of the final whose number the preliminary's limited part used, with the lines of both; or why
// the preliminary has no limited part to check against.
void CheckAgainstPreliminary(CheckedSheet& Final, const CheckedSheet& Preliminary);

}  // namespace merrith
