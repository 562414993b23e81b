#include "ui/qt/table_widget.h"

#include <utility>
#include <vector>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include "ui/qt/system_dialogs.h"
#include "ui/qt/table_controls.h"

namespace merrith {
namespace {

int Pixels(int Twips) { return TwipsToPixels(Twips, 96); }

// A box of lines: Tab moves on to the next control, as everywhere else in the window.
QPlainTextEdit* MakeLinesBox(QWidget* Parent) {
  auto* Box = new QPlainTextEdit(Parent);
  Box->setTabChangesFocus(true);
  Box->setLineWrapMode(QPlainTextEdit::NoWrap);
  return Box;
}

// A report keeps its columns: a fixed-width font, and lines that never wrap.
QPlainTextEdit* MakeReportBox(QWidget* Parent) {
  QPlainTextEdit* Box = MakeLinesBox(Parent);
  Box->setReadOnly(true);
  Box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return Box;
}

QWidget* MakeControl(ControlKind Kind, const QString& Caption, QWidget* Parent,
                     CAwardBox::Asker Ask) {
  switch (Kind) {
    case ControlKind::Frame:
      return new QGroupBox(Caption, Parent);
    case ControlKind::Option:
      return new QRadioButton(Caption, Parent);
    case ControlKind::Label: {
      auto* Label = new QLabel(Caption, Parent);
      Label->setTextFormat(Qt::PlainText);  // a diver's name is never markup
      return Label;
    }
    case ControlKind::TextBox: {
      auto* Box = new QLineEdit(Parent);
      Box->setText(Caption);
      return Box;
    }
    case ControlKind::Command:
      return new QPushButton(Caption, Parent);
    case ControlKind::DropDown:
      return new QComboBox(Parent);
    case ControlKind::LinesBox:
      return MakeLinesBox(Parent);
    case ControlKind::ReportBox:
      return MakeReportBox(Parent);
    case ControlKind::AwardBox:
      return new CAwardBox(Parent, std::move(Ask));
    case ControlKind::Grid:
      return new CGrid(Parent);
  }
  return nullptr;
}

// The local files of a drag, in its order.
std::vector<std::u16string> DraggedFiles(const QMimeData* Data) {
  std::vector<std::u16string> Files;
  if (Data == nullptr || !Data->hasUrls()) return Files;
  for (const QUrl& Url : Data->urls())
    if (Url.isLocalFile()) Files.push_back(Url.toLocalFile().toStdU16String());
  return Files;
}

}  // namespace

QString Text(std::string_view Utf8) {
  return QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
}

QString Text(std::u16string_view Utf16) {
  return QString::fromUtf16(Utf16.data(), static_cast<qsizetype>(Utf16.size()));
}

CTableWidget::CTableWidget(const WindowLayout& Table, WindowController& Told)
    : Layout(Table), Controller(Told) {
  setWindowTitle(merrith::Text(Layout.Caption));
  DrawControls();
  DrawMenu();
  for (const ControlLayout& Row : Layout.Controls) Connect(Row);
  // The window is as large as its menu bar and the client area below it, and stays so.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CTableWidget::DrawControls() {
  auto* Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("Client"));
  Client->setAttribute(Qt::WA_NativeWindow);
  Client->setFixedSize(Pixels(Layout.ClientWidth), Pixels(Layout.ClientHeight));
  QWidget* Previous = nullptr;
  for (const ControlLayout& Row : Layout.Controls) {
    QWidget* Parent = Row.Inside == NoControl ? Client : Control(Row.Inside);
    const auto Ask = [this, Id = Row.Id](KeyPress Key) { return Controller.Key(Id, Key); };
    QWidget* Made = MakeControl(Row.Kind, merrith::Text(Row.Caption), Parent, Ask);
    Made->setObjectName(merrith::Text(ControlName(Row)));
    Made->setGeometry(Pixels(Row.Left), Pixels(Row.Top), Pixels(Row.Width), Pixels(Row.Height));
    Controls.push_back(Made);
    if (Made->focusPolicy() & Qt::TabFocus) {
      if (Previous) QWidget::setTabOrder(Previous, Made);
      Previous = Made;
    }
    // A file dropped on a control lands on the window; a box of lines still takes text.
    if (Layout.DropBox != NoControl || Row.Kind != ControlKind::LinesBox)
      Made->setAcceptDrops(false);
  }
  if (Layout.ReadOnlyBox != NoControl)
    static_cast<QLineEdit*>(Control(Layout.ReadOnlyBox))->setReadOnly(true);
  if (Layout.DefaultButton != NoControl)
    static_cast<QPushButton*>(Control(Layout.DefaultButton))->setDefault(true);
  setAcceptDrops(true);
  setCentralWidget(Client);
}

// The menu bar of the layout's menu items, and its keys; each tells its command.
void CTableWidget::DrawMenu() {
  const auto Action = [this](std::string_view Caption, std::string_view Shortcut,
                             WindowCommand Command) {
    auto* Made = new QAction(merrith::Text(Caption), this);
    if (!Shortcut.empty()) Made->setShortcut(QKeySequence(merrith::Text(Shortcut)));
    connect(Made, &QAction::triggered, this,
            [this, Command] { Controller.Run(Command, NoControl); });
    return Made;
  };
  QMenu* Menu = nullptr;
  for (const MenuItem& Item : Layout.Menu) {
    if (Menu == nullptr || Menu->title() != merrith::Text(Item.Menu))
      Menu = menuBar()->addMenu(merrith::Text(Item.Menu));
    if (Item.Caption.empty()) {
      Menu->addSeparator();
    } else {
      Menu->addAction(Action(Item.Caption, Item.Shortcut, Item.Command));
    }
  }
  for (const KeyBinding& Key : Layout.Keys)
    addAction(Action(Key.Shortcut, Key.Shortcut, Key.Command));
}

// A control that runs a command tells it when the user clicks, checks, types or picks.
void CTableWidget::Connect(const ControlLayout& Row) {
  if (Row.Command == WindowCommand::None) return;
  const auto Run = [this, Command = Row.Command, Id = Row.Id] { Controller.Run(Command, Id); };
  QWidget* Made = Control(Row.Id);
  switch (Row.Kind) {
    case ControlKind::Option:
      connect(static_cast<QRadioButton*>(Made), &QRadioButton::toggled, this, [Run](bool Checked) {
        if (Checked) Run();
      });
      break;
    case ControlKind::Command:
      connect(static_cast<QPushButton*>(Made), &QPushButton::clicked, this, Run);
      break;
    case ControlKind::TextBox:
    case ControlKind::AwardBox:
      connect(static_cast<QLineEdit*>(Made), &QLineEdit::textChanged, this, Run);
      break;
    case ControlKind::LinesBox:
    case ControlKind::ReportBox:
      connect(static_cast<QPlainTextEdit*>(Made), &QPlainTextEdit::textChanged, this, Run);
      break;
    case ControlKind::DropDown:
      connect(static_cast<QComboBox*>(Made), &QComboBox::currentIndexChanged, this, Run);
      break;
    case ControlKind::Grid:
      connect(static_cast<CGrid*>(Made), &CGrid::activated, this, Run);
      break;
    case ControlKind::Frame:
    case ControlKind::Label:
      break;
  }
}

std::u16string CTableWidget::Text(ControlId Box) const {
  QWidget* Made = Control(Box);
  if (auto* Line = qobject_cast<QLineEdit*>(Made)) return Line->text().toStdU16String();
  if (auto* Lines = qobject_cast<QPlainTextEdit*>(Made))
    return Lines->toPlainText().toStdU16String();
  return {};
}

// A report where the user had scrolled it to.
void CTableWidget::SetText(ControlId Box, std::u16string_view Shown) {
  QWidget* Made = Control(Box);
  if (auto* Line = qobject_cast<QLineEdit*>(Made)) Line->setText(merrith::Text(Shown));
  if (auto* Label = qobject_cast<QLabel*>(Made)) Label->setText(merrith::Text(Shown));
  auto* Lines = qobject_cast<QPlainTextEdit*>(Made);
  if (Lines == nullptr) return;
  const int Scrolled = Lines->verticalScrollBar()->value();
  Lines->setPlainText(merrith::Text(Shown));
  if (LayoutOf(Layout, Box).Kind == ControlKind::ReportBox)
    Lines->verticalScrollBar()->setValue(Scrolled);
}

void CTableWidget::SetTip(ControlId Id, std::u16string_view Tip) {
  Control(Id)->setToolTip(merrith::Text(Tip));
}

void CTableWidget::Check(ControlId Option) {
  static_cast<QRadioButton*>(Control(Option))->setChecked(true);
}

void CTableWidget::SetChoices(ControlId DropDown, std::span<const std::u16string> Entries) {
  auto* Box = static_cast<QComboBox*>(Control(DropDown));
  Box->clear();
  for (const std::u16string& Entry : Entries) Box->addItem(merrith::Text(Entry));
}

int CTableWidget::Picked(ControlId DropDown) const {
  return static_cast<QComboBox*>(Control(DropDown))->currentIndex();
}

void CTableWidget::Pick(ControlId DropDown, int Entry) {
  static_cast<QComboBox*>(Control(DropDown))->setCurrentIndex(Entry);
}

// An award box's text selected whole, so that the next award typed replaces it.
void CTableWidget::Focus(ControlId Id) {
  Control(Id)->setFocus(Qt::OtherFocusReason);
  if (auto* Box = qobject_cast<QLineEdit*>(Control(Id))) Box->selectAll();
}

void CTableWidget::Enable(ControlId Id, bool Enabled) { Control(Id)->setEnabled(Enabled); }

void CTableWidget::SetVisible(ControlId Id, bool Visible) { Control(Id)->setVisible(Visible); }

void CTableWidget::SetRows(ControlId Grid, std::span<const std::vector<std::u16string>> Rows) {
  static_cast<CGrid*>(Control(Grid))->SetRows(Rows);
}

int CTableWidget::PickedRow(ControlId Grid) const {
  return static_cast<const CGrid*>(Control(Grid))->PickedRow();
}

void CTableWidget::PickRow(ControlId Grid, int Row) {
  static_cast<CGrid*>(Control(Grid))->PickRow(Row);
}

void CTableWidget::SetCaption(std::u16string_view Caption) {
  setWindowTitle(merrith::Text(Caption));
}

std::u16string CTableWidget::DecimalSeparator() const {
  return QLocale().decimalPoint().toStdU16String();
}

Dialogs CTableWidget::SystemDialogs() { return merrith::SystemDialogs(this); }

DesktopPlace CTableWidget::Place() const {
  const QRect Frame = frameGeometry();
  const QRect Work = screen()->availableGeometry();
  return {
      {Frame.x(), Frame.y(), Frame.width(), Frame.height()},
      { Work.x(),  Work.y(),  Work.width(),  Work.height()},
      style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this)
  };
}

void CTableWidget::MoveTo(int Left, int Top) { move(Left, Top); }

// Each task waits in a queue of the window's; one event a task tells the window's thread to
// run the next. Qt deletes an event it delivers, and those of a window it destroys.
void CTableWidget::Post(std::function<void()> Task) {
  {
    const std::lock_guard<std::mutex> Held(PostedLock);
    Posted.push_back(std::move(Task));
  }
  QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

void CTableWidget::customEvent(QEvent* Event) {
  if (Event->type() != QEvent::User) return QMainWindow::customEvent(Event);
  std::function<void()> Task;
  {
    const std::lock_guard<std::mutex> Held(PostedLock);
    if (Posted.empty()) return;
    Task = std::move(Posted.front());
    Posted.pop_front();
  }
  Task();
}

void CTableWidget::Close() {
  Asked = true;
  close();
}

std::unique_ptr<WindowView> CTableWidget::OpenView(const WindowLayout& Table,
                                                   std::u16string_view Caption,
                                                   WindowController& Told) {
  auto View = std::make_unique<CTableWidget>(Table, Told);
  View->SetCaption(Caption);
  return View;
}

void CTableWidget::keyPressEvent(QKeyEvent* Event) {
  ControlId Focused;
  for (std::size_t Row = 0; Row < Controls.size(); ++Row)
    if (Controls[Row] == focusWidget()) Focused = ControlId::AtRow(Row);
  const ControlId Pressed = EnterButton(Layout, Focused);
  if ((Event->key() != Qt::Key_Return && Event->key() != Qt::Key_Enter) || Pressed == NoControl) {
    QMainWindow::keyPressEvent(Event);
    return;
  }
  static_cast<QPushButton*>(Control(Pressed))->click();
}

void CTableWidget::closeEvent(QCloseEvent* Event) {
  if (Asked || Controller.QueryClose()) {
    Closed = true;
    Event->accept();
  } else {
    Event->ignore();
  }
}

void CTableWidget::dragEnterEvent(QDragEnterEvent* Event) {
  if (!DraggedFiles(Event->mimeData()).empty()) Event->acceptProposedAction();
}

// The first file fills the drop box, where the window has one; else the controller hears them
// all.
void CTableWidget::dropEvent(QDropEvent* Event) {
  const std::vector<std::u16string> Files = DraggedFiles(Event->mimeData());
  if (Files.empty()) return;
  Event->acceptProposedAction();
  if (Layout.DropBox != NoControl) {
    SetText(Layout.DropBox, Files.front());
  } else {
    Controller.Dropped(Files);
  }
}

}  // namespace merrith
