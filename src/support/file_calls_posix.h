#pragma once

#ifndef _WIN32

#include <sys/stat.h>
#include <sys/types.h>

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

}  // namespace merrith::mFSO

#endif
