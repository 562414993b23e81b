#pragma once

#include <functional>
#include <string_view>

#include <QKeySequence>
#include <QMenuBar>
#include <QString>
#include <QWidget>

#include "window/window_layout.h"

namespace merrith {

// Text of the layouts (UTF-8) and of the procedures (UTF-16) as Qt holds it.
QString Text(std::string_view Utf8);
QString Text(std::u16string_view Utf16);

// Twips in pixels: Qt scales pixels for denser screens itself, so layouts are drawn at 96 dpi.
int Pixels(int Twips);

// Draws every control of Window into Client, each at its place and named as the layout names
// it ("optH3"), in tab order; Client takes the client area's size.
void DrawControls(QWidget* Client, const WindowLayout& Window);

// Window's menu into Bar, each item running Run with its command.
void DrawMenu(QMenuBar* Bar, const WindowLayout& Window,
              const std::function<void(WindowCommand)>& Run);

// Window's keys onto Owner, each running Run with its command.
void BindKeys(QWidget* Owner, const WindowLayout& Window,
              const std::function<void(WindowCommand)>& Run);

// Each command button of Window that is no array's member, connected to Run with its command.
void ConnectButtons(QWidget* Client, const WindowLayout& Window,
                    const std::function<void(WindowCommand)>& Run);

}  // namespace merrith
