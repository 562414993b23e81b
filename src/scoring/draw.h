#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/competition.h"

namespace merrith {

// The generator of every draw: SplitMix64, written out here so that one seed gives one order
// on every system and with every standard library. Each number is the state advanced by
// 0x9E3779B97F4A7C15, then mixed: z ^= z >> 30, z *= 0xBF58476D1CE4E5B9, z ^= z >> 27,
// z *= 0x94D049BB133111EB, z ^= z >> 31 (all modulo 2^64).
class CDrawGenerator {
 public:
  explicit CDrawGenerator(std::uint64_t Seed) : State(Seed) {}
  // The next number, 0 to 2^64 - 1.
  std::uint64_t Next();
  // A number from 0 to Bound - 1, each as likely as the others: the numbers below 2^64 mod
  // Bound are drawn again, so that what is left is a whole number of runs of Bound; the
  // number then is what is left of it modulo Bound. Bound is 1 or more.
  std::uint64_t Below(std::uint64_t Bound);

 private:
  std::uint64_t State;
};

// The order Names come in by a draw with Seed: the names sorted by their UTF-16 code units
// (so that the draw does not hang on the order they were written in), then shuffled from the
// last place to the first, each place I taking the one at Below(I + 1) (Fisher and Yates).
// Each item is an index into Names: the first diver to dive first.
std::vector<std::size_t> DrawOrder(std::span<const std::u16string> Names, std::uint64_t Seed);
// The same, drawn with numbers from Draw: several draws from one seed, one after the other.
std::vector<std::size_t> DrawOrder(std::span<const std::u16string> Names, CDrawGenerator& Draw);

// A seed in plain digits: "42".
std::u16string SeedText(std::uint64_t Seed);

// A seed as a person writes it: a whole number from 0 to 2^64 - 1 in plain digits.
std::optional<std::uint64_t> ReadSeed(std::u16string_view Text);

// The competition file's text with its divers in Order (indices into C.Entries, which Text
// reads as) and its Draw: line saying Seed, all its other lines as they were: each diver's
// lines move as one block with the comment lines just above its Diver: line; blank lines,
// comments and statuses between the blocks stay where they stand; the Draw: line is written
// where it stood, else after the last line of the head.
std::u16string DrawnText(std::u16string_view Text, const Competition& C,
                         std::span<const std::size_t> Order, std::uint64_t Seed);

}  // namespace merrith
