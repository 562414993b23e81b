#pragma once

#include <cstdint>
#include <span>

namespace merrith {

// Fills Bytes from the system's random source, the one keys are made from; false when the
// system would not give them.
bool RandomBytes(std::span<std::uint8_t> Bytes);

}  // namespace merrith
