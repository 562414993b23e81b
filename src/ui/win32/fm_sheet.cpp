#include "ui/win32/fm_sheet.h"

#include <utility>

#include "ui/win32/system_dialogs.h"

namespace merrith {

fmSheet::fmSheet(SheetFunctions Sheets, std::optional<Dialogs> Asks, std::function<void()> NewSheet)
    : CTableWindow(SheetWindow, L"Merrith.fmSheet"),
      Sheet(std::move(Sheets), Asks ? std::move(*Asks) : SystemDialogs(*this)),
      OnNewSheet(std::move(NewSheet)) {}

bool fmSheet::Create(HINSTANCE Instance) { return CreateTable(Instance, Sheet.Caption()); }

bool fmSheet::OnCreated() {
  ShowSheet();
  return true;
}

// The boxes as the sheet holds it, after it was read or opened.
void fmSheet::ShowSheet() {
  Filling = true;
  HWND Events = Control("cboEvent");
  SendMessageW(Events, CB_RESETCONTENT, 0, 0);
  for (const EventChoice& Event : Sheet.EventChoices())
    SendMessageW(Events, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(Event.Title).c_str()));
  SendMessageW(Events, CB_SETCURSEL, static_cast<WPARAM>(Sheet.EventRow()), 0);
  SetText(Control("txDiver"), Sheet.Fields().Diver);
  SetText(Control("txDives"), Sheet.Fields().Dives);
  Filling = false;
  ShowReport();
}

// The report where the user had scrolled it to, and the caption with its mark of changes.
void fmSheet::ShowReport() {
  SetWindowTextW(Handle(), Wide(Sheet.Caption()).c_str());
  HWND Report = Control("txReport");
  const auto Scrolled = SendMessageW(Report, EM_GETFIRSTVISIBLELINE, 0, 0);
  SetText(Report, Sheet.Report());
  SendMessageW(Report, EM_LINESCROLL, 0, Scrolled);
}

// What the user picked or typed, into the sheet, and the report redone.
void fmSheet::Edited(WindowCommand Command, std::size_t Row) {
  HWND Box = ControlAt(Row);
  if (Command == WindowCommand::SheetEventPicked) {
    Sheet.cboEvent_Click(static_cast<int>(SendMessageW(Box, CB_GETCURSEL, 0, 0)));
  } else if (Command == WindowCommand::SheetDiverTyped) {
    Sheet.txDiver_Change(TextOf(Box));
  } else {
    Sheet.txDives_Change(TextOf(Box));
  }
  ShowReport();
}

bool fmSheet::Load(std::u16string_view FileName) {
  if (!Sheet.Load(FileName)) return false;
  if (Handle() != nullptr) ShowSheet();
  return true;
}

void fmSheet::CloseAsked() {
  if (Handle() != nullptr) DestroyWindow(Handle());
}

bool fmSheet::QueryClose() {
  const bool Closes = Sheet.Form_QueryUnload();
  if (!Closes) ShowReport();  // a save that the question started shows in the caption
  return Closes;
}

void fmSheet::Run(WindowCommand Command, std::size_t Row) {
  switch (Command) {
    case WindowCommand::SheetEventPicked:
    case WindowCommand::SheetDiverTyped:
    case WindowCommand::SheetDivesTyped:
      if (!Filling) Edited(Command, Row);
      return;
    case WindowCommand::NewSheet:
      OnNewSheet();
      return;
    default:
      break;
  }
  switch (Sheet.Run(Command)) {
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

}  // namespace merrith
