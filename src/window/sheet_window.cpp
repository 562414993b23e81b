#include "window/sheet_window.h"

#include <cstdint>
#include <utility>

#include "report/competition_faults.h"
#include "support/file_outcome.h"
#include "support/text_decoding.h"
#include "support/utf8.h"
#include "support/words.h"
#include "window/paths.h"

namespace merrith {

CSheetWindow::CSheetWindow(SheetFunctions Functions, Dialogs Answers)
    : Sheets(std::move(Functions)), Asks(std::move(Answers)), SavedText(Text()) {
  ListBooks();
  ListEvents();
}

std::u16string CSheetWindow::Name() const {
  return FilePath.empty() ? u"Untitled" : FileNameOf(FilePath);
}

std::u16string CSheetWindow::Caption() const {
  return u"Dive sheet - " + Name() + (Changed() ? u"*" : u"");
}

bool CSheetWindow::Changed() const { return Text() != SavedText; }

std::u16string CSheetWindow::Text() const { return SheetFileText(Sheet, u"\n"); }

std::u16string CSheetWindow::Report() const { return Sheets.Report(Text()); }

int CSheetWindow::EventRow() const {
  for (std::size_t Row = 0; Row < Events.size(); ++Row)
    if (!Sheet.EventId.empty() && Events[Row].Id == Sheet.EventId) return static_cast<int>(Row);
  return -1;
}

int CSheetWindow::BookRow() const {
  const std::u16string_view Id = Sheet.BookId.empty() ? DefaultBookId : Sheet.BookId;
  for (std::size_t Row = 0; Row < Books.size(); ++Row)
    if (SameWord(Books[Row].Id, Id)) return static_cast<int>(Row);
  return -1;
}

bool CSheetWindow::DiversOffered() const {
  const int Row = EventRow();
  return !Sheet.Divers.empty() || (Row >= 0 && Events[static_cast<std::size_t>(Row)].Team);
}

void CSheetWindow::ListBooks() {
  Books = Sheets.Books();
  if (!Sheet.BookId.empty() && BookRow() < 0) Books.push_back({Sheet.BookId, Sheet.BookId});
}

void CSheetWindow::ListEvents() {
  Events = Sheets.Events(Sheet.BookId.empty() ? DefaultBookId : Sheet.BookId);
  if (!Sheet.EventId.empty() && EventRow() < 0) Events.push_back({Sheet.EventId, Sheet.EventId});
}

// The default book is the one a sheet without a Book: line is checked against.
void CSheetWindow::cboBook_Click(int Row) {
  if (Row < 0 || static_cast<std::size_t>(Row) >= Books.size()) return;
  const std::u16string& Id = Books[static_cast<std::size_t>(Row)].Id;
  Sheet.BookId = SameWord(Id, DefaultBookId) ? u"" : Id;
  ListEvents();
}

// No entry picked is no event.
void CSheetWindow::cboEvent_Click(int Row) {
  if (Row < 0) {
    Sheet.EventId.clear();
  } else if (static_cast<std::size_t>(Row) < Events.size()) {
    Sheet.EventId = Events[static_cast<std::size_t>(Row)].Id;
  }
}

void CSheetWindow::txDiver_Change(std::u16string_view Typed) { Sheet.Diver = Typed; }

void CSheetWindow::txDivers_Change(std::u16string_view Typed) { Sheet.Divers = Typed; }

void CSheetWindow::txDives_Change(std::u16string_view Typed) { Sheet.Dives = Typed; }

bool CSheetWindow::Load(std::u16string_view FileName) {
  std::vector<std::uint8_t> Bytes;
  if (const FileOutcome Read = ReadDocumentBytes(FileName, Bytes); !Read.Done()) {
    Asks.Message(FileMessage(Read));
    return false;
  }
  mFSO::DecodedDocument Decoded = mFSO::DecodeDocument(Bytes);
  if (!Decoded.FellBackTo.empty())
    Asks.Message(ReadNoteText({u"", ReadNoteKind::NotUtf8, Decoded.FellBackTo}, FileName));
  Sheet = ReadSheetFields(Decoded.Text);
  FilePath = FileName;
  SavedText = Text();
  ListBooks();
  ListEvents();
  return true;
}

void CSheetWindow::cmdOpen_Click() {
  if (!Form_QueryUnload()) return;
  if (const auto Chosen = Asks.AskOpenPath(SheetToOpen, FilePath)) Load(*Chosen);
}

bool CSheetWindow::SaveTo(std::u16string_view FileName) {
  std::vector<std::uint8_t> Bytes{0xEF, 0xBB, 0xBF};
  AppendUtf8(SheetFileText(Sheet, SheetLineEnd), Bytes);
  if (const FileOutcome Written = WriteFileBytes(FileName, Bytes); !Written.Done()) {
    Asks.Message(FileMessage(Written));
    return false;
  }
  FilePath = FileName;
  SavedText = Text();
  return true;
}

bool CSheetWindow::cmdSave_Click() {
  return FilePath.empty() ? cmdSaveAs_Click() : SaveTo(FilePath);
}

bool CSheetWindow::cmdSaveAs_Click() {
  const auto Chosen = Asks.AskSavePath(SheetToSave, FilePath.empty() ? u"Untitled.txt" : FilePath);
  return Chosen && SaveTo(*Chosen);
}

void CSheetWindow::cmdPrint_Click() {
  const std::u16string Page =
      FilePath.empty() ? TemporaryPath(u"Untitled dive sheet.htm") : FilePath + u".htm";
  ShowWrittenPage(Asks, Sheets.WritePage(Text(), Page), Page);
}

void CSheetWindow::cmdCopy_Click() { Asks.CopyText(Report()); }

bool CSheetWindow::Form_QueryUnload() {
  if (!Changed()) return true;
  switch (Asks.AskToSave(Name())) {
    case SaveAnswer::Save:
      return cmdSave_Click();
    case SaveAnswer::DontSave:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

SheetRedraw CSheetWindow::Run(WindowCommand Command) {
  switch (Command) {
    case WindowCommand::SheetOpen:
      cmdOpen_Click();
      return SheetRedraw::Sheet;
    case WindowCommand::SheetSave:
      cmdSave_Click();
      return SheetRedraw::Caption;
    case WindowCommand::SheetSaveAs:
      cmdSaveAs_Click();
      return SheetRedraw::Caption;
    case WindowCommand::SheetPrint:
      cmdPrint_Click();
      break;
    case WindowCommand::SheetCopyReport:
      cmdCopy_Click();
      break;
    default:
      break;
  }
  return SheetRedraw::Nothing;
}

bool QueryUnloadAll(std::span<CSheetWindow* const> Sheets) {
  for (CSheetWindow* Sheet : Sheets)
    if (!Sheet->Form_QueryUnload()) return false;
  return true;
}

}  // namespace merrith
