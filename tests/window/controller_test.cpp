#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_view.h"
#include "file_test_folder.h"
#include "test_dialogs.h"
#include "window/main_controller.h"

namespace merrith {
namespace {

using enum MainControl;
using testing::FakeView;

// Enter presses a focused command button, anything else the default button, where there is
// one.
TEST(EnterButton, IsTheFocusedCommandOrTheDefault) {
  EXPECT_EQ(EnterButton(MainWindow, cmdGenTbl1), ControlId(cmdGenTbl1));
  EXPECT_EQ(EnterButton(MainWindow, txAC), ControlId(cmdOK));
  EXPECT_EQ(EnterButton(SheetWindow, SheetControl::txDives), NoControl);
}

// Right of the main window, a caption's height down and right for each sheet open already,
// kept inside the work area.
TEST(SheetCorner, StepsDownAndStaysOnTheScreen) {
  struct Case {
    DesktopRect Main, Work;
    int Before, Left, Top;
  };
  const Case Cases[] = {
      { {100, 50, 400, 300},  {0, 0, 1280, 1000}, 2, 540,  90},
      {{900, 800, 400, 300}, {0, 30, 1280, 1000}, 1, 680, 630},
      { {100, 50, 400, 300},    {0, 0, 500, 300}, 0,   0,   0},
  };
  for (const Case& C : Cases) {
    const DesktopPoint Corner = SheetCorner({C.Main, C.Work, 20}, 600, 400, C.Before);
    EXPECT_EQ(Corner.Left, C.Left) << C.Main.Left;
    EXPECT_EQ(Corner.Top, C.Top) << C.Main.Left;
  }
}

class Controllers : public ::testing::Test {
 protected:
  testing::TestFolder Dir;
  testing::TestDialogs User;
  std::vector<FakeView*> Opened;
  FakeView View{&Opened};
  CMainController Main{View, User.Seams(), InstalledDocuments()};
};

// Sheets open beside the main window, each further one a step down, and one closed makes room
// (a sheet's Ctrl+N opens one too); a file that cannot be read opens none. A height or a batch
// button's command from no control does nothing.
TEST_F(Controllers, OpenSheetsBesideTheMainWindow) {
  Main.NewSheet();
  Main.NewSheet();
  EXPECT_EQ(Opened[1]->Where.Frame.Left, 520);
  ASSERT_TRUE(Opened[0]->Controller->QueryClose());
  Opened[0]->Close();
  Opened[1]->Controller->Run(WindowCommand::NewSheet, NoControl);
  EXPECT_EQ(Opened[2]->Where.Frame.Top, 70);
  EXPECT_EQ(Main.OpenSheet(Dir.Text("missing.txt")), nullptr);
  EXPECT_EQ(Main.Sheets().size(), 2u);
  Main.Run(WindowCommand::SelectHeight, NoControl);
  Main.Run(WindowCommand::BatchTable, NoControl);
  EXPECT_EQ(Main.Form().GetHeightIndex(), 1);
  EXPECT_EQ(testing::WithoutReasons(User.Messages),
            std::vector<std::u16string>{u"Cannot read " + Dir.Text("missing.txt") + u": \u2026."});
}

// Closing the main window, or Exit: the first Cancel keeps every window open and asks no
// further; Don't save closes them all, the main window last.
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

// A sheet's report, caption and events follow what the user types and picks.
TEST_F(Controllers, ShowTheSheetsReportAndItsMarkOfChanges) {
  FakeView& Sheet = *Opened.at((Main.NewSheet(), 0));
  EXPECT_EQ(Sheet.Caption, u"Dive sheet - Untitled");
  Sheet.Texts[ControlId(SheetControl::txDives).Row] = u"105B";
  Sheet.Controller->Run(WindowCommand::SheetDivesTyped, SheetControl::txDives);
  EXPECT_EQ(Sheet.Texts[ControlId(SheetControl::txReport).Row], Main.Sheets()[0]->Form().Report());
  EXPECT_EQ(Sheet.Caption, u"Dive sheet - Untitled*");
  Sheet.Pick(SheetControl::cboBook, 1);  // the 2017 book: its 32 events
  Sheet.Controller->Run(WindowCommand::SheetBookPicked, SheetControl::cboBook);
  EXPECT_EQ(Sheet.Choices[ControlId(SheetControl::cboEvent).Row].size(), 32u);
}

}  // namespace
}  // namespace merrith
