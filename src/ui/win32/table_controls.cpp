#include "ui/win32/table_controls.h"

#include <commctrl.h>

#include "ui/win32/table_window.h"
#include "window/grid_columns.h"

namespace merrith {
namespace {

// How long a refused key's tip stays, in milliseconds.
constexpr UINT TipTime = 2500;

bool Held(int Key) { return GetKeyState(Key) < 0; }

}  // namespace

void MakeGrid(HWND Grid) {
  const DWORD Extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
  SendMessageW(Grid, LVM_SETEXTENDEDLISTVIEWSTYLE, Extended, Extended);
}

// Drawn once all rows are in, for a field of a hundred divers.
void SetGridRows(HWND Grid, std::span<const std::vector<std::u16string>> Rows) {
  const int Picked = GridPickedRow(Grid);
  SendMessageW(Grid, WM_SETREDRAW, FALSE, 0);
  SendMessageW(Grid, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(Grid, LVM_DELETECOLUMN, 0, 0)) {
  }
  const std::size_t Columns = Rows.empty() ? 0 : Rows[0].size();
  for (std::size_t Column = 0; Column < Columns; ++Column) {
    std::wstring Header = Wide(Rows[0][Column]);
    LVCOLUMNW Made{};
    Made.mask = LVCF_FMT | LVCF_TEXT;
    Made.fmt = IsNumberColumn(Rows, Column) ? LVCFMT_RIGHT : LVCFMT_LEFT;
    Made.pszText = Header.data();
    SendMessageW(Grid, LVM_INSERTCOLUMNW, Column, reinterpret_cast<LPARAM>(&Made));
  }
  for (std::size_t Row = 1; Row < Rows.size(); ++Row) {
    for (std::size_t Column = 0; Column < Columns; ++Column) {
      std::wstring Cell = Column < Rows[Row].size() ? Wide(Rows[Row][Column]) : std::wstring();
      LVITEMW Item{};
      Item.mask = LVIF_TEXT;
      Item.iItem = static_cast<int>(Row - 1);
      Item.iSubItem = static_cast<int>(Column);
      Item.pszText = Cell.data();
      SendMessageW(Grid, Column == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                   reinterpret_cast<LPARAM>(&Item));
    }
  }
  FitGridColumns(Grid);
  if (Picked >= 0 && Picked + 1 < static_cast<int>(Rows.size())) PickGridRow(Grid, Picked);
  SendMessageW(Grid, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Grid, nullptr, TRUE);
}

void FitGridColumns(HWND Grid) {
  const auto Header = reinterpret_cast<HWND>(SendMessageW(Grid, LVM_GETHEADER, 0, 0));
  const auto Columns = static_cast<int>(SendMessageW(Header, HDM_GETITEMCOUNT, 0, 0));
  for (int Column = 0; Column < Columns; ++Column)
    SendMessageW(Grid, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Column), LVSCW_AUTOSIZE_USEHEADER);
}

int GridPickedRow(HWND Grid) {
  return static_cast<int>(
      SendMessageW(Grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Row -1 clears the picks of every row.
void PickGridRow(HWND Grid, int Row) {
  const int Count = static_cast<int>(SendMessageW(Grid, LVM_GETITEMCOUNT, 0, 0));
  LVITEMW State{};
  State.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Grid, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&State));
  if (Row < 0 || Row >= Count) return;
  State.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Grid, LVM_SETITEMSTATE, static_cast<WPARAM>(Row), reinterpret_cast<LPARAM>(&State));
  SendMessageW(Grid, LVM_ENSUREVISIBLE, static_cast<WPARAM>(Row), FALSE);
}

std::optional<KeyPress> DialogKeyOf(const MSG& Message) {
  using enum KeyPress::Kind;
  if (Message.message != WM_KEYDOWN || Held(VK_SHIFT) || Held(VK_CONTROL) || Held(VK_MENU))
    return std::nullopt;
  switch (Message.wParam) {
    case VK_TAB:
      return KeyPress{Tab};
    case VK_RETURN:
      return KeyPress{Enter};
    case VK_ESCAPE:
      return KeyPress{Escape};
    default:
      return std::nullopt;
  }
}

std::optional<KeyPress> CharKeyOf(WPARAM Unit) {
  using enum KeyPress::Kind;
  if (Unit == L' ') return KeyPress{Space};
  if (Unit == L'\b') return KeyPress{Backspace};
  if (Unit < L' ' || Unit == 0x7F || Unit > 0xFFFF) return std::nullopt;
  return KeyPress{Char, static_cast<char16_t>(Unit)};
}

bool CMomentTip::Create(HWND Made, UINT_PTR TimerId) {
  Owner = Made;
  Timer = TimerId;
  Tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Owner, nullptr,
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Owner, GWLP_HINSTANCE)),
                        nullptr);
  if (Tip == nullptr) return false;
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  Tool.hwnd = Owner;
  Tool.lpszText = const_cast<wchar_t*>(L"");
  return SendMessageW(Tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool)) != FALSE;
}

// Below the control's left edge, where the eye is while typing into it.
void CMomentTip::Show(HWND Control, std::u16string_view Text) {
  if (Tip == nullptr) return;
  Shown = Wide(Text);
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.hwnd = Owner;
  Tool.lpszText = Shown.data();
  SendMessageW(Tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&Tool));
  RECT Place{};
  GetWindowRect(Control, &Place);
  SendMessageW(Tip, TTM_TRACKPOSITION, 0, MAKELPARAM(Place.left, Place.bottom));
  SendMessageW(Tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&Tool));
  SetTimer(Owner, Timer, TipTime, nullptr);
}

void CMomentTip::Hide() {
  KillTimer(Owner, Timer);
  if (Tip == nullptr) return;
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.hwnd = Owner;
  SendMessageW(Tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&Tool));
}

}  // namespace merrith
