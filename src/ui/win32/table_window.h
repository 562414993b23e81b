#pragma once

#include <windows.h>

#include <shellapi.h>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/table_controls.h"
#include "window/window_view.h"

namespace merrith {

// A top-level window of the system's own controls, drawn from a table of controls: each
// control where the table puts it at the window's density, in the message font (a report in
// a fixed-width one), the table's menu above the client area and its shortcuts; Tab, the
// arrow keys and Enter work as in a dialog box, through Dispatch. What the controls do is the
// controller's.
class CTableWindow : public WindowView {
 public:
  // A window not yet created; Controller hears what the user does once it is.
  CTableWindow(const WindowLayout& Layout, const wchar_t* ClassName, WindowController& Controller);
  CTableWindow(const CTableWindow&) = delete;
  CTableWindow& operator=(const CTableWindow&) = delete;
  // Closes the window if it is still open.
  ~CTableWindow() override;

  // Creates the window, not yet shown, captioned Caption. False when the system refuses.
  bool Create(HINSTANCE Instance, std::u16string_view Caption);

  // The window itself; null before it is created and once it is closed.
  HWND Handle() const { return Window; }

  // The control Id; null before the window is created.
  HWND Control(ControlId Id) const { return Id.Row < Controls.size() ? Controls[Id.Row] : nullptr; }

  // The tooltip window that shows the controls' tips, and the one that says why a key was
  // refused.
  HWND Tips() const { return Tip; }
  HWND RefusalTip() const { return Refusal.Handle(); }

  std::u16string Text(ControlId Box) const override;
  void SetText(ControlId Box, std::u16string_view Text) override;
  void SetTip(ControlId Control, std::u16string_view Tip) override;
  void Check(ControlId Option) override;
  void SetChoices(ControlId DropDown, std::span<const std::u16string> Entries) override;
  int Picked(ControlId DropDown) const override;
  void Pick(ControlId DropDown, int Entry) override;
  void Focus(ControlId Control) override;
  void Enable(ControlId Control, bool Enabled) override;
  void SetVisible(ControlId Control, bool Visible) override;
  void SetRows(ControlId Grid, std::span<const std::vector<std::u16string>> Rows) override;
  int PickedRow(ControlId Grid) const override;
  void PickRow(ControlId Grid, int Row) override;
  void SetCaption(std::u16string_view Caption) override;
  std::u16string DecimalSeparator() const override;
  Dialogs SystemDialogs() override;
  DesktopPlace Place() const override;
  void MoveTo(int Left, int Top) override;
  void Show() override;
  void Close() override;
  bool IsOpen() const override { return Window != nullptr; }
  // Each task waits in a queue of the window's, and a private message a task runs the next in
  // the window procedure; the tasks of a window destroyed meanwhile are dropped.
  void Post(std::function<void()> Task) override;
  std::unique_ptr<WindowView> OpenView(const WindowLayout& Layout, std::u16string_view Caption,
                                       WindowController& Controller) override;

 protected:
  // The window is being destroyed.
  virtual void OnDestroy() {}

 private:
  friend void Dispatch(MSG& Message);
  static LRESULT CALLBACK WindowProc(HWND Handle, UINT Message, WPARAM W, LPARAM L);
  static LRESULT CALLBACK AwardBoxProc(HWND Box, UINT Message, WPARAM W, LPARAM L, UINT_PTR Row,
                                       DWORD_PTR Self);
  LRESULT HandleMessage(UINT Message, WPARAM W, LPARAM L);
  bool TakeKeyboardMessage(MSG& Message);
  bool TakeBoxKey(const MSG& Message);
  bool Refused(std::size_t Row, KeyPress Key);
  void RunPosted();

  bool BuildControls();
  HMENU BuildMenu() const;
  HACCEL BuildKeys() const;
  void LayOut(UINT Dpi);
  void FollowDpi(UINT Dpi, const RECT& Suggested);
  void UseFonts(UINT Dpi);
  void OnCommand(int Id, int Code);
  void OnNotify(const NMHDR& Note);
  void Dropped(HDROP Drop);
  HWND EnterButton() const;
  void ShowDefaultButton();
  void KeepFocus();
  void RestoreFocus();
  bool IsReportBox(HWND Control) const;
  // The layout's row of Control, or -1 when it is none of the window's.
  int RowOf(HWND Control) const;

  const WindowLayout& Layout;
  const wchar_t* Class;
  WindowController& Controller;
  HWND Window = nullptr;
  std::vector<HWND> Controls;  // in layout order
  HWND Tip = nullptr;          // the controls' tooltips
  std::mutex PostedLock;       // Post is called from any thread
  std::deque<std::function<void()>> Posted;
  CMomentTip Refusal;  // why a key was refused
  HACCEL Keys = nullptr;
  HFONT Font = nullptr;
  HFONT FixedFont = nullptr;  // for reports, whose columns align
  HWND Focused = nullptr;     // the control that had the focus when the window lost it
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
