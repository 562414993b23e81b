#include "report/batch_csv.h"

#include "report/number_format.h"

namespace merrith {
namespace {

// Spreadsheet programs on Windows read a file without it in the ANSI code page.
constexpr std::u16string_view ByteOrderMark = u"\uFEFF";
constexpr std::u16string_view LineEnd = u"\r\n";

}  // namespace

std::u16string CsvHeaderRow(const std::vector<const Height*>& Chosen) {
  std::u16string Row(ByteOrderMark);
  Row += u"code";
  std::u16string Name;
  for (const Height* H : Chosen)
    for (char16_t Letter : H->Letters) {
      Name.assign(H->Caption.begin(), H->Caption.end());  // captions are ASCII
      Name += u' ';
      Name += Letter;
      Row += u',';
      AppendCsvField(Row, Name);
    }
  return Row += LineEnd;
}

std::u16string CsvCell(double DD, std::u16string_view Separator) {
  std::u16string Field(u",");
  if (DD >= 0) AppendCsvField(Field, FormatFixed1(DD, Separator));
  return Field;
}

void AppendCsvRow(std::u16string& Out, std::u16string_view Code, const BatchRow& Row,
                  CellTexts& Cells) {
  AppendCsvField(Out, Code);
  Cells.AppendRow(Out, Row);
  Out += LineEnd;
}

void AppendCsvField(std::u16string& Out, std::u16string_view Field) {
  // A spreadsheet takes a field that starts so for a formula and runs it; after an apostrophe
  // it shows the field as text. No dive number and no DD starts so.
  const bool Formula = !Field.empty() &&
                       std::u16string_view(u"=+-@\t\r").find(Field[0]) != std::u16string_view::npos;
  const std::u16string_view Mark = Formula ? u"'" : u"";
  if (Field.find_first_of(u",\"\r\n") == std::u16string_view::npos) {
    Out += Mark;
    Out += Field;
    return;
  }
  Out += u'"';
  Out += Mark;
  for (char16_t Unit : Field) {
    if (Unit == u'"') Out += u'"';
    Out += Unit;
  }
  Out += u'"';
}

}  // namespace merrith
