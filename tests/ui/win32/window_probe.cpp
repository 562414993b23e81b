// Prints the client area of the top-level window captioned CAPTION, as the system sees it:
// "WIDTH HEIGHT LEFT TOP MENU", its size, its top-left corner on the screen, and the height of
// what stands between the caption and the client area: the menu bar (0 without one). Exit
// status 1 when there is no such window. For the X smoke test, which clicks into the window as
// a user does.
// Usage: window_probe CAPTION
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  std::wstring Caption;
  HWND Found = nullptr;
};

BOOL CALLBACK Match(HWND Window, LPARAM Sought) {
  auto& Wanted = *reinterpret_cast<Search*>(Sought);
  std::wstring Caption(static_cast<std::size_t>(GetWindowTextLengthW(Window)) + 1, L'\0');
  Caption.resize(static_cast<std::size_t>(
      GetWindowTextW(Window, Caption.data(), static_cast<int>(Caption.size()))));
  if (Caption != Wanted.Caption || !IsWindowVisible(Window)) return TRUE;
  Wanted.Found = Window;
  return FALSE;
}

}  // namespace

int wmain(int Count, wchar_t** Arguments) {
  if (Count != 2) return 2;
  Search Sought{Arguments[1]};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&Sought));
  if (Sought.Found == nullptr) return 1;
  RECT Client{};
  GetClientRect(Sought.Found, &Client);
  POINT Corner{0, 0};
  ClientToScreen(Sought.Found, &Corner);
  // (Another process's menu cannot be asked about under Wine; its frame can.)
  RECT Window{};
  GetWindowRect(Sought.Found, &Window);
  RECT Framed = Client;
  AdjustWindowRectEx(&Framed, static_cast<DWORD>(GetWindowLongW(Sought.Found, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(Sought.Found, GWL_EXSTYLE)));
  const LONG Menu = (Window.bottom - Window.top) - (Framed.bottom - Framed.top);
  std::printf("%ld %ld %ld %ld %ld\n", Client.right, Client.bottom, Corner.x, Corner.y, Menu);
  return 0;
}
