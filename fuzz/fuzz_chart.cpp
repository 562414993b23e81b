// Any text as a dive list for the chart: every non-blank line is either charted or left out
// with a message that holds no control character; each dive has at most one row a board, and
// the page ends as it began, whatever the lines hold.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "report/chart.h"
#include "report/html_page.h"
#include "support/trim_white.h"

namespace {

using merrith::fuzz::Occurrences;
using merrith::fuzz::Require;

std::size_t NonBlankLines(std::u16string_view Text) {
  std::size_t Lines = 0;
  for (std::size_t Start = 0; Start <= Text.size();) {
    const std::size_t End = std::min(Text.find(u'\n', Start), Text.size());
    if (!merrith::mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start))).empty())
      ++Lines;
    Start = End + 1;
  }
  return Lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 2) return 0;
  // The first two bytes choose: a bit for each height, and one for the names.
  const unsigned Bits = Data[0] | static_cast<unsigned>(Data[1]) << 8;
  merrith::ChartChoice Choice;
  for (std::int32_t Index = 1; Index <= 9; ++Index)
    if ((Bits >> (Index - 1) & 1) != 0) Choice.Heights.push_back(Index);
  Choice.Names = (Bits & 0x8000) != 0;
  const std::u16string Text = merrith::fuzz::UnitsFromBytes(Data + 2, Size - 2);

  const merrith::ChartList List = merrith::ReadChartList(Text);
  Require(List.Dives.size() + List.LeftOut.size() == NonBlankLines(Text),
          "every non-blank line is charted or left out");
  for (const merrith::LeftOutLine& Line : List.LeftOut)
    for (char16_t C : merrith::LeftOutMessage(Line))
      Require(C >= u' ' && (C < u'\x7F' || C > u'\x9F'), "a message holds no control character");

  const std::u16string Page = merrith::BuildChart(List.Dives, Choice);
  Require(Page.starts_with(u"<!DOCTYPE html>") && Page.ends_with(merrith::PageEnd),
          "the page is whole");
  Require(Occurrences(Page, u"<tr><td class=no>") <= 3 * List.Dives.size(),
          "each dive has at most one row a board");
  return 0;
}
