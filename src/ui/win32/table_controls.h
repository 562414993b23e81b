#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/window_view.h"

namespace merrith {

// A grid is a list view of the report style: one row picked at a time, the whole row lit.
inline constexpr wchar_t GridClass[] = L"SysListView32";
void MakeGrid(HWND Grid);
// The rows, the first the header, each column as wide as its widest cell and numbers
// right-aligned; the picked row stays picked where it still exists.
void SetGridRows(HWND Grid, std::span<const std::vector<std::u16string>> Rows);
// Each column as wide as its widest cell, in the grid's font.
void FitGridColumns(HWND Grid);
// The picked row below the header, or -1; and pick one (-1: none), scrolled into sight.
int GridPickedRow(HWND Grid);
void PickGridRow(HWND Grid, int Row);

// The key of a key-down message that a dialog box takes for itself (Tab, Enter, Escape), as an
// award box's controller hears it; nothing for any other message, or with Shift, Ctrl or Alt
// held.
std::optional<KeyPress> DialogKeyOf(const MSG& Message);
// The key of a character that an award box is about to take (a character, Space, Backspace);
// nothing for the control characters of Ctrl and a letter.
std::optional<KeyPress> CharKeyOf(WPARAM Unit);

// A tip shown below a control for a moment, as a key refused there says why.
class CMomentTip {
 public:
  CMomentTip() = default;
  CMomentTip(const CMomentTip&) = delete;
  CMomentTip& operator=(const CMomentTip&) = delete;

  // Made for the window Owner, whose timer TimerId hides it.
  bool Create(HWND Owner, UINT_PTR TimerId);
  void Show(HWND Control, std::u16string_view Text);
  void Hide();
  // The tip's window: null before it is made and once its owner is gone.
  HWND Handle() const { return Tip; }
  void Forget() { Tip = nullptr; }

 private:
  HWND Owner = nullptr;
  HWND Tip = nullptr;
  UINT_PTR Timer = 0;
  std::wstring Shown;  // the tooltip keeps a pointer to its text
};

}  // namespace merrith
