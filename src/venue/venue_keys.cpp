#include "venue/venue_keys.h"

#include <array>
#include <cstdint>

#include "support/random_bytes.h"

namespace merrith {
namespace {

// RFC 4648's base32 letters, small: no 0, 1, 8 or 9 to be read as O, I, B or g.
constexpr std::string_view KeyLetters = "abcdefghijklmnopqrstuvwxyz234567";
constexpr std::size_t KeyLength = KeyBits / 5;

std::optional<std::string> MakeKey() {
  std::array<std::uint8_t, KeyLength> Bytes{};
  if (!RandomBytes(Bytes)) return std::nullopt;
  std::string Key;
  for (const std::uint8_t B : Bytes) Key += KeyLetters[B % KeyLetters.size()];
  return Key;
}

}  // namespace

std::optional<VenueKeys> MakeVenueKeys(std::size_t Seats) {
  VenueKeys Keys;
  for (std::size_t Seat = 0; Seat <= Seats; ++Seat) {
    std::optional<std::string> Key = MakeKey();
    if (!Key) return std::nullopt;
    if (Seat == Seats)
      Keys.Referee = std::move(*Key);
    else
      Keys.Seats.push_back(std::move(*Key));
  }
  return Keys;
}

std::string VenueKeysText(const VenueKeys& Keys) {
  std::string Text = "referee " + Keys.Referee + "\n";
  for (std::size_t Seat = 0; Seat < Keys.Seats.size(); ++Seat)
    Text += "J" + std::to_string(Seat + 1) + " " + Keys.Seats[Seat] + "\n";
  return Text;
}

std::optional<VenueKeys> ReadVenueKeys(std::string_view Text, std::size_t Seats) {
  VenueKeys Keys;
  const auto IsKey = [](std::string_view Key) {
    return Key.size() == KeyLength && Key.find_first_not_of(KeyLetters) == std::string_view::npos;
  };
  for (std::size_t Line = 0; Line <= Seats; ++Line) {
    const std::size_t End = Text.find('\n');
    if (End == std::string_view::npos) return std::nullopt;
    const std::string_view Row = Text.substr(0, End);
    Text.remove_prefix(End + 1);
    const std::string Name = Line == 0 ? "referee " : "J" + std::to_string(Line) + " ";
    if (Row.substr(0, Name.size()) != Name || !IsKey(Row.substr(Name.size()))) return std::nullopt;
    if (Line == 0)
      Keys.Referee = Row.substr(Name.size());
    else
      Keys.Seats.emplace_back(Row.substr(Name.size()));
  }
  if (!Text.empty()) return std::nullopt;
  return Keys;
}

bool KeysEqual(std::string_view Typed, std::string_view Key) {
  // Every letter of the key is looked at, whatever was typed, so that the time taken tells
  // nothing of how much of it was right.
  unsigned Differs = Typed.size() == Key.size() ? 0U : 1U;
  for (std::size_t I = 0; I < Key.size(); ++I) {
    const char T = I < Typed.size() ? Typed[I] : '\0';
    Differs |=
        static_cast<unsigned>(static_cast<unsigned char>(T) ^ static_cast<unsigned char>(Key[I]));
  }
  return Differs == 0 && !Key.empty();
}

std::string KeyAsTyped(std::string_view Typed) {
  std::string Key;
  for (const char C : Typed) {
    if (C == ' ' || C == '-') continue;
    Key += C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
  }
  return Key;
}

std::string KeyInGroups(std::string_view Key) {
  std::string Groups;
  for (std::size_t I = 0; I < Key.size(); ++I) {
    if (I > 0 && I % 5 == 0) Groups += ' ';
    Groups += Key[I];
  }
  return Groups;
}

}  // namespace merrith
