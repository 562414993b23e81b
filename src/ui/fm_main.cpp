#include "ui/fm_main.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>

#include "ui/batch_document.h"
#include "ui/single_dive.h"

namespace merrith {
namespace {

enum class Kind { Frame, Option, Label, TextBox, Command };

// One control as laid out on paper: lengths in twips (1/1440 inch), positions inside a
// frame relative to the frame.
struct Control {
  const char* Name;
  Kind What;
  const char* Inside;  // the frame that holds it, or nullptr for the window itself
  const char* Caption;
  int Left;
  int Top;
  int Width;
  int Height;
};

// Every control in tab order. The option buttons stand in three columns: springboard,
// platform and high-diving heights.
constexpr Control Controls[] = {
  //         Name           Kind    Inside        Caption  Left   Top Width Height
    {    "Frame1",   Kind::Frame,  nullptr,           "H",  240,  240, 5292, 1332},
    {     "optH1",  Kind::Option, "Frame1",          "1m",  240,  240, 1572,  255},
    {     "optH2",  Kind::Option, "Frame1",          "3m",  240,  480, 1572,  255},
    {     "optH3",  Kind::Option, "Frame1",          "5m", 1920,  240, 1572,  255},
    {     "optH4",  Kind::Option, "Frame1",        "7.5m", 1920,  480, 1572,  255},
    {     "optH5",  Kind::Option, "Frame1",         "10m", 1920,  720, 1572,  255},
    {     "optH6",  Kind::Option, "Frame1",         "12m", 3600,  240, 1572,  255},
    {     "optH7",  Kind::Option, "Frame1",         "15m", 3600,  480, 1572,  255},
    {     "optH8",  Kind::Option, "Frame1",         "20m", 3600,  720, 1572,  255},
    {     "optH9",  Kind::Option, "Frame1",         "27m", 3600,  960, 1572,  255},
    {    "Label1",   Kind::Label,  nullptr, "Input code:",  360, 1680, 1452,  252},
    {      "txAC", Kind::TextBox,  nullptr,            "", 1920, 1680, 1572,  270},
    {     "cmdOK", Kind::Command,  nullptr,          "OK", 3600, 1680, 1095,  375},
    {    "Label2",   Kind::Label,  nullptr,         "DD:",  360, 2040, 1452,  252},
    {      "txDD", Kind::TextBox,  nullptr,            "", 1920, 2040, 1572,  270},
    {    "Frame2",   Kind::Frame,  nullptr, "Batch Table",  240, 2400, 5292, 1335},
    {    "Label3",   Kind::Label, "Frame2",  "File name:",  240,  360, 1095,  255},
    {      "txFN", Kind::TextBox, "Frame2",  "action.txt", 1440,  360, 3612,  270},
    {"cmdGenTbl0", Kind::Command, "Frame2",           "D",  600,  720, 1215,  375},
    {"cmdGenTbl1", Kind::Command, "Frame2",          "HD", 2040,  720, 1215,  375},
    {"cmdGenTbl2", Kind::Command, "Frame2",        "D+HD", 3480,  720, 1215,  375},
};

constexpr int ClientWidth = 5856;   // twips
constexpr int ClientHeight = 4080;  // twips

// 15 twips make one pixel at 96 dots per inch; the toolkit scales pixels for denser screens.
constexpr int Pixels(int Twips) { return (Twips + 7) / 15; }

QWidget* MakeControl(Kind What, const QString& Caption, QWidget* Parent) {
  switch (What) {
    case Kind::Frame:
      return new QGroupBox(Caption, Parent);
    case Kind::Option:
      return new QRadioButton(Caption, Parent);
    case Kind::Label:
      return new QLabel(Caption, Parent);
    case Kind::TextBox: {
      auto* Box = new QLineEdit(Parent);
      Box->setText(Caption);
      return Box;
    }
    case Kind::Command:
      return new QPushButton(Caption, Parent);
  }
  return nullptr;
}

void ShowMessageBox(QWidget* Owner, const QString& Text) {
  QMessageBox Box(QMessageBox::NoIcon, QStringLiteral("Merrith"), Text, QMessageBox::Ok, Owner);
  Box.exec();
}

std::u16string DecimalSeparator() { return QLocale().decimalPoint().toStdU16String(); }

}  // namespace

fmMain::fmMain(QWidget* Parent)
    : QWidget(Parent), MsgBox([this](const QString& Text) { ShowMessageBox(this, Text); }) {
  setWindowTitle(QStringLiteral("Olvaro Merrith v2015-2021"));
  setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));
  BuildControls();
  ConnectControls();
  Form_Load();
}

void fmMain::SetMessageSink(std::function<void(const QString&)> Sink) { MsgBox = std::move(Sink); }

void fmMain::BuildControls() {
  QWidget* Previous = nullptr;
  for (const Control& Row : Controls) {
    QWidget* Parent = Row.Inside ? findChild<QWidget*>(QLatin1String(Row.Inside)) : this;
    QWidget* Made = MakeControl(Row.What, QString::fromUtf8(Row.Caption), Parent);
    Made->setObjectName(QLatin1String(Row.Name));
    Made->setGeometry(Pixels(Row.Left), Pixels(Row.Top), Pixels(Row.Width), Pixels(Row.Height));
    if (Made->focusPolicy() & Qt::TabFocus) {
      if (Previous) setTabOrder(Previous, Made);
      Previous = Made;
    }
  }
  const auto Child = [this]<typename T>(T*& Member, const QString& Name) {
    Member = findChild<T*>(Name);
  };
  Child(Frame1, QStringLiteral("Frame1"));
  for (std::size_t I = 0; I < optH.size(); ++I) Child(optH[I], QStringLiteral("optH%1").arg(I + 1));
  Child(Label1, QStringLiteral("Label1"));
  Child(txAC, QStringLiteral("txAC"));
  Child(cmdOK, QStringLiteral("cmdOK"));
  Child(Label2, QStringLiteral("Label2"));
  Child(txDD, QStringLiteral("txDD"));
  Child(Frame2, QStringLiteral("Frame2"));
  Child(Label3, QStringLiteral("Label3"));
  Child(txFN, QStringLiteral("txFN"));
  for (std::size_t I = 0; I < cmdGenTbl.size(); ++I) {
    Child(cmdGenTbl[I], QStringLiteral("cmdGenTbl%1").arg(I));
  }
  txDD->setReadOnly(true);
  cmdOK->setDefault(true);
}

void fmMain::ConnectControls() {
  optHGroup = new QButtonGroup(this);
  for (std::size_t I = 0; I < optH.size(); ++I) optHGroup->addButton(optH[I], int(I) + 1);
  connect(optHGroup, &QButtonGroup::idToggled, this, [this](int Index, bool Checked) {
    if (Checked) optH_Click(static_cast<std::int16_t>(Index));
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

// Selecting "1m" the way a click would keeps the buttons and HeightIndex in agreement.
void fmMain::Form_Load() { optH[0]->setChecked(true); }

void fmMain::optH_Click(std::int16_t Index) { HeightIndex = Index; }

void fmMain::cmdOK_Click() {
  txDD->setText(QString::fromStdU16String(
      EvaluateCode(txAC->text().toStdU16String(), HeightIndex, DecimalSeparator())));
}

// The calculators are handed each height of the table in turn, so the user's HeightIndex
// is never touched by a run.
void fmMain::cmdGenTbl_Click(std::int16_t Index) {
  const std::u16string Name = txFN->text().toStdU16String();
  const BatchOutcome Outcome =
      WriteBatchTable(Name, static_cast<BatchBlocks>(Index), DecimalSeparator());
  MsgBox(QString::fromStdU16String(BatchMessage(Outcome, Name)));
}

}  // namespace merrith
