#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// One row of a table: the line it starts on (from 1) and its fields, quotes undone.
struct TableRow {
  std::size_t Line = 0;
  std::vector<std::u16string> Fields;
  std::size_t LastLine = 0;  // the line it ends on: later than Line where a quote holds a break
};

// The separator of a table whose header row is Header: the one of ',' ';' and tab that stands
// most often outside quotes in that row (what follows its first line feed outside quotes is not
// looked at, so the whole table may be passed). A tie goes to the first of ',' ';' tab, and a
// row without any of them is read at commas. A spreadsheet saved where the comma is the decimal
// mark separates with ';'; one copied out of a spreadsheet, with tabs.
char16_t FindSeparator(std::u16string_view Header);

// The rows of Text, fields apart at Separator, in quotes where they hold the separator, quotes
// ("") or line breaks; a row ends at a line feed outside quotes (CR LF too); blank lines are no
// rows; a leading byte-order mark is dropped. Fields are trimmed of white space, and a
// spreadsheet's protecting apostrophe before = + - @ tab or CR is dropped. Only a field's first
// unit opens quotes (a quote further in is text); quotes left open run to the end of the text,
// whose last field then holds the rest of it, line breaks and separators too.
std::vector<TableRow> ReadTableRows(std::u16string_view Text, char16_t Separator);

// Appends Field to Out as a cell of a row apart at Separator: in quotes, each quote doubled,
// where it holds the separator, a quote or a line break, and with an apostrophe before = + - @
// tab CR so that no spreadsheet runs it as a formula. ReadTableRows gives back any field without
// white space at either end that does not itself start with such an apostrophe.
void AppendTableField(std::u16string& Out, std::u16string_view Field, char16_t Separator);

}  // namespace merrith
