#pragma once

#include <array>
#include <cstdint>

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include "window/main_window.h"

namespace merrith {

// The main window drawn with Qt: pick a height, type a dive code and read its DD, or turn a
// list of dive codes into a table of DDs.
class fmMain : public QWidget {
  Q_OBJECT

 public:
  // Builds the window with "1m" selected and "action.txt" as the batch file name.
  explicit fmMain(QWidget* Parent = nullptr);

  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return Form.GetHeightIndex(); }

  // Shows the window's messages through Sink instead of a modal message box.
  void SetMessageSink(MessageSink Sink);

 protected:
  // Enter runs the focused command button, or "OK" when no command button has the focus.
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void BuildControls();
  void ConnectControls();

  void Form_Load();
  void cmdOK_Click();
  void cmdGenTbl_Click(std::int16_t Index);

  CMainWindow Form;
  MessageSink MsgBox;

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
