#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/dialogs.h"
#include "window/window_layout.h"

namespace merrith {

// A rectangle on the desktop, in the units the view measures it in.
struct DesktopRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Where a window stands: its frame on the desktop, the work area of its screen (the desktop
// less its task bars), and the height of a window's caption there.
struct DesktopPlace {
  DesktopRect Frame;
  DesktopRect WorkArea;
  int CaptionHeight = 0;
};

class WindowView;

// A key pressed in an award box, before the box takes it: a character typed, or one of the
// keys that move between boxes.
struct KeyPress {
  enum class Kind : std::uint8_t { Char, Space, Tab, Enter, Backspace, Escape };
  Kind Pressed = Kind::Char;
  char16_t Char = 0;  // the character, for Char only
};

// What the controller made of a key: Pass, the box takes it as any box would; Refuse, the box
// drops it and shows Tip briefly at the box (a tooltip); Handled, the controller did what the
// key means (moved the focus, recorded the dive) and the box does nothing more.
struct KeyAnswer {
  enum class Kind : std::uint8_t { Pass, Refuse, Handled };
  Kind Answer = Kind::Pass;
  std::u16string Tip;
  bool operator==(const KeyAnswer&) const = default;
};

// What a view tells the controller of its window.
class WindowController {
 public:
  virtual ~WindowController() = default;
  // The user used Control (NoControl for a menu item or a shortcut) that runs Command: clicked
  // a button, checked an option, typed into a box, picked from a drop-down, picked a grid's row
  // (a double-click, or Enter on it).
  virtual void Run(WindowCommand Command, ControlId Control) = 0;
  // The user asks to close the window: true when it may close.
  virtual bool QueryClose() = 0;
  // A key in the award box Box, asked before the box takes it.
  virtual KeyAnswer Key(ControlId /*Box*/, KeyPress /*Key*/) { return {}; }
  // Files dropped on a window whose layout has no DropBox (on any of its controls), in the
  // order the desktop gives them.
  virtual void Dropped(std::span<const std::u16string> /*Paths*/) {}
};

// A window as a toolkit draws it from its layout, every control reached by its id; what the
// controls do is the controller's.
class WindowView {
 public:
  virtual ~WindowView() = default;

  // A box's text, lines ended by line feeds; and set (a report box keeps where it was
  // scrolled to).
  virtual std::u16string Text(ControlId Box) const = 0;
  virtual void SetText(ControlId Box, std::u16string_view Text) = 0;
  // What shows while the mouse rests on Control.
  virtual void SetTip(ControlId Control, std::u16string_view Tip) = 0;
  // Checks Option, and so unchecks the other options of its group.
  virtual void Check(ControlId Option) = 0;
  // A drop-down's entries, and the one picked (-1: none).
  virtual void SetChoices(ControlId DropDown, std::span<const std::u16string> Entries) = 0;
  virtual int Picked(ControlId DropDown) const = 0;
  virtual void Pick(ControlId DropDown, int Entry) = 0;

  // The keyboard's focus to Control; an award box's text selected whole, so that typing
  // replaces it.
  virtual void Focus(ControlId /*Control*/) {}
  // Whether Control can be used (greyed when not), and whether it shows at all.
  virtual void Enable(ControlId /*Control*/, bool /*Enabled*/) {}
  virtual void SetVisible(ControlId /*Control*/, bool /*Visible*/) {}
  // A grid's rows, the first of them its header, each a cell a column; the picked row is
  // kept where it still exists.
  virtual void SetRows(ControlId /*Grid*/, std::span<const std::vector<std::u16string>> /*Rows*/) {}
  // The row picked in a grid, counted from the first below the header (-1: none); and pick
  // one (scrolled into sight).
  virtual int PickedRow(ControlId /*Grid*/) const { return -1; }
  virtual void PickRow(ControlId /*Grid*/, int /*Row*/) {}

  virtual void SetCaption(std::u16string_view Caption) = 0;
  // The user's decimal separator.
  virtual std::u16string DecimalSeparator() const = 0;
  // The desktop's dialogs, modal over this window.
  virtual Dialogs SystemDialogs() = 0;

  virtual DesktopPlace Place() const = 0;
  virtual void MoveTo(int Left, int Top) = 0;
  virtual void Show() = 0;
  // Closes the window without asking the controller again.
  virtual void Close() = 0;
  // Whether the window is open: made and not closed.
  virtual bool IsOpen() const = 0;
  // Runs Task on the window's thread once it is free, in the order posted; called from any
  // thread. A task posted to a window that is gone never runs.
  virtual void Post(std::function<void()> Task) = 0;

  // Another window drawn from Layout, captioned Caption, not yet shown, that tells Controller;
  // null when the desktop refuses.
  virtual std::unique_ptr<WindowView> OpenView(const WindowLayout& Layout,
                                               std::u16string_view Caption,
                                               WindowController& Controller) = 0;
};

}  // namespace merrith
