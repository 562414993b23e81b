#include "support/file_lock.h"

#include <utility>

namespace merrith {

CFileLock::CFileLock(CFileLock&& Other) noexcept
    : Handle(std::exchange(Other.Handle, -1)), LockPath(std::move(Other.LockPath)) {}

CFileLock& CFileLock::operator=(CFileLock&& Other) noexcept {
  if (this != &Other) {
    Release();
    Handle = std::exchange(Other.Handle, -1);
    LockPath = std::move(Other.LockPath);
  }
  return *this;
}

CFileLock::~CFileLock() { Release(); }

bool CFileLock::Held() const { return Handle != -1; }

}  // namespace merrith
