#pragma once

#include "ui/win32/table_window.h"
#include "window/dialogs.h"

namespace merrith {

// The system's own dialogs, browser and clipboard, the dialogs modal over Owner's window.
Dialogs SystemDialogs(const CTableWindow& Owner);

}  // namespace merrith
