#include "report/batch_document.h"

#include <string>
#include <vector>

#include <cerrno>
#include "report/batch_csv.h"
#include "report/html_page.h"
#include "report/number_format.h"

#include "support/file_bytes.h"
#include "support/text_decoding.h"

namespace merrith {
namespace {

constexpr std::u16string_view TableStart =
    u"\uFEFF<table border=1><caption>FINA Merrith Table 2015-2021</caption>";
constexpr std::u16string_view HeaderRowStart = u"<tr><th></th>";
constexpr std::u16string_view TableEnd = u"</table>";

// The captions of the heights are ASCII.
void AppendAscii(std::u16string& Out, std::string_view Text) {
  for (char C : Text) Out += static_cast<char16_t>(C);
}

// Each height spans a column per letter and an empty separator column; under it stand its
// letters and the separator.
std::u16string HtmlHeaderRows(const std::vector<const Height*>& Chosen) {
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

// A value cell: the DD with one decimal, "-" where the dive has none.
std::u16string HtmlCell(double DD, std::u16string_view Separator) {
  return u"<td>" + (DD >= 0 ? FormatFixed1(DD, Separator) : u"-") + u"</td>";
}

// The code as listed, then the cells of each height and the height's empty separator cell
// (Cells' text after each height).
void AppendHtmlRow(std::u16string& Out, std::u16string_view Code, const BatchRow& Row,
                   CellTexts& Cells) {
  Out += u"<tr><td>";
  AppendHtmlText(Out, Code);  // a listed line is text, never markup
  Out += u"</td>";
  Cells.AppendRow(Out, Row);
}

// What one form of the table writes: its head, each row and its cells, its end, and its
// file's extension.
struct TableForm {
  std::u16string (*Head)(const std::vector<const Height*>& Chosen);
  void (*AppendRow)(std::u16string& Out, std::u16string_view Code, const BatchRow& Row,
                    CellTexts& Cells);
  CellTexts::CellFn Cell;
  std::u16string_view AfterHeight;  // after the cells of each height in a row
  std::u16string_view End;
  std::u16string_view Extension;
};

constexpr TableForm Html{HtmlHeaderRows, AppendHtmlRow, HtmlCell, u"<td></td>", TableEnd, u".htm"};
constexpr TableForm Csv{CsvHeaderRow, AppendCsvRow, CsvCell, u"", u"", u".csv"};

const TableForm& FormOf(BatchFormat Format) { return Format == BatchFormat::Csv ? Csv : Html; }

}  // namespace

void AppendBatchDocument(CStringBuilder& Builder, std::u16string_view Text, BatchBlocks Blocks,
                         BatchFormat Format, std::u16string_view DecimalSeparator) {
  const TableForm& Form = FormOf(Format);
  BatchRow Row(Blocks);
  CellTexts Cells(Form.Cell, Form.AfterHeight, DecimalSeparator);
  Builder.Append(Form.Head(Row.ChosenHeights()));
  std::u16string Line;
  ForEachListedCode(Text, [&](const std::u16string& Code) {
    Row.WorkOut(Code);
    Line.clear();
    Form.AppendRow(Line, Code, Row, Cells);
    Builder.Append(Line);
  });
  if (!Form.End.empty()) Builder.Append(Form.End);
}

std::u16string BuildBatchDocument(std::u16string_view Text, BatchBlocks Blocks, BatchFormat Format,
                                  std::u16string_view DecimalSeparator) {
  CStringBuilder Builder;
  AppendBatchDocument(Builder, Text, Blocks, Format, DecimalSeparator);
  return Builder.ToString();
}

std::vector<std::uint8_t> BatchDocumentBytes(const std::vector<std::uint8_t>& List,
                                             BatchBlocks Blocks, BatchFormat Format,
                                             std::u16string_view DecimalSeparator,
                                             LetteredLines* Lettered) {
  const std::u16string Text = mFSO::DecodeText(List, mFSO::CodePageSystem);
  if (Lettered != nullptr) *Lettered = FindLetteredLines(Text);
  CStringBuilder Builder;
  AppendBatchDocument(Builder, Text, Blocks, Format, DecimalSeparator);
  return Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8);
}

FileOutcome WriteBatchTable(std::u16string_view InputPath, BatchBlocks Blocks, BatchFormat Format,
                            std::u16string_view DecimalSeparator, LetteredLines* Lettered) {
  std::vector<std::uint8_t> Page;
  {
    std::vector<std::uint8_t> List;
    // No name is no file, not the standard input.
    if (InputPath.empty()) return {FileStep::Read, ENOENT, {}};
    FileOutcome Read = ReadFileBytes(InputPath, List);
    if (!Read.Done()) return Read;
    Page = BatchDocumentBytes(List, Blocks, Format, DecimalSeparator, Lettered);
  }
  return WriteFileBytes(BatchOutputPath(InputPath, Format), Page);
}

std::u16string BatchOutputPath(std::u16string_view InputPath, BatchFormat Format) {
  return std::u16string(InputPath) + std::u16string(FormOf(Format).Extension);
}

std::u16string BatchMessage(const FileOutcome& Outcome, std::u16string_view InputPath,
                            BatchFormat Format) {
  if (Outcome.Done()) {
    return u"OK, New file name is " + BatchOutputPath(InputPath, Format);
  }
  return u"File Error!!!";
}

}  // namespace merrith
