#include "report/batch_csv.h"

#include <gtest/gtest.h>

#include <string>

#include "report/batch_document.h"

namespace merrith {
namespace {

std::string Narrow(std::u16string_view Text) { return {Text.begin(), Text.end()}; }

std::u16string Field(std::u16string_view Text) {
  std::u16string Out;
  AppendCsvField(Out, Text);
  return Out;
}

// (cli_table_test's hand-checked table has codes with a comma, a quote, a carriage return and
// a letter beyond ASCII.)
TEST(AppendCsvField, QuotesFieldsWithACommaAQuoteOrALineBreakAndDisarmsFormulas) {
  struct Quoted {
    std::u16string_view Text;
    std::u16string_view Field;
  };
  // clang-format off
  const Quoted Cases[] = {
      {u"",                               u""},
      {u"a&b <td>",                       u"a&b <td>"},
      {u"\"",                             u"\"\"\"\""},
      {u"x\ny",                           u"\"x\ny\""},
      {u"=HYPERLINK(\"http://x\",\"105\")", u"\"'=HYPERLINK(\"\"http://x\"\",\"\"105\"\")\""},
      {u"+1",                             u"'+1"},
      {u"-1",                             u"'-1"},
      {u"@SUM(A1)",                       u"'@SUM(A1)"},
      {u"\t105",                          u"'\t105"},
      {u"\r105",                          u"\"'\r105\""},
      {u"1-2+3",                          u"1-2+3"},
  };
  // clang-format on
  for (const Quoted& C : Cases) EXPECT_EQ(Field(C.Text), C.Field) << Narrow(C.Field);
}

// The spreadsheet's rows: the header, then each listed code's DDs in the columns of the HTML
// table without its separator columns, an empty field for "-", CR LF after every row.
TEST(BuildBatchDocument, WritesCsvRowsForEveryListedCode) {
  const std::u16string Csv =
      BuildBatchDocument(u"  104\r\n\n614\nx\n6199", BatchBlocks::HD, BatchFormat::Csv, u",");
  const std::u16string_view Rows[] = {
      u"code,12m A,12m B,12m C,12m D,12m E,15m A,15m B,15m C,15m D,15m E,20m A,20m B,20m C,"
      u"20m D,20m E,27m A,27m B,27m C,27m D,27m E\r\n",
      // position E is a high dive's own: 0.1 more than pike at two somersaults
      u"104,\"3,1\",\"2,9\",\"2,7\",,\"3,0\",\"3,2\",\"3,0\",\"2,8\",,\"3,1\","
      u"\"3,3\",\"3,1\",\"2,9\",,\"3,2\",\"3,4\",\"3,2\",\"3,0\",,\"3,3\"\r\n",
      u"614,,,,,,,,,,,,,,,,,,,,\r\n",
      u"x,,,,,,,,,,,,,,,,,,,,\r\n",
      // armstand forward 4 1/2 somersaults 4 1/2 twists: DDs of 10 and more too
      u"6199,,,,,,,,,,,,\"10,4\",\"9,9\",,,,\"9,6\",\"9,1\",,\r\n",
  };
  std::u16string Wanted(u"\uFEFF");
  for (std::u16string_view Row : Rows) Wanted += Row;
  EXPECT_EQ(Narrow(Csv), Narrow(Wanted));
}

// A decimal separator of any length, and a DD of 10 or more, reach the cells as a comma does.
TEST(BuildBatchDocument, WritesALongDecimalSeparatorAsItWritesAComma) {
  const std::u16string_view Long = u"<decimal separator>";
  std::u16string Wanted;
  for (char16_t Unit :
       BuildBatchDocument(u"105\n6199", BatchBlocks::DAndHD, BatchFormat::Html, u","))
    Wanted += Unit == u',' ? Long : std::u16string_view(&Unit, 1);
  EXPECT_EQ(Narrow(BuildBatchDocument(u"105\n6199", BatchBlocks::DAndHD, BatchFormat::Html, Long)),
            Narrow(Wanted));
}

}  // namespace
}  // namespace merrith
