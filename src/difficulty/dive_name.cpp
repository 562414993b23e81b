#include "difficulty/dive_name.h"

#include <cstddef>
#include <iterator>

namespace merrith {
namespace {

// The directions in words, by Dir. An armstand dive may have none.
constexpr std::u16string_view Directions[] = {u"", u"Forward", u"Back", u"Reverse", u"Inward"};

// The positions in words, by Pos: the letters A to E.
constexpr std::u16string_view Positions[] = {u"Straight", u"Pike", u"Tuck", u"Free", u"position E"};

static_assert(std::size(Positions) == 5 && IsPosition(4) && !IsPosition(5));

// A number of half turns as whole and half ones: 1 is "½", 3 is "1½", 4 is "2".
std::u16string HalfTurns(std::int32_t Halves) {
  std::u16string Text;
  if (Halves >= 2)
    for (char Digit : std::to_string(Halves / 2)) Text += static_cast<char16_t>(Digit);
  if (Halves % 2 == 1) Text += u'\u00BD';  // ½
  return Text;
}

// Half somersaults in words. None at all is a jump, or the armstand dive, which starts head
// down; one is a dive, but half a somersault from an armstand; two a somersault.
std::u16string Somersaults(std::int32_t Som, bool Armstand) {
  if (Som == 0) return Armstand ? u"Dive" : u"Jump";
  if (Som == 1) return Armstand ? u"\u00BD Somersault" : u"Dive";  // ½
  if (Som == 2) return u"Somersault";
  return HalfTurns(Som) + u" Somersaults";
}

// Half twists in words: "½ Twist", "1 Twist", "1½ Twists".
std::u16string Twists(std::int32_t Twi) {
  return HalfTurns(Twi) + (Twi <= 2 ? u" Twist" : u" Twists");
}

// Whether the rule book can write the dive. An armstand dive turns forward, back, reverse or
// inward exactly when it somersaults: the armstand dive (600) has no direction and neither
// somersaults nor twists.
bool Named(const DiveCode& D) {
  const bool Armstand = D.Arm == 1;
  const bool Turns = D.Dir >= 1 && D.Dir <= 4 && (D.Som > 0 || !Armstand);
  const bool ArmstandDive = Armstand && D.Dir == 0 && D.Som == 0 && D.Twi == 0;
  return (Turns || ArmstandDive) && D.Som >= 0 && D.Twi >= 0 && D.Fly >= 0 && D.Fly <= 2;
}

}  // namespace

std::optional<std::u16string> DiveName(const DiveCode& Dive) {
  if (!Named(Dive)) return std::nullopt;
  std::u16string Name;
  const auto Say = [&Name](std::u16string_view Words) {
    if (Words.empty()) return;
    if (!Name.empty()) Name += u' ';
    Name += Words;
  };
  if (Dive.Arm == 1) Say(u"Armstand");
  Say(Directions[static_cast<std::size_t>(Dive.Dir)]);
  if (Dive.Fly == 1) Say(u"Flying");
  Say(Somersaults(Dive.Som, Dive.Arm == 1));
  if (Dive.Twi > 0) Say(Twists(Dive.Twi));
  if (Dive.Fly == 2) Say(u"(M)");  // the twisting form written with M
  return Name;
}

bool HasDiveName(const DiveCode& Dive) { return Named(Dive); }

std::optional<std::u16string_view> PositionName(std::int32_t Pos) {
  if (!IsPosition(Pos)) return std::nullopt;
  return Positions[static_cast<std::size_t>(Pos)];
}

}  // namespace merrith
