#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace merrith::mFSO {

// Reads the whole file at Path into Bytes. Returns 0, or the platform's error number (never 0
// on failure: a read cut short or a file of 2^31 bytes or more fails too); after a failure
// Bytes is as it was. An empty file leaves Bytes as passed. A pipe, a FIFO or a device is read
// until it ends, whatever size the system reports for it.
std::int32_t ReadAllBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes);

// Reads the process's standard input into Bytes until it ends: a pipe until its writer closes
// it, a file redirected to it from where it stands, as bytes on every platform (no line end is
// translated). Returns and fails as ReadAllBytes does.
std::int32_t ReadStandardInput(std::vector<std::uint8_t>& Bytes);

// Replaces the file at Path with exactly Bytes, through a temporary file in the same folder
// that takes the target's name only once it is complete on disk. Returns 0, or the platform's
// error number; after a failure any earlier file at Path is unchanged and no temporary file
// is left behind. Through a symbolic link, the link's final target is replaced and the link
// stays; a target that is there and is no regular file (a folder, a FIFO, a device) is refused
// and left as it is.
std::int32_t WriteAllBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes);

// Whether A and B name one existing file: through symbolic links, by other spellings of one
// path, or as two hard links of it. False when either names no file.
bool SameFile(std::u16string_view A, std::u16string_view B);

// The file a chain of symbolic links at Path leads to (a relative link read from its own
// folder); Path itself where it is no link, or where the links cannot be followed.
std::u16string LinkTarget(std::u16string_view Path);

}  // namespace merrith::mFSO
