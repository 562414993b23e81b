#ifdef _WIN32

#include <windows.h>
// After windows.h, which it builds on.
#include <bcrypt.h>

#include "support/random_bytes.h"

namespace merrith {

bool RandomBytes(std::span<std::uint8_t> Bytes) {
  return BCryptGenRandom(nullptr, Bytes.data(), static_cast<ULONG>(Bytes.size()),
                         BCRYPT_USE_SYSTEM_PREFERRED_RNG) >= 0;
}

}  // namespace merrith

#endif
