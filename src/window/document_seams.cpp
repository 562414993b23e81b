#include "window/document_seams.h"

namespace merrith {

// Where the windows meet the rooms that check sheets and draw charts. Until those rooms are
// built, the stand-ins stand in for them here, and only here: wire the sheets room's report,
// events, page and rules folder into Sheets, and the chart into Chart; then set
// MERRITH_WINDOW_SHOWS_SHEETS in src/window/CMakeLists.txt, which switches on the X smoke
// tests that hold the window's report to merrith-cli sheet's.
DocumentRooms InstalledDocuments() { return StandInDocuments(); }

}  // namespace merrith
