#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/string_builder.h"

namespace merrith {

// The column blocks of a batch table, numbered as the window's batch buttons.
enum class BatchBlocks : std::int16_t {
  D = 0,       // springboard and platform, 1 m to 10 m
  HD = 1,      // high diving, 12 m to 27 m
  DAndHD = 2,  // both, springboard and platform first
};

// Appends to Builder the HTML table of DDs for every non-blank line of Text (dive numbers
// without their position letter), at every height and position letter of Blocks, as one line
// that begins with U+FEFF. DecimalSeparator goes between the whole and tenth of every DD.
void AppendBatchDocument(CStringBuilder& Builder, std::u16string_view Text, BatchBlocks Blocks,
                         std::u16string_view DecimalSeparator);

// The same table as AppendBatchDocument, as one text.
std::u16string BuildBatchDocument(std::u16string_view Text, BatchBlocks Blocks,
                                  std::u16string_view DecimalSeparator);

// What became of one batch run.
enum class BatchOutcome {
  Written,      // the table was written to the output file
  ReadFailed,   // the list could not be read (missing, unreadable, no name); nothing written
  WriteFailed,  // the output file could not be written; an earlier one is left as it was
};

// Reads the list of dive numbers at InputPath, builds its table and writes it, UTF-8 with a
// leading byte-order mark, to BatchOutputPath(InputPath).
BatchOutcome WriteBatchTable(std::u16string_view InputPath, BatchBlocks Blocks,
                             std::u16string_view DecimalSeparator);

// The file a batch run writes for InputPath: the same name with ".htm" appended.
std::u16string BatchOutputPath(std::u16string_view InputPath);

// The words that tell the user how a batch run on InputPath ended.
std::u16string BatchMessage(BatchOutcome Outcome, std::u16string_view InputPath);

}  // namespace merrith
