#include "ui/win32/table_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cwchar>
#include <string>
#include <vector>

#include "controls_test_window.h"

namespace merrith {
namespace {

using testing::Listener;
using testing::TestControl;
using testing::TestWindow;

std::wstring TextOf(HWND Control) {
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Control)) + 1, L'\0');
  Text.resize(static_cast<std::size_t>(
      GetWindowTextW(Control, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

std::wstring CellOf(HWND Grid, int Row, int Column) {
  wchar_t Text[64]{};
  LVITEMW Item{};
  Item.iSubItem = Column;
  Item.pszText = Text;
  Item.cchTextMax = 64;
  SendMessageW(Grid, LVM_GETITEMTEXTW, static_cast<WPARAM>(Row), reinterpret_cast<LPARAM>(&Item));
  return Text;
}

int AlignOf(HWND Grid, int Column) {
  LVCOLUMNW Made{};
  Made.mask = LVCF_FMT;
  SendMessageW(Grid, LVM_GETCOLUMNW, static_cast<WPARAM>(Column), reinterpret_cast<LPARAM>(&Made));
  return Made.fmt & LVCFMT_JUSTIFYMASK;
}

// The award boxes and the grid of the recorder's windows, wired as CTableWindow draws them, keys
// going through the window's own message handling.
class TableControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Told.View = &Window;
    ASSERT_TRUE(Window.Create(GetModuleHandleW(nullptr), u"Controls"));
    ShowWindow(Window.Handle(), SW_SHOW);
    SetForegroundWindow(Window.Handle());
    Pump();
  }
  void TearDown() override {
    Window.Close();
    Pump();
  }

  static void Pump() {
    MSG Message{};
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE))
      if (Message.message != WM_QUIT) Dispatch(Message);
  }
  static void Press(WPARAM Key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, Key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, Key, 1 | (3u << 30));
    Pump();
  }
  static void Type(std::wstring_view Text) {
    for (wchar_t Unit : Text) PostMessageW(GetFocus(), WM_CHAR, Unit, 1);
    Pump();
  }
  HWND Box(int Judge) const {
    return Window.Control(Judge == 1 ? TestControl::txJ1 : TestControl::txJ2);
  }
  HWND Dives() const { return Window.Control(TestControl::grdDives); }
  std::wstring Refusal() const {
    std::wstring Text(256, L'\0');
    TTTOOLINFOW Info{};
    Info.cbSize = sizeof Info;
    Info.hwnd = Window.Handle();
    Info.lpszText = Text.data();
    SendMessageW(Window.RefusalTip(), TTM_GETTEXTW, Text.size(), reinterpret_cast<LPARAM>(&Info));
    Text.resize(std::wcslen(Text.c_str()));
    return Text;
  }

  Listener Told;
  CTableWindow Window{TestWindow, L"Merrith.TestControls", Told};
};

// Each key is asked about before the box takes it: a refused one is not typed and says why at
// the box; Space, handled, moved the focus; Tab, refused, did not; the box focused has its
// text selected whole.
TEST_F(TableControlsTest, AwardBoxAsksTheControllerBeforeEachKey) {
  Window.Focus(TestControl::txJ1);
  ASSERT_EQ(GetFocus(), Box(1));
  Type(L"7x");
  EXPECT_EQ(Refusal(), L"Not an award");
  Type(L"5");
  Press(VK_SPACE);
  EXPECT_EQ(TextOf(Box(1)), L"75");
  ASSERT_EQ(GetFocus(), Box(2));
  Type(L"8");
  Press(VK_BACK);
  Press(VK_TAB);
  EXPECT_EQ(TextOf(Box(2)), L"");
  EXPECT_EQ(GetFocus(), Box(2)) << "Tab refused";
  Window.Focus(TestControl::txJ1);
  Type(L"9");
  EXPECT_EQ(TextOf(Box(1)), L"9");
  EXPECT_EQ(Told.Heard,
            (std::vector<std::string>{"key 7 at 0", "key x at 0", "key 5 at 0", "key 1 at 0",
                                      "key 8 at 1", "key 4 at 1", "key 2 at 1", "key 9 at 0"}));
}

// The header above the rows, numbers right-aligned; the row picked stays picked while it is
// there; Enter or a double-click on a row runs the grid's command, not the default button's.
TEST_F(TableControlsTest, GridShowsItsRowsAndOpensThePickedOne) {
  const std::vector<std::vector<std::u16string>> Standings = {
      {u"Place", u"Diver",  u"Total"},
      {    u"1",   u"Ann", u"345.60"},
      {    u"2",   u"Bea", u"301.15"},
      {    u"3",   u"Cid", u"290.00"}
  };
  Window.SetRows(TestControl::grdDives, Standings);
  EXPECT_EQ(CellOf(Dives(), 2, 1), L"Cid");
  EXPECT_EQ(CellOf(Dives(), 0, 2), L"345.60");
  EXPECT_EQ(AlignOf(Dives(), 2), LVCFMT_RIGHT);
  EXPECT_EQ(AlignOf(Dives(), 1), LVCFMT_LEFT);
  EXPECT_EQ(Window.PickedRow(TestControl::grdDives), -1);
  Window.PickRow(TestControl::grdDives, 1);
  Window.SetRows(TestControl::grdDives, std::span(Standings).first(3));
  EXPECT_EQ(Window.PickedRow(TestControl::grdDives), 1);
  Window.SetRows(TestControl::grdDives, std::span(Standings).first(2));
  EXPECT_EQ(Window.PickedRow(TestControl::grdDives), -1);

  Window.SetRows(TestControl::grdDives, Standings);
  Window.PickRow(TestControl::grdDives, 2);
  SetFocus(Dives());
  Press(VK_RETURN);
  NMITEMACTIVATE Activated{};
  Activated.hdr = {Dives(), static_cast<UINT_PTR>(GetDlgCtrlID(Dives())), LVN_ITEMACTIVATE};
  Activated.iItem = 2;
  SendMessageW(Window.Handle(), WM_NOTIFY, Activated.hdr.idFrom,
               reinterpret_cast<LPARAM>(&Activated));
  const std::string Opened = "run " + std::to_string(int(WindowCommand::CorrectDive)) + " at 2";
  EXPECT_EQ(Told.Heard, (std::vector<std::string>{Opened, Opened}));
}

// The files of a drop, as the shell hands them over.
HGLOBAL DropOf(const std::vector<std::wstring>& Files) {
  std::wstring Names;
  for (const std::wstring& File : Files) Names += File + L'\0';
  const std::size_t Size = sizeof(DROPFILES) + (Names.size() + 1) * sizeof(wchar_t);
  HGLOBAL Drop = GlobalAlloc(GHND, Size);
  auto* Header = static_cast<DROPFILES*>(GlobalLock(Drop));
  Header->pFiles = sizeof(DROPFILES);
  Header->fWide = TRUE;
  std::copy(Names.begin(), Names.end(), reinterpret_cast<wchar_t*>(Header + 1));
  GlobalUnlock(Drop);
  return Drop;
}

// Files dropped on a window without a drop box go to its controller, all of them; a control
// disabled or hidden is so.
TEST_F(TableControlsTest, DropsReachTheControllerAndControlsShowAsTold) {
  SendMessageW(Window.Handle(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(DropOf({L"C:\\ann.txt", L"C:\\bea.txt"})), 0);
  EXPECT_EQ(Told.Heard, std::vector<std::string>{"dropped ann.txt|bea.txt"});
  Window.Enable(TestControl::cmdRecord, false);
  Window.SetVisible(TestControl::grdDives, false);
  EXPECT_FALSE(IsWindowEnabled(Window.Control(TestControl::cmdRecord)));
  EXPECT_FALSE(IsWindowVisible(Dives()));
}

}  // namespace
}  // namespace merrith
