#include "ui/batch_document.h"

#include <unordered_map>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "ui/number_format.h"

namespace merrith {
namespace {

// One block of columns: its heights, the position letters tried at each, the calculator
// that knows them, and the two header rows' cells for the whole block.
struct BlockColumns {
  std::int32_t FirstHeight;
  std::int32_t LastHeight;
  std::u16string_view Letters;
  double (*Calc)(std::u16string_view Code, std::int32_t HeightIndex);
  std::u16string_view HeightCells;
  std::u16string_view LetterCells;  // the cells under one height
};

constexpr BlockColumns SpringboardAndPlatform{
    1,
    5,
    u"ABCD",
    CalcDD,
    u"<th colspan=5>1m</th><th colspan=5>3m</th><th colspan=5>5m</th>"
    u"<th colspan=5>7.5m</th><th colspan=5>10m</th>",
    u"<th>A</th><th>B</th><th>C</th><th>D</th><th></th>"};

constexpr BlockColumns HighDiving{
    6,
    9,
    u"ABCDE",
    CalcHDD,
    u"<th colspan=6>12m</th><th colspan=6>15m</th><th colspan=6>20m</th><th colspan=6>27m</th>",
    u"<th>A</th><th>B</th><th>C</th><th>D</th><th>E</th><th></th>"};

constexpr std::u16string_view TableStart =
    u"\uFEFF<table border=1><caption>FINA Merrith Table 2015-2021</caption>";
constexpr std::u16string_view HeaderRowStart = u"<tr><th></th>";
constexpr std::u16string_view TableEnd = u"</table>";

bool HasSpringboardAndPlatform(BatchBlocks Blocks) { return Blocks != BatchBlocks::HD; }
bool HasHighDiving(BatchBlocks Blocks) { return Blocks != BatchBlocks::D; }

// The blocks in column order.
std::vector<const BlockColumns*> ChosenBlocks(BatchBlocks Blocks) {
  std::vector<const BlockColumns*> Chosen;
  if (HasSpringboardAndPlatform(Blocks)) Chosen.push_back(&SpringboardAndPlatform);
  if (HasHighDiving(Blocks)) Chosen.push_back(&HighDiving);
  return Chosen;
}

std::u16string HeaderRows(const std::vector<const BlockColumns*>& Chosen) {
  std::u16string Rows(TableStart);
  Rows += HeaderRowStart;
  for (const BlockColumns* Block : Chosen) Rows += Block->HeightCells;
  Rows += HeaderRowStart;
  for (const BlockColumns* Block : Chosen) {
    for (std::int32_t Height = Block->FirstHeight; Height <= Block->LastHeight; ++Height) {
      Rows += Block->LetterCells;
    }
  }
  return Rows;
}

// A listed line goes into its cell as text, never as markup.
void AppendEscaped(std::u16string& Out, std::u16string_view Text) {
  for (char16_t Unit : Text) {
    switch (Unit) {
      case u'&':
        Out += u"&amp;";
        break;
      case u'<':
        Out += u"&lt;";
        break;
      case u'>':
        Out += u"&gt;";
        break;
      case u'"':
        Out += u"&quot;";
        break;
      case u'\'':
        Out += u"&#39;";
        break;
      default:
        Out += Unit;
    }
  }
}

// Rows of the table. A list names the same dives over and over, so each distinct line's row
// is worked out once and then copied.
class RowMaker {
 public:
  RowMaker(BatchBlocks Blocks, std::u16string_view Separator)
      : Chosen(ChosenBlocks(Blocks)), DecimalSeparator(Separator) {}

  // The code as listed, then the DD of the code with each letter at each height, "-" where
  // the dive has none.
  const std::u16string& RowFor(const std::u16string& Code) {
    if (const auto Known = Rows.find(Code); Known != Rows.end()) return Known->second;
    Row.clear();
    Row += u"<tr><td>";
    AppendEscaped(Row, Code);
    Row += u"</td>";
    for (const BlockColumns* Block : Chosen) AppendCells(*Block, Code);
    if (Rows.size() >= MaxRemembered) return Row;
    return Rows.emplace(Code, Row).first->second;
  }

 private:
  static constexpr std::size_t MaxRemembered = 10000;

  void AppendCells(const BlockColumns& Block, std::u16string_view Code) {
    for (std::int32_t Height = Block.FirstHeight; Height <= Block.LastHeight; ++Height) {
      for (char16_t Letter : Block.Letters) {
        Dive.assign(Code);
        Dive += Letter;
        const double DD = Block.Calc(Dive, Height);
        Row += u"<td>";
        Row += DD >= 0 ? FormatFixed1(DD, DecimalSeparator) : u"-";
        Row += u"</td>";
      }
      Row += u"<td></td>";
    }
  }

  std::vector<const BlockColumns*> Chosen;
  std::u16string_view DecimalSeparator;
  std::unordered_map<std::u16string, std::u16string> Rows;
  std::u16string Row;   // the row being worked out
  std::u16string Dive;  // the code with one letter, as the calculators get it
};

}  // namespace

void AppendBatchDocument(CStringBuilder& Builder, std::u16string_view Text, BatchBlocks Blocks,
                         std::u16string_view DecimalSeparator) {
  Builder.Append(HeaderRows(ChosenBlocks(Blocks)));
  RowMaker Rows(Blocks, DecimalSeparator);
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    std::size_t End = Text.find(u'\n', Start);
    if (End == std::u16string_view::npos) End = Text.size();
    const std::u16string Code =
        mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    if (!Code.empty()) Builder.Append(Rows.RowFor(Code));
    Start = End + 1;
  }
  Builder.Append(TableEnd);
}

std::u16string BuildBatchDocument(std::u16string_view Text, BatchBlocks Blocks,
                                  std::u16string_view DecimalSeparator) {
  CStringBuilder Builder;
  AppendBatchDocument(Builder, Text, Blocks, DecimalSeparator);
  return Builder.ToString();
}

BatchOutcome WriteBatchTable(std::u16string_view InputPath, BatchBlocks Blocks,
                             std::u16string_view DecimalSeparator) {
  CStringBuilder Builder;
  {
    std::vector<std::uint8_t> Bytes;
    if (InputPath.empty()) return BatchOutcome::ReadFailed;
    if (mFSO::ReadAllBytes(InputPath, Bytes) != 0) return BatchOutcome::ReadFailed;
    AppendBatchDocument(Builder, mFSO::DecodeText(Bytes, mFSO::CodePageSystem), Blocks,
                        DecimalSeparator);
  }
  const std::vector<std::uint8_t> Page = Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8);
  Builder.Reset();
  if (mFSO::WriteAllBytes(BatchOutputPath(InputPath), Page) != 0) {
    return BatchOutcome::WriteFailed;
  }
  return BatchOutcome::Written;
}

std::u16string BatchOutputPath(std::u16string_view InputPath) {
  return std::u16string(InputPath) + u".htm";
}

std::u16string BatchMessage(BatchOutcome Outcome, std::u16string_view InputPath) {
  if (Outcome == BatchOutcome::Written) {
    return u"OK, New file name is " + BatchOutputPath(InputPath);
  }
  return u"File Error!!!";
}

}  // namespace merrith
