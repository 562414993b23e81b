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

std::size_t CellsIn(const std::vector<const Height*>& Chosen) {
  std::size_t Count = 0;
  for (const Height* H : Chosen) Count += H->Letters.size();
  return Count;
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

BatchRow::BatchRow(BatchBlocks Blocks, std::u16string_view Separator)
    : Chosen(HeightsOf(Blocks)), DecimalSeparator(Separator), Cells(CellsIn(Chosen)) {}

void BatchRow::WorkOut(std::u16string_view Code) {
  std::size_t Column = 0;
  for (const Height* H : Chosen)
    for (char16_t Letter : H->Letters) {
      Dive.assign(Code);
      Dive += Letter;
      const double DD = H->Calc->DD(Dive, H->Index);
      if (DD >= 0)
        Cells[Column++] = FormatFixed1(DD, DecimalSeparator);
      else
        Cells[Column++].clear();
    }
}

}  // namespace merrith
