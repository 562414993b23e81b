#ifndef _WIN32

#include <sys/random.h>

#include <cerrno>

#include "support/random_bytes.h"

namespace merrith {

bool RandomBytes(std::span<std::uint8_t> Bytes) {
  std::size_t Got = 0;
  while (Got < Bytes.size()) {
    const ssize_t Now = getrandom(Bytes.data() + Got, Bytes.size() - Got, 0);
    if (Now < 0 && errno == EINTR) continue;
    if (Now <= 0) return false;
    Got += static_cast<std::size_t>(Now);
  }
  return true;
}

}  // namespace merrith

#endif
