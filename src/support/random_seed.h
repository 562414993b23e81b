#pragma once

#include <cstdint>
#include <optional>

namespace merrith {

// A seed for a draw from the system's own random source (getrandom on Linux, the system's
// preferred generator on Windows); nothing where the system gives none.
std::optional<std::uint64_t> SystemRandomSeed();

}  // namespace merrith
