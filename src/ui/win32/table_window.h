#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "window/window_layout.h"

namespace merrith {

// A top-level window of the system's own controls, drawn from a table of controls: each
// control where the table puts it at the window's density, in the message font (a report in
// a fixed-width one), the table's menu above the client area and its shortcuts; Tab, the
// arrow keys and Enter work as in a dialog box, through Dispatch. What the controls do is the
// derived window's, through Run.
class CTableWindow {
 public:
  CTableWindow(const WindowLayout& Layout, const wchar_t* ClassName);
  CTableWindow(const CTableWindow&) = delete;
  CTableWindow& operator=(const CTableWindow&) = delete;
  // Closes the window if it is still open.
  virtual ~CTableWindow();

  // The window itself; null before it is created and once it is closed.
  HWND Handle() const { return Window; }

  // The control of that name ("txAC"), or of that array member ("optH", 3); null if none.
  HWND Control(std::string_view Name, std::int16_t Index = NotInArray) const;

  // The control of the layout's row Row; null if none.
  HWND ControlAt(std::size_t Row) const { return Row < Controls.size() ? Controls[Row] : nullptr; }

  // Where a control's notifications come from, and what a menu item or a shortcut sends.
  static constexpr std::size_t NoRow = static_cast<std::size_t>(-1);

 protected:
  // Creates the window, not yet shown, captioned Caption. False when the system refuses.
  bool CreateTable(HINSTANCE Instance, std::u16string_view Caption);

  // The user used the control of Row (NoRow for a menu item or a shortcut) that runs Command:
  // clicked a button, selected a height, typed into a box, picked from a drop-down.
  virtual void Run(WindowCommand Command, std::size_t Row) = 0;

  // The window was created, its controls laid out; false fails the creation.
  virtual bool OnCreated() { return true; }
  // The window was laid out afresh at Dpi dots per inch.
  virtual void OnLaidOut(UINT Dpi);
  // The user asks to close the window: true when it may close.
  virtual bool QueryClose() { return true; }
  // The window is being destroyed.
  virtual void OnDestroy() {}
  // A message the table window leaves to the derived window; true when it was handled.
  virtual bool OnMessage(UINT Message, WPARAM W, LPARAM L, LRESULT& Result);

  // The control's text, and its text set, with CR LF where multi-line boxes need them.
  std::u16string TextOf(HWND Control) const;
  void SetText(HWND Control, std::u16string_view Text) const;

 private:
  friend void Dispatch(MSG& Message);
  static LRESULT CALLBACK WindowProc(HWND Handle, UINT Message, WPARAM W, LPARAM L);
  LRESULT HandleMessage(UINT Message, WPARAM W, LPARAM L);
  bool TakeKeyboardMessage(MSG& Message);

  bool BuildControls();
  HMENU BuildMenu() const;
  HACCEL BuildKeys() const;
  void LayOut(UINT Dpi);
  void FollowDpi(UINT Dpi, const RECT& Suggested);
  void UseFonts(UINT Dpi);
  void OnCommand(int Id, int Code);
  HWND EnterButton() const;
  void ShowDefaultButton();
  void KeepFocus();
  void RestoreFocus();
  bool IsReportBox(HWND Control) const;

  const WindowLayout& Layout;
  const wchar_t* Class;
  HWND Window = nullptr;
  std::vector<HWND> Controls;  // in layout order
  HACCEL Keys = nullptr;
  HFONT Font = nullptr;
  HFONT FixedFont = nullptr;  // for reports, whose columns align
  HWND Focus = nullptr;       // the control that had the focus when the window lost it
  POINT FrameSize{};          // the window's size around the layout's client area
};

// Gives a message taken from the queue to the keyboard handling of the table window it is
// for (its shortcuts, then the dialog keys), or dispatches it.
void Dispatch(MSG& Message);

// Runs the message loop until the program is asked to quit; returns its exit code.
int RunMessageLoop();

// Text in the forms the system and the procedures hold it.
std::wstring Wide(std::u16string_view Text);
std::wstring Wide(std::string_view Utf8);
std::u16string Utf16(std::wstring_view Text);

}  // namespace merrith
