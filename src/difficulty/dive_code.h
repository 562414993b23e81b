#pragma once

#include <cstdint>

namespace merrith {

// The result of a calculator when a dive has no degree of difficulty at the chosen
// height; in a table it marks a combination that is not allowed.
inline constexpr double NotAllowed = -999.0;

// The heights, as selected in the window: 1 to 5 springboard and platform, 6 to 9 high diving.
inline constexpr std::int32_t HeightIndexFirst = 1;         // 1 m
inline constexpr std::int32_t HeightIndexLastPlatform = 5;  // 10 m
inline constexpr std::int32_t HeightIndexLast = 9;          // 27 m

// A dive number decoded into its six fields.
struct DiveCode {
  std::int32_t Dir = 0;  // 1 forward, 2 back, 3 reverse, 4 inward (or a twisting group's digit)
  std::int32_t Fly = 0;  // 1 flying; 2 for the twisting form written with "M"
  std::int32_t Som = 0;  // half somersaults
  std::int32_t Twi = 0;  // half twists
  std::int32_t Pos = 0;  // position letter minus A: 0 straight, 1 pike, 2 tuck, 3 free, 4 E
  std::int32_t Arm = 0;  // 1 for an armstand dive
};

// Whether Pos is one of the position letters A to E.
constexpr bool IsPosition(std::int32_t Pos) { return Pos >= 0 && Pos <= 4; }

}  // namespace merrith
