#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "file_test_folder.h"
#include "support/utf8.h"
#include "test_dialogs.h"
#include "window/main_controller.h"

namespace merrith {
namespace {

using enum MainControl;

// A view that keeps what the controller shows it and plays the user: what the user types,
// picks or clicks reaches the controller as from a toolkit.
class FakeView : public WindowView {
 public:
  FakeView(const WindowLayout& Table, std::vector<FakeView*>& Made) : Layout(Table), Opened(Made) {
    for (const ControlLayout& Row : Layout.Controls) Texts[Row.Id.Row] = DecodeUtf8(Row.Caption);
  }

  void Type(ControlId Box, std::u16string_view Typed) {
    Texts[Box.Row] = Typed;
    Use(Box);
  }
  std::u16string& At(ControlId Box) { return Texts[Box.Row]; }
  void Use(ControlId Control) { Controller->Run(LayoutOf(Layout, Control).Command, Control); }

  std::u16string Text(ControlId Box) const override { return Texts.at(Box.Row); }
  void SetText(ControlId Box, std::u16string_view Text) override { Texts[Box.Row] = Text; }
  void SetTip(ControlId Control, std::u16string_view Tip) override { Tips[Control.Row] = Tip; }
  void Check(ControlId Option) override { Checked = Option; }
  void SetChoices(ControlId, std::span<const std::u16string> Entries) override {
    Choices.assign(Entries.begin(), Entries.end());
  }
  int Picked(ControlId) const override { return Entry; }
  void Pick(ControlId, int Picked) override { Entry = Picked; }
  void SetCaption(std::u16string_view Text) override { Caption = Text; }
  std::u16string DecimalSeparator() const override { return u","; }
  Dialogs SystemDialogs() override { return {}; }
  DesktopPlace Place() const override { return Where; }
  void MoveTo(int Left, int Top) override { Where.Frame = {Left, Top, 600, 400}; }
  void Show() override { Shown = true; }
  void Close() override { Closed = true; }
  bool IsOpen() const override { return !Closed; }
  std::unique_ptr<WindowView> OpenView(const WindowLayout& Table, std::u16string_view Text,
                                       WindowController& Told) override {
    auto View = std::make_unique<FakeView>(Table, Opened);
    View->Controller = &Told;
    View->Caption = Text;
    View->Where.Frame = {0, 0, 600, 400};
    Opened.push_back(View.get());
    return View;
  }

  const WindowLayout& Layout;
  std::vector<FakeView*>& Opened;  // every view opened from this one, in turn
  WindowController* Controller = nullptr;
  std::map<std::uint8_t, std::u16string> Texts, Tips;
  ControlId Checked;
  std::vector<std::u16string> Choices;
  int Entry = -1;
  std::u16string Caption;
  DesktopPlace Where;
  bool Shown = false;
  bool Closed = false;
};

// Enter presses a focused command button, anything else the default button, where there is
// one.
TEST(EnterButton, IsTheFocusedCommandOrTheDefault) {
  struct Case {
    const WindowLayout& Window;
    ControlId Focused, Pressed;
  };
  const Case Cases[] = {
      { MainWindow,                  txAC,                 cmdOK},
      { MainWindow,            cmdGenTbl1,            cmdGenTbl1},
      { MainWindow,                 optH4,                 cmdOK},
      { MainWindow,             NoControl,                 cmdOK},
      {SheetWindow, SheetControl::txDives,             NoControl},
      {SheetWindow, SheetControl::cmdSave, SheetControl::cmdSave},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(EnterButton(C.Window, C.Focused).Row, C.Pressed.Row) << int(C.Focused.Row);
}

// Right of the main window, a caption's height down and right for each sheet open already,
// kept inside the work area.
TEST(SheetCorner, StepsDownAndStaysOnTheScreen) {
  struct Case {
    DesktopRect Main, Work;
    int Before;
    DesktopPoint Corner;
  };
  const Case Cases[] = {
      { {100, 50, 400, 300},  {0, 0, 1280, 1000}, 0,  {500, 50}},
      { {100, 50, 400, 300},  {0, 0, 1280, 1000}, 2,  {540, 90}},
      { {900, 50, 400, 300},  {0, 0, 1280, 1000}, 1,  {680, 70}},
      {{100, 800, 400, 300}, {0, 30, 1280, 1000}, 0, {500, 630}},
      { {100, 50, 400, 300},    {0, 0, 500, 300}, 0,     {0, 0}},
  };
  for (const Case& C : Cases) {
    const DesktopPoint Corner = SheetCorner({C.Main, C.Work, 20}, 600, 400, C.Before);
    EXPECT_EQ(Corner.Left, C.Corner.Left) << C.Main.Left << " " << C.Before;
    EXPECT_EQ(Corner.Top, C.Corner.Top) << C.Main.Left << " " << C.Before;
  }
}

class Controllers : public ::testing::Test {
 protected:
  void SetUp() override {
    View.Controller = &Main;
    View.Where = {
        {100, 50,  400,  300},
        {  0,  0, 1280, 1000},
        20
    };
    Main.Form_Load();
  }
  FakeView& Sheet(std::size_t I) { return *Opened.at(I); }

  testing::TestFolder Dir;
  testing::TestDialogs User;
  std::vector<FakeView*> Opened;
  FakeView View{MainWindow, Opened};
  CMainController Main{View, User.Seams(), InstalledDocuments()};
};

// Each control runs its procedure through its row: a height by its index, "OK" with the
// user's separator into the result box and its tip, a batch button by its index.
TEST_F(Controllers, RunTheMainWindowsProceduresByTheirRows) {
  EXPECT_EQ(View.Checked, ControlId(optH1));
  View.Use(optH2);
  View.Type(txAC, u"105b");
  View.Use(cmdOK);
  EXPECT_EQ(View.At(txDD), u"2,4");
  EXPECT_TRUE(View.Tips[ControlId(txDD).Row].starts_with(u"Forward 2\u00BD Somersaults, Pike\n"));
  View.Type(txFN, Dir.Text("missing.txt"));
  View.Use(cmdGenTbl2);
  Main.Run(WindowCommand::SelectHeight, NoControl);
  Main.Run(WindowCommand::BatchTable, NoControl);
  EXPECT_EQ(Main.Form().GetHeightIndex(), 2);
  EXPECT_EQ(User.Messages, std::vector<std::u16string>{u"File Error!!!"});
  User.Paths = {Dir.Text("picked.txt")};
  Main.Run(WindowCommand::OpenList, NoControl);
  EXPECT_EQ(View.At(txFN), Dir.Text("picked.txt"));
}

// A sheet opens beside the main window, each further one a step down; one closed makes room.
// Its report and caption follow what the user types and picks; its Ctrl+N opens another.
TEST_F(Controllers, OpenSheetsBesideTheMainWindowAndFollowTheUser) {
  Main.NewSheet();
  Main.NewSheet();
  EXPECT_EQ(Sheet(1).Where.Frame.Left, 520);
  EXPECT_EQ(Sheet(1).Where.Frame.Top, 70);
  ASSERT_TRUE(Sheet(0).Controller->QueryClose());
  Sheet(0).Close();
  Sheet(1).Controller->Run(WindowCommand::NewSheet, NoControl);
  ASSERT_EQ(Main.Sheets().size(), 2u);
  EXPECT_EQ(Sheet(2).Where.Frame.Top, 70);
  EXPECT_TRUE(Sheet(2).Shown);

  FakeView& Typed = Sheet(2);
  EXPECT_EQ(Typed.Caption, u"Dive sheet - Untitled");
  Typed.Type(SheetControl::txDives, u"105B");
  Typed.Entry = 2;
  Typed.Use(SheetControl::cboEvent);
  Typed.Type(SheetControl::txDiver, u"Ann");
  const CSheetWindow& Form = Main.Sheets()[1]->Form();
  EXPECT_EQ(Form.Text(), u"Event: men-1m\nDiver: Ann\n105B\n");
  EXPECT_EQ(Typed.At(SheetControl::txReport), Form.Report());
  EXPECT_EQ(Typed.Caption, u"Dive sheet - Untitled*");
}

// A sheet file fills the boxes and names the window; one that cannot be read opens none.
TEST_F(Controllers, OpenASheetFileOrSayWhyNot) {
  const std::string Text = "Event: women-3m\nDiver: Ann\n105B\n";
  Dir.Put("a.txt", std::vector<std::uint8_t>(Text.begin(), Text.end()));
  EXPECT_EQ(Main.OpenSheet(Dir.Text("missing.txt")), nullptr);
  EXPECT_EQ(User.Messages,
            std::vector<std::u16string>{u"Could not open " + Dir.Text("missing.txt")});
  ASSERT_NE(Main.OpenSheet(Dir.Text("a.txt")), nullptr);
  ASSERT_EQ(Main.Sheets().size(), 1u);
  FakeView& Shown = Sheet(1);
  EXPECT_EQ(Shown.Caption, u"Dive sheet - a.txt");
  EXPECT_EQ(Shown.At(SheetControl::txDiver), u"Ann");
  EXPECT_EQ(Shown.Choices.at(static_cast<std::size_t>(Shown.Entry)), u"Women 3 m springboard");
}

// Closing the main window, or Exit: the first Cancel keeps every window open; Don't save
// closes them all, the main window last.
TEST_F(Controllers, CloseAllWindowsOrNoneAtTheFirstCancel) {
  Main.NewSheet();
  Main.NewSheet()->Form().txDives_Change(u"105B");
  Main.NewSheet()->Form().txDives_Change(u"203C");
  EXPECT_FALSE(Main.QueryClose());
  Main.Run(WindowCommand::Exit, NoControl);
  EXPECT_EQ(Main.Sheets().size(), 3u);
  EXPECT_FALSE(View.Closed);
  EXPECT_EQ(User.Asked.size(), 2u);
  User.Answer = SaveAnswer::DontSave;
  Main.Run(WindowCommand::Exit, NoControl);
  EXPECT_TRUE(Main.Sheets().empty());
  EXPECT_TRUE(View.Closed);
}

}  // namespace
}  // namespace merrith
