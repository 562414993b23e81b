#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace merrith::mFSO {

// Reads the whole file at Path into Bytes. Returns 0, or the platform's error number
// (never 0 on failure); after a failure Bytes is as it was. An empty file leaves Bytes as passed.
std::int32_t ReadAllBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes);

// Replaces the file at Path with exactly Bytes. Returns 0, or the platform's error number;
// after a failure any earlier file at Path is unchanged.
std::int32_t WriteAllBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes);

}  // namespace merrith::mFSO
