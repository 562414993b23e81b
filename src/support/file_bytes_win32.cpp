#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <new>
#include <string>

#include "support/file_bytes.h"
#include "support/file_calls_win32.h"
#include "support/file_outcome.h"

namespace merrith::mFSO {
namespace {

// Sizes are signed 32-bit counts.
constexpr DWORD MaxSize = 0x7FFFFFFFUL;

// Reads exactly Size bytes from the start of File.
std::int32_t ReadSize(HANDLE File, DWORD Size, std::vector<std::uint8_t>& Bytes) {
  if (Size == 0) return 0;
  std::vector<std::uint8_t> Fresh;
  try {
    Fresh.resize(Size);
  } catch (const std::bad_alloc&) {
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  DWORD Read = 0;
  SetLastError(0);
  ReadFile(File, Fresh.data(), Size, &Read, nullptr);
  if (Read != Size) return LastError(ERROR_HANDLE_EOF);
  Bytes = std::move(Fresh);
  return 0;
}

// A file on disk is read at the size it reports.
std::int32_t ReadFileOfSize(HANDLE File, std::vector<std::uint8_t>& Bytes) {
  DWORD High = 0;
  SetLastError(0);
  const DWORD Low = GetFileSize(File, &High);
  if (Low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return LastError(ERROR_READ_FAULT);
  if (High != 0 || Low > MaxSize) return ERROR_FILE_TOO_LARGE;
  return ReadSize(File, Low, Bytes);
}

// A pipe or a device reports no size worth trusting: it is read until it ends, which
// for a pipe is when its writer closes it.
std::int32_t ReadToEnd(HANDLE File, std::vector<std::uint8_t>& Bytes) {
  std::vector<std::uint8_t> Fresh;
  std::size_t Used = 0;
  while (true) {
    if (Used == Fresh.size()) {
      if (Used > MaxSize) return ERROR_FILE_TOO_LARGE;  // one byte beyond the largest size
      try {
        Fresh.resize(std::min(std::max(2 * Used, std::size_t{1} << 16), std::size_t{MaxSize} + 1));
      } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
      }
    }
    DWORD Read = 0;
    SetLastError(0);
    if (!ReadFile(File, Fresh.data() + Used, static_cast<DWORD>(Fresh.size() - Used), &Read,
                  nullptr)) {
      if (GetLastError() == ERROR_BROKEN_PIPE) break;
      return LastError(ERROR_READ_FAULT);
    }
    if (Read == 0) break;
    Used += Read;
  }
  if (Used == 0) return 0;
  Fresh.resize(Used);
  Bytes = std::move(Fresh);
  return 0;
}

std::int32_t ReadOpenFile(HANDLE File, std::vector<std::uint8_t>& Bytes) {
  SetLastError(0);
  const DWORD Type = GetFileType(File);
  if (Type == FILE_TYPE_DISK) return ReadFileOfSize(File, Bytes);
  if (Type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR) return LastError(ERROR_READ_FAULT);
  return ReadToEnd(File, Bytes);  // a pipe, the console or another device
}

// Names in the device space (\\.\COM1, \\.\pipe\x, \\.\C:) name no document.
bool InDeviceSpace(const std::wstring& Wide) {
  return Wide.size() >= 4 && (Wide[0] == L'\\' || Wide[0] == L'/') &&
         (Wide[1] == L'\\' || Wide[1] == L'/') && Wide[2] == L'.' &&
         (Wide[3] == L'\\' || Wide[3] == L'/');
}

// Whether File is a file on disk, Size bytes long: a pipe, the console or another device (NUL,
// CON), or a folder, is refused with the error code that comes nearest.
std::int32_t CheckDiskFile(HANDLE File, FileRefusal& Refused, ULONGLONG& Size) {
  BY_HANDLE_FILE_INFORMATION Info{};
  if (GetFileType(File) != FILE_TYPE_DISK) {
    Refused = FileRefusal::NotRegularFile;
    return ERROR_NOT_SUPPORTED;
  }
  if (!GetFileInformationByHandle(File, &Info)) return LastError(ERROR_READ_FAULT);
  if ((Info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    Refused = FileRefusal::NotRegularFile;
    return ERROR_ACCESS_DENIED;
  }
  Size = (static_cast<ULONGLONG>(Info.nFileSizeHigh) << 32) | Info.nFileSizeLow;
  return 0;
}

// A name in the device space is turned away unopened, a folder too; anything else is opened
// (which for a pipe or a device returns at once) and looked at before a byte of it is read.
std::int32_t ReadDocument(std::u16string_view Path, std::vector<std::uint8_t>& Bytes,
                          FileRefusal& Refused) {
  std::wstring Wide;
  if (!WidePath(Path, Wide)) return ERROR_INVALID_NAME;
  if (InDeviceSpace(Wide)) {
    Refused = FileRefusal::NotRegularFile;
    return ERROR_NOT_SUPPORTED;
  }
  const DWORD Attributes = GetFileAttributesW(Wide.c_str());
  if (Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    Refused = FileRefusal::NotRegularFile;
    return ERROR_ACCESS_DENIED;
  }
  const HANDLE File =
      CreateFileW(Wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (File == INVALID_HANDLE_VALUE) return LastError(ERROR_OPEN_FAILED);
  ULONGLONG Size = 0;
  std::int32_t Status = CheckDiskFile(File, Refused, Size);
  if (Status == 0 && Size > static_cast<ULONGLONG>(MostDocumentBytes)) {
    Refused = FileRefusal::TooLarge;
    Status = ERROR_FILE_TOO_LARGE;
  }
  if (Status == 0) Status = ReadSize(File, static_cast<DWORD>(Size), Bytes);
  CloseHandle(File);
  return Status;
}

// Opens what Wide names, following links, without reading or writing it: to see what it is
// and where it lies. INVALID_HANDLE_VALUE when nothing is there.
HANDLE OpenToLookAt(const std::wstring& Wide) {
  return CreateFileW(Wide.c_str(), FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Fails when another process has the target open: the file is written exclusively.
std::int32_t CheckTargetFree(const std::wstring& Wide) {
  const HANDLE Target = CreateFileW(Wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Target != INVALID_HANDLE_VALUE) {
    CloseHandle(Target);
    return 0;
  }
  const DWORD Error = GetLastError();
  return Error == ERROR_FILE_NOT_FOUND ? 0 : LastError(ERROR_OPEN_FAILED);
}

HANDLE CreateTemp(const std::wstring& Wide, std::wstring& Temp) {
  const unsigned long long Seed =
      GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 32);
  for (unsigned Attempt = 0; Attempt < 100; ++Attempt) {
    wchar_t Suffix[40];
    std::swprintf(Suffix, 40, L".%llx.tmp", Seed + Attempt);
    Temp = Wide + Suffix;
    const HANDLE File = CreateFileW(Temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (File != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return File;
  }
  return INVALID_HANDLE_VALUE;
}

std::int32_t WriteTemp(HANDLE File, const std::vector<std::uint8_t>& Bytes) {
  const auto Count = static_cast<DWORD>(Bytes.size());
  DWORD Written = 0;
  SetLastError(0);
  WriteFile(File, Bytes.data(), Count, &Written, nullptr);
  if (Written != Count) return LastError(ERROR_HANDLE_EOF);
  if (!FlushFileBuffers(File)) return LastError(ERROR_WRITE_FAULT);
  return 0;
}

// The system's identity of the file Path names, following links.
bool FileIdentity(std::u16string_view Path, BY_HANDLE_FILE_INFORMATION& Info) {
  std::wstring Wide;
  if (!WidePath(Path, Wide)) return false;
  const HANDLE File = OpenToLookAt(Wide);
  if (File == INVALID_HANDLE_VALUE) return false;
  const bool Known = GetFileInformationByHandle(File, &Info) != 0;
  CloseHandle(File);
  return Known;
}

// The new content goes to a temporary file beside the target, reaches the disk, and only then
// replaces the target, so a failure at any point leaves the old file as it was. Through a
// symbolic link, the link's final target is replaced; a folder or a device is refused.
std::int32_t WriteBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes,
                        FileRefusal& Refused) {
  std::wstring Wide;
  if (!WidePath(Path, Wide)) return ERROR_INVALID_NAME;
  if (Bytes.size() > MAXDWORD) return ERROR_FILE_TOO_LARGE;
  if (const std::int32_t Status = FollowLinks(Wide, Refused)) return Status;
  if (const std::int32_t Status = CheckTargetFree(Wide)) return Status;

  std::wstring Temp;
  const HANDLE File = CreateTemp(Wide, Temp);
  if (File == INVALID_HANDLE_VALUE) return LastError(ERROR_OPEN_FAILED);
  std::int32_t Status = WriteTemp(File, Bytes);
  if (!CloseHandle(File) && Status == 0) Status = LastError(ERROR_WRITE_FAULT);
  // Fails, changing nothing, while another process holds the target open.
  if (Status == 0 && !MoveFileExW(Temp.c_str(), Wide.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Status = LastError(ERROR_WRITE_FAULT);
  }
  if (Status != 0) DeleteFileW(Temp.c_str());
  return Status;
}

}  // namespace

std::int32_t LastError(DWORD Fallback) {
  const DWORD Error = GetLastError();
  return static_cast<std::int32_t>(Error != 0 ? Error : Fallback);
}

bool WidePath(std::u16string_view Path, std::wstring& Wide) {
  if (Path.find(u'\0') != std::u16string_view::npos) return false;
  Wide.assign(reinterpret_cast<const wchar_t*>(Path.data()), Path.size());
  return true;
}

// The link's own attributes tell whether it is one; the handle, which went through it, where
// it leads.
std::int32_t FollowLinks(std::wstring& Wide, FileRefusal& Refused) {
  const HANDLE Target = OpenToLookAt(Wide);
  if (Target == INVALID_HANDLE_VALUE) {
    const DWORD Error = GetLastError();
    return Error == ERROR_FILE_NOT_FOUND ? 0 : LastError(ERROR_OPEN_FAILED);
  }
  ULONGLONG Size = 0;
  std::int32_t Status = CheckDiskFile(Target, Refused, Size);
  const DWORD Attributes = GetFileAttributesW(Wide.c_str());  // of the link, not its target
  if (Status == 0 && Attributes != INVALID_FILE_ATTRIBUTES &&
      (Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    std::wstring Final(MAX_PATH, L'\0');
    DWORD Length = GetFinalPathNameByHandleW(Target, Final.data(), static_cast<DWORD>(Final.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (Length >= Final.size()) {
      Final.resize(Length);
      Length = GetFinalPathNameByHandleW(Target, Final.data(), static_cast<DWORD>(Final.size()),
                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (Length == 0 || Length >= Final.size()) {
      Status = LastError(ERROR_OPEN_FAILED);
    } else {
      Final.resize(Length);
      Wide = Final;
    }
  }
  CloseHandle(Target);
  return Status;
}

std::u16string LinkTarget(std::u16string_view Path) {
  std::wstring Wide;
  FileRefusal Refused = FileRefusal::None;
  if (!WidePath(Path, Wide) || FollowLinks(Wide, Refused) != 0) return std::u16string(Path);
  return std::u16string(reinterpret_cast<const char16_t*>(Wide.data()), Wide.size());
}

std::int32_t ReadAllBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes) {
  std::wstring Wide;
  if (!WidePath(Path, Wide)) return ERROR_INVALID_NAME;
  const HANDLE File =
      CreateFileW(Wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (File == INVALID_HANDLE_VALUE) return LastError(ERROR_OPEN_FAILED);
  const std::int32_t Status = ReadOpenFile(File, Bytes);
  CloseHandle(File);
  return Status;
}

// Standard input is read through its handle, which knows no text mode, to its end whatever it
// is: a file redirected to it need not stand at its start.
std::int32_t ReadStandardInput(std::vector<std::uint8_t>& Bytes) {
  const HANDLE Input = GetStdHandle(STD_INPUT_HANDLE);
  if (Input == INVALID_HANDLE_VALUE) return LastError(ERROR_INVALID_HANDLE);
  if (Input == nullptr) return ERROR_INVALID_HANDLE;  // a process started without one
  return ReadToEnd(Input, Bytes);
}

std::int32_t WriteAllBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes) {
  FileRefusal Refused = FileRefusal::None;
  return WriteBytes(Path, Bytes, Refused);
}

bool SameFile(std::u16string_view A, std::u16string_view B) {
  BY_HANDLE_FILE_INFORMATION InfoA{};
  BY_HANDLE_FILE_INFORMATION InfoB{};
  if (!FileIdentity(A, InfoA) || !FileIdentity(B, InfoB)) return false;
  return InfoA.dwVolumeSerialNumber == InfoB.dwVolumeSerialNumber &&
         InfoA.nFileIndexHigh == InfoB.nFileIndexHigh && InfoA.nFileIndexLow == InfoB.nFileIndexLow;
}

}  // namespace merrith::mFSO

namespace merrith {

FileOutcome ReadDocumentBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes) {
  FileOutcome Outcome{FileStep::Read, 0, std::u16string(Path)};
  Outcome.Error = mFSO::ReadDocument(Path, Bytes, Outcome.Refused);
  return Outcome;
}

FileOutcome WriteFileBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes) {
  FileOutcome Outcome{FileStep::Write, 0, std::u16string(Path)};
  Outcome.Error = mFSO::WriteBytes(Path, Bytes, Outcome.Refused);
  return Outcome;
}

}  // namespace merrith

#endif
