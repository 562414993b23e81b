#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace merrith {

// What became of taking a lock: taken, or held by someone else (Holder says who), or failed.
struct LockAttempt {
  bool Taken = false;
  std::u16string Holder;   // the holder's own words; empty when taken, failed, or not yet said
  std::int32_t Error = 0;  // the system's error number when the lock could not be tried
};

// One writer's hold on a competition file, so that two recorders never save over each other.
// The lock lives in a file beside the competition (its name and ".lock"), since the competition
// itself is replaced on every save, and it holds the holder's words. The system lets go of it
// when the holding process ends, however it ends, so a recorder that was killed never keeps the
// next one out. Two objects exclude each other even in one process, as two windows do.
class CFileLock {
 public:
  CFileLock() = default;
  CFileLock(CFileLock&& Other) noexcept;
  CFileLock& operator=(CFileLock&& Other) noexcept;
  CFileLock(const CFileLock&) = delete;
  CFileLock& operator=(const CFileLock&) = delete;
  ~CFileLock();

  // Takes the lock of the file at Path for this holder; Who names the holder to others. A lock
  // this object held before is let go first. Through a symbolic link, the lock is the target's.
  LockAttempt Take(std::u16string_view Path, std::u16string_view Who);

  // Whether this object holds a lock.
  bool Held() const;

  // Lets go of the lock, if one is held, and removes its file where that is safe.
  void Release();

 private:
#ifdef _WIN32
  using SystemPath = std::wstring;
#else
  using SystemPath = std::string;  // bytes, as a link may hold a name that is no UTF-8
#endif
  std::intptr_t Handle = -1;  // the lock file's descriptor or handle; -1 when none is held
  SystemPath LockPath;        // the lock file's name as the system takes it
};

// This process as a lock names it: "ann on poolside-laptop, process 4242, since 14:03".
std::u16string ThisProcessHolder();

}  // namespace merrith
