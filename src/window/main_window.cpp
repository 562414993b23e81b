#include "window/main_window.h"

#include <cerrno>
#include <utility>
#include <vector>

#include "report/batch_document.h"
#include "support/utf8.h"
#include "window/paths.h"

namespace merrith {

CMainWindow::CMainWindow() : Documents(InstalledDocuments()) {}

CMainWindow::CMainWindow(Dialogs Answers, DocumentRooms Rooms)
    : Asks(std::move(Answers)), Documents(std::move(Rooms)) {}

void CMainWindow::SetDialogs(Dialogs Answers) { Asks = std::move(Answers); }

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
                                            std::u16string_view DecimalSeparator) {
  const FileOutcome Outcome = WriteBatchTable(FileName, static_cast<BatchBlocks>(Index),
                                              BatchFormat::Html, DecimalSeparator);
  if (Outcome.Done()) LastTable = AbsolutePath(BatchOutputPath(FileName, BatchFormat::Html));
  return BatchMessage(Outcome, FileName, BatchFormat::Html);
}

std::optional<std::u16string> CMainWindow::mnuOpenList_Click(std::u16string_view FileName) const {
  return Asks.AskOpenPath(ListToOpen, FileName);
}

std::optional<std::u16string> CMainWindow::mnuOpenSheet_Click() const {
  return Asks.AskOpenPath(SheetToOpen, u"");
}

void CMainWindow::ShowChart(std::u16string_view ListPath, std::u16string_view ChartPath) const {
  ShowWrittenPage(Asks, Documents.Chart(ListPath, ChartPath), ChartPath);
}

// An empty file name is no list: the chart of every dive has a menu item of its own.
void CMainWindow::mnuChartList_Click(std::u16string_view FileName) const {
  if (FileName.empty()) {
    Asks.Message(FileMessage({FileStep::Read, ENOENT, {}}));
    return;
  }
  ShowChart(FileName, std::u16string(FileName) + u".chart.htm");
}

void CMainWindow::mnuChartAll_Click() const {
  ShowChart(u"", TemporaryPath(u"every dive.chart.htm"));
}

void CMainWindow::mnuLastTable_Click() const {
  if (LastTable.empty()) {
    Asks.Message(u"No table written yet: press D, HD or D+HD first.");
  } else {
    ShowPage(Asks, LastTable);
  }
}

void CMainWindow::mnuAbout_Click() const {
  Asks.Message(AboutText(Documents.Sheets.RulesFolder()));
}

// The rules are read once, so a file put right counts from the next start.
void CMainWindow::SheetOpening() {
  if (FaultsTold) return;
  FaultsTold = true;
  const std::vector<std::u16string> Faults = Documents.Sheets.RulesFaults();
  if (Faults.empty()) return;
  std::u16string Text = u"These rules files have faults, and their events are left out:\n";
  for (const std::u16string& Fault : Faults) Text += u"\n" + Fault;
  Asks.Message(Text + u"\n\nPut them right and start Merrith again to use them.");
}

std::optional<std::u16string> CMainWindow::mnu_Click(WindowCommand Command,
                                                     std::u16string_view FileName) const {
  switch (Command) {
    case WindowCommand::OpenList:
      return mnuOpenList_Click(FileName);
    case WindowCommand::ChartOfList:
      mnuChartList_Click(FileName);
      break;
    case WindowCommand::ChartOfEveryDive:
      mnuChartAll_Click();
      break;
    case WindowCommand::OpenLastTable:
      mnuLastTable_Click();
      break;
    case WindowCommand::About:
      mnuAbout_Click();
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::u16string AboutText(std::u16string_view RulesFolder) {
  std::u16string Text = u"Merrith " + DecodeUtf8(std::string_view(MERRITH_VERSION)) +
                        u"\nDegree of difficulty of competitive dives\n\n"
                        u"DD tables of the FINA rule cycle 2015-2021.\n"
                        u"Dive sheets and competitions are checked against the World Aquatics "
                        u"Diving Rules 2024, unless they name the FINA Diving Rules 2017-2021 "
                        u"(Book: fina-2017-2021).\n";
  if (!RulesFolder.empty())
    Text += u"Your own event rules are read from " + std::u16string(RulesFolder) + u"\n";
  Text += u"\nMIT License. Copyright the Merrith developers.";
  return Text;
}

}  // namespace merrith
