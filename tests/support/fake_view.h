#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "window/window_view.h"

namespace merrith::testing {

// A window as its controller shows it, with no toolkit: what each control holds, the focus and
// the caption, kept by row. Every window it opens is 600 x 400 and listed in Opened, with the
// controller told to run it. The toolkits' tests show the user's side.
class FakeView : public WindowView {
 public:
  using Rows = std::vector<std::vector<std::u16string>>;

  explicit FakeView(std::vector<FakeView*>* Made = nullptr, WindowController* Told = nullptr)
      : Opened(Made), Controller(Told) {}

  std::u16string Text(ControlId Box) const override {
    const auto Found = Texts.find(Box.Row);
    return Found == Texts.end() ? u"" : Found->second;
  }
  void SetText(ControlId Box, std::u16string_view Text) override { Texts[Box.Row] = Text; }
  void SetTip(ControlId, std::u16string_view) override {}
  void Check(ControlId) override {}
  void SetChoices(ControlId DropDown, std::span<const std::u16string> Entries) override {
    Choices[DropDown.Row].assign(Entries.begin(), Entries.end());
  }
  int Picked(ControlId DropDown) const override {
    const auto Found = Picks.find(DropDown.Row);
    return Found == Picks.end() ? -1 : Found->second;
  }
  void Pick(ControlId DropDown, int Entry) override { Picks[DropDown.Row] = Entry; }
  void Focus(ControlId Control) override {
    Focused = Control;
    Selected = true;
  }
  void Enable(ControlId Control, bool Enabled) override { Usable[Control.Row] = Enabled; }
  void SetVisible(ControlId Control, bool Visible) override { Shows[Control.Row] = Visible; }
  void SetRows(ControlId Grid, std::span<const std::vector<std::u16string>> Given) override {
    Grids[Grid.Row].assign(Given.begin(), Given.end());
  }
  int PickedRow(ControlId) const override { return Row; }
  void PickRow(ControlId, int Picked) override { Row = Picked; }
  void SetCaption(std::u16string_view Text) override { Caption = Text; }
  std::u16string DecimalSeparator() const override { return u"."; }
  Dialogs SystemDialogs() override { return {}; }
  DesktopPlace Place() const override { return Where; }
  void MoveTo(int Left, int Top) override { Where.Frame = {Left, Top, 600, 400}; }
  void Show() override {}
  void Close() override { Closed = true; }
  bool IsOpen() const override { return !Closed; }
  void Post(std::function<void()> Task) override {
    const std::lock_guard<std::mutex> Held(PostedLock);
    Posted.push_back(std::move(Task));
  }
  // Runs the tasks posted so far, as the window's thread would.
  void RunPosted() {
    std::unique_lock<std::mutex> Held(PostedLock);
    const std::vector<std::function<void()>> Now = std::exchange(Posted, {});
    Held.unlock();
    for (const std::function<void()>& Task : Now) Task();
  }
  std::unique_ptr<WindowView> OpenView(const WindowLayout&, std::u16string_view,
                                       WindowController& Told) override {
    if (Opened == nullptr) return nullptr;
    auto View = std::make_unique<FakeView>(Opened, &Told);
    View->Where.Frame = {0, 0, 600, 400};
    Opened->push_back(View.get());
    return View;
  }

  std::vector<FakeView*>* Opened;
  WindowController* Controller;
  std::map<std::uint8_t, std::u16string> Texts;
  std::map<std::uint8_t, std::vector<std::u16string>> Choices;
  std::map<std::uint8_t, int> Picks;
  std::map<std::uint8_t, bool> Usable;
  std::map<std::uint8_t, bool> Shows;
  std::map<std::uint8_t, Rows> Grids;
  int Row = -1;
  ControlId Focused;
  bool Selected = false;  // the focused box's text, which a character typed replaces
  std::u16string Caption;
  DesktopPlace Where{
      {100, 50,  400,  300},
      {  0,  0, 1280, 1000},
      20
  };
  bool Closed = false;
  std::mutex PostedLock;
  std::vector<std::function<void()>> Posted;
};

}  // namespace merrith::testing
