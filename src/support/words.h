#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "support/trim_white.h"

namespace merrith {

// ASCII text, such as a number's digits, as UTF-16.
std::u16string AsciiText(std::string_view Text);

// A whole number in digits.
std::u16string NumberText(std::size_t Number);

// Whether C is one of the digits 0 to 9.
constexpr bool IsDigit(char16_t C) { return C >= u'0' && C <= u'9'; }

// A whole number from Least to Most written in plain digits: no sign, no space, no point, as
// many leading zeros as the writer put ("007" is 7, as a spreadsheet may show a round). Nothing
// for any other text, or for a number outside Least to Most, however many digits it has.
std::optional<std::size_t> ReadWholeNumber(std::u16string_view Text, std::size_t Least,
                                           std::size_t Most);

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

// Each place of Text from From on that holds one of the units Sought, in order, handed to
// Stop until it returns true: where it did; npos where it never did.
template <class Stopper, class... Units>
std::size_t FindUnitWhere(std::u16string_view Text, std::size_t From, Stopper&& Stop,
                          Units... Sought) {
  for (std::size_t At = From; At < Text.size(); ++At)
    if (((Text[At] == Sought) || ...) && Stop(At)) return At;
  return std::u16string_view::npos;
}

// Where the first of the units Sought stands in Text from From on; npos where none does.
template <class... Units>
std::size_t FindAnyUnit(std::u16string_view Text, std::size_t From, Units... Sought) {
  return FindUnitWhere(
      Text, From, [](std::size_t) { return true; }, Sought...);
}

// Where Unit first stands in Text from From on; npos where it does not.
inline std::size_t FindUnit(std::u16string_view Text, char16_t Unit, std::size_t From = 0) {
  return Text.find(Unit, From);
}

// Calls Take(Number, Line) for each line of Text that holds anything but white space and does
// not start with #, trimmed, Number counting every line from 1; returns how many lines there
// are. Lines end at line feeds: a carriage return before one is white space.
template <class LineTaker>
std::size_t ForEachLine(std::u16string_view Text, LineTaker&& Take) {
  std::size_t Number = 0;
  for (std::size_t Start = 0; Start <= Text.size();) {
    std::size_t End = FindUnit(Text, u'\n', Start);
    if (End == std::u16string_view::npos) End = Text.size();
    ++Number;
    const std::u16string_view Line = mXMLParser::TrimWhiteView(Text.substr(Start, End - Start));
    if (!Line.empty() && Line[0] != u'#') Take(Number, Line);
    Start = End + 1;
  }
  return Number;
}

}  // namespace merrith
