#include "window/new_competition_controller.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "report/competition_faults.h"
#include "report/results_report.h"
#include "scoring/competition.h"
#include "support/file_bytes.h"
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
    BookSource Source, std::function<void(std::u16string_view)> WhenWritten)
    : Book(std::move(Source)), Opened(std::move(WhenWritten)) {}

void CNewCompetitionController::Attach(std::unique_ptr<WindowView> View,
                                       std::optional<Dialogs> Given) {
  Shown = std::move(View);
  Asks = Given ? std::move(*Given) : Shown->SystemDialogs();
  // The book in force first, as a competition without a Book: line reads it.
  std::vector<std::u16string> Entries;
  for (const RuleBook& B : Book().Books) {
    const bool First = SameWord(B.Id, DefaultBookId);
    BookIds.insert(First ? BookIds.begin() : BookIds.end(), B.Id);
    Entries.insert(First ? Entries.begin() : Entries.end(), B.Title.empty() ? B.Id : B.Title);
  }
  Shown->SetChoices(cboBook, Entries);
  Shown->Pick(cboBook, 0);
  Entries.clear();
  for (const PanelRow& Row : Panels) Entries.push_back(PanelWords(Row));
  Shown->SetChoices(cboPanel, Entries);
  Shown->Pick(cboPanel, FirstPanel);
  ListEvents(u"");
  ShowDivers(-1);
}

const std::u16string& CNewCompetitionController::PickedBook() const {
  const int Row = Shown->Picked(cboBook);
  return BookIds[static_cast<std::size_t>(
      std::clamp(Row, 0, static_cast<int>(BookIds.size()) - 1))];
}

const Event* CNewCompetitionController::PickedEvent() const {
  const int Row = Shown->Picked(cboEvent);
  if (Row < 0 || static_cast<std::size_t>(Row) >= Events.size()) return nullptr;
  return Events[static_cast<std::size_t>(Row)];
}

// The picked book's events, each once; Keep stays picked where the book has it.
void CNewCompetitionController::ListEvents(std::u16string_view Keep) {
  Events.clear();
  std::vector<std::u16string> Titles;
  int Picked = -1;
  for (const Event& E : Book().Events) {
    if (!SameWord(E.Book, PickedBook())) continue;
    if (SameWord(E.Id, Keep)) Picked = static_cast<int>(Events.size());
    Events.push_back(&E);
    Titles.push_back(E.Title);
  }
  Shown->SetChoices(cboEvent, Titles);
  Shown->Pick(cboEvent, Picked);
}

// A synchronised event is judged by 9, any other by 5, as most meets sit.
void CNewCompetitionController::EventPicked() {
  if (const Event* E = PickedEvent())
    Shown->Pick(cboPanel, static_cast<int>(E->Synchro ? Panel::SynchroNine : Panel::Five));
  ShowDivers(Shown->PickedRow(grdDivers));
}

Competition CNewCompetitionController::Planned() const {
  Competition C;
  if (const Event* E = PickedEvent()) C.EventId = E->Id;
  C.Book = PickedBook();
  C.Judges = Panels[static_cast<std::size_t>(std::max(Shown->Picked(cboPanel), 0))].P;
  for (const Diver& D : Divers) {
    Entry& E = C.Entries.emplace_back();
    E.Diver = D.Name;
    E.Sheet = D.Sheet;
  }
  return C;
}

// Each diver's list checked against the event picked: the problems show before Start.
void CNewCompetitionController::ShowDivers(int Picked) {
  std::vector<std::vector<std::u16string>> Rows{
      {u"#", u"Diver", u"Sheet", u"The list"}
  };
  std::vector<std::u16string> Said(Divers.size());
  if (PickedEvent() != nullptr && !Divers.empty()) {
    const CompetitionRead Read =
        ReadCompetitionText(CompetitionText(Planned()), Book(), SheetsBeside(u""));
    // The grid names the sheet in a column of its own: the words say where in it.
    for (CompetitionError E : Read.Errors)
      for (std::size_t I = 0; I < Divers.size(); ++I)
        if (E.File == Divers[I].Sheet && Said[I].empty()) {
          E.File.clear();
          Said[I] = CompetitionErrorText(E);
        }
    for (std::size_t I = 0; I < Read.Read.Entries.size() && I < Said.size(); ++I)
      if (Said[I].empty() && !Read.Read.Entries[I].ListProblems.empty()) {
        ListProblem First = Read.Read.Entries[I].ListProblems[0];
        First.File.clear();
        Said[I] = ListProblemText(First);
      }
  }
  for (std::size_t I = 0; I < Divers.size(); ++I)
    Rows.push_back({NumberText(I + 1), Divers[I].Name, Divers[I].Sheet,
                    PickedEvent() == nullptr ? u""
                    : Said[I].empty()        ? u"holds"
                                             : Said[I]});
  Shown->SetRows(grdDivers, Rows);
  Shown->PickRow(grdDivers, Picked);
}

// A sheet without a diver's name goes by its file's; the first sheet naming an event picks it
// when none is picked yet.
void CNewCompetitionController::AddSheets(std::span<const std::u16string> Paths) {
  for (const std::u16string& Path : Paths) {
    std::vector<std::uint8_t> Bytes;
    if (const FileOutcome Read = ReadDocumentBytes(Path, Bytes); !Read.Done()) {
      Asks->Message(FileMessage(Read));
      continue;
    }
    const SheetFields Sheet = ReadSheetFields(mFSO::DecodeDocument(Bytes).Text);
    Divers.push_back({Sheet.Diver.empty() ? FileNameOf(Path) : Sheet.Diver, Path});
    const auto Named = std::find_if(Events.begin(), Events.end(), [&Sheet](const Event* E) {
      return SameWord(E->Id, Sheet.EventId);
    });
    if (Shown->Picked(cboEvent) < 0 && Named != Events.end()) {
      Shown->Pick(cboEvent, static_cast<int>(Named - Events.begin()));
      EventPicked();
    }
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
  if (PickedEvent() == nullptr || Divers.empty()) {
    Asks->Message(PickedEvent() == nullptr ? u"Pick the event first."
                                           : u"Add the divers' sheets first.");
    return false;
  }
  const auto Chosen =
      Asks->AskSavePath(CompetitionToSave, FolderOfPath(Divers[0].Sheet) + u"competition.txt");
  if (!Chosen) return false;
  Competition C = Planned();
  for (std::size_t I = 0; I < Divers.size(); ++I)
    C.Entries[I].Sheet = SheetNameBeside(*Chosen, Divers[I].Sheet);
  const CompetitionRead Read =
      ReadCompetitionText(CompetitionText(C), Book(), SheetsBeside(*Chosen));
  if (!Read.Ok()) {
    Asks->Message(CompetitionErrorsMessage(*Chosen, Read.Errors));
    return false;
  }
  for (const Diver& D : Divers)
    if (mFSO::SameFile(D.Sheet, *Chosen)) {
      Asks->Message(OutputOverInputText(*Chosen, D.Sheet));
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
    case WindowCommand::CompetitionBookPicked: {
      const Event* E = PickedEvent();
      ListEvents(E != nullptr ? E->Id : u"");
      EventPicked();
      break;
    }
    case WindowCommand::CompetitionEventPicked:
      EventPicked();
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
