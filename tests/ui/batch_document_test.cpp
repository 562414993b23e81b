#include "ui/batch_document.h"

#include <gtest/gtest.h>

namespace merrith {
namespace {

std::size_t CountRows(std::u16string_view Document) {
  std::size_t Rows = 0;
  for (std::size_t At = Document.find(u"<tr><td>"); At != std::u16string_view::npos;
       At = Document.find(u"<tr><td>", At + 1)) {
    ++Rows;
  }
  return Rows;
}

TEST(BuildBatchDocument, GivesOneRowPerNonBlankLine) {
  const struct {
    std::u16string_view Text;
    std::size_t Rows;
  } Cases[] = {
      {                  u"", 0},
      { u" \r\n\t\n\u3000\n", 0},
      {          u"105\n105", 2},
      {u"105\r\n\r\n614\r\n", 2},
      {        u"105\r614\r", 1},
  };
  for (const auto& Case : Cases) {
    const std::u16string Document = BuildBatchDocument(Case.Text, BatchBlocks::D, u".");
    EXPECT_EQ(CountRows(Document), Case.Rows) << std::string(Case.Text.begin(), Case.Text.end());
    EXPECT_TRUE(Document.starts_with(u"\uFEFF<table border=1>"));
    EXPECT_TRUE(Document.ends_with(u"</table>"));
  }
}

TEST(BuildBatchDocument, WritesTheListedLineAsTextNotMarkup) {
  const struct {
    std::u16string_view Line;
    std::u16string_view Cell;
  } Cases[] = {
      {     u"a&b",        u"<tr><td>a&amp;b</td>"},
      {u"<script>", u"<tr><td>&lt;script&gt;</td>"},
      {  u"\"1'05", u"<tr><td>&quot;1&#39;05</td>"},
      { u"  105c ",           u"<tr><td>105c</td>"},
  };
  for (const auto& Case : Cases) {
    const std::u16string Document = BuildBatchDocument(Case.Line, BatchBlocks::HD, u".");
    EXPECT_NE(Document.find(Case.Cell), std::u16string::npos);
    EXPECT_EQ(Document.find(u"<s"), std::u16string::npos);
  }
}

TEST(BuildBatchDocument, WritesEachDDWithOneDecimalAndTheGivenSeparator) {
  // 104 at 3 m in positions A to D: 2.4, 2.1, exactly 2, and no free position without twist.
  const std::u16string Document = BuildBatchDocument(u"104", BatchBlocks::D, u",");
  EXPECT_NE(Document.find(u"<td></td><td>2,4</td><td>2,1</td><td>2,0</td><td>-</td><td></td>"),
            std::u16string::npos);
}

}  // namespace
}  // namespace merrith
