#include "window/main_window.h"

#include "report/batch_document.h"

namespace merrith {

void CMainWindow::Form_Load() { HeightIndex = InitialHeightIndex; }

void CMainWindow::optH_Click(std::int16_t Index) {
  if (HeightAt(Index) != nullptr) HeightIndex = Index;
}

ResultBox CMainWindow::cmdOK_Click(std::u16string_view Typed,
                                   std::u16string_view DecimalSeparator) const {
  return ExplainCode(Typed, HeightIndex, DecimalSeparator);
}

// The calculators are handed each height of the table in turn, so the user's HeightIndex is
// never touched by a run.
std::u16string CMainWindow::cmdGenTbl_Click(std::int16_t Index, std::u16string_view FileName,
                                            std::u16string_view DecimalSeparator) const {
  const BatchOutcome Outcome = WriteBatchTable(FileName, static_cast<BatchBlocks>(Index),
                                               BatchFormat::Html, DecimalSeparator);
  return BatchMessage(Outcome, FileName, BatchFormat::Html);
}

}  // namespace merrith
