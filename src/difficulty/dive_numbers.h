#pragma once

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

// Whether Number, a dive number without its position letter, has a DD at some height with
// some position letter that the batch table gives that height.
bool HasSomeDD(std::u16string_view Number);

}  // namespace merrith
