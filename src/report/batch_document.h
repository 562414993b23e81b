#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/batch_row.h"
#include "support/file_outcome.h"
#include "support/string_builder.h"

namespace merrith {

// The forms a batch table is written in.
enum class BatchFormat {
  Html,  // one HTML table on one line, as the window's batch buttons write it
  Csv,   // comma-separated values for spreadsheets: a header row, then a row per listed code
};

// Appends to Builder the table of DDs for every non-blank line of Text (dive numbers without
// their position letter), at every height and position letter of Blocks, beginning with
// U+FEFF. DecimalSeparator goes between the whole and tenth of every DD. As HTML the table is
// one line; as CSV each row ends in CR LF and a field holding a comma, a quote or a line
// break is quoted.
void AppendBatchDocument(CStringBuilder& Builder, std::u16string_view Text, BatchBlocks Blocks,
                         BatchFormat Format, std::u16string_view DecimalSeparator);

// The same table as AppendBatchDocument, as one text.
std::u16string BuildBatchDocument(std::u16string_view Text, BatchBlocks Blocks, BatchFormat Format,
                                  std::u16string_view DecimalSeparator);

// The table of the list whose file holds List (UTF-8, UTF-16 or the system's character set,
// as a list file may be) as a table file holds it: UTF-8 with a leading byte-order mark. With
// Lettered, also the lines of the list that end in a position letter.
std::vector<std::uint8_t> BatchDocumentBytes(const std::vector<std::uint8_t>& List,
                                             BatchBlocks Blocks, BatchFormat Format,
                                             std::u16string_view DecimalSeparator,
                                             LetteredLines* Lettered = nullptr);

// Reads the list of dive numbers at InputPath, builds its table and writes it, UTF-8 with a
// leading byte-order mark, to BatchOutputPath(InputPath, Format); the outcome of the read that
// failed (nothing written; a list without a name cannot be read), else of the write (after a
// failure an earlier table is left as it was). With Lettered, also the lines of the list that
// end in a position letter.
FileOutcome WriteBatchTable(std::u16string_view InputPath, BatchBlocks Blocks, BatchFormat Format,
                            std::u16string_view DecimalSeparator,
                            LetteredLines* Lettered = nullptr);

// The file a batch run writes for InputPath: the same name with ".htm" appended, or ".csv".
std::u16string BatchOutputPath(std::u16string_view InputPath, BatchFormat Format);

// The words that tell the user how a batch run on InputPath ended: the table's name, or
// "File Error!!!" whatever failed.
std::u16string BatchMessage(const FileOutcome& Outcome, std::u16string_view InputPath,
                            BatchFormat Format);

}  // namespace merrith
