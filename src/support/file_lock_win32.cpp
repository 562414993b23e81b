#ifdef _WIN32

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "support/file_calls_win32.h"
#include "support/file_lock.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// The byte that is locked lies far beyond the holder's words, which others may then still read.
constexpr DWORD LockedOffsetHigh = 0x40000000;

// The holder's words are one short line; more is not read.
constexpr DWORD MostHolderBytes = 1024;

// Tries, a few milliseconds apart, while the lock file is being removed by its last holder.
constexpr int MostAttempts = 50;

HANDLE OpenLockFile(const std::wstring& Wide) {
  // Without FILE_SHARE_DELETE: the file can only go when nobody has it open (see Release).
  return CreateFileW(Wide.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool LockByte(HANDLE File) {
  OVERLAPPED At{};
  At.OffsetHigh = LockedOffsetHigh;
  return LockFileEx(File, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &At) != 0;
}

void UnlockByte(HANDLE File) {
  OVERLAPPED At{};
  At.OffsetHigh = LockedOffsetHigh;
  UnlockFileEx(File, 0, 1, 0, &At);
}

// The first line of the holder's words, as the holder wrote them.
std::u16string ReadHolder(HANDLE File) {
  std::string Text(MostHolderBytes, '\0');
  OVERLAPPED At{};
  DWORD Got = 0;
  if (!ReadFile(File, Text.data(), MostHolderBytes, &Got, &At)) Got = 0;
  Text.resize(Got);
  return DecodeUtf8(Text.substr(0, Text.find('\n')));
}

void WriteHolder(HANDLE File, std::u16string_view Who) {
  std::vector<std::uint8_t> Line = EncodeUtf8(Who);
  Line.push_back('\n');
  // The lock is held whether or not the words reach the file; others then see none.
  LARGE_INTEGER Start{};
  if (!SetFilePointerEx(File, Start, nullptr, FILE_BEGIN) || !SetEndOfFile(File)) return;
  DWORD Written = 0;
  WriteFile(File, Line.data(), static_cast<DWORD>(Line.size()), &Written, nullptr);
}

std::u16string UserName() {
  std::array<wchar_t, 257> Buffer{};
  auto Size = static_cast<DWORD>(Buffer.size());
  if (!GetUserNameW(Buffer.data(), &Size)) return u"someone";
  return reinterpret_cast<const char16_t*>(Buffer.data());
}

std::u16string HostName() {
  std::array<wchar_t, MAX_COMPUTERNAME_LENGTH + 1> Buffer{};
  auto Size = static_cast<DWORD>(Buffer.size());
  if (!GetComputerNameW(Buffer.data(), &Size)) return u"this computer";
  return reinterpret_cast<const char16_t*>(Buffer.data());
}

std::u16string TimeNow() {
  SYSTEMTIME Now{};
  GetLocalTime(&Now);
  const char16_t Text[] = {static_cast<char16_t>(u'0' + Now.wHour / 10),
                           static_cast<char16_t>(u'0' + Now.wHour % 10), u':',
                           static_cast<char16_t>(u'0' + Now.wMinute / 10),
                           static_cast<char16_t>(u'0' + Now.wMinute % 10)};
  return {Text, std::size(Text)};
}

}  // namespace

LockAttempt CFileLock::Take(std::u16string_view Path, std::u16string_view Who) {
  Release();
  LockAttempt Attempt;
  std::wstring Wide;
  if (!mFSO::WidePath(Path, Wide)) {
    Attempt.Error = ERROR_INVALID_NAME;
    return Attempt;
  }
  FileRefusal Refused = FileRefusal::None;
  if ((Attempt.Error = mFSO::FollowLinks(Wide, Refused)) != 0) return Attempt;
  Wide += L".lock";
  HANDLE File = INVALID_HANDLE_VALUE;
  DWORD Error = NO_ERROR;
  for (int Round = 0; Round < MostAttempts; ++Round) {
    File = OpenLockFile(Wide);
    Error = File == INVALID_HANDLE_VALUE ? GetLastError() : NO_ERROR;
    // Refused for a moment while the last holder removes the file.
    if (Error != ERROR_SHARING_VIOLATION && Error != ERROR_ACCESS_DENIED) break;
    Sleep(2);
  }
  if (File == INVALID_HANDLE_VALUE) {
    Attempt.Error = static_cast<std::int32_t>(Error != NO_ERROR ? Error : ERROR_OPEN_FAILED);
    return Attempt;
  }
  if (GetFileType(File) != FILE_TYPE_DISK) {
    Attempt.Error = ERROR_NOT_SUPPORTED;
  } else if (!LockByte(File)) {
    Error = GetLastError();
    if (Error == ERROR_LOCK_VIOLATION || Error == ERROR_IO_PENDING) {
      Attempt.Holder = ReadHolder(File);
    } else {
      Attempt.Error = static_cast<std::int32_t>(Error != NO_ERROR ? Error : ERROR_LOCK_FAILED);
    }
  } else {
    WriteHolder(File, Who);
    Handle = reinterpret_cast<std::intptr_t>(File);
    LockPath = Wide;
    Attempt.Taken = true;
    return Attempt;
  }
  CloseHandle(File);
  return Attempt;
}

// The file goes once nobody has it open: it is opened without leave to delete it, so removing
// it fails, leaving it in place, while another taker has it open.
void CFileLock::Release() {
  if (Handle == -1) return;
  const auto File = reinterpret_cast<HANDLE>(Handle);
  UnlockByte(File);
  CloseHandle(File);
  DeleteFileW(LockPath.c_str());
  Handle = -1;
  LockPath.clear();
}

std::u16string ThisProcessHolder() {
  return UserName() + u" on " + HostName() + u", process " +
         DecodeUtf8(std::to_string(GetCurrentProcessId())) + u", since " + TimeNow();
}

}  // namespace merrith

#endif
