#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include <QButtonGroup>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/fm_sheet.h"
#include "window/main_window.h"

namespace merrith {

// The main window drawn with Qt: pick a height, type a dive code and read its DD, or turn a
// list of dive codes into a table of DDs; its menu opens lists, dive sheets and charts.
class fmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window with "1m" selected and "action.txt" as the batch file name.
  explicit fmMain(QWidget* Parent = nullptr);

  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return Form.GetHeightIndex(); }

  // Asks and reports through Asks, and so do the sheet windows opened from now on, instead of
  // the system's dialogs.
  void SetDialogs(Dialogs Asks);

  // Opens FileName as a dive sheet in a window of its own beside this one; null, having said
  // why, when the file cannot be read.
  fmSheet* OpenSheet(std::u16string_view FileName);

  // An untitled dive sheet in a window of its own.
  fmSheet* NewSheet();

  // The sheet windows open now, in the order they were opened.
  std::vector<fmSheet*> Sheets() const;

  // Runs a menu item's, a shortcut's or a button's command.
  void Run(WindowCommand Command);

 protected:
  // Enter runs the focused command button, or "OK" when no command button has the focus.
  void keyPressEvent(QKeyEvent* Event) override;
  // Closes the sheet windows too, asking for each unsaved one; Cancel keeps them all open.
  void closeEvent(QCloseEvent* Event) override;
  // A file dropped on the window fills the file name box.
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;

 private:
  void BuildControls();
  void ConnectControls();
  fmSheet* MakeSheet();
  void PlaceBeside(fmSheet* Sheet) const;

  void Form_Load();
  void cmdOK_Click();
  void cmdGenTbl_Click(std::int16_t Index);

  CMainWindow Form;
  std::optional<Dialogs> TestDialogs;  // what SetDialogs gave, for the sheet windows too
  std::vector<QPointer<fmSheet>> SheetWindows;

  std::array<QRadioButton*, 9> optH{};  // optH[0] is index 1, "1m"
  QLineEdit* txAC = nullptr;
  QPushButton* cmdOK = nullptr;
  QLineEdit* txDD = nullptr;
  QLineEdit* txFN = nullptr;
  std::array<QPushButton*, 3> cmdGenTbl{};
  QButtonGroup* optHGroup = nullptr;
  QButtonGroup* cmdGenTblGroup = nullptr;
};

}  // namespace merrith
