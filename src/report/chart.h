#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dive_numbers.h"

namespace merrith {

// What a chart shows: the heights (HeightIndex, in any order) whose boards it tables, and
// whether each dive's name stands beside its number.
struct ChartChoice {
  std::vector<std::int32_t> Heights;
  bool Names = true;
};

// Why a line of a list has no row in the chart.
enum class LeftOut : std::uint8_t {
  PositionLetter,  // the line ends in a position letter (5253B), which the chart adds itself
  NotADive,        // the line names no dive of the rule book (5511, 105X, hello)
};

// A line of a list that the chart leaves out: its number (from 1), its text, and why.
struct LeftOutLine {
  std::size_t Line;
  std::u16string Text;
  LeftOut Why;
};

// The dives of a list, one dive number a line without its position letter (blank lines
// skipped, each line trimmed), and the lines that name no dive.
struct ChartList {
  std::vector<DiveNumber> Dives;
  std::vector<LeftOutLine> LeftOut;
};

// Reads Text, a list of dive numbers as a batch table reads it, for a chart.
ChartList ReadChartList(std::u16string_view Text);

// What the user reads about a line left out: "line 3: 5253B ends in a position letter".
// Control characters show as '?', and a long line is cut short.
std::u16string LeftOutMessage(const LeftOutLine& Line);

// The chart of Dives as one HTML page: a table per board that has a chosen height
// (springboard 1m 3m, platform 10m 7.5m 5m, high diving 12m to 27m), its rows grouped under
// Forward, Back, Reverse, Inward, Twisting and Armstand in the order of the rule book, each
// dive once, and only where it has a DD at one of the board's chosen heights; under each
// height the DD with each position letter, to one decimal, or "-".
std::u16string BuildChart(const std::vector<DiveNumber>& Dives, const ChartChoice& Choice);

}  // namespace merrith
