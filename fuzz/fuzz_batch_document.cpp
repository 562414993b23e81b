// Any text as a dive list: the batch table is one line, its two header rows, then one row per
// non-blank line whose first cell is the line as text and whose every other cell is the DD of
// the line with that column's letter at that column's height, whatever the lines hold.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "fuzz_check.h"
#include "support/trim_white.h"
#include "window/batch_document.h"
#include "window/number_format.h"

namespace {

using merrith::BatchBlocks;
using merrith::fuzz::Require;

std::size_t Count(std::u16string_view Text, std::u16string_view What) {
  std::size_t Found = 0;
  for (std::size_t At = Text.find(What); At != std::u16string_view::npos;
       At = Text.find(What, At + What.size())) {
    ++Found;
  }
  return Found;
}

// The line as a cell shows it: markup characters as entities.
std::u16string Escaped(std::u16string_view Line) {
  constexpr std::pair<char16_t, std::u16string_view> Entities[] = {
      { u'&',  u"&amp;"},
      { u'<',   u"&lt;"},
      { u'>',   u"&gt;"},
      { u'"', u"&quot;"},
      {u'\'',  u"&#39;"}
  };
  std::u16string Text;
  for (const char16_t Unit : Line) {
    const auto* Entity = std::find_if(std::begin(Entities), std::end(Entities),
                                      [Unit](const auto& E) { return E.first == Unit; });
    if (Entity == std::end(Entities))
      Text += Unit;
    else
      Text += Entity->second;
  }
  return Text;
}

// The row of one listed code, worked out on its own: the heights 1 m to 10 m with the letters
// A to D and 12 m to 27 m with A to E, each followed by an empty separator cell.
std::u16string ExpectedRow(std::u16string_view Code, BatchBlocks Blocks,
                           std::u16string_view Separator) {
  const std::int32_t First = Blocks == BatchBlocks::HD ? 6 : 1;
  const std::int32_t Last = Blocks == BatchBlocks::D ? 5 : 9;
  std::u16string Row = u"<tr><td>" + Escaped(Code) + u"</td>";
  for (std::int32_t HeightIndex = First; HeightIndex <= Last; ++HeightIndex) {
    const bool HighDiving = HeightIndex > 5;
    for (const char16_t Letter : std::u16string_view(HighDiving ? u"ABCDE" : u"ABCD")) {
      const std::u16string Dive = std::u16string(Code) + Letter;
      const double Dd =
          HighDiving ? merrith::CalcHDD(Dive, HeightIndex) : merrith::CalcDD(Dive, HeightIndex);
      Row += u"<td>" + (Dd >= 0 ? merrith::FormatFixed1(Dd, Separator) : u"-") + u"</td>";
    }
    Row += u"<td></td>";
  }
  return Row;
}

// The rows of the non-blank lines of Text, in order, as the table should hold them.
std::u16string ExpectedRows(std::u16string_view Text, BatchBlocks Blocks,
                            std::u16string_view Separator) {
  std::u16string Rows;
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(u'\n', Start);
    const std::u16string Code =
        merrith::mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    if (!Code.empty()) Rows += ExpectedRow(Code, Blocks, Separator);
    if (End == std::u16string_view::npos) return Rows;
    Start = End + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const auto Blocks = static_cast<BatchBlocks>(Data[0] % 3);
  const std::u16string_view Separator = (Data[0] & 0x80) != 0 ? u"," : u".";
  const std::u16string Text = merrith::fuzz::UnitsFromBytes(Data + 1, Size - 1);

  const std::u16string Document =
      merrith::BuildBatchDocument(Text, Blocks, merrith::BatchFormat::Html, Separator);
  const std::u16string_view Head =
      u"\uFEFF<table border=1><caption>FINA Merrith Table 2015-2021</caption>";
  const std::u16string_view Tail = u"</table>";
  Require(Document.starts_with(Head), "the table starts with the mark and the caption");
  Require(Document.ends_with(Tail), "the table ends with </table>");
  Require(Document.find(u'\n') == std::u16string::npos, "the table is one line");

  // The header rows hold no <td>, and no escaped code can hold markup of its own.
  const std::size_t BodyAt = std::min(Document.find(u"<tr><td>"), Document.size() - Tail.size());
  const std::u16string_view Header = std::u16string_view(Document).substr(0, BodyAt);
  const std::u16string_view Body =
      std::u16string_view(Document).substr(BodyAt, Document.size() - Tail.size() - BodyAt);
  Require(Count(Header, u"<tr>") == 2 && Count(Header, u"<td>") == 0, "two header rows");
  Require(Body == ExpectedRows(Text, Blocks, Separator),
          "every row is its line as text, then the DD of every letter at every height");
  return 0;
}
