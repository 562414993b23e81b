#include "support/table_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/utf8.h"

namespace merrith {
namespace {

using Rows = std::vector<std::pair<std::size_t, std::vector<std::u16string>>>;

// Each table read at the separator its first row uses most.
TEST(ReadTableRows, SplitsRowsAtTheSeparatorTheHeaderUsesAndUndoesQuotes) {
  // clang-format off
  const std::pair<std::u16string_view, Rows> Cases[] = {
      {u"a,\"b,\"\"c\"\"\nd\"\r\n \r\n1;2,3", {{1, {u"a", u"b,\"c\"\nd"}}, {4, {u"1;2", u"3"}}}},
      {u"\"a,b,c\";d\n1,2,3",                  {{1, {u"a,b,c", u"d"}}, {2, {u"1,2,3"}}}},
      {u"\uFEFFa\tb;c\t",                     {{1, {u"a", u"b;c", u""}}}},
      {u"a;b,c",                              {{1, {u"a;b", u"c"}}}},
      {u"diver\n\"\"\n1,2",                   {{1, {u"diver"}}, {2, {u""}}, {3, {u"1", u"2"}}}},
      {u"'=1,'-, '@a ,'x,5\" board,\"a\"b",   {{1, {u"=1", u"-", u"@a", u"'x", u"5\" board",
                                                     u"ab"}}}},
      {u"a,\"b,c\nd\n",                       {{1, {u"a", u"b,c\nd"}}}},
  };
  // clang-format on
  for (const auto& [Text, Expected] : Cases) {
    Rows Read;
    for (TableRow& R : ReadTableRows(Text, FindSeparator(Text)))
      Read.emplace_back(R.Line, std::move(R.Fields));
    EXPECT_EQ(Read, Expected) << ToUtf8(Text);
  }
}

// Whatever a diver's name or a dive's cell holds comes back as it was written.
TEST(AppendTableField, WritesCellsThatReadBackAsTheyWere) {
  const std::vector<std::u16string> Fields = {
      u"=A1",   u"3,4",   u"a;b", u"a\tb", u"say \"hi\"", u"two\r\nlines", u"",
      u"\t105", u"\r105", u"+1",  u"-",    u"@x",         u"Zo\u00EB",     u"\"a\" b"};
  for (const char16_t Separator : {u',', u';', u'\t'}) {
    std::u16string Text;
    for (const std::u16string& Field : Fields) {
      AppendTableField(Text, Field, Separator);
      Text += &Field == &Fields.back() ? u'\n' : Separator;
    }
    const std::vector<TableRow> Read = ReadTableRows(Text + Text, Separator);
    ASSERT_EQ(Read.size(), 2U) << ToUtf8(Text);
    EXPECT_EQ(Read[1].Fields, Fields) << ToUtf8(Text);
    EXPECT_EQ(Read[0].LastLine, 2U) << "the row whose field holds a line break ends a line later";
    EXPECT_EQ(Read[1].Line, 3U) << "after the line break of a field";
  }
  std::u16string Row;
  for (const std::u16string_view Field : {u"=A1", u"3,4", u"a;b", u"\""}) {
    AppendTableField(Row, Field, u';');
    Row += u';';
  }
  EXPECT_EQ(Row, u"'=A1;3,4;\"a;b\";\"\"\"\";");
}

}  // namespace
}  // namespace merrith
