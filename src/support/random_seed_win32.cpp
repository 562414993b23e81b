#ifdef _WIN32

#include <windows.h>
// After windows.h, which it builds on.
#include <bcrypt.h>

#include "support/random_seed.h"

namespace merrith {

std::optional<std::uint64_t> SystemRandomSeed() {
  std::uint64_t Seed = 0;
  if (BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&Seed), sizeof Seed,
                      BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0)
    return std::nullopt;
  return Seed;
}

}  // namespace merrith

#endif
