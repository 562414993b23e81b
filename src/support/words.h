#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "support/trim_white.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Each place of Text from From on that holds one of the units Sought, in order, handed to
// Stop until it returns true: where it did; npos where it never did. Eight units are looked at
// at once where the processor can (every x86-64 can): a meet's file is thousands of lines,
// each split at its line end and its | marks, and a spreadsheet's rows at their commas.
template <class Stopper, class... Units>
std::size_t FindUnitWhere(std::u16string_view Text, std::size_t From, Stopper&& Stop,
                          Units... Sought) {
  if (From >= Text.size()) return std::u16string_view::npos;
  const char16_t* At = Text.data() + From;
  const char16_t* const End = Text.data() + Text.size();
#if defined(__SSE2__)
  for (; End - At >= 8; At += 8) {
    __m128i Eight;
    std::memcpy(&Eight, At, sizeof Eight);
    // Two bits of the mask for each unit equal to one sought.
    const __m128i Any = (_mm_cmpeq_epi16(Eight, _mm_set1_epi16(static_cast<short>(Sought))) | ...);
    for (auto Equal = static_cast<unsigned>(_mm_movemask_epi8(Any)); Equal != 0;
         Equal &= Equal - 1, Equal &= Equal - 1) {
      const std::size_t Where = static_cast<std::size_t>(At - Text.data()) +
                                static_cast<std::size_t>(std::countr_zero(Equal)) / 2;
      if (Stop(Where)) return Where;
    }
  }
#endif
  for (; At != End; ++At)
    if (((*At == Sought) || ...) && Stop(static_cast<std::size_t>(At - Text.data())))
      return static_cast<std::size_t>(At - Text.data());
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
  return FindAnyUnit(Text, From, Unit);
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
