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
#include "support/file_outcome.h"
#include "support/utf8.h"

namespace merrith::mFSO {
namespace {

int SystemOpen(const char* Path, int Flags, mode_t Mode) { return ::open(Path, Flags, Mode); }

constexpr FileCalls System{SystemOpen, ::fstat, ::read,   ::write, ::fchmod,
                           ::fsync,    ::close, ::rename, ::unlink};

FileCalls Active = System;

// As many links as the system itself follows before it gives up on a path.
constexpr int MostLinks = 40;

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

// A document is a regular file of at most MostDocumentBytes; anything else is turned away
// with the error number that comes nearest.
std::int32_t CheckDocument(const struct stat& Info, FileRefusal& Refused) {
  if (!S_ISREG(Info.st_mode)) {
    Refused = FileRefusal::NotRegularFile;
    return S_ISDIR(Info.st_mode) ? EISDIR : ENOTSUP;
  }
  if (Info.st_size > MostDocumentBytes) {
    Refused = FileRefusal::TooLarge;
    return EFBIG;
  }
  return 0;
}

// The file is looked at before it is opened, since opening a FIFO waits for its writer and
// opening a device may set it going; it is opened without waiting all the same, and looked at
// again, in case another file took its name in between.
std::int32_t ReadDocument(std::u16string_view Path, std::vector<std::uint8_t>& Bytes,
                          FileRefusal& Refused) {
  std::string Native;
  if (const std::int32_t Status = NativePath(Path, Native)) return Status;
  struct stat Info {};
  if (::stat(Native.c_str(), &Info) != 0) return LastError();
  if (const std::int32_t Status = CheckDocument(Info, Refused)) return Status;
  const int Fd = Active.Open(Native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (Fd < 0) return LastError();
  std::int32_t Status = Active.Fstat(Fd, &Info) != 0 ? LastError() : CheckDocument(Info, Refused);
  if (Status == 0) Status = ReadFileOfSize(Fd, Info.st_size, Bytes);
  Active.Close(Fd);
  return Status;
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

// The new content goes to a temporary file in the target's folder, reaches the disk, and only
// then takes the target's name, so a failure at any point leaves the old file as it was. A
// write through a symbolic link lands in its final target, which takes the new content in its
// own folder, and the link stays a link. A target that is there must be a regular file: a
// folder, a FIFO or a device in its place is refused and left as it is.
std::int32_t WriteBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes,
                        FileRefusal& Refused) {
  std::string Native;
  if (const std::int32_t Status = NativePath(Path, Native)) return Status;
  if (const std::int32_t Status = FollowLinks(Native)) return Status;
  const std::size_t NameAt = Native.rfind('/') + 1;  // 0 when there is no folder part
  if (NameAt == Native.size()) return Native.empty() ? ENOENT : EISDIR;

  // A target we may not write is not replaced either; an existing one keeps its permissions.
  std::optional<mode_t> KeepMode;
  struct stat Old {};
  if (::stat(Native.c_str(), &Old) == 0) {
    if (!S_ISREG(Old.st_mode)) {
      Refused = FileRefusal::NotRegularFile;
      return S_ISDIR(Old.st_mode) ? EISDIR : ENOTSUP;
    }
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

}  // namespace

FileCalls& ActiveFileCalls() { return Active; }

const FileCalls& SystemFileCalls() { return System; }

std::int32_t LastError() { return errno != 0 ? errno : EIO; }

std::int32_t NativePath(std::u16string_view Path, std::string& Native) {
  if (Path.find(u'\0') != std::u16string_view::npos) return EINVAL;
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Path);
  Native.assign(Bytes.begin(), Bytes.end());
  if (DecodeUtf8(Bytes) != Path) return EILSEQ;
  return 0;
}

// A link's target is read as it is written: a relative one from the link's own folder.
std::int32_t FollowLinks(std::string& Native) {
  std::vector<char> Target(4096);
  for (int Hop = 0; Hop < MostLinks; ++Hop) {
    struct stat Info {};
    if (::lstat(Native.c_str(), &Info) != 0) return errno == ENOENT ? 0 : LastError();
    if (!S_ISLNK(Info.st_mode)) return 0;
    const ssize_t Length = ::readlink(Native.c_str(), Target.data(), Target.size());
    if (Length < 0) return LastError();
    if (static_cast<std::size_t>(Length) == Target.size()) return ENAMETOOLONG;
    const std::string_view Read(Target.data(), static_cast<std::size_t>(Length));
    if (Read.starts_with('/')) {
      Native = Read;
    } else {
      // npos + 1 is 0: a bare name replaces the whole path.
      Native.resize(Native.rfind('/') + 1);
      Native += Read;
    }
  }
  return ELOOP;
}

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

std::int32_t WriteAllBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes) {
  FileRefusal Refused = FileRefusal::None;
  return WriteBytes(Path, Bytes, Refused);
}

bool SameFile(std::u16string_view A, std::u16string_view B) {
  std::string NativeA;
  std::string NativeB;
  if (NativePath(A, NativeA) != 0 || NativePath(B, NativeB) != 0) return false;
  struct stat InfoA {};
  struct stat InfoB {};
  if (::stat(NativeA.c_str(), &InfoA) != 0 || ::stat(NativeB.c_str(), &InfoB) != 0) return false;
  return InfoA.st_dev == InfoB.st_dev && InfoA.st_ino == InfoB.st_ino;
}

std::u16string LinkTarget(std::u16string_view Path) {
  std::string Native;
  if (NativePath(Path, Native) != 0 || FollowLinks(Native) != 0) return std::u16string(Path);
  return DecodeUtf8(std::vector<std::uint8_t>(Native.begin(), Native.end()));
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
