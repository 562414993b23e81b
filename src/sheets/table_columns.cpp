#include "sheets/table_columns.h"

#include "support/words.h"

namespace merrith {
namespace {

// Whether Word heads Row's column: its own word or one of those people use.
bool Heads(const TableColumnRow& Row, std::u16string_view Word) {
  if (SameWord(Row.Written, Word)) return true;
  for (std::size_t Start = 0; Start < Row.Also.size();) {
    std::size_t End = Row.Also.find(u'|', Start);
    if (End == std::u16string_view::npos) End = Row.Also.size();
    if (SameWord(Row.Also.substr(Start, End - Start), Word)) return true;
    Start = End + 1;
  }
  return false;
}

}  // namespace

std::optional<TableColumn> ColumnHeaded(std::u16string_view Word,
                                        std::span<const ColumnRead> Read) {
  for (const ColumnRead& C : Read)
    if (Heads(ColumnRow(C.Column), Word)) return C.Column;
  return std::nullopt;
}

std::u16string HeaderWords(TableColumn Column) {
  const TableColumnRow& Row = ColumnRow(Column);
  std::u16string Words(Row.Written);
  if (!Row.Also.empty()) Words += u"|" + std::u16string(Row.Also);
  return Words;
}

}  // namespace merrith
