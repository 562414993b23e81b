// Any text as a dive list: the batch table is always one well-formed HTML table with one row
// per non-blank line, whatever the lines hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "support/trim_white.h"
#include "window/batch_document.h"

namespace {

using merrith::fuzz::Require;

std::size_t Count(std::u16string_view Text, std::u16string_view What) {
  std::size_t Found = 0;
  for (std::size_t At = Text.find(What); At != std::u16string_view::npos;
       At = Text.find(What, At + What.size())) {
    ++Found;
  }
  return Found;
}

std::size_t NonBlankLines(std::u16string_view Text) {
  std::size_t Lines = 0;
  std::size_t Start = 0;
  for (;;) {
    const std::size_t End = Text.find(u'\n', Start);
    const std::u16string_view Line = Text.substr(Start, End - Start);
    if (!merrith::mXMLParser::TrimWhite(std::u16string(Line)).empty()) ++Lines;
    if (End == std::u16string_view::npos) return Lines;
    Start = End + 1;
  }
}

// Cells per row: the code, then four letters and a separator for each of five heights,
// five letters and a separator for each of four high-diving heights.
std::size_t CellsPerRow(merrith::BatchBlocks Blocks) {
  switch (Blocks) {
    case merrith::BatchBlocks::D:
      return 1 + 5 * 5;
    case merrith::BatchBlocks::HD:
      return 1 + 4 * 6;
    case merrith::BatchBlocks::DAndHD:
      return 1 + 5 * 5 + 4 * 6;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const auto Blocks = static_cast<merrith::BatchBlocks>(Data[0] % 3);
  const std::u16string_view Separator = (Data[0] & 0x80) != 0 ? u"," : u".";
  const std::u16string Text = merrith::fuzz::UnitsFromBytes(Data + 1, Size - 1);

  const std::u16string Document = merrith::BuildBatchDocument(Text, Blocks, Separator);
  const std::u16string_view Head =
      u"\uFEFF<table border=1><caption>FINA Merrith Table 2015-2021</caption>";
  const std::u16string_view Tail = u"</table>";
  Require(Document.starts_with(Head), "the table starts with the mark and the caption");
  Require(Document.ends_with(Tail), "the table ends with </table>");
  Require(Document.find(u'\n') == std::u16string::npos, "the table is one line");

  const std::size_t Rows = NonBlankLines(Text);
  Require(Count(Document, u"<tr>") == Rows + 2, "one row per non-blank line after two headers");
  Require(Count(Document, u"<td>") == Rows * CellsPerRow(Blocks),
          "every row has the cells of its blocks, and no code adds cells of its own");
  return 0;
}
