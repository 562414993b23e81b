#include "ui/qt/fm_main.h"

#include <type_traits>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

namespace merrith {
namespace {

QString Text(std::string_view Utf8) {
  return QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
}

// Qt scales pixels for denser screens itself, so the layout is drawn at 96 dpi.
int Pixels(int Twips) { return TwipsToPixels(Twips, 96); }

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
  }
  return nullptr;
}

void ShowMessageBox(QWidget* Owner, std::u16string_view Message) {
  QMessageBox Box(QMessageBox::NoIcon, Text(MessageCaption),
                  QString::fromUtf16(Message.data(), static_cast<qsizetype>(Message.size())),
                  QMessageBox::Ok, Owner);
  Box.exec();
}

std::u16string DecimalSeparator() { return QLocale().decimalPoint().toStdU16String(); }

}  // namespace

fmMain::fmMain(QWidget* Parent)
    : QWidget(Parent),
      MsgBox([this](std::u16string_view Message) { ShowMessageBox(this, Message); }) {
  setWindowTitle(Text(WindowCaption));
  setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));
  BuildControls();
  ConnectControls();
  Form_Load();
}

void fmMain::SetMessageSink(MessageSink Sink) { MsgBox = std::move(Sink); }

void fmMain::BuildControls() {
  QWidget* Previous = nullptr;
  for (const ControlLayout& Row : MainWindowControls) {
    QWidget* Parent = Row.Inside.empty() ? this : findChild<QWidget*>(Text(Row.Inside));
    QWidget* Made = MakeControl(Row.Kind, Text(Row.Caption), Parent);
    Made->setObjectName(Text(ControlName(Row)));
    Made->setGeometry(Pixels(Row.Left), Pixels(Row.Top), Pixels(Row.Width), Pixels(Row.Height));
    if (Made->focusPolicy() & Qt::TabFocus) {
      if (Previous) setTabOrder(Previous, Made);
      Previous = Made;
    }
  }
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
  findChild<QLineEdit*>(Text(ReadOnlyBox))->setReadOnly(true);
  findChild<QPushButton*>(Text(DefaultButton))->setDefault(true);
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

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void fmMain::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() != Qt::Key_Return && Event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(Event);
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
  MsgBox(Form.cmdGenTbl_Click(Index, txFN->text().toStdU16String(), DecimalSeparator()));
}

}  // namespace merrith
