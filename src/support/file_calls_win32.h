#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "support/file_outcome.h"

namespace merrith::mFSO {

// The calling thread's last-error code; Fallback when a call failed without setting one, so
// that a failure is never reported as 0.
std::int32_t LastError(DWORD Fallback);

// The path as the platform takes it; false for one with a zero unit, which would end it early
// and name another file.
bool WidePath(std::u16string_view Path, std::wstring& Wide);

// Turns Wide into the file that a write or a lock at it is about: when its last part is a
// symbolic link, the link's final target as the system names it; else Wide as it is, whether or
// not a file is there. A folder or a device there is refused. Returns 0 or the error code.
std::int32_t FollowLinks(std::wstring& Wide, FileRefusal& Refused);

}  // namespace merrith::mFSO

#endif
