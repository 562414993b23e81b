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

// Half somersaults in words. None at all is a jump, or a dive from an armstand, which starts
// head down; one is a dive; two a somersault.
std::u16string Somersaults(std::int32_t Som, bool Armstand) {
  if (Som == 0) return Armstand ? u"Dive" : u"Jump";
  if (Som == 1) return u"Dive";
  if (Som == 2) return u"Somersault";
  return HalfTurns(Som) + u" Somersaults";
}

// Half twists in words: "½ Twist", "1 Twist", "1½ Twists".
std::u16string Twists(std::int32_t Twi) {
  return HalfTurns(Twi) + (Twi <= 2 ? u" Twist" : u" Twists");
}

bool HasWords(const DiveCode& D) {
  const std::int32_t FirstDir = D.Arm == 1 ? 0 : 1;
  return D.Dir >= FirstDir && D.Dir < static_cast<std::int32_t>(std::size(Directions)) &&
         D.Som >= 0 && D.Twi >= 0 && D.Fly >= 0 && D.Fly <= 2;
}

}  // namespace

std::optional<std::u16string> DiveName(const DiveCode& Dive) {
  if (!HasWords(Dive)) return std::nullopt;
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

std::optional<std::u16string_view> PositionName(std::int32_t Pos) {
  if (!IsPosition(Pos)) return std::nullopt;
  return Positions[static_cast<std::size_t>(Pos)];
}

}  // namespace merrith
