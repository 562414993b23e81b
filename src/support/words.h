#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace merrith {

// ASCII text, such as a number's digits, as UTF-16.
std::u16string AsciiText(std::string_view Text);

// A whole number in digits.
std::u16string NumberText(std::size_t Number);

// A count with its noun: "1 group", "4 groups".
std::u16string CountText(std::size_t Number, std::u16string_view One, std::u16string_view Many);

// Appends Item to a list in Out, after Joint where Out is not empty.
void AppendJoined(std::u16string& Out, std::u16string_view Joint, std::u16string_view Item);

// Whether A and B are the same word but for the case of the letters A to Z: event ids, the
// keys of a sheet's head, heights and "limited" are read so.
bool SameWord(std::u16string_view A, std::u16string_view B);

// Text cut to at most Most units, ending in "…" where it was cut, for a message or a cell that
// must stay readable whatever a line holds.
std::u16string Shortened(std::u16string_view Text, std::size_t Most);

// Hashes a text as a string or as a view of one, so that a map keyed by names finds a name that
// a line holds without a copy of it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view Text) const {
    return std::hash<std::u16string_view>{}(Text);
  }
};

}  // namespace merrith
