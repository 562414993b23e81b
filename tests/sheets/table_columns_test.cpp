#include "sheets/table_columns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace merrith {
namespace {

// The words of the printed rows head their columns in any case, for a reader that takes them;
// a column it does not take, a word of no row or an empty cell heads none.
TEST(ColumnHeaded, FindsTheColumnsAReaderTakesByTheWordsOfTheirRows) {
  constexpr ColumnRead Read[] = {
      {  TableColumn::Dive,  true},
      {   TableColumn::Pos, false},
      {TableColumn::Height, false},
      {TableColumn::Status, false},
  };
  struct Headed {
    std::u16string_view Word;
    std::optional<TableColumn> Column;
  };
  const Headed Cases[] = {
      {    u"DIVE",   TableColumn::Dive},
      {u"Dive No.",   TableColumn::Dive},
      {  u"number",   TableColumn::Dive},
      {     u"Pos",    TableColumn::Pos},
      {u"POSITION",    TableColumn::Pos},
      {   u"board", TableColumn::Height},
      {  u"status", TableColumn::Status},
      {    u"Team",        std::nullopt},
      {    u"Rank",        std::nullopt},
      {u"dive|pos",        std::nullopt},
      {        u"",        std::nullopt},
  };
  for (const Headed& C : Cases)
    EXPECT_EQ(ColumnHeaded(C.Word, Read), C.Column) << std::string(C.Word.begin(), C.Word.end());
}

TEST(HeaderWords, JoinsTheWrittenWordAndTheOthersOfItsRow) {
  EXPECT_EQ(HeaderWords(TableColumn::Pos), u"pos|pos.|position");
  EXPECT_EQ(HeaderWords(TableColumn::Status), u"status");
}

}  // namespace
}  // namespace merrith
