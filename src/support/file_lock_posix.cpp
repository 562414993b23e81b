#ifndef _WIN32

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "support/file_calls_posix.h"
#include "support/file_lock.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// Tries before giving up on a lock file that keeps being removed under us.
constexpr int MostAttempts = 100;

// The holder's words are one short line; more is not read.
constexpr std::size_t MostHolderBytes = 1024;

bool SameInode(const struct stat& A, const struct stat& B) {
  return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
}

// Whether Native still names the file open at Fd: a holder removes its lock file as it lets
// go, so a lock taken on a removed file holds nothing.
bool StillNamed(int Fd, const std::string& Native) {
  struct stat Open {};
  struct stat Named {};
  return ::fstat(Fd, &Open) == 0 && ::lstat(Native.c_str(), &Named) == 0 && SameInode(Open, Named);
}

// The first line of the holder's words, as the holder wrote them.
std::u16string ReadHolder(int Fd) {
  std::string Text(MostHolderBytes, '\0');
  const ssize_t Got = ::pread(Fd, Text.data(), Text.size(), 0);
  Text.resize(Got > 0 ? static_cast<std::size_t>(Got) : 0);
  return DecodeUtf8(Text.substr(0, Text.find('\n')));
}

void WriteHolder(int Fd, std::u16string_view Who) {
  std::vector<std::uint8_t> Line = EncodeUtf8(Who);
  Line.push_back('\n');
  // The lock is held whether or not the words reach the file; others then see none.
  if (::ftruncate(Fd, 0) == 0) {
    [[maybe_unused]] const ssize_t Written = ::pwrite(Fd, Line.data(), Line.size(), 0);
  }
}

// One try at the lock file as it is named now: taken (Fd stays open), held by another, failed,
// or to be tried again because the file was removed or replaced meanwhile.
enum class Try : std::uint8_t { Taken, Held, Failed, Again };

Try TakeOnce(const std::string& Native, int& Fd, LockAttempt& Attempt) {
  Fd = ::open(Native.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (Fd < 0) {
    Attempt.Error = mFSO::LastError();
    return Try::Failed;
  }
  struct stat Info {};
  Try Result = Try::Taken;
  if (::fstat(Fd, &Info) != 0) {
    Attempt.Error = mFSO::LastError();
    Result = Try::Failed;
  } else if (!S_ISREG(Info.st_mode)) {
    Attempt.Error = ENOTSUP;  // a FIFO or a device under the lock file's name
    Result = Try::Failed;
  } else if (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
    const std::int32_t Error = mFSO::LastError();
    Result = Error == EWOULDBLOCK ? Try::Held : Error == EINTR ? Try::Again : Try::Failed;
    if (Result == Try::Held) Attempt.Holder = ReadHolder(Fd);
    if (Result == Try::Failed) Attempt.Error = Error;
  } else if (!StillNamed(Fd, Native)) {
    Result = Try::Again;
  }
  if (Result != Try::Taken) {
    ::close(Fd);
    Fd = -1;
  }
  return Result;
}

std::u16string UserName() {
  std::vector<char> Buffer(16384);
  struct passwd Entry {};
  struct passwd* Found = nullptr;
  if (::getpwuid_r(::geteuid(), &Entry, Buffer.data(), Buffer.size(), &Found) == 0 &&
      Found != nullptr && Found->pw_name != nullptr) {
    return DecodeUtf8(Found->pw_name);
  }
  const char* Named = std::getenv("USER");  // NOLINT(concurrency-mt-unsafe)
  return DecodeUtf8(Named != nullptr ? Named : "someone");
}

std::u16string HostName() {
  std::array<char, 256> Buffer{};
  if (::gethostname(Buffer.data(), Buffer.size() - 1) != 0) return u"this computer";
  return DecodeUtf8(Buffer.data());
}

std::u16string TimeNow() {
  const std::time_t Now = std::time(nullptr);
  struct tm Local {};
  std::array<char, 8> Buffer{};
  if (::localtime_r(&Now, &Local) == nullptr ||
      std::strftime(Buffer.data(), Buffer.size(), "%H:%M", &Local) == 0) {
    return u"--:--";
  }
  return DecodeUtf8(Buffer.data());
}

}  // namespace

LockAttempt CFileLock::Take(std::u16string_view Path, std::u16string_view Who) {
  Release();
  LockAttempt Attempt;
  std::string Native;
  if ((Attempt.Error = mFSO::NativePath(Path, Native)) != 0) return Attempt;
  if ((Attempt.Error = mFSO::FollowLinks(Native)) != 0) return Attempt;
  Native += ".lock";
  for (int Round = 0; Round < MostAttempts; ++Round) {
    int Fd = -1;
    const Try Result = TakeOnce(Native, Fd, Attempt);
    if (Result == Try::Again) continue;
    if (Result == Try::Taken) {
      WriteHolder(Fd, Who);
      Handle = Fd;
      LockPath = Native;
      Attempt.Taken = true;
    }
    return Attempt;
  }
  Attempt.Error = EAGAIN;
  return Attempt;
}

// The file goes while the lock is still held, so whoever opens the name next makes a new one;
// anyone already waiting on the old one finds it no longer named and tries again.
void CFileLock::Release() {
  if (Handle == -1) return;
  const int Fd = static_cast<int>(Handle);
  if (StillNamed(Fd, LockPath)) ::unlink(LockPath.c_str());
  ::close(Fd);
  Handle = -1;
  LockPath.clear();
}

std::u16string ThisProcessHolder() {
  return UserName() + u" on " + HostName() + u", process " +
         DecodeUtf8(std::to_string(::getpid())) + u", since " + TimeNow();
}

}  // namespace merrith

#endif
