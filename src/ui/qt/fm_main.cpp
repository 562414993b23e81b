#include "ui/qt/fm_main.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>

#include "ui/qt/system_dialogs.h"
#include "ui/qt/window_drawing.h"

namespace merrith {
namespace {

std::u16string DecimalSeparator() { return QLocale().decimalPoint().toStdU16String(); }

// The local file of a drag, when it carries one.
QString DraggedFile(const QMimeData* Data) {
  if (Data == nullptr || !Data->hasUrls() || Data->urls().isEmpty()) return {};
  const QUrl& First = Data->urls().first();
  return First.isLocalFile() ? First.toLocalFile() : QString();
}

}  // namespace

fmMain::fmMain(QWidget* Parent)
    : QMainWindow(Parent), Form(SystemDialogs(this), InstalledDocuments()) {
  setWindowTitle(Text(MainWindow.Caption));
  setAcceptDrops(true);
  BuildControls();
  ConnectControls();
  // The window is as large as its menu bar and the client area below it, and stays so.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Form_Load();
}

void fmMain::SetDialogs(Dialogs Asks) {
  Form.SetDialogs(Asks);
  TestDialogs = std::move(Asks);
}

// Today's window is the client area below the menu bar.
void fmMain::BuildControls() {
  auto* Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("fmMainClient"));
  Client->setAttribute(Qt::WA_NativeWindow);
  DrawControls(Client, MainWindow);
  setCentralWidget(Client);
  DrawMenu(menuBar(), MainWindow, [this](WindowCommand Command) { Run(Command); });
  const auto Find = [this](auto*& Member, std::string_view Name, std::int16_t Index = NotInArray) {
    Member = findChild<std::remove_reference_t<decltype(*Member)>*>(Text(ControlName(Name, Index)));
  };
  for (std::size_t I = 0; I < optH.size(); ++I) Find(optH[I], "optH", std::int16_t(I + 1));
  Find(txAC, "txAC");
  Find(cmdOK, "cmdOK");
  Find(txDD, "txDD");
  Find(txFN, "txFN");
  for (std::size_t I = 0; I < cmdGenTbl.size(); ++I)
    Find(cmdGenTbl[I], "cmdGenTbl", std::int16_t(I));
  // A file dropped on a box lands on the window, which takes its name.
  txAC->setAcceptDrops(false);
  txFN->setAcceptDrops(false);
}

void fmMain::ConnectControls() {
  optHGroup = new QButtonGroup(this);
  for (std::size_t I = 0; I < optH.size(); ++I) optHGroup->addButton(optH[I], int(I) + 1);
  connect(optHGroup, &QButtonGroup::idToggled, this, [this](int Index, bool Checked) {
    if (Checked) Form.optH_Click(static_cast<std::int16_t>(Index));
  });

  cmdGenTblGroup = new QButtonGroup(this);
  cmdGenTblGroup->setExclusive(false);
  for (std::size_t I = 0; I < cmdGenTbl.size(); ++I)
    cmdGenTblGroup->addButton(cmdGenTbl[I], int(I));
  connect(cmdGenTblGroup, &QButtonGroup::idClicked, this,
          [this](int Index) { cmdGenTbl_Click(static_cast<std::int16_t>(Index)); });

  ConnectButtons(centralWidget(), MainWindow, [this](WindowCommand Command) { Run(Command); });
}

void fmMain::Run(WindowCommand Command) {
  switch (Command) {
    case WindowCommand::Evaluate:
      cmdOK_Click();
      break;
    case WindowCommand::NewSheet:
      NewSheet();
      break;
    case WindowCommand::OpenSheet:
      if (const auto Chosen = Form.mnuOpenSheet_Click()) OpenSheet(*Chosen);
      break;
    case WindowCommand::Exit:
      close();
      break;
    default:
      if (const auto Name = Form.mnu_Click(Command, txFN->text().toStdU16String()))
        txFN->setText(Text(*Name));
      break;
  }
}

fmSheet* fmMain::MakeSheet() {
  Form.SheetOpening();
  auto* Sheet = new fmSheet(Form.GetDocuments().Sheets, TestDialogs, [this] { NewSheet(); });
  SheetWindows.emplace_back(Sheet);
  return Sheet;
}

// Right of the main window, each further sheet a step down, as far as the screen allows.
void fmMain::PlaceBeside(fmSheet* Sheet) const {
  const QRect Screen = screen()->availableGeometry();
  const int Step = 24 * static_cast<int>(Sheets().size());
  const QPoint Corner = frameGeometry().topRight() + QPoint(1 + Step, Step);
  Sheet->move(std::max(Screen.left(), std::min(Corner.x(), Screen.right() - Sheet->width())),
              std::max(Screen.top(), std::min(Corner.y(), Screen.bottom() - Sheet->height())));
}

fmSheet* fmMain::NewSheet() {
  fmSheet* Sheet = MakeSheet();
  PlaceBeside(Sheet);
  Sheet->show();
  return Sheet;
}

fmSheet* fmMain::OpenSheet(std::u16string_view FileName) {
  fmSheet* Sheet = MakeSheet();
  if (!Sheet->Load(FileName)) {
    Sheet->CloseAsked();
    return nullptr;
  }
  PlaceBeside(Sheet);
  Sheet->show();
  return Sheet;
}

std::vector<fmSheet*> fmMain::Sheets() const {
  std::vector<fmSheet*> Open;
  for (const QPointer<fmSheet>& Sheet : SheetWindows)
    if (!Sheet.isNull() && Sheet->isVisible()) Open.push_back(Sheet.data());
  return Open;
}

void fmMain::closeEvent(QCloseEvent* Event) {
  std::vector<CSheetWindow*> Forms;
  for (fmSheet* Sheet : Sheets()) Forms.push_back(&Sheet->Form());
  if (!QueryUnloadAll(Forms)) {
    Event->ignore();
    return;
  }
  for (fmSheet* Sheet : Sheets()) Sheet->CloseAsked();
  Event->accept();
}

void fmMain::dragEnterEvent(QDragEnterEvent* Event) {
  if (!DraggedFile(Event->mimeData()).isEmpty()) Event->acceptProposedAction();
}

void fmMain::dropEvent(QDropEvent* Event) {
  const QString File = DraggedFile(Event->mimeData());
  if (File.isEmpty()) return;
  txFN->setText(File);
  Event->acceptProposedAction();
}

void fmMain::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() != Qt::Key_Return && Event->key() != Qt::Key_Enter) {
    QMainWindow::keyPressEvent(Event);
    return;
  }
  auto* Focused = qobject_cast<QPushButton*>(focusWidget());
  (Focused ? Focused : cmdOK)->click();
}

// Checking the button of the initial height the way a click would keeps the buttons and
// HeightIndex in agreement.
void fmMain::Form_Load() {
  Form.Form_Load();
  optH[static_cast<std::size_t>(Form.GetHeightIndex() - 1)]->setChecked(true);
}

void fmMain::cmdOK_Click() {
  const ResultBox Box = Form.cmdOK_Click(txAC->text().toStdU16String(), DecimalSeparator());
  txDD->setText(QString::fromStdU16String(Box.Text));
  txDD->setToolTip(QString::fromStdU16String(Box.Tip));
}

void fmMain::cmdGenTbl_Click(std::int16_t Index) {
  Form.GetDialogs().Message(
      Form.cmdGenTbl_Click(Index, txFN->text().toStdU16String(), DecimalSeparator()));
}

}  // namespace merrith
