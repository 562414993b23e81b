#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "window/main_window.h"

namespace merrith {

// The main window drawn with the system's own controls: pick a height, type a dive code and
// read its DD, or turn a list of dive codes into a table of DDs. Tab, the arrow keys among
// the heights and Enter work as in a dialog box, through Dispatch.
class fmMain {
 public:
  // A window not yet created; its messages go to modal message boxes.
  fmMain();
  fmMain(const fmMain&) = delete;
  fmMain& operator=(const fmMain&) = delete;
  // Closes the window if it is still open.
  ~fmMain();

  // Creates the window, not yet shown, with "1m" selected and "action.txt" as the batch file
  // name. False when the system refuses.
  bool Create(HINSTANCE Instance);

  // The window itself; null once it is closed.
  HWND Handle() const { return Window; }

  // The control of that name ("txAC"), or of that array member ("optH", 3); null if none.
  HWND Control(std::string_view Name, std::int16_t Index = NotInArray) const;

  // The tooltip window that tells what the result box's number is made of.
  HWND ResultTip() const { return Tip; }

  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return Form.GetHeightIndex(); }

  // Shows the window's messages through Sink instead of a modal message box.
  void SetMessageSink(MessageSink Sink);

  // Gives a message taken from the queue to the window's keyboard handling, or dispatches it.
  void Dispatch(MSG& Message);

 private:
  static LRESULT CALLBACK WindowProc(HWND Handle, UINT Message, WPARAM W, LPARAM L);
  LRESULT HandleMessage(UINT Message, WPARAM W, LPARAM L);

  bool BuildControls();
  bool BuildResultTip(HINSTANCE Instance);
  void LayOut(UINT Dpi);
  void FollowDpi(UINT Dpi, const RECT& Suggested);
  void UseMessageFont(UINT Dpi);
  void OnCommand(int Id, int Code);
  HWND EnterButton() const;
  void ShowDefaultButton();
  void KeepFocus();
  void RestoreFocus();

  void Form_Load();
  void cmdOK_Click();
  void cmdGenTbl_Click(std::int16_t Index);

  CMainWindow Form;
  MessageSink MsgBox;
  HWND Window = nullptr;
  std::array<HWND, std::size(MainWindowControls)> Controls{};  // in layout order
  HWND Tip = nullptr;                                          // the result box's tooltip
  HFONT Font = nullptr;
  HWND Focus = nullptr;  // the control that had the focus when the window lost it
};

// Runs the message loop until the window is closed; returns the program's exit code.
int RunMessageLoop(fmMain& Window);

}  // namespace merrith
