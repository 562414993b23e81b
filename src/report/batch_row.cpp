#include "report/batch_row.h"

#include "report/number_format.h"
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

std::u16string LettersOf(const std::vector<const Height*>& Chosen) {
  std::u16string Letters;
  for (const Height* H : Chosen)
    for (char16_t Letter : H->Letters)
      if (Letters.find(Letter) == std::u16string::npos) Letters += Letter;
  return Letters;
}

}  // namespace

void ForEachListedCode(std::u16string_view Text,
                       const std::function<void(const std::u16string& Code)>& Each) {
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    std::size_t End = Text.find(u'\n', Start);
    if (End == std::u16string_view::npos) End = Text.size();
    const std::u16string Code =
        mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    if (!Code.empty()) Each(Code);
    Start = End + 1;
  }
}

BatchRow::BatchRow(BatchBlocks Blocks) : Chosen(HeightsOf(Blocks)), Letters(LettersOf(Chosen)) {}

void BatchRow::WorkOut(std::u16string_view Code) {
  Dive.assign(Code);
  Dive += Letters.front();
  const DecodedCode First = DecodeDiveCode(Dive);
  for (char16_t Letter : Letters) Decoded[LetterSlot(Letter)] = WithPosition(First, Letter);
  for (const Height* H : Chosen) {
    auto& AtHeight = DDs[static_cast<std::size_t>(H->Index - HeightIndexFirst)];
    for (char16_t Letter : H->Letters)
      AtHeight[LetterSlot(Letter)] = H->Calc->DecodedDD(Decoded[LetterSlot(Letter)], H->Index);
  }
}

CellTexts::CellTexts(CellFn CellOf, std::u16string_view Separator)
    : Cell(CellOf), DecimalSeparator(Separator), None(CellOf(NotAllowed, Separator)) {
  ByTenths.reserve(Kept);
  for (DdTenths Tenths = 0; Tenths < Kept; ++Tenths)
    ByTenths.push_back(Cell(Tenths / 10.0, DecimalSeparator));
}

std::u16string_view CellTexts::Of(double DD) {
  if (DD < 0) return None;
  const std::optional<DdTenths> Tenths = ShownTenths(DD);
  if (Tenths && *Tenths < Kept) return ByTenths[static_cast<std::size_t>(*Tenths)];
  Spare = Cell(DD, DecimalSeparator);
  return Spare;
}

}  // namespace merrith
