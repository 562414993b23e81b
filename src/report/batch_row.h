#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "difficulty/heights.h"
#include "report/number_format.h"

namespace merrith {

// The column blocks of a batch table, numbered as the window's batch buttons.
enum class BatchBlocks : std::int16_t {
  D = 0,       // springboard and platform, 1 m to 10 m
  HD = 1,      // high diving, 12 m to 27 m
  DAndHD = 2,  // both, springboard and platform first
};

// Calls Each with every line of Text, a list of dive numbers, that is not blank: trimmed, in
// the order listed. Lines end at line feeds; a carriage return before one is trimmed off.
void ForEachListedCode(std::u16string_view Text,
                       const std::function<void(const std::u16string& Code)>& Each);

// The lines of a list that already end in a position letter, as 5253B or 105b: the table adds
// each letter itself, so such a row holds no DD (5253BA cannot be read) or another dive's
// (105BA reads as 105A). A line counts when it reads as a dive number with its last letter.
struct LetteredLines {
  static constexpr std::size_t Kept = 10;  // the first lines are kept, the rest only counted

  struct Line {
    std::size_t Number;   // counted from 1, blank lines included
    std::u16string Code;  // trimmed
  };
  std::vector<Line> First;
  std::size_t Count = 0;
};

// The lines of Text, a list of dive numbers, that end in a position letter.
LetteredLines FindLetteredLines(std::u16string_view Text);

// The DDs of one row of a batch table, whatever form the table takes: the listed code with each
// position letter of each height of the chosen blocks, as the height's calculator gives it.
// Every row is worked out afresh: the code is read once and priced in each position at every
// height; no memory of rows already seen is kept.
class BatchRow {
 public:
  explicit BatchRow(BatchBlocks Blocks);

  // The heights of the chosen blocks in column order; each has a value cell per letter.
  const std::vector<const Height*>& ChosenHeights() const { return Chosen; }

  // Works out the DDs of the row of Code, a listed dive number without its position letter.
  void WorkOut(std::u16string_view Code);

  // The DD of the row worked out last with Letter, one of H's letters, at H, one of the chosen
  // heights: what the calculator gives, negative where the dive has none.
  double DD(const Height& H, char16_t Letter) const {
    return DDs[static_cast<std::size_t>(H.Index - HeightIndexFirst)][LetterSlot(Letter)];
  }

  // The letters a row has room for: A to E.
  static constexpr std::size_t LetterCount = 5;

 private:
  static std::size_t LetterSlot(char16_t Letter) { return static_cast<std::size_t>(Letter - u'A'); }

  std::vector<const Height*> Chosen;
  std::array<std::array<double, LetterCount>, HeightIndexLast - HeightIndexFirst + 1> DDs{};
};

// The texts of the value cells of one batch table, by the DD they show: each text that a DD of
// the tables can give is written once, when the table starts, and a row only copies it.
class CellTexts {
 public:
  // Cell gives the text of the cell of a DD (negative where the dive has none) and may depend
  // on the DD only through FormatFixed1(DD, Separator); AfterHeight follows the cells of each
  // height in a row.
  using CellFn = std::u16string (*)(double DD, std::u16string_view Separator);
  CellTexts(CellFn Cell, std::u16string_view AfterHeight, std::u16string_view Separator);

  // The text of the cell of DD: Cell(DD, Separator).
  std::u16string_view Of(double DD) { return TextOf(DD).View(); }

  // Appends to Out the cells of the row that Row has worked out last, height by height, each
  // height's followed by AfterHeight.
  void AppendRow(std::u16string& Out, const BatchRow& Row);

 private:
  // A text followed by zeros up to Slot units, so that a row can copy a whole slot, a few
  // moves, where growing a string by each text would call a copy for each.
  static constexpr std::size_t Slot = 16;
  struct Text {
    Text() : Padded(Slot, u'\0'), Length(0) {}
    explicit Text(std::u16string_view Units);
    std::u16string_view View() const { return {Padded.data(), Length}; }
    std::u16string Padded;
    std::size_t Length;
  };

  const Text& TextOf(double DD) {
    if (DD < 0) return None;
    const std::optional<DdTenths> Tenths = DdTenthsOf(DD);
    if (Tenths && *Tenths < Kept) return ByTenths[static_cast<std::size_t>(*Tenths)];
    return Written(DD);
  }
  const Text& Written(double DD);
  void AppendRowText(std::u16string& Out, const BatchRow& Row);

  static constexpr DdTenths Kept = 100;  // 0.0 to 9.9: every DD below 10

  CellFn Cell;
  std::u16string_view DecimalSeparator;
  Text AfterHeight;
  std::vector<Text> ByTenths;
  Text None;
  Text Spare;  // the text of a DD beyond those kept
};

}  // namespace merrith
