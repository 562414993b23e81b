#include "ui/win32/fm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "support/file_lock.h"
#include "support/utf8.h"
#include "test_dialogs.h"
#include "window/sheet_window_layout.h"

namespace merrith {
namespace {

using testing::TestFolder;

std::string Narrow(std::wstring_view Text) { return std::string(Text.begin(), Text.end()); }

std::wstring TextOf(HWND Control) {
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Control)) + 1, L'\0');
  Text.resize(static_cast<std::size_t>(
      GetWindowTextW(Control, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

RECT ClientRect(HWND Window) {
  RECT Client{};
  GetClientRect(Window, &Client);
  return Client;
}

// Where Control stands in its window's client area, in pixels.
RECT PlaceOf(HWND Control) {
  RECT Place{};
  GetWindowRect(Control, &Place);
  MapWindowPoints(nullptr, GetParent(Control), reinterpret_cast<POINT*>(&Place), 2);
  return Place;
}

// The control of that name ("txAC"), or of that array member ("optH", 3), in View.
HWND Named(const CTableWindow& View, const WindowLayout& Layout, std::string_view Name,
           std::int16_t Index = NotInArray) {
  for (const ControlLayout& Row : Layout.Controls)
    if (ControlName(Row) == ControlName(Name, Index)) return View.Control(Row.Id);
  return nullptr;
}

CTableWindow& ViewOf(CSheetController* Sheet) { return static_cast<CTableWindow&>(Sheet->View()); }

LOGFONTW FontOf(HWND Control) {
  LOGFONTW Font{};
  const auto Handle = reinterpret_cast<HFONT>(SendMessageW(Control, WM_GETFONT, 0, 0));
  if (Handle != nullptr) GetObjectW(Handle, sizeof Font, &Font);
  return Font;
}

LOGFONTW MessageFont(UINT Dpi) {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0, Dpi);
  return Metrics.lfMessageFont;
}

class FmMainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Sinks) Window.Controller().SetDialogs(User.Seams());
    ASSERT_TRUE(Window.Create(GetModuleHandleW(nullptr)));
    ShowWindow(Window.Handle(), SW_SHOW);
    SetForegroundWindow(Window.Handle());
    Pump();
  }

  // Closing the window ends the program: its quit message is taken from the queue here.
  void TearDown() override {
    for (CSheetController* Sheet : Window.Controller().Sheets()) Sheet->CloseAsked();
    DestroyWindow(Window.Handle());
    Pump();
  }

  static void Pump() {
    MSG Message{};
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE))
      if (Message.message != WM_QUIT) Dispatch(Message);
  }

  HWND Find(std::string_view Name, std::int16_t Index = NotInArray) const {
    HWND Control = Named(Window, MainWindow, Name, Index);
    if (Control == nullptr) ADD_FAILURE() << "no control " << Name;
    return Control;
  }

  std::string Focused() const {
    for (const ControlLayout& Control : MainWindow.Controls)
      if (Window.Control(Control.Id) == GetFocus()) return ControlName(Control);
    return "(none)";
  }

  // A key as the keyboard gives it to the control with the focus, with Shift or Ctrl held.
  static void Press(WPARAM Key, bool Shift = false, bool Ctrl = false) {
    BYTE Keys[256]{};
    GetKeyboardState(Keys);
    Keys[VK_SHIFT] = static_cast<BYTE>(Shift ? 0x80 : 0);
    Keys[VK_CONTROL] = static_cast<BYTE>(Ctrl ? 0x80 : 0);
    SetKeyboardState(Keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, Key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, Key, 1 | (3u << 30));
    Pump();
    Keys[VK_SHIFT] = 0;
    Keys[VK_CONTROL] = 0;
    SetKeyboardState(Keys);
  }

  static void Type(std::wstring_view Text) {
    for (wchar_t Unit : Text) PostMessageW(GetFocus(), WM_CHAR, Unit, 1);
    Pump();
  }

  void Click(HWND Button) {
    SendMessageW(Button, BM_CLICK, 0, 0);
    Pump();
  }
  void ClickHeight(int Index) { Click(Find("optH", static_cast<std::int16_t>(Index))); }
  bool Checked(int Index) const {
    return SendMessageW(Named(Window, MainWindow, "optH", static_cast<std::int16_t>(Index)),
                        BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  // Clicks into the code box, types Code over what was there, and clicks "OK".
  void Evaluate(std::wstring_view Code) {
    SetFocus(Find("txAC"));
    SetWindowTextW(Find("txAC"), L"");
    Type(Code);
    Click(Find("cmdOK"));
  }

  std::wstring Shown() const { return TextOf(Window.Control(MainControl::txDD)); }
  // The text that the result box's tooltip shows.
  std::wstring Tip() const {
    std::wstring Text(1024, L'\0');
    TTTOOLINFOW Info{};
    Info.cbSize = sizeof Info;
    Info.hwnd = Window.Handle();
    Info.uId = reinterpret_cast<UINT_PTR>(Window.Control(MainControl::txDD));
    Info.lpszText = Text.data();
    SendMessageW(Window.Tips(), TTM_GETTEXTW, Text.size(), reinterpret_cast<LPARAM>(&Info));
    Text.resize(std::wcslen(Text.c_str()));
    return Text;
  }
  static bool LooksDefault(HWND Button) {
    return SendMessageW(Button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON;
  }

  std::filesystem::path WriteList(const std::string& Lines) const {
    Dir.Put("list.txt", std::vector<std::uint8_t>(Lines.begin(), Lines.end()));
    return Dir.Path("list.txt");
  }

  // The table that the batch button Index writes for a list of Lines.
  std::string RunBatch(int Index, const std::string& Lines) {
    SetWindowTextW(Find("txFN"), WriteList(Lines).wstring().c_str());
    Click(Find("cmdGenTbl", static_cast<std::int16_t>(Index)));
    const auto Bytes = Dir.Get("list.txt.htm");
    return std::string(Bytes.begin(), Bytes.end());
  }

  bool Sinks = true;  // false: the system's own boxes
  TestFolder Dir;
  testing::TestDialogs User;
  fmMain Window;
  std::vector<std::u16string>& Messages = User.Messages;
};

// The window of a fixed size, its controls captioned in the message font, "1m" checked (and
// focused: TabVisitsTheControlsInOrder), the result box read-only and "OK" the button that Enter
// presses.
TEST_F(FmMainTest, DrawsEveryControlOfTheLayout) {
  EXPECT_EQ(Narrow(TextOf(Window.Handle())), "Olvaro Merrith v2015-2021");
  const RECT Client = ClientRect(Window.Handle());
  EXPECT_EQ(Client.right, 390);
  EXPECT_EQ(Client.bottom, 272);
  const LONG Style = GetWindowLongW(Window.Handle(), GWL_STYLE);
  EXPECT_EQ(Style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "a fixed size";
  EXPECT_EQ(Narrow(TextOf(Find("Label3"))), "File name:");
  EXPECT_EQ(std::wstring(FontOf(Find("Label3")).lfFaceName), MessageFont(96).lfFaceName);
  EXPECT_TRUE(Checked(1));
  EXPECT_TRUE(GetWindowLongW(Find("txDD"), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(LooksDefault(Find("cmdOK")));
}

// The heights are one stop: Tab leaves them for the code box and comes back to the checked
// height (Shift+Tab, the same stops backwards: ArrowKeysSelectTheNextHeight).
TEST_F(FmMainTest, TabVisitsTheControlsInOrder) {
  const std::vector<std::string> Order{"txAC",       "cmdOK",      "txDD",       "txFN",
                                       "cmdGenTbl0", "cmdGenTbl1", "cmdGenTbl2", "optH1"};
  std::vector<std::string> Visited;
  for (std::size_t I = 0; I < Order.size(); ++I) {
    Press(VK_TAB);
    Visited.push_back(Focused());
  }
  EXPECT_EQ(Visited, Order);
}

// Arrow keys move within the heights and select as they go, as a click would.
TEST_F(FmMainTest, ArrowKeysSelectTheNextHeight) {
  Press(VK_DOWN);
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  Press(VK_UP);
  EXPECT_EQ(Focused(), "optH3");
  EXPECT_EQ(Window.Controller().Form().GetHeightIndex(), 3);
  EXPECT_TRUE(Checked(3));
  EXPECT_FALSE(Checked(1));
  Press(VK_TAB);
  Press(VK_TAB, true);
  EXPECT_EQ(Focused(), "optH3") << "Tab comes back to the checked height";
}

// "OK" at a height: the result with its tooltip, which stay until the next "OK".
TEST_F(FmMainTest, ShowsTheResultOfOKWithItsTooltip) {
  Evaluate(L"614C");
  ClickHeight(2);
  EXPECT_EQ(Shown() + L"|" + Tip(), L"ERROR|armstand dives are done from the platform");
  Evaluate(L"105b");
  EXPECT_EQ(Shown(), L"2.4");
  EXPECT_TRUE(Tip().starts_with(L"Forward 2\u00BD Somersaults, Pike\n")) << Narrow(Tip());
}

// Enter presses the command button that has the focus, and "OK" anywhere else (the code box,
// like the file name box, is an edit box of one line).
TEST_F(FmMainTest, EnterPressesTheFocusedButtonOrOK) {
  const auto List = WriteList("105\n");
  SetWindowTextW(Find("txFN"), List.wstring().c_str());
  SetWindowTextW(Find("txAC"), L"105b");
  SetFocus(Find("txFN"));
  Press(VK_RETURN);
  EXPECT_EQ(Shown(), L"2.6") << "Enter in the file name box";
  EXPECT_TRUE(Messages.empty());

  SetWindowTextW(Find("txDD"), L"");
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_EQ(Focused(), "cmdGenTbl1");
  EXPECT_TRUE(LooksDefault(Find("cmdGenTbl", 1)));
  EXPECT_FALSE(LooksDefault(Find("cmdOK")));
  Press(VK_RETURN);
  EXPECT_EQ(Shown(), L"");
  EXPECT_EQ(Messages.size(), 1u) << "Enter on a batch button";

  Messages.clear();
  ClickHeight(4);
  Press(VK_RETURN);
  EXPECT_EQ(Shown(), L"2.4") << "Enter on a height button";
  EXPECT_TRUE(Messages.empty());
  EXPECT_TRUE(LooksDefault(Find("cmdOK")));
  EXPECT_FALSE(LooksDefault(Find("cmdGenTbl", 1)));
}

// Each batch button writes the table of its blocks (the header without 12 m, without 10 m, or
// with both; its message: EnterPressesTheFocusedButtonOrOK); the checked height stays.
TEST_F(FmMainTest, EachBatchButtonWritesItsTable) {
  const char* Holds[] = {"10m</th><tr>", "<tr><th></th><th colspan=6>12m",
                         "10m</th><th colspan=6>12m"};
  ClickHeight(7);
  for (int Index = 0; Index < 3; ++Index) {
    SCOPED_TRACE(Index);
    EXPECT_NE(RunBatch(Index, "104\n").find(Holds[Index]), std::string::npos);
    EXPECT_TRUE(Checked(7));
  }
}

// The menu bar, menu by menu, each item with its shortcut after a tab; the client area below it
// is still 390 x 272 (DrawsEveryControlOfTheLayout).
TEST_F(FmMainTest, HasTheMenuOfTheLayout) {
  const auto Text = [](HMENU Menu, int Item) {
    wchar_t Caption[64]{};
    GetMenuStringW(Menu, static_cast<UINT>(Item), Caption, 64, MF_BYPOSITION);
    return Narrow(Caption);
  };
  std::vector<std::string> Drawn;
  HMENU Bar = GetMenu(Window.Handle());
  for (int Menu = 0; Menu < GetMenuItemCount(Bar); ++Menu) {
    Drawn.push_back(Text(Bar, Menu));
    for (int Item = 0; Item < GetMenuItemCount(GetSubMenu(Bar, Menu)); ++Item)
      Drawn.back() += "|" + Text(GetSubMenu(Bar, Menu), Item);
  }
  EXPECT_EQ(Drawn,
            (std::vector<std::string>{
                "&File|&Open list...\tCtrl+O|&New dive sheet\tCtrl+N|Open &dive sheet...||New "
                "&competition...|Open co&mpetition...||E&xit",
                "&Tables|&Chart of the list|Chart of &every dive|Open the &last table",
                "&Help|&About Merrith"}));
}

// The file named by a drop, as the shell hands it over.
HGLOBAL DropOf(const std::wstring& File) {
  const std::size_t Size = sizeof(DROPFILES) + (File.size() + 2) * sizeof(wchar_t);
  HGLOBAL Drop = GlobalAlloc(GHND, Size);
  auto* Files = static_cast<DROPFILES*>(GlobalLock(Drop));
  Files->pFiles = sizeof(DROPFILES);
  Files->fWide = TRUE;
  std::copy(File.begin(), File.end(), reinterpret_cast<wchar_t*>(Files + 1));
  GlobalUnlock(Drop);
  return Drop;
}

// Ctrl+O puts the list picked in the file name box (cancelled: the box stays); Ctrl+N opens an
// untitled sheet; a file dropped fills the file name box.
TEST_F(FmMainTest, ShortcutsAndDropsReachTheirProcedures) {
  User.Paths = {Dir.Text("picked.txt"), std::nullopt};
  Press('O', false, true);
  Press('O', false, true);
  EXPECT_EQ(TextOf(Find("txFN")), Dir.Path("picked.txt").wstring());
  Press('N', false, true);
  ASSERT_EQ(Window.Controller().Sheets().size(), 1u);
  EXPECT_EQ(Narrow(TextOf(ViewOf(Window.Controller().Sheets()[0]).Handle())),
            "Dive sheet - Untitled");

  const std::wstring Dropped = Dir.Path("dropped.txt").wstring();
  SendMessageW(Window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(Dropped)), 0);
  EXPECT_EQ(TextOf(Find("txFN")), Dropped);
}

class FmSheetTest : public FmMainTest {
 protected:
  void SetUp() override {
    FmMainTest::SetUp();
    Form = Window.Controller().NewSheet();
    ASSERT_NE(Form, nullptr);
    Sheet = &ViewOf(Form);
    Pump();
  }
  HWND Box(std::string_view Name) const { return Named(*Sheet, SheetWindow, Name); }
  std::u16string Shown(std::string_view Name) const {
    std::u16string Text = Utf16(TextOf(Box(Name)));
    std::erase(Text, u'\r');
    return Text;
  }
  CSheetController* Form = nullptr;
  CTableWindow* Sheet = nullptr;
};

// The sheet window as laid out, its report in a fixed-width font and redone as the user
// types; Tab leaves the box of dives; the caption marks the change. Save and Print, clicked;
// Save as and Copy report by their keys.
TEST_F(FmSheetTest, RunsItsProceduresAsTheUserTypesAndClicks) {
  EXPECT_EQ(ClientRect(Sheet->Handle()).right, TwipsToPixels(SheetWindow.ClientWidth, 96));
  EXPECT_EQ(ClientRect(Sheet->Handle()).bottom, TwipsToPixels(SheetWindow.ClientHeight, 96));
  HDC Screen = GetDC(nullptr);
  const auto Old = SelectObject(
      Screen, reinterpret_cast<HFONT>(SendMessageW(Box("txReport"), WM_GETFONT, 0, 0)));
  TEXTMETRICW Metrics{};
  GetTextMetricsW(Screen, &Metrics);
  SelectObject(Screen, Old);
  ReleaseDC(nullptr, Screen);
  EXPECT_EQ(Metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "(set for a variable pitch)";

  ASSERT_EQ(GetFocus(), Box("cboEvent"));
  Press(VK_DOWN);
  Press(VK_DOWN);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Box("cboBook"));
  Press(VK_DOWN);  // the 2017 book's 32 events, then the default's 34 again
  EXPECT_EQ(SendMessageW(Box("cboEvent"), CB_GETCOUNT, 0, 0), 32);
  Press(VK_UP);
  EXPECT_EQ(SendMessageW(Box("cboEvent"), CB_GETCOUNT, 0, 0), 34);
  Press(VK_TAB);
  Type(L"Ann");
  Press(VK_TAB);  // past the divers' box, which an individual event does not offer
  Type(L"105B\r203C");
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Box("txReport"));
  EXPECT_EQ(Form->Form().Text(), u"Event: women-3m\nDiver: Ann\n105B\n203C\n");
  EXPECT_EQ(Shown("txReport"), Form->Form().Report());
  EXPECT_EQ(Narrow(TextOf(Sheet->Handle())), "Dive sheet - Untitled*");

  User.Paths = {Dir.Text("a.txt"), Dir.Text("b.txt")};
  Click(Box("cmdSave"));
  EXPECT_EQ(Narrow(TextOf(Sheet->Handle())), "Dive sheet - a.txt");
  Press('S', true, true);
  EXPECT_EQ(Narrow(TextOf(Sheet->Handle())), "Dive sheet - b.txt");
  Press('C', true, true);
  EXPECT_EQ(User.Clipboard, Form->Form().Report());
  Click(Box("cmdPrint"));
  EXPECT_EQ(User.Pages, std::vector<std::u16string>{Dir.Text("b.txt.htm")});
}

// Closing the main window asks for each unsaved sheet; Cancel keeps every window open, Don't
// save closes them all.
TEST_F(FmSheetTest, ClosingTheMainWindowAsksForEachUnsavedSheet) {
  Window.Controller().NewSheet()->Form().txDives_Change(u"105B");
  SendMessageW(Window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Window.Controller().Sheets().size(), 2u);
  EXPECT_TRUE(IsWindow(Window.Handle()));
  User.Answer = SaveAnswer::DontSave;
  SendMessageW(Window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Window.Controller().Sheets().empty());
  EXPECT_EQ(Window.Handle(), nullptr);
}

// On a screen of 144 dpi both windows are half as large again, the file name box in its frame
// and the sheet's fixed-width font too, the sheet even where the screen is smaller than that.
TEST_F(FmSheetTest, BothWindowsFollowTheDensityOfTheScreen) {
  struct Case {
    HWND Made, Control;
    LONG Width, Height;
  };
  for (const auto& [Made, Control, Width, Height] : {
           Case{Window.Handle(),    Find("txFN"),  586, 408},
           Case{Sheet->Handle(), Box("txReport"), 1392, 929}
  }) {
    const LONG Before = FontOf(Control).lfHeight;
    RECT Suggested{10, 20, 700, 500};
    SendMessageW(Made, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&Suggested));
    EXPECT_EQ(ClientRect(Made).right, Width);
    EXPECT_EQ(ClientRect(Made).bottom, Height);
    EXPECT_EQ(FontOf(Control).lfHeight, MessageFont(144).lfHeight);
    EXPECT_LT(FontOf(Control).lfHeight, Before);
  }
  EXPECT_EQ(PlaceOf(Find("txFN")).left, 168);
}

// Recorder windows opened beside the main window on a competition file of the test's.
class FmRecorderTest : public FmMainTest {
 protected:
  static constexpr char ThreeDivers[] =
      "Event: women-1m\nPanel: 5\n"
      "Diver: Ann Example\n101B\n201B\n301B\n"
      "Diver: Bea Example\n101C\n201C\n301C\n"
      "Diver: Cat Example\n101B\n201B\n301B\n";

  CCompetitionController* Open(const std::string& Name, std::string_view Text) {
    if (!std::filesystem::exists(Dir.Path(Name))) Dir.Put(Name, {Text.begin(), Text.end()});
    return Window.Controller().OpenCompetition(Dir.Text(Name));
  }
  static CTableWindow& Shown(CCompetitionController* Meeting) {
    return static_cast<CTableWindow&>(Meeting->View());
  }
  // The window made the active one, the awards typed box by box from the first, Space between
  // them, and Enter.
  static void KeyInto(CCompetitionController* Meeting, std::wstring_view Awards) {
    SetForegroundWindow(Shown(Meeting).Handle());
    SetFocus(Shown(Meeting).Control(CompetitionControl::txAward1));
    Pump();
    // Space moves on as a key of its own, before it would be a character.
    for (const wchar_t Key : Awards) {
      if (Key == L' ') {
        Press(VK_SPACE);
      } else {
        Type(std::wstring(1, Key));
      }
    }
    Press(VK_RETURN);
  }
  std::string File(const std::string& Name) const {
    const std::vector<std::uint8_t> Bytes = Dir.Get(Name);
    return {Bytes.begin(), Bytes.end()};
  }
};

// A second recorder on the file reads only and its caption says who records it; its Record is
// refused with a message, and the file stays as it was. Closed by its close box, the first
// lets the file go at once: the second takes it over, the dive the first recorded meanwhile is
// a clash it offers to read again, and then it records on. Closing the main window lets the
// file go at once too.
TEST_F(FmRecorderTest, ASecondRecorderReadsOnlyUntilTheFirstCloses) {
  CCompetitionController* First = Open("meet.txt", ThreeDivers);
  CCompetitionController* Second = Open("meet.txt", ThreeDivers);
  ASSERT_TRUE(First != nullptr && Second != nullptr);
  const std::u16string Holder = ThisProcessHolder();
  EXPECT_EQ(Utf16(TextOf(Shown(First).Handle())), u"Competition - meet.txt");
  EXPECT_EQ(Utf16(TextOf(Shown(Second).Handle())),
            u"Competition - meet.txt (read only: " + Holder + u" records it)");

  KeyInto(Second, L"6 6 6 6 6");
  EXPECT_EQ(Messages.back(), u"Opened to read only: " + Holder +
                                 u" is recording it. The awards are still keyed: record them "
                                 u"again.");
  EXPECT_EQ(File("meet.txt"), ThreeDivers);

  KeyInto(First, L"7 7 7 7 7");
  EXPECT_NE(File("meet.txt").find("Round 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"),
            std::string::npos);
  SendMessageW(Shown(First).Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(First->IsOpen());
  User.Yes = true;
  Click(Shown(Second).Control(CompetitionControl::cmdRecord));
  ASSERT_EQ(User.Asked.size(), 1u);
  EXPECT_NE(User.Asked[0].find(u"records this dive already"), std::u16string::npos);
  EXPECT_EQ(Utf16(TextOf(Shown(Second).Handle())), u"Competition - meet.txt");
  KeyInto(Second, L"6 6 6 6 6");
  EXPECT_TRUE(File("meet.txt")
                  .ends_with("Round 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"
                             "Round 1 | Bea Example | 101C | 6.0 6.0 6.0 6.0 6.0\n"));

  SendMessageW(Window.Handle(), WM_CLOSE, 0, 0);
  Pump();
  CFileLock Probe;
  EXPECT_TRUE(Probe.Take(Dir.Text("meet.txt"), u"the next recorder").Taken);
}

// Under the ANSI code page 1252, names beyond ASCII in a competition written in UTF-8 stay as
// written through ten saves: the file is the first save's, with the dives after it added.
TEST_F(FmRecorderTest, KeepsNamesBeyondAsciiThroughTenSaves) {
  ASSERT_EQ(GetACP(), 1252u);
  CCompetitionController* Meeting = Open("names.txt",
                                         "Event: women-1m\nPanel: 5\n"
                                         "Diver: Zoë Åström\n101B\n201B\n301B\n"
                                         "Diver: José\n101C\n201C\n301C\n"
                                         "Diver: Müller\n103B\n203B\n303B\n"
                                         "Diver: Ægir\n101B\n201B\n301B\n");
  ASSERT_NE(Meeting, nullptr);
  EXPECT_TRUE(Messages.empty()) << "read as UTF-8, without a note";
  KeyInto(Meeting, L"7 7 7 7 7");
  const std::string First = File("names.txt");
  for (int Dive = 2; Dive <= 10; ++Dive) KeyInto(Meeting, L"6 6.5 6 6 6");
  const std::string Tenth = File("names.txt");
  ASSERT_TRUE(Tenth.starts_with(First));
  EXPECT_EQ(Tenth.substr(First.size()),
            "Round 1 | José | 101C | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 1 | Müller | 103B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 1 | Ægir | 101B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 2 | Zoë Åström | 201B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 2 | José | 201C | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 2 | Müller | 203B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 2 | Ægir | 201B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 3 | Zoë Åström | 301B | 6.0 6.5 6.0 6.0 6.0\n"
            "Round 3 | José | 301C | 6.0 6.5 6.0 6.0 6.0\n");
  EXPECT_NE(First.find("Round 1 | Zoë Åström | 101B | 7.0 7.0 7.0 7.0 7.0\n"), std::string::npos);
}

// Run with a German user locale (see CMakeLists.txt): a decimal comma in the result box and in
// the table's cells.
class FmMainGermanTest : public FmMainTest {};

TEST_F(FmMainGermanTest, ShowsADecimalComma) {
  ClickHeight(2);
  Evaluate(L"105b");
  EXPECT_EQ(Shown(), L"2,4");
  EXPECT_NE(RunBatch(0, "104\n").find("<td>2,0</td>"), std::string::npos);
}

// What the message box showed, read by another thread while it was up, which then answers
// it with Enter.
struct SeenBox {
  HWND Box = nullptr;
  std::wstring Caption;
  HWND Owner = nullptr;
  std::vector<std::wstring> Buttons, Texts;
  bool Icon = false;
};

BOOL CALLBACK ReadBoxControl(HWND Control, LPARAM Seen) {
  auto& Box = *reinterpret_cast<SeenBox*>(Seen);
  wchar_t Class[16]{};
  GetClassNameW(Control, Class, static_cast<int>(std::size(Class)));
  const bool Button = std::wstring_view(Class) == L"Button";
  (Button ? Box.Buttons : Box.Texts).push_back(TextOf(Control));
  const bool Icon = !Button && (GetWindowLongW(Control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  if (Icon && SendMessageW(Control, STM_GETICON, 0, 0) != 0) Box.Icon = true;
  return TRUE;
}

SeenBox AnswerMessageBox() {
  SeenBox Seen;
  for (int Try = 0; Try < 2000 && Seen.Box == nullptr; ++Try) {
    HWND Shown = FindWindowW(L"#32770", nullptr);
    if (Shown != nullptr && IsWindowVisible(Shown)) Seen.Box = Shown;
    Sleep(5);
  }
  if (Seen.Box == nullptr) return Seen;
  Seen.Caption = TextOf(Seen.Box);
  Seen.Owner = GetWindow(Seen.Box, GW_OWNER);
  EnumChildWindows(Seen.Box, ReadBoxControl, reinterpret_cast<LPARAM>(&Seen));
  PostMessageW(Seen.Box, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(Seen.Box, WM_KEYUP, VK_RETURN, 1 | (3u << 30));
  return Seen;
}

class FmMainMessageBox : public FmMainTest {
 protected:
  FmMainMessageBox() { Sinks = false; }
};

// Without a test's sink the window asks the system for a modal box: captioned "Merrith", owned
// by the window (which the system disables while the box is up), an OK button and no icon.
TEST_F(FmMainMessageBox, IsModalWithAnOKButtonOnly) {
  SetWindowTextW(Find("txFN"), Dir.Path("missing.txt").wstring().c_str());
  SeenBox Seen;
  std::thread Answer([&Seen] { Seen = AnswerMessageBox(); });
  SendMessageW(Find("cmdGenTbl", 0), BM_CLICK, 0, 0);
  Answer.join();
  ASSERT_NE(Seen.Box, nullptr) << "no message box";
  EXPECT_EQ(Seen.Caption, L"Merrith");
  EXPECT_EQ(Seen.Owner, Window.Handle());
  EXPECT_EQ(Seen.Buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_NE(std::find(Seen.Texts.begin(), Seen.Texts.end(), L"File Error!!!"), Seen.Texts.end());
  EXPECT_FALSE(Seen.Icon);
}

// What the manifest asks of the system for every program that shows this window: version 6 of
// the common controls, pixels of the screen the window is on, and the system's own ANSI code
// page, which lists without a byte-order mark are read in.
TEST(FmMainProgram, RunsAsItsManifestAsks) {
  wchar_t Controls[MAX_PATH]{};
  GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), Controls, MAX_PATH);
  CharLowerW(Controls);
  EXPECT_NE(std::wstring_view(Controls).find(L"common-controls_6595b64144ccf1df_6.0."),
            std::wstring_view::npos)
      << Narrow(Controls);
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  EXPECT_NE(GetACP(), static_cast<UINT>(CP_UTF8));
}

}  // namespace
}  // namespace merrith
