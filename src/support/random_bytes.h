#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace merrith {

// Fills Bytes from the system's random source (getrandom on Linux, the system's preferred
// generator on Windows), the one keys and draws are made from; false when the system would not
// give them.
bool RandomBytes(std::span<std::uint8_t> Bytes);

// A seed for a draw from that source; nothing where the system gives none.
inline std::optional<std::uint64_t> SystemRandomSeed() {
  std::array<std::uint8_t, sizeof(std::uint64_t)> Bytes{};
  if (!RandomBytes(Bytes)) return std::nullopt;
  std::uint64_t Seed = 0;
  std::memcpy(&Seed, Bytes.data(), sizeof Seed);
  return Seed;
}

}  // namespace merrith
