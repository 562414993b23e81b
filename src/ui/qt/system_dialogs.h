#pragma once

#include <QWidget>

#include "window/dialogs.h"

namespace merrith {

// The desktop's own dialogs, browser and clipboard, the dialogs modal over Owner.
Dialogs SystemDialogs(QWidget* Owner);

}  // namespace merrith
