#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// The bits of each key: more than anyone on the pool's network could guess.
inline constexpr std::size_t KeyBits = 130;

// The keys of one event's devices, made when the server starts for it: one for each judge's
// seat in seating order, and the referee's. A key is 26 letters and digits (a to z, 2 to 7),
// 5 random bits each.
struct VenueKeys {
  std::vector<std::string> Seats;
  std::string Referee;
};

// Keys for a panel of Seats judges and its referee, from the system's random source; nothing when
// the system gives none.
std::optional<VenueKeys> MakeVenueKeys(std::size_t Seats);

// The keys as kept beside the competition, so that a server started again after a crash (or a
// window closed and opened) lets the same pads and cards in: "referee KEY" and "J1 KEY" lines.
std::string VenueKeysText(const VenueKeys& Keys);
// The keys that Text keeps for a panel of Seats judges; nothing where it keeps others.
std::optional<VenueKeys> ReadVenueKeys(std::string_view Text, std::size_t Seats);

// Whether Typed is Key, in a time that does not depend on where they differ.
bool KeysEqual(std::string_view Typed, std::string_view Key);

// A key as typed from a card: spaces and dashes dropped, capitals made small.
std::string KeyAsTyped(std::string_view Typed);

// A key as a card prints it, in groups of five: "abcde fghij klmno pqrst uvwxy z".
std::string KeyInGroups(std::string_view Key);

}  // namespace merrith
