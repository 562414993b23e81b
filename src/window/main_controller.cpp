#include "window/main_controller.h"

#include <algorithm>
#include <utility>

#include "support/utf8.h"
#include "window/document_seams.h"

namespace merrith {

using enum MainControl;

namespace {

// The member index of a height or a batch button; a command from elsewhere has none.
std::int16_t IndexOf(ControlId Control) {
  return Control.Row < MainWindow.Controls.size() ? LayoutOf(MainWindow, Control).Index
                                                  : NotInArray;
}

}  // namespace

DesktopPoint SheetCorner(const DesktopPlace& Main, int Width, int Height, int SheetsBefore) {
  const int Step = Main.CaptionHeight * SheetsBefore;
  const DesktopRect& Work = Main.WorkArea;
  const int Left = Main.Frame.Left + Main.Frame.Width + Step;
  const int Top = Main.Frame.Top + Step;
  return {std::max(Work.Left, std::min(Left, Work.Left + Work.Width - Width)),
          std::max(Work.Top, std::min(Top, Work.Top + Work.Height - Height))};
}

CMainController::CMainController(WindowView& Shown)
    : View(Shown), Main(Shown.SystemDialogs(), InstalledDocuments()) {}

CMainController::CMainController(WindowView& Shown, Dialogs Asks, DocumentRooms Documents)
    : View(Shown), Main(Asks, std::move(Documents)), TestDialogs(std::move(Asks)) {}

void CMainController::SetDialogs(Dialogs Asks) {
  Main.SetDialogs(Asks);
  TestDialogs = std::move(Asks);
}

// Checking the button of the initial height the way a click would keeps the buttons and
// HeightIndex in agreement.
void CMainController::Form_Load() {
  Main.Form_Load();
  View.Check(MemberOf(MainWindow, WindowCommand::SelectHeight,
                      static_cast<std::int16_t>(Main.GetHeightIndex())));
}

void CMainController::optH_Click(std::int16_t Index) { Main.optH_Click(Index); }

void CMainController::cmdOK_Click() {
  const ResultBox Shown = Main.cmdOK_Click(View.Text(txAC), View.DecimalSeparator());
  View.SetText(txDD, Shown.Text);
  View.SetTip(txDD, Shown.Tip);
}

void CMainController::cmdGenTbl_Click(std::int16_t Index) {
  Main.GetDialogs().Message(Main.cmdGenTbl_Click(Index, View.Text(txFN), View.DecimalSeparator()));
}

void CMainController::Run(WindowCommand Command, ControlId Control) {
  switch (Command) {
    case WindowCommand::SelectHeight:
      optH_Click(IndexOf(Control));
      break;
    case WindowCommand::Evaluate:
      cmdOK_Click();
      break;
    case WindowCommand::BatchTable:
      if (IndexOf(Control) != NotInArray) cmdGenTbl_Click(IndexOf(Control));
      break;
    case WindowCommand::NewSheet:
      NewSheet();
      break;
    case WindowCommand::OpenSheet:
      if (const auto Chosen = Main.mnuOpenSheet_Click()) OpenSheet(*Chosen);
      break;
    case WindowCommand::NewCompetition:
      NewCompetition();
      break;
    case WindowCommand::OpenCompetition:
      if (const auto Chosen = Main.GetDialogs().AskOpenPath(CompetitionToOpen, u""))
        OpenCompetition(*Chosen);
      break;
    case WindowCommand::Exit:
      if (QueryClose()) View.Close();
      break;
    default:
      if (const auto Name = Main.mnu_Click(Command, View.Text(txFN))) View.SetText(txFN, *Name);
      break;
  }
}

// The sheets closed since the last are let go here, never while one of them is at work.
CSheetController* CMainController::AddSheet() {
  Main.SheetOpening();
  std::erase_if(SheetWindows, [](const auto& Sheet) { return !Sheet->IsOpen(); });
  auto Sheet =
      std::make_unique<CSheetController>(Main.GetDocuments().Sheets, [this] { NewSheet(); });
  auto Shown = View.OpenView(SheetWindow, DecodeUtf8(SheetWindow.Caption), *Sheet);
  if (Shown == nullptr) return nullptr;
  Sheet->Attach(std::move(Shown), TestDialogs);
  return SheetWindows.emplace_back(std::move(Sheet)).get();
}

// Each window opened from here a step further down than the last still open.
void CMainController::ShowBeside(WindowView& Shown) {
  const DesktopRect Own = Shown.Place().Frame;
  const auto Competitions = std::count_if(CompetitionWindows.begin(), CompetitionWindows.end(),
                                          [](const auto& Window) { return Window->IsOpen(); });
  const auto Before =
      static_cast<int>(Sheets().size() + static_cast<std::size_t>(Competitions)) - 1;
  const DesktopPoint Corner = SheetCorner(View.Place(), Own.Width, Own.Height, Before);
  Shown.MoveTo(Corner.Left, Corner.Top);
  Shown.Show();
}

CSheetController* CMainController::NewSheet() {
  CSheetController* Sheet = AddSheet();
  if (Sheet != nullptr) ShowBeside(Sheet->View());
  return Sheet;
}

// A competition whose file cannot be read or has errors opens no window.
CCompetitionController* CMainController::OpenCompetition(std::u16string_view FileName) {
  std::erase_if(CompetitionWindows, [](const auto& Window) { return !Window->IsOpen(); });
  auto Window = std::make_unique<CCompetitionController>(Main.GetDocuments().Book);
  auto Shown = View.OpenView(CompetitionWindow, DecodeUtf8(CompetitionWindow.Caption), *Window);
  if (Shown == nullptr) return nullptr;
  Window->Attach(std::move(Shown), TestDialogs);
  if (!Window->Load(FileName)) {
    Window->View().Close();
    return nullptr;
  }
  ShowBeside(Window->View());
  return CompetitionWindows.emplace_back(std::move(Window)).get();
}

CSheetController* CMainController::OpenSheet(std::u16string_view FileName) {
  CSheetController* Sheet = AddSheet();
  if (Sheet == nullptr) return nullptr;
  if (!Sheet->Load(FileName)) {
    Sheet->CloseAsked();
    return nullptr;
  }
  ShowBeside(Sheet->View());
  return Sheet;
}

CNewCompetitionController* CMainController::NewCompetition() {
  std::erase_if(NewCompetitionWindows, [](const auto& Window) { return !Window->IsOpen(); });
  auto Window = std::make_unique<CNewCompetitionController>(
      Main.GetDocuments().Book, [this](std::u16string_view Path) { OpenCompetition(Path); });
  auto Shown =
      View.OpenView(NewCompetitionWindow, DecodeUtf8(NewCompetitionWindow.Caption), *Window);
  if (Shown == nullptr) return nullptr;
  Window->Attach(std::move(Shown), TestDialogs);
  Window->View().Show();
  return NewCompetitionWindows.emplace_back(std::move(Window)).get();
}

std::vector<CSheetController*> CMainController::Sheets() const {
  std::vector<CSheetController*> Open;
  for (const auto& Sheet : SheetWindows)
    if (Sheet->IsOpen()) Open.push_back(Sheet.get());
  return Open;
}

bool CMainController::QueryClose() {
  std::vector<CSheetWindow*> Forms;
  for (CSheetController* Sheet : Sheets()) Forms.push_back(&Sheet->Form());
  if (!QueryUnloadAll(Forms)) return false;
  for (CSheetController* Sheet : Sheets()) Sheet->CloseAsked();
  // Every dive recorded is in its file already; each file is let go at once.
  for (const auto& Window : CompetitionWindows) Window->CloseAsked();
  for (const auto& Window : NewCompetitionWindows)
    if (Window->IsOpen()) Window->View().Close();
  return true;
}

}  // namespace merrith
