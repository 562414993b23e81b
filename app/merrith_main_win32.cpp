#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "open_arguments.h"
#include "ui/win32/fm_main.h"

namespace {

std::int64_t Ticks(FILETIME Time) {
  return static_cast<std::int64_t>((std::uint64_t{Time.dwHighDateTime} << 32) | Time.dwLowDateTime);
}

// Milliseconds since this process was created.
std::int64_t SinceProcessStart() {
  FILETIME Created{}, Ended{}, Kernel{}, User{}, Now{};
  GetProcessTimes(GetCurrentProcess(), &Created, &Ended, &Kernel, &User);
  GetSystemTimePreciseAsFileTime(&Now);
  return (Ticks(Now) - Ticks(Created)) / 10000;  // in units of 100 ns
}

// For the start-up benchmark only: with MERRITH_STARTUP_TIMES set, says on the standard error
// how many milliseconds after the process was created wWinMain began (the rest is the
// system's start of a process), the window existed and it was painted.
void ReportStartup(std::int64_t Entered, std::int64_t Created, std::int64_t Painted) {
  if (GetEnvironmentVariableW(L"MERRITH_STARTUP_TIMES", nullptr, 0) == 0) return;
  const std::string Line = "wWinMain " + std::to_string(Entered) + " ms, window created " +
                           std::to_string(Created) + " ms, painted " + std::to_string(Painted) +
                           " ms after the process was created\n";
  DWORD Written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), Line.data(), static_cast<DWORD>(Line.size()), &Written,
            nullptr);
}

// Each file named on the command line ("Open with", a file dropped on the program) opens beside
// the main window.
void OpenNamedFiles(merrith::fmMain& Window) {
  int Count = 0;
  wchar_t** Arguments = CommandLineToArgvW(GetCommandLineW(), &Count);
  if (Arguments == nullptr) return;
  for (int I = 1; I < Count; ++I) {
    const std::wstring_view File(Arguments[I]);
    merrith::OpenNamedFile(Window.Controller(), std::u16string(File.begin(), File.end()));
  }
  LocalFree(Arguments);
}

}  // namespace

// merrith [FILE]...: the main window, and beside it each FILE: a competition in the recorder's
// window, a dive sheet in a sheet window.
int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int Show) {
  const std::int64_t Entered = SinceProcessStart();
  merrith::fmMain Window;
  if (!Window.Create(Instance)) return 1;
  const std::int64_t Created = SinceProcessStart();
  ShowWindow(Window.Handle(), Show);
  UpdateWindow(Window.Handle());  // paints the window and its controls before it returns
  ReportStartup(Entered, Created, SinceProcessStart());
  OpenNamedFiles(Window);
  return merrith::RunMessageLoop();
}
