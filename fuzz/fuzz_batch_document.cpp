// Any text as a dive list: as HTML the batch table is one line, its two header rows, then one
// row per non-blank line whose first cell is the line as text and whose every other cell is
// the DD of the line with that column's letter at that column's height, whatever the lines
// hold. As CSV it reads back, by the rules of RFC 4180, as the header and the same rows, a code
// that starts like a formula after an apostrophe.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "fuzz_check.h"
#include "report/batch_document.h"
#include "report/number_format.h"
#include "support/trim_white.h"

namespace {

using merrith::BatchBlocks;
using merrith::BatchFormat;
using merrith::fuzz::Occurrences;
using merrith::fuzz::Require;
using Record = std::vector<std::u16string>;

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

// One height of the table: its caption and letters, as the tables of DDs know them.
struct Column {
  std::int32_t HeightIndex;
  std::u16string_view Caption;
  std::u16string_view Letters;
};

constexpr Column Columns[] = {
    {1,   u"1m",  u"ABCD"},
    {2,   u"3m",  u"ABCD"},
    {3,   u"5m",  u"ABCD"},
    {4, u"7.5m",  u"ABCD"},
    {5,  u"10m",  u"ABCD"},
    {6,  u"12m", u"ABCDE"},
    {7,  u"15m", u"ABCDE"},
    {8,  u"20m", u"ABCDE"},
    {9,  u"27m", u"ABCDE"},
};

// The heights of Blocks, in column order.
std::vector<Column> ColumnsOf(BatchBlocks Blocks) {
  std::vector<Column> Chosen;
  for (const Column& C : Columns)
    if ((C.HeightIndex <= 5 && Blocks != BatchBlocks::HD) ||
        (C.HeightIndex > 5 && Blocks != BatchBlocks::D))
      Chosen.push_back(C);
  return Chosen;
}

// The DD of Code with each letter at one height, worked out on its own; empty where the dive
// has none.
Record ExpectedCells(std::u16string_view Code, const Column& C, std::u16string_view Separator) {
  Record Cells;
  for (const char16_t Letter : C.Letters) {
    const std::u16string Dive = std::u16string(Code) + Letter;
    const double Dd = C.HeightIndex > 5 ? merrith::CalcHDD(Dive, C.HeightIndex)
                                        : merrith::CalcDD(Dive, C.HeightIndex);
    Cells.push_back(Dd >= 0 ? merrith::FormatFixed1(Dd, Separator) : u"");
  }
  return Cells;
}

// The non-blank lines of Text, trimmed, in order.
std::vector<std::u16string> ListedCodes(std::u16string_view Text) {
  std::vector<std::u16string> Codes;
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(u'\n', Start);
    std::u16string Code =
        merrith::mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    if (!Code.empty()) Codes.push_back(std::move(Code));
    if (End == std::u16string_view::npos) return Codes;
    Start = End + 1;
  }
}

// The HTML rows of the listed codes, each height's cells followed by an empty separator cell.
std::u16string ExpectedHtmlRows(const std::vector<std::u16string>& Codes, BatchBlocks Blocks,
                                std::u16string_view Separator) {
  std::u16string Rows;
  for (const std::u16string& Code : Codes) {
    Rows += u"<tr><td>" + Escaped(Code) + u"</td>";
    for (const Column& C : ColumnsOf(Blocks)) {
      for (const std::u16string& Cell : ExpectedCells(Code, C, Separator))
        Rows += u"<td>" + (Cell.empty() ? u"-" : Cell) + u"</td>";
      Rows += u"<td></td>";
    }
  }
  return Rows;
}

void CheckHtml(const std::u16string& Text, BatchBlocks Blocks, std::u16string_view Separator) {
  const std::u16string Document =
      merrith::BuildBatchDocument(Text, Blocks, BatchFormat::Html, Separator);
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
  Require(Occurrences(Header, u"<tr>") == 2 && Occurrences(Header, u"<td>") == 0,
          "two header rows");
  Require(Body == ExpectedHtmlRows(ListedCodes(Text), Blocks, Separator),
          "every row is its line as text, then the DD of every letter at every height");
}

// The records of CSV text by RFC 4180: fields apart at commas, each record ended by CR LF, a
// quoted field's doubled quote one quote. Nothing when the text breaks those rules.
std::optional<std::vector<Record>> ReadCsv(std::u16string_view Text) {
  std::vector<Record> Records;
  Record Fields;
  std::u16string Field;
  std::size_t I = 0;
  while (I < Text.size()) {
    if (Text[I] == u'"') {
      for (++I;; ++I) {
        if (I == Text.size()) return std::nullopt;  // a quote left open
        if (Text[I] == u'"' && Text.substr(I, 2) != u"\"\"") break;
        if (Text[I] == u'"') ++I;  // the first of a doubled quote
        Field += Text[I];
      }
      ++I;  // the closing quote
    } else {
      for (; I < Text.size() && Text[I] != u',' && Text[I] != u'\r'; ++I) {
        if (Text[I] == u'"' || Text[I] == u'\n') return std::nullopt;  // should have been quoted
        Field += Text[I];
      }
    }
    Fields.push_back(std::exchange(Field, {}));
    if (Text.substr(I, 2) == u"\r\n") {
      Records.push_back(std::exchange(Fields, {}));
      I += 2;
    } else if (I < Text.size() && Text[I] == u',') {
      ++I;
    } else {
      return std::nullopt;  // a lone CR, or no line end after the last record
    }
  }
  if (!Fields.empty()) return std::nullopt;
  return Records;
}

void CheckCsv(const std::u16string& Text, BatchBlocks Blocks, std::u16string_view Separator) {
  const std::u16string Document =
      merrith::BuildBatchDocument(Text, Blocks, BatchFormat::Csv, Separator);
  Require(Document.starts_with(u"\uFEFF"), "the CSV starts with the byte-order mark");
  const std::optional<std::vector<Record>> Records =
      ReadCsv(std::u16string_view(Document).substr(1));
  Require(Records.has_value(), "the CSV keeps the rules of RFC 4180");

  std::vector<Record> Wanted(1, Record{u"code"});
  for (const Column& C : ColumnsOf(Blocks))
    for (const char16_t Letter : C.Letters)
      Wanted[0].push_back(std::u16string(C.Caption) + u' ' + Letter);
  for (const std::u16string& Code : ListedCodes(Text)) {
    // A code that a spreadsheet would take for a formula comes after an apostrophe.
    const bool Formula = std::u16string_view(u"=+-@\t\r").find(Code[0]) != std::u16string::npos;
    Record& Row = Wanted.emplace_back(Record{Formula ? u"'" + Code : Code});
    for (const Column& C : ColumnsOf(Blocks))
      for (std::u16string& Cell : ExpectedCells(Code, C, Separator)) Row.push_back(std::move(Cell));
  }
  Require(*Records == Wanted, "a header, then every line as its code and the DD of every letter");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const auto Blocks = static_cast<BatchBlocks>(Data[0] % 3);
  const std::u16string_view Separator = (Data[0] & 0x80) != 0 ? u"," : u".";
  const std::u16string Text = merrith::fuzz::UnitsFromBytes(Data + 1, Size - 1);
  if ((Data[0] & 0x40) != 0)
    CheckCsv(Text, Blocks, Separator);
  else
    CheckHtml(Text, Blocks, Separator);
  return 0;
}
