#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win32/fm_main.h"

namespace {

std::int64_t Ticks(FILETIME Time) {
  return static_cast<std::int64_t>((std::uint64_t{Time.dwHighDateTime} << 32) |
                                   Time.dwLowDateTime);
}

// Milliseconds since this process was created.
std::int64_t SinceProcessStart() {
  FILETIME Created{}, Ended{}, Kernel{}, User{}, Now{};
  GetProcessTimes(GetCurrentProcess(), &Created, &Ended, &Kernel, &User);
  GetSystemTimePreciseAsFileTime(&Now);
  return (Ticks(Now) - Ticks(Created)) / 10000;  // in units of 100 ns
}

// For the start-up benchmark only: with MERRITH_STARTUP_TIMES set, says on the standard error
// how soon the window was created and painted, and closes it.
void ReportStartup(const merrith::fmMain& Window, std::int64_t Created, std::int64_t Painted) {
  if (GetEnvironmentVariableW(L"MERRITH_STARTUP_TIMES", nullptr, 0) == 0) return;
  const std::string Line = "window created " + std::to_string(Created) + " ms, painted " +
                           std::to_string(Painted) + " ms after the process started\n";
  DWORD Written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), Line.data(), static_cast<DWORD>(Line.size()), &Written,
            nullptr);
  PostMessageW(Window.Handle(), WM_CLOSE, 0, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int Show) {
  merrith::fmMain Window;
  if (!Window.Create(Instance)) return 1;
  const std::int64_t Created = SinceProcessStart();
  ShowWindow(Window.Handle(), Show);
  UpdateWindow(Window.Handle());
  ReportStartup(Window, Created, SinceProcessStart());
  return merrith::RunMessageLoop(Window);
}
