#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "window/sheet_window.h"

namespace merrith {

// A dive sheet's window drawn with Qt: the event, the diver and the dives as the user types
// them, and beside them the sheet's report, redone at every change.
class fmSheet : public QWidget {
  Q_OBJECT

 public:
  // An untitled sheet, not yet shown, that asks through Asks (the system's dialogs when none)
  // and runs "New dive sheet" through NewSheet. It is deleted when it closes.
  fmSheet(SheetFunctions Sheets, std::optional<Dialogs> Asks, std::function<void()> NewSheet);

  // The sheet and its procedures.
  CSheetWindow& Form() { return Sheet; }

  // Reads the sheet file at FileName into the window; false, having said why, when it cannot.
  bool Load(std::u16string_view FileName);

  // Closes the window without asking again: its question was asked already.
  void CloseAsked();

  // Runs a button's or a shortcut's command.
  void Run(WindowCommand Command);

 protected:
  // Asks about unsaved changes; Cancel keeps the window open.
  void closeEvent(QCloseEvent* Event) override;

 private:
  void ConnectBoxes();
  void ShowSheet();
  void ShowReport();

  CSheetWindow Sheet;
  std::function<void()> OnNewSheet;
  QComboBox* cboEvent = nullptr;
  QLineEdit* txDiver = nullptr;
  QPlainTextEdit* txDives = nullptr;
  QPlainTextEdit* txReport = nullptr;
  bool Filling = false;  // the boxes are being filled from the sheet, not typed into
  bool Asked = false;
};

}  // namespace merrith
