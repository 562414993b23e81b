#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dive_code.h"

namespace merrith {

// One number of the list of every dive: as a list file holds it, without its position letter
// (105, 1011, 5253, 51132, 5132M, 614), and the dive it reads as (Pos 0).
struct DiveNumber {
  std::u16string Number;
  DiveCode Dive;
};

// Every dive number written without brackets (one digit per part, or two digits of half
// somersaults for the forward, back, reverse and inward groups) that has a DD at some height
// with some position letter of the batch table, each dive once, in the order of the rule
// book: forward, back, reverse and inward dives, plain before flying, by half somersaults;
// then twisting and armstand dives, each by direction, somersaults and twists, followed by
// their flying and M forms. Whatever direction digit the tables give a DD is listed, 5511
// (direction 5) too.
std::vector<DiveNumber> ListDiveNumbers();

// The dives of ListDiveNumbers that the rule book can write, those with a name in words
// (DiveName), in the same order.
std::vector<DiveNumber> ListNamedDiveNumbers();

// Whether Number, a dive number without its position letter, has a DD at some height with
// some position letter that the batch table gives that height.
bool HasSomeDD(std::u16string_view Number);

// The groups of the rule book, numbered as the first digit of their dive numbers.
enum class DiveGroup : std::int32_t { Forward = 1, Back, Reverse, Inward, Twisting, Armstand };

// The group whose numbers write Dive: armstand dives, then dives with a twist, written with M
// or of a direction beyond inward, then the group of the dive's direction.
DiveGroup GroupOf(const DiveCode& Dive);

// Whether A comes before B in the order of the rule book, which ListDiveNumbers follows: by
// group; plain, then flying, then M; plain armstand dives without twist before those with;
// then by direction, half somersaults and half twists.
bool BeforeInRuleBook(const DiveCode& A, const DiveCode& B);

// The dive that Number, a dive number as a list holds it (105, 10(11), 5253, 5132M), names in
// the rule book (Pos 0); nothing when it names none: it cannot be read, holds anything but
// digits, brackets and M, names a dive without words (5511), or writes a dive in a group not
// its own (5150, a twisting number without a twist, is 105).
std::optional<DiveCode> ReadDiveNumber(std::u16string_view Number);

// Whether Text ends in a position letter, A to E in either case, as a dive number in a list
// must not (5253B).
bool EndsInPositionLetter(std::u16string_view Text);

}  // namespace merrith
