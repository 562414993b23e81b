#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "window/window_view.h"

namespace merrith {

// Text of the layouts (UTF-8) and of the procedures (UTF-16) as Qt holds it.
QString Text(std::string_view Utf8);
QString Text(std::u16string_view Utf16);

// A window drawn with Qt from its layout: each control at its place at 96 dpi (Qt scales
// pixels for denser screens itself), named as the layout names it ("optH3"), in tab order; the
// layout's menu and keys; every control, menu item and key telling the controller its
// command. Enter presses the focused command button or the default one.
class CTableWidget : public QMainWindow, public WindowView {
 public:
  // Not yet shown; Controller hears what the user does once the window is made.
  CTableWidget(const WindowLayout& Layout, WindowController& Controller);

  // The control Id.
  QWidget* Control(ControlId Id) const { return Controls[Id.Row]; }

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
  void Show() override { show(); }
  void Close() override;
  bool IsOpen() const override { return !Closed; }
  // Queued on the window's thread; a task for a window deleted meanwhile is dropped.
  void Post(std::function<void()> Task) override;
  std::unique_ptr<WindowView> OpenView(const WindowLayout& Layout, std::u16string_view Caption,
                                       WindowController& Controller) override;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  // Files dropped on the window: the first fills its drop box, where it has one; else the
  // controller hears them all.
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;
  // The tasks posted from other threads, run here on the window's.
  void customEvent(QEvent* Event) override;

 private:
  void DrawControls();
  void DrawMenu();
  void Connect(const ControlLayout& Row);

  const WindowLayout& Layout;
  WindowController& Controller;
  std::vector<QWidget*> Controls;  // in the layout's order
  bool Asked = false;              // closing without asking the controller
  bool Closed = false;
  std::mutex PostedLock;  // Post is called from any thread
  std::deque<std::function<void()>> Posted;
};

}  // namespace merrith
