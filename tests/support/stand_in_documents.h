#pragma once

#include "window/document_seams.h"

namespace merrith::testing {

// Plain stand-ins that need no rule book: the report names the event, the diver and the
// number of dive lines; the events are three senior events; the page and the chart are as
// simple; no rules folder, no faults.
DocumentRooms StandInDocuments();

}  // namespace merrith::testing
