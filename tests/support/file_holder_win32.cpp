// Holds a file open from a separate process, as another program on the desktop would, so that
// the file routines meet the platform's share modes: file_holder PATH MODE READY RELEASE
// opens PATH in MODE ("writer" or "reader"), signals the inherited event READY and keeps the
// file open until the inherited event RELEASE is signalled.
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string_view>

namespace {

HANDLE EventFromArgument(const wchar_t* Argument) {
  return reinterpret_cast<HANDLE>(
      static_cast<std::uintptr_t>(std::wcstoull(Argument, nullptr, 10)));
}

}  // namespace

int wmain(int Count, wchar_t** Arguments) {
  if (Count != 5) return 2;
  const std::wstring_view Mode = Arguments[2];
  // A writer lets others read; a reader lets others do anything, even delete or rename.
  const HANDLE File = Mode == L"writer"
                          ? CreateFileW(Arguments[1], GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                          : CreateFileW(Arguments[1], GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) return 3;
  SetEvent(EventFromArgument(Arguments[3]));
  WaitForSingleObject(EventFromArgument(Arguments[4]), 60000);
  CloseHandle(File);
  return 0;
}
