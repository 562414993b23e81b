#include "ui/qt/window_drawing.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace merrith {
namespace {

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

QWidget* MakeControl(ControlKind Kind, const QString& Caption, QWidget* Parent) {
  switch (Kind) {
    case ControlKind::Frame:
      return new QGroupBox(Caption, Parent);
    case ControlKind::Option:
      return new QRadioButton(Caption, Parent);
    case ControlKind::Label:
      return new QLabel(Caption, Parent);
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
  }
  return nullptr;
}

QAction* MakeAction(const QString& Caption, std::string_view Shortcut, WindowCommand Command,
                    QObject* Parent, const std::function<void(WindowCommand)>& Run) {
  auto* Action = new QAction(Caption, Parent);
  if (!Shortcut.empty()) Action->setShortcut(QKeySequence(Text(Shortcut)));
  QObject::connect(Action, &QAction::triggered, Parent, [Run, Command] { Run(Command); });
  return Action;
}

}  // namespace

QString Text(std::string_view Utf8) {
  return QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
}

QString Text(std::u16string_view Utf16) {
  return QString::fromUtf16(Utf16.data(), static_cast<qsizetype>(Utf16.size()));
}

int Pixels(int Twips) { return TwipsToPixels(Twips, 96); }

void DrawControls(QWidget* Client, const WindowLayout& Window) {
  Client->setFixedSize(Pixels(Window.ClientWidth), Pixels(Window.ClientHeight));
  QWidget* Previous = nullptr;
  for (const ControlLayout& Row : Window.Controls) {
    QWidget* Parent = Row.Inside.empty() ? Client : Client->findChild<QWidget*>(Text(Row.Inside));
    QWidget* Made = MakeControl(Row.Kind, Text(Row.Caption), Parent);
    Made->setObjectName(Text(ControlName(Row)));
    Made->setGeometry(Pixels(Row.Left), Pixels(Row.Top), Pixels(Row.Width), Pixels(Row.Height));
    if (Made->focusPolicy() & Qt::TabFocus) {
      if (Previous) QWidget::setTabOrder(Previous, Made);
      Previous = Made;
    }
  }
  if (!Window.ReadOnlyBox.empty())
    Client->findChild<QLineEdit*>(Text(Window.ReadOnlyBox))->setReadOnly(true);
  if (!Window.DefaultButton.empty())
    Client->findChild<QPushButton*>(Text(Window.DefaultButton))->setDefault(true);
}

void DrawMenu(QMenuBar* Bar, const WindowLayout& Window,
              const std::function<void(WindowCommand)>& Run) {
  QMenu* Menu = nullptr;
  for (const MenuItem& Item : Window.Menu) {
    if (Menu == nullptr || Menu->title() != Text(Item.Menu)) Menu = Bar->addMenu(Text(Item.Menu));
    if (Item.Caption.empty()) {
      Menu->addSeparator();
    } else {
      Menu->addAction(MakeAction(Text(Item.Caption), Item.Shortcut, Item.Command, Bar, Run));
    }
  }
}

void BindKeys(QWidget* Owner, const WindowLayout& Window,
              const std::function<void(WindowCommand)>& Run) {
  for (const KeyBinding& Key : Window.Keys)
    Owner->addAction(MakeAction(Text(Key.Shortcut), Key.Shortcut, Key.Command, Owner, Run));
}

void ConnectButtons(QWidget* Client, const WindowLayout& Window,
                    const std::function<void(WindowCommand)>& Run) {
  for (const ControlLayout& Row : Window.Controls) {
    if (Row.Kind != ControlKind::Command || Row.Index != NotInArray) continue;
    auto* Button = Client->findChild<QPushButton*>(Text(ControlName(Row)));
    QObject::connect(Button, &QPushButton::clicked, Client,
                     [Run, Command = Row.Command] { Run(Command); });
  }
}

}  // namespace merrith
