#include "ui/qt/fm_sheet.h"

#include <utility>

#include <QCloseEvent>
#include <QScrollBar>

#include "ui/qt/system_dialogs.h"
#include "ui/qt/window_drawing.h"

namespace merrith {

fmSheet::fmSheet(SheetFunctions Sheets, std::optional<Dialogs> Asks, std::function<void()> NewSheet)
    : Sheet(std::move(Sheets), Asks ? std::move(*Asks) : SystemDialogs(this)),
      OnNewSheet(std::move(NewSheet)) {
  setAttribute(Qt::WA_DeleteOnClose);
  DrawControls(this, SheetWindow);
  BindKeys(this, SheetWindow, [this](WindowCommand Command) { Run(Command); });
  ConnectButtons(this, SheetWindow, [this](WindowCommand Command) { Run(Command); });
  cboEvent = findChild<QComboBox*>(QStringLiteral("cboEvent"));
  txDiver = findChild<QLineEdit*>(QStringLiteral("txDiver"));
  txDives = findChild<QPlainTextEdit*>(QStringLiteral("txDives"));
  txReport = findChild<QPlainTextEdit*>(QStringLiteral("txReport"));
  ConnectBoxes();
  ShowSheet();
}

void fmSheet::ConnectBoxes() {
  connect(cboEvent, &QComboBox::currentIndexChanged, this, [this](int Row) {
    if (Filling) return;
    Sheet.cboEvent_Click(Row);
    ShowReport();
  });
  connect(txDiver, &QLineEdit::textChanged, this, [this](const QString& Typed) {
    if (Filling) return;
    Sheet.txDiver_Change(Typed.toStdU16String());
    ShowReport();
  });
  connect(txDives, &QPlainTextEdit::textChanged, this, [this] {
    if (Filling) return;
    Sheet.txDives_Change(txDives->toPlainText().toStdU16String());
    ShowReport();
  });
}

// The boxes as the sheet holds it, after it was read or opened.
void fmSheet::ShowSheet() {
  Filling = true;
  cboEvent->clear();
  for (const EventChoice& Event : Sheet.EventChoices()) cboEvent->addItem(Text(Event.Title));
  cboEvent->setCurrentIndex(Sheet.EventRow());
  txDiver->setText(Text(Sheet.Fields().Diver));
  txDives->setPlainText(Text(Sheet.Fields().Dives));
  Filling = false;
  ShowReport();
}

// The report where the user had scrolled it to, and the caption with its mark of changes.
void fmSheet::ShowReport() {
  setWindowTitle(Text(Sheet.Caption()));
  const int Scrolled = txReport->verticalScrollBar()->value();
  txReport->setPlainText(Text(Sheet.Report()));
  txReport->verticalScrollBar()->setValue(Scrolled);
}

bool fmSheet::Load(std::u16string_view FileName) {
  if (!Sheet.Load(FileName)) return false;
  ShowSheet();
  return true;
}

void fmSheet::CloseAsked() {
  Asked = true;
  close();
}

void fmSheet::Run(WindowCommand Command) {
  if (Command == WindowCommand::NewSheet) {
    OnNewSheet();
    return;
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

void fmSheet::closeEvent(QCloseEvent* Event) {
  if (Asked || Sheet.Form_QueryUnload()) {
    Event->accept();
  } else {
    Event->ignore();
    ShowReport();  // a save that the question started shows in the caption
  }
}

}  // namespace merrith
