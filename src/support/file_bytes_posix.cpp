#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <optional>
#include <random>
#include <string>

#include "support/file_bytes.h"
#include "support/file_calls_posix.h"
#include "support/utf8.h"

namespace merrith::mFSO {
namespace {

int SystemOpen(const char* Path, int Flags, mode_t Mode) { return ::open(Path, Flags, Mode); }

constexpr FileCalls System{SystemOpen, ::fstat, ::read,   ::write, ::fchmod,
                           ::fsync,    ::close, ::rename, ::unlink};

FileCalls Active = System;

// The error number of the call that just failed; a call that failed without saying why still
// counts as a failure.
std::int32_t LastError() { return errno != 0 ? errno : EIO; }

// The path as the system takes it: UTF-8, with no unit that would make it name another file
// (a zero unit ends a C string early, an unpaired surrogate has no UTF-8 form).
std::int32_t NativePath(std::u16string_view Path, std::string& Native) {
  if (Path.find(u'\0') != std::u16string_view::npos) return EINVAL;
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Path);
  Native.assign(Bytes.begin(), Bytes.end());
  if (DecodeUtf8(Bytes) != Path) return EILSEQ;
  return 0;
}

// Moves Count bytes through Call(Offset, Left), retrying after a signal. A call that moves
// nothing before all bytes are through is a short transfer.
template <typename CallFn>
std::int32_t TransferAll(std::size_t Count, CallFn Call) {
  std::size_t Done = 0;
  while (Done < Count) {
    errno = 0;
    const ssize_t Moved = Call(Done, Count - Done);
    if (Moved < 0 && errno == EINTR) continue;
    if (Moved < 0) return LastError();
    if (Moved == 0) return EIO;
    Done += static_cast<std::size_t>(Moved);
  }
  return 0;
}

// Sizes are signed 32-bit counts.
constexpr std::size_t MaxSize = (std::size_t{1} << 31) - 1;

// A regular file is read at the size it reports.
std::int32_t ReadFileOfSize(int Fd, off_t Size, std::vector<std::uint8_t>& Bytes) {
  if (Size > static_cast<off_t>(MaxSize)) return EFBIG;
  if (Size <= 0) return 0;
  std::vector<std::uint8_t> Fresh;
  try {
    Fresh.resize(static_cast<std::size_t>(Size));
  } catch (const std::bad_alloc&) {
    return ENOMEM;
  }
  const std::int32_t Status = TransferAll(Fresh.size(), [&](std::size_t At, std::size_t Left) {
    return Active.Read(Fd, Fresh.data() + At, Left);
  });
  if (Status == 0) Bytes = std::move(Fresh);
  return Status;
}

// A pipe, a FIFO or a device reports no size worth trusting: it is read until it ends.
std::int32_t ReadToEnd(int Fd, std::vector<std::uint8_t>& Bytes) {
  std::vector<std::uint8_t> Fresh;
  std::size_t Used = 0;
  while (true) {
    if (Used == Fresh.size()) {
      if (Used > MaxSize) return EFBIG;  // one byte beyond the largest size there may be
      try {
        Fresh.resize(std::min(std::max(2 * Used, std::size_t{1} << 16), MaxSize + 1));
      } catch (const std::bad_alloc&) {
        return ENOMEM;
      }
    }
    errno = 0;
    const ssize_t Got = Active.Read(Fd, Fresh.data() + Used, Fresh.size() - Used);
    if (Got < 0 && errno == EINTR) continue;
    if (Got < 0) return LastError();
    if (Got == 0) break;
    Used += static_cast<std::size_t>(Got);
  }
  if (Used == 0) return 0;
  Fresh.resize(Used);
  Bytes = std::move(Fresh);
  return 0;
}

std::int32_t ReadOpenFile(int Fd, std::vector<std::uint8_t>& Bytes) {
  struct stat Info {};
  if (Active.Fstat(Fd, &Info) != 0) return LastError();
  if (S_ISDIR(Info.st_mode)) return EISDIR;
  if (S_ISREG(Info.st_mode)) return ReadFileOfSize(Fd, Info.st_size, Bytes);
  return ReadToEnd(Fd, Bytes);
}

// A name for the temporary file beside the target: hidden, and no longer than a name may be.
std::string TempPath(const std::string& Native, std::size_t NameAt) {
  static constexpr char Letters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device Random;
  std::string Suffix(6, 'x');
  for (char& Letter : Suffix) Letter = Letters[Random() % (sizeof Letters - 1)];
  return Native.substr(0, NameAt) + "." + Native.substr(NameAt, 200) + "." + Suffix;
}

int CreateTemp(const std::string& Native, std::size_t NameAt, std::string& Temp) {
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    Temp = TempPath(Native, NameAt);
    const int Fd = Active.Open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd >= 0 || errno != EEXIST) return Fd;
  }
  return -1;
}

std::int32_t WriteTemp(int Fd, const std::vector<std::uint8_t>& Bytes,
                       std::optional<mode_t> KeepMode) {
  if (KeepMode && Active.Fchmod(Fd, *KeepMode) != 0) return LastError();
  const std::int32_t Status = TransferAll(Bytes.size(), [&](std::size_t At, std::size_t Left) {
    return Active.Write(Fd, Bytes.data() + At, Left);
  });
  if (Status != 0) return Status;
  if (Active.Fsync(Fd) != 0) return LastError();
  return 0;
}

// Makes the rename itself durable; the new content is already in place either way.
void SyncFolder(const std::string& Folder) {
  const int Fd = ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Fd < 0) return;
  ::fsync(Fd);
  ::close(Fd);
}

}  // namespace

FileCalls& ActiveFileCalls() { return Active; }

const FileCalls& SystemFileCalls() { return System; }

std::int32_t ReadAllBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes) {
  std::string Native;
  if (const std::int32_t Status = NativePath(Path, Native)) return Status;
  const int Fd = Active.Open(Native.c_str(), O_RDONLY | O_CLOEXEC, 0);
  if (Fd < 0) return LastError();
  const std::int32_t Status = ReadOpenFile(Fd, Bytes);
  Active.Close(Fd);
  return Status;
}

// Standard input is read to its end whatever it is: a file redirected to it need not stand at
// its start, so its size says nothing of what is left.
std::int32_t ReadStandardInput(std::vector<std::uint8_t>& Bytes) {
  return ReadToEnd(STDIN_FILENO, Bytes);
}

// The new content goes to a temporary file in the target's folder, reaches the disk, and only
// then takes the target's name, so a failure at any point leaves the old file as it was.
std::int32_t WriteAllBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes) {
  std::string Native;
  if (const std::int32_t Status = NativePath(Path, Native)) return Status;
  const std::size_t NameAt = Native.rfind('/') + 1;  // 0 when there is no folder part
  if (NameAt == Native.size()) return Native.empty() ? ENOENT : EISDIR;

  // A target we may not write is not replaced either; an existing one keeps its permissions.
  std::optional<mode_t> KeepMode;
  struct stat Old {};
  if (::stat(Native.c_str(), &Old) == 0) {
    if (S_ISDIR(Old.st_mode)) return EISDIR;
    if (::access(Native.c_str(), W_OK) != 0) return LastError();
    KeepMode = Old.st_mode & 07777;
  }

  std::string Temp;
  const int Fd = CreateTemp(Native, NameAt, Temp);
  if (Fd < 0) return LastError();
  std::int32_t Status = WriteTemp(Fd, Bytes, KeepMode);
  if (Active.Close(Fd) != 0 && Status == 0) Status = LastError();
  if (Status == 0 && Active.Rename(Temp.c_str(), Native.c_str()) != 0) Status = LastError();
  if (Status != 0) {
    Active.Unlink(Temp.c_str());
    return Status;
  }
  SyncFolder(Native.substr(0, NameAt));
  return 0;
}

}  // namespace merrith::mFSO

#endif
