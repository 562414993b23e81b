#include "window/new_competition_controller.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "scoring/competition.h"
#include "support/text_decoding.h"
#include "support/words.h"
#include "window/competition_controller.h"
#include "window/paths.h"
#include "window/sheet_fields.h"

namespace merrith {

using enum NewCompetitionControl;

namespace {

// The panel offered when the window opens: five judges, as most meets sit.
constexpr int FirstPanel = static_cast<int>(Panel::Five);

std::u16string PanelWords(const PanelRow& Row) {
  return NumberText(static_cast<std::size_t>(Row.Judges)) + u" judges" +
         (Row.ExecutionEach > 0 ? u", synchronised" : u"");
}

std::u16string FolderOfPath(std::u16string_view Path) {
  return std::u16string(Path.substr(0, Path.size() - FileNameOf(Path).size()));
}

}  // namespace

CNewCompetitionController::CNewCompetitionController(
    BookSource Events, std::function<void(std::u16string_view)> WhenWritten)
    : Book(std::move(Events)), Opened(std::move(WhenWritten)) {}

void CNewCompetitionController::Attach(std::unique_ptr<WindowView> View,
                                       std::optional<Dialogs> Given) {
  Shown = std::move(View);
  Asks = Given ? std::move(*Given) : Shown->SystemDialogs();
  std::vector<std::u16string> Entries;
  for (const Event& E : Book().Events) Entries.push_back(E.Title);
  Shown->SetChoices(cboEvent, Entries);
  Shown->Pick(cboEvent, -1);
  Entries.assign(std::begin(Books), std::end(Books));
  Shown->SetChoices(cboBook, Entries);
  Shown->Pick(cboBook, 0);
  Entries.clear();
  for (const PanelRow& Row : Panels) Entries.push_back(PanelWords(Row));
  Shown->SetChoices(cboPanel, Entries);
  Shown->Pick(cboPanel, FirstPanel);
  ShowDivers(-1);
}

void CNewCompetitionController::ShowDivers(int Picked) {
  std::vector<std::vector<std::u16string>> Rows{
      {u"#", u"Diver", u"Sheet"}
  };
  for (std::size_t I = 0; I < Divers.size(); ++I)
    Rows.push_back({NumberText(I + 1), Divers[I].Name, Divers[I].Sheet});
  Shown->SetRows(grdDivers, Rows);
  Shown->PickRow(grdDivers, Picked);
}

// A sheet without a diver's name goes by its file's; the first sheet naming an event picks it
// when none is picked yet.
void CNewCompetitionController::AddSheets(std::span<const std::u16string> Paths) {
  for (const std::u16string& Path : Paths) {
    std::vector<std::uint8_t> Bytes;
    if (const FileOutcome Read = ReadFileBytes(Path, Bytes); !Read.Done()) {
      Asks->Message(FileMessage(Read));
      continue;
    }
    const SheetFields Sheet = ReadSheetFields(mFSO::DecodeText(Bytes, mFSO::CodePageSystem));
    Divers.push_back({Sheet.Diver.empty() ? FileNameOf(Path) : Sheet.Diver, Path});
    const std::vector<Event>& Events = Book().Events;
    const auto Named = std::find_if(Events.begin(), Events.end(),
                                    [&Sheet](const Event& E) { return E.Id == Sheet.EventId; });
    if (Shown->Picked(cboEvent) < 0 && Named != Events.end())
      Shown->Pick(cboEvent, static_cast<int>(Named - Events.begin()));
  }
  ShowDivers(static_cast<int>(Divers.size()) - 1);
}

void CNewCompetitionController::MoveDiver(int By) {
  const int From = Shown->PickedRow(grdDivers);
  const int To = From + By;
  if (From < 0 || To < 0 || static_cast<std::size_t>(std::max(From, To)) >= Divers.size()) return;
  std::swap(Divers[static_cast<std::size_t>(From)], Divers[static_cast<std::size_t>(To)]);
  ShowDivers(To);
}

void CNewCompetitionController::RemoveDiver() {
  const int Picked = Shown->PickedRow(grdDivers);
  if (Picked < 0 || static_cast<std::size_t>(Picked) >= Divers.size()) return;
  Divers.erase(Divers.begin() + Picked);
  ShowDivers(std::min(Picked, static_cast<int>(Divers.size()) - 1));
}

// The file is checked as the recorder's window will read it before anything is written.
bool CNewCompetitionController::Start() {
  const int EventRow = Shown->Picked(cboEvent);
  if (EventRow < 0 || Divers.empty()) {
    Asks->Message(EventRow < 0 ? u"Pick the event first." : u"Add the divers' sheets first.");
    return false;
  }
  const auto Chosen =
      Asks->AskSavePath(CompetitionToSave, FolderOfPath(Divers[0].Sheet) + u"competition.txt");
  if (!Chosen) return false;
  Competition C;
  C.EventId = Book().Events[static_cast<std::size_t>(EventRow)].Id;
  C.Book = Books[static_cast<std::size_t>(std::max(Shown->Picked(cboBook), 0))];
  C.Judges = Panels[static_cast<std::size_t>(std::max(Shown->Picked(cboPanel), 0))].P;
  for (const Diver& D : Divers) {
    Entry& E = C.Entries.emplace_back();
    E.Diver = D.Name;
    E.Sheet = SheetNameBeside(*Chosen, D.Sheet);
  }
  const CompetitionRead Read =
      ReadCompetitionText(CompetitionText(C), Book(), SheetsBeside(*Chosen));
  if (!Read.Ok()) {
    Asks->Message(CompetitionErrorsMessage(*Chosen, Read.Errors));
    return false;
  }
  if (const FileOutcome Written = WriteCompetitionFile(C, *Chosen); !Written.Done()) {
    Asks->Message(FileMessage(Written));
    return false;
  }
  Shown->Close();
  Opened(*Chosen);
  return true;
}

void CNewCompetitionController::Run(WindowCommand Command, ControlId) {
  switch (Command) {
    case WindowCommand::AddDivers:
      AddSheets(Asks->AskOpenPaths(SheetsToAdd, Divers.empty() ? u"" : Divers.back().Sheet));
      break;
    case WindowCommand::RemoveDiver:
      RemoveDiver();
      break;
    case WindowCommand::DiverUp:
      MoveDiver(-1);
      break;
    case WindowCommand::DiverDown:
      MoveDiver(1);
      break;
    case WindowCommand::StartCompetition:
      Start();
      break;
    case WindowCommand::CloseWindow:
      Shown->Close();
      break;
    default:
      break;
  }
}

}  // namespace merrith
