#ifndef _WIN32

#include <sys/random.h>

#include <array>
#include <cstddef>
#include <cstring>

#include "support/random_seed.h"

namespace merrith {

std::optional<std::uint64_t> SystemRandomSeed() {
  std::array<unsigned char, sizeof(std::uint64_t)> Bytes{};
  std::size_t Got = 0;
  // getrandom may hand over fewer bytes when a signal comes; it never blocks once the system
  // has gathered its first entropy at boot.
  while (Got < Bytes.size()) {
    const ssize_t Read = getrandom(Bytes.data() + Got, Bytes.size() - Got, 0);
    if (Read <= 0) return std::nullopt;
    Got += static_cast<std::size_t>(Read);
  }
  std::uint64_t Seed = 0;
  std::memcpy(&Seed, Bytes.data(), sizeof Seed);
  return Seed;
}

}  // namespace merrith

#endif
