#include "window/sheet_controller.h"

#include <string>
#include <utility>
#include <vector>

namespace merrith {

using enum SheetControl;

CSheetController::CSheetController(SheetFunctions Sheets, std::function<void()> NewSheet)
    : Functions(std::move(Sheets)), OnNewSheet(std::move(NewSheet)) {}

void CSheetController::Attach(std::unique_ptr<WindowView> View, std::optional<Dialogs> Asks) {
  Shown = std::move(View);
  Sheet.emplace(Functions, Asks ? std::move(*Asks) : Shown->SystemDialogs());
  Shown->SetTip(cboBook, u"The rule book the sheet is checked against");
  Shown->SetTip(txDiver, u"The diver, or a synchronised pair: Ann Example / Bea Example");
  Shown->SetTip(txDivers,
                u"A team's divers, each a woman (W) or a man (M): "
                u"Ann Example (W), Ben Example (M)");
  ShowSheet();
}

// The boxes as the sheet holds it, after it was read or opened.
void CSheetController::ShowSheet() {
  Filling = true;
  std::vector<std::u16string> Titles;
  for (const BookChoice& Book : Sheet->BookChoices()) Titles.push_back(Book.Title);
  Shown->SetChoices(cboBook, Titles);
  Shown->Pick(cboBook, Sheet->BookRow());
  ShowEvents();
  Shown->SetText(txDiver, Sheet->Fields().Diver);
  Shown->SetText(txDivers, Sheet->Fields().Divers);
  Shown->SetText(txDives, Sheet->Fields().Dives);
  Filling = false;
  ShowReport();
}

// The events of the sheet's book, its own picked, and the divers' box offered where it fits.
void CSheetController::ShowEvents() {
  const bool Filled = std::exchange(Filling, true);
  std::vector<std::u16string> Titles;
  for (const EventChoice& Event : Sheet->EventChoices()) Titles.push_back(Event.Title);
  Shown->SetChoices(cboEvent, Titles);
  Shown->Pick(cboEvent, Sheet->EventRow());
  Shown->Enable(txDivers, Sheet->DiversOffered());
  Filling = Filled;
}

// The report, and the caption with its mark of changes.
void CSheetController::ShowReport() {
  Shown->SetCaption(Sheet->Caption());
  Shown->SetText(txReport, Sheet->Report());
}

// What the user picked or typed, into the sheet, and the report redone.
void CSheetController::Edited(WindowCommand Command) {
  if (Command == WindowCommand::SheetEventPicked) {
    Sheet->cboEvent_Click(Shown->Picked(cboEvent));
    Shown->Enable(txDivers, Sheet->DiversOffered());
  } else if (Command == WindowCommand::SheetBookPicked) {
    Sheet->cboBook_Click(Shown->Picked(cboBook));
    ShowEvents();
  } else if (Command == WindowCommand::SheetDiverTyped) {
    Sheet->txDiver_Change(Shown->Text(txDiver));
  } else if (Command == WindowCommand::SheetDiversTyped) {
    Sheet->txDivers_Change(Shown->Text(txDivers));
  } else {
    Sheet->txDives_Change(Shown->Text(txDives));
  }
  ShowReport();
}

bool CSheetController::Load(std::u16string_view FileName) {
  if (!Sheet->Load(FileName)) return false;
  ShowSheet();
  return true;
}

void CSheetController::Run(WindowCommand Command, ControlId) {
  switch (Command) {
    case WindowCommand::SheetEventPicked:
    case WindowCommand::SheetBookPicked:
    case WindowCommand::SheetDiverTyped:
    case WindowCommand::SheetDiversTyped:
    case WindowCommand::SheetDivesTyped:
      if (!Filling) Edited(Command);
      return;
    case WindowCommand::NewSheet:
      OnNewSheet();
      return;
    default:
      break;
  }
  switch (Sheet->Run(Command)) {
    case SheetRedraw::Sheet:
      ShowSheet();
      break;
    case SheetRedraw::Caption:
      ShowReport();
      break;
    case SheetRedraw::Nothing:
      break;
  }
}

bool CSheetController::QueryClose() {
  const bool Closes = Sheet->Form_QueryUnload();
  if (!Closes) ShowReport();  // a save that the question started shows in the caption
  return Closes;
}

}  // namespace merrith
