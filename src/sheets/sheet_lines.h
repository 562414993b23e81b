#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/heights.h"

namespace merrith {

// The first word of Rest, apart at white space, which Rest then leaves behind; empty when no
// word is left.
std::u16string_view NextWord(std::u16string_view& Rest);

// Whether a line of a sheet is a dive's: it starts with a digit, or with "Round" and a number.
bool IsDiveLine(std::u16string_view Line);

// The words of dive lines as the checker reads them, whatever way a coach wrote them: without
// the round's number in front ("1.", "1)", "Round 1:", a number and a tab), the position
// letter joined to its number ("207 C" is 207C) and a height's unit to its number ("3 m",
// "3 metre" are 3m). The code comes first. Read line after line, a sheet's lines share its
// room.
class DiveLineWords {
 public:
  // The words of Line, each a part of it or of the room; they hold until the next line.
  std::span<const std::u16string_view> Read(std::u16string_view Line);

 private:
  std::vector<std::u16string_view> Words;  // the line apart at white space, then as read
  std::u16string Joined;                   // the words made of two, one after another
};

// Whether Letter is one position letter, A to E, in any case.
bool IsPositionLetter(std::u16string_view Letter);

// Whether the letter Letter, written apart, is the position of the code Code: Code ends in a
// digit or a bracket, and Letter is one position letter in any case ("207" and "c").
bool TakesPosition(std::u16string_view Code, std::u16string_view Letter);

// The height a word or a cell names: "3m", "3M", "3 m", "3 metres", and the bare number "3"
// where Bare allows it; nullptr for anything else.
const Height* HeightWritten(std::u16string_view Text, bool Bare);

}  // namespace merrith
