#include "window/batch_document.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "difficulty/heights.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "window/number_format.h"

namespace merrith {
namespace {

// One block of columns: a run of heights that one calculator knows, in column order.
struct BlockColumns {
  std::int32_t FirstHeight;
  std::int32_t LastHeight;
};

constexpr BlockColumns SpringboardAndPlatform{HeightIndexFirst, HeightIndexLastPlatform};
constexpr BlockColumns HighDiving{HeightIndexLastPlatform + 1, HeightIndexLast};

constexpr std::u16string_view TableStart =
    u"\uFEFF<table border=1><caption>FINA Merrith Table 2015-2021</caption>";
constexpr std::u16string_view HeaderRowStart = u"<tr><th></th>";
constexpr std::u16string_view TableEnd = u"</table>";

bool HasSpringboardAndPlatform(BatchBlocks Blocks) { return Blocks != BatchBlocks::HD; }
bool HasHighDiving(BatchBlocks Blocks) { return Blocks != BatchBlocks::D; }

// The heights of the chosen blocks in column order.
std::vector<const Height*> ChosenHeights(BatchBlocks Blocks) {
  std::vector<const Height*> Chosen;
  const auto Add = [&Chosen](BlockColumns Block) {
    for (std::int32_t Index = Block.FirstHeight; Index <= Block.LastHeight; ++Index)
      Chosen.push_back(HeightAt(Index));
  };
  if (HasSpringboardAndPlatform(Blocks)) Add(SpringboardAndPlatform);
  if (HasHighDiving(Blocks)) Add(HighDiving);
  return Chosen;
}

// The captions of the heights are ASCII.
void AppendAscii(std::u16string& Out, std::string_view Text) {
  for (char C : Text) Out += static_cast<char16_t>(C);
}

// Each height spans a column per letter and an empty separator column; under it stand its
// letters and the separator.
std::u16string HeaderRows(const std::vector<const Height*>& Chosen) {
  std::u16string Rows(TableStart);
  Rows += HeaderRowStart;
  for (const Height* H : Chosen) {
    Rows += u"<th colspan=";
    AppendAscii(Rows, std::to_string(H->Letters.size() + 1));
    Rows += u">";
    AppendAscii(Rows, H->Caption);
    Rows += u"</th>";
  }
  Rows += HeaderRowStart;
  for (const Height* H : Chosen) {
    for (char16_t Letter : H->Letters) {
      Rows += u"<th>";
      Rows += Letter;
      Rows += u"</th>";
    }
    Rows += u"<th></th>";
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
      : Chosen(ChosenHeights(Blocks)), DecimalSeparator(Separator) {}

  // The code as listed, then the DD of the code with each letter at each height, "-" where
  // the dive has none.
  const std::u16string& RowFor(const std::u16string& Code) {
    if (const auto Known = Rows.find(Code); Known != Rows.end()) return Known->second;
    Row.clear();
    Row += u"<tr><td>";
    AppendEscaped(Row, Code);
    Row += u"</td>";
    for (const Height* H : Chosen) AppendCells(*H, Code);
    if (Rows.size() >= MaxRemembered) return Row;
    return Rows.emplace(Code, Row).first->second;
  }

 private:
  static constexpr std::size_t MaxRemembered = 10000;

  void AppendCells(const Height& H, std::u16string_view Code) {
    for (char16_t Letter : H.Letters) {
      Dive.assign(Code);
      Dive += Letter;
      const double DD = H.Calc->DD(Dive, H.Index);
      Row += u"<td>";
      Row += DD >= 0 ? FormatFixed1(DD, DecimalSeparator) : u"-";
      Row += u"</td>";
    }
    Row += u"<td></td>";
  }

  std::vector<const Height*> Chosen;
  std::u16string_view DecimalSeparator;
  std::unordered_map<std::u16string, std::u16string> Rows;
  std::u16string Row;   // the row being worked out
  std::u16string Dive;  // the code with one letter, as the calculators get it
};

}  // namespace

void AppendBatchDocument(CStringBuilder& Builder, std::u16string_view Text, BatchBlocks Blocks,
                         std::u16string_view DecimalSeparator) {
  Builder.Append(HeaderRows(ChosenHeights(Blocks)));
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
