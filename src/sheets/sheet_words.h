#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "difficulty/dd_tenths.h"
#include "difficulty/dive_group.h"
#include "difficulty/heights.h"

namespace merrith {

// ASCII text, such as a number's digits, as UTF-16.
std::u16string AsciiText(std::string_view Text);

// A whole number in digits.
std::u16string NumberText(std::size_t Number);

// A count with its noun: "1 group", "4 groups".
std::u16string CountText(std::size_t Number, std::u16string_view One, std::u16string_view Many);

// Appends Item to a list in Out, after Joint where Out is not empty.
void AppendJoined(std::u16string& Out, std::u16string_view Joint, std::u16string_view Item);

// The groups in words, joined by commas: "forward, back, twisting"; "none" for no group.
std::u16string GroupsText(std::span<const DiveGroup> Groups);

// Whether A and B are the same word but for the case of the letters A to Z: event ids, the
// keys of a sheet's head, heights and "limited" are read so.
bool SameWord(std::u16string_view A, std::u16string_view B);

// The caption of the height HeightIndex as UTF-16 ("7.5m"); HeightIndex must be a height.
std::u16string HeightText(std::int32_t HeightIndex);

// Every height's caption, joined by Joint: "1m 3m 5m ... 27m".
std::u16string AllHeightsText(std::u16string_view Joint);

// Text cut to at most Most units, ending in "…" where it was cut, for a message or a cell that
// must stay readable whatever a line holds.
std::u16string Shortened(std::u16string_view Text, std::size_t Most);

}  // namespace merrith
