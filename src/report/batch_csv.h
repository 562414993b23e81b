#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "difficulty/heights.h"
#include "report/batch_row.h"

namespace merrith {

// The first line of a batch table as CSV: U+FEFF, then "code" and a column per height and
// letter of Chosen, named as "3m B", ending in CR LF.
std::u16string CsvHeaderRow(const std::vector<const Height*>& Chosen);

// A value cell as a CSV field after its comma: the DD with one decimal, empty where the dive
// has none.
std::u16string CsvCell(double DD, std::u16string_view Separator);

// Appends to Out the CSV line of Code, whose DDs Row has just worked out: the code, then each
// value cell, its text from Cells (made with CsvCell, nothing after a height), ending in CR LF.
void AppendCsvRow(std::u16string& Out, std::u16string_view Code, const BatchRow& Row,
                  CellTexts& Cells);

// Appends Field to Out as one CSV field: as it is, or in quotes with each quote doubled when
// it holds a comma, a quote or a line break; after an apostrophe when it starts like a formula
// (=, +, -, @, a tab or a carriage return), which a spreadsheet would otherwise run.
void AppendCsvField(std::u16string& Out, std::u16string_view Field);

}  // namespace merrith
