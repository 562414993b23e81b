#include "report/batch_row.h"

#include "difficulty/dive_numbers.h"
#include "support/trim_white.h"

namespace merrith {
namespace {

// One block of columns: a run of heights that one calculator knows, in column order.
struct BlockColumns {
  std::int32_t FirstHeight;
  std::int32_t LastHeight;
};

constexpr BlockColumns SpringboardAndPlatformColumns{HeightIndexFirst, HeightIndexLastPlatform};
constexpr BlockColumns HighDivingColumns{HeightIndexLastPlatform + 1, HeightIndexLast};

// The heights of the chosen blocks in column order.
std::vector<const Height*> HeightsOf(BatchBlocks Blocks) {
  std::vector<const Height*> Chosen;
  const auto Add = [&Chosen](BlockColumns Block) {
    for (std::int32_t Index = Block.FirstHeight; Index <= Block.LastHeight; ++Index)
      Chosen.push_back(HeightAt(Index));
  };
  if (Blocks != BatchBlocks::HD) Add(SpringboardAndPlatformColumns);
  if (Blocks != BatchBlocks::D) Add(HighDivingColumns);
  return Chosen;
}

// Every letter of every height has its place in a row.
static_assert([] {
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters)
      if (Letter < u'A' || Letter >= u'A' + BatchRow::LetterCount) return false;
  return true;
}());

// Calls Each with the number (from 1) and the trimmed text of every line of Text.
template <class EachFn>
void ForEachLine(std::u16string_view Text, EachFn Each) {
  std::size_t Number = 1;
  for (std::size_t Start = 0; Start <= Text.size(); ++Number) {
    std::size_t End = Text.find(u'\n', Start);
    if (End == std::u16string_view::npos) End = Text.size();
    Each(Number, mXMLParser::TrimWhiteView(Text.substr(Start, End - Start)));
    Start = End + 1;
  }
}

}  // namespace

void ForEachListedCode(std::u16string_view Text,
                       const std::function<void(const std::u16string& Code)>& Each) {
  std::u16string Code;
  ForEachLine(Text, [&](std::size_t, std::u16string_view Line) {
    if (Line.empty()) return;
    Code.assign(Line);
    Each(Code);
  });
}

LetteredLines FindLetteredLines(std::u16string_view Text) {
  LetteredLines Found;
  ForEachLine(Text, [&Found](std::size_t Number, std::u16string_view Line) {
    if (!EndsInPositionLetter(Line)) return;
    if (Found.First.size() < LetteredLines::Kept)
      Found.First.push_back({Number, std::u16string(Line)});
    ++Found.Count;
  });
  return Found;
}

BatchRow::BatchRow(BatchBlocks Blocks) : Chosen(HeightsOf(Blocks)) {}

void BatchRow::WorkOut(std::u16string_view Code) {
  RuleBookDive Read = ReadDiveNumber(Code);
  for (const Height* H : Chosen) {
    auto& AtHeight = DDs[static_cast<std::size_t>(H->Index - HeightIndexFirst)];
    for (char16_t Letter : H->Letters) {
      Read.Dive.Pos = static_cast<std::int32_t>(LetterSlot(Letter));
      AtHeight[LetterSlot(Letter)] = H->Calc->ReadDD(Read, H->Index);
    }
  }
}

CellTexts::Text::Text(std::u16string_view Units) : Padded(Units), Length(Units.size()) {
  if (Padded.size() < Slot) Padded.resize(Slot);
}

CellTexts::CellTexts(CellFn CellOf, std::u16string_view After, std::u16string_view Separator)
    : Cell(CellOf),
      DecimalSeparator(Separator),
      AfterHeight(After),
      None(CellOf(NotAllowed, Separator)) {
  ByTenths.reserve(Kept);
  for (DdTenths Tenths = 0; Tenths < Kept; ++Tenths)
    ByTenths.emplace_back(Cell(Tenths / 10.0, DecimalSeparator));
}

const CellTexts::Text& CellTexts::Written(double DD) {
  Spare = Text(Cell(DD, DecimalSeparator));
  return Spare;
}

void CellTexts::AppendRow(std::u16string& Out, const BatchRow& Row) {
  if (AfterHeight.Length > Slot) return AppendRowText(Out, Row);
  const std::size_t Start = Out.size();
  // Room for every slot that the row can copy.
  Out.resize(Start + Row.ChosenHeights().size() * (BatchRow::LetterCount + 1) * Slot);
  char16_t* Next = Out.data() + Start;
  const auto Put = [&Next](const Text& T) {
    std::copy_n(T.Padded.data(), Slot, Next);
    Next += T.Length;
  };
  for (const Height* H : Row.ChosenHeights()) {
    for (char16_t Letter : H->Letters) {
      const Text& T = TextOf(Row.DD(*H, Letter));
      if (T.Length > Slot) {  // a long separator, or a DD far beyond the tables
        Out.resize(Start);
        return AppendRowText(Out, Row);
      }
      Put(T);
    }
    Put(AfterHeight);
  }
  Out.resize(static_cast<std::size_t>(Next - Out.data()));
}

// AppendRow for texts too long for a slot, appended one by one.
void CellTexts::AppendRowText(std::u16string& Out, const BatchRow& Row) {
  for (const Height* H : Row.ChosenHeights()) {
    for (char16_t Letter : H->Letters) Out += Of(Row.DD(*H, Letter));
    Out += AfterHeight.View();
  }
}

}  // namespace merrith
