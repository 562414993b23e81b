#pragma once

#ifndef _WIN32

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace merrith::mFSO {

// The system calls the POSIX file layer makes, gathered so that a test can stand in for one
// of them (a disk that fills up, a read cut short) without touching the routines themselves.
struct FileCalls {
  int (*Open)(const char* Path, int Flags, mode_t Mode);
  int (*Fstat)(int Fd, struct stat* Info);
  ssize_t (*Read)(int Fd, void* Buffer, size_t Count);
  ssize_t (*Write)(int Fd, const void* Buffer, size_t Count);
  int (*Fchmod)(int Fd, mode_t Mode);
  int (*Fsync)(int Fd);
  int (*Close)(int Fd);
  int (*Rename)(const char* From, const char* To);
  int (*Unlink)(const char* Path);
};

// The calls in use; the real ones unless a test has replaced some.
FileCalls& ActiveFileCalls();

// The real system calls.
const FileCalls& SystemFileCalls();

// The error number of the call that just failed; a call that failed without saying why still
// counts as a failure.
std::int32_t LastError();

// The path as the system takes it: UTF-8, with no unit that would make it name another file
// (a zero unit ends a C string early, an unpaired surrogate has no UTF-8 form). Returns 0 or
// the error number.
std::int32_t NativePath(std::u16string_view Path, std::string& Native);

// Turns Native into the file that a write or a lock at it is about: the final target when its
// last part is a symbolic link (the system follows a folder part by itself), else Native as it
// is, whether or not a file is there. Returns 0 or the error number (ELOOP for a ring of links).
std::int32_t FollowLinks(std::string& Native);

}  // namespace merrith::mFSO

#endif
