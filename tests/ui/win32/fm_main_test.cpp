#include "ui/win32/fm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "support/utf8.h"

namespace merrith {
namespace {

using testing::TestFolder;

// Ends the whole test program when one test hangs, a modal loop for example, so that a run
// fails instead of waiting for CTest's limit.
class Watchdog {
 public:
  Watchdog()
      : Thread([this] {
          std::unique_lock Lock(Mutex);
          if (!Done.wait_for(Lock, std::chrono::seconds(20), [this] { return Finished; })) {
            std::fputs("watchdog: the test hangs\n", stderr);
            TerminateProcess(GetCurrentProcess(), 3);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard Lock(Mutex);
      Finished = true;
    }
    Done.notify_one();
    Thread.join();
  }

 private:
  std::mutex Mutex;
  std::condition_variable Done;
  bool Finished = false;
  std::thread Thread;
};

std::string Narrow(std::wstring_view Text) { return std::string(Text.begin(), Text.end()); }

std::wstring TextOf(HWND Control) {
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Control)) + 1, L'\0');
  Text.resize(static_cast<std::size_t>(
      GetWindowTextW(Control, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

// The text the tooltip Tip shows for Tool, a control of Window's.
std::wstring TipOf(HWND Tip, HWND Window, HWND Tool) {
  std::wstring Text(1024, L'\0');
  TTTOOLINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.hwnd = Window;
  Info.uId = reinterpret_cast<UINT_PTR>(Tool);
  Info.lpszText = Text.data();
  SendMessageW(Tip, TTM_GETTEXTW, Text.size(), reinterpret_cast<LPARAM>(&Info));
  Text.resize(std::wcslen(Text.c_str()));
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
    ASSERT_TRUE(Window.Create(GetModuleHandleW(nullptr)));
    Window.SetMessageSink([this](std::u16string_view Text) { Messages.emplace_back(Text); });
    ShowWindow(Window.Handle(), SW_SHOW);
    SetForegroundWindow(Window.Handle());
    Pump();
  }

  // Closing the window ends the program: its quit message is taken from the queue here.
  void TearDown() override {
    DestroyWindow(Window.Handle());
    Pump();
  }

  void Pump() {
    MSG Message{};
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE))
      if (Message.message != WM_QUIT) Window.Dispatch(Message);
  }

  HWND Find(std::string_view Name, std::int16_t Index = NotInArray) const {
    HWND Control = Window.Control(Name, Index);
    if (Control == nullptr) ADD_FAILURE() << "no control " << Name;
    return Control;
  }

  std::string Focused() const {
    for (const ControlLayout& Control : MainWindowControls)
      if (Window.Control(Control.Name, Control.Index) == GetFocus()) return ControlName(Control);
    return "(none)";
  }

  // A key as the keyboard gives it to the control with the focus.
  void Press(WPARAM Key, bool Shift = false) {
    BYTE Keys[256]{};
    GetKeyboardState(Keys);
    Keys[VK_SHIFT] = static_cast<BYTE>(Shift ? 0x80 : 0);
    SetKeyboardState(Keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, Key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, Key, 1 | (3u << 30));
    Pump();
    Keys[VK_SHIFT] = 0;
    SetKeyboardState(Keys);
  }

  void Type(std::wstring_view Text) {
    for (wchar_t Unit : Text) PostMessageW(GetFocus(), WM_CHAR, Unit, 1);
    Pump();
  }

  void Click(HWND Button) {
    SendMessageW(Button, BM_CLICK, 0, 0);
    Pump();
  }
  void ClickHeight(int Index) { Click(Find("optH", static_cast<std::int16_t>(Index))); }
  bool Checked(int Index) const {
    return SendMessageW(Window.Control("optH", static_cast<std::int16_t>(Index)), BM_GETCHECK, 0,
                        0) == BST_CHECKED;
  }

  // Clicks into the code box, types Code over what was there, and presses Enter or "OK".
  void Evaluate(std::wstring_view Code, bool PressEnter) {
    SetFocus(Find("txAC"));
    SetWindowTextW(Find("txAC"), L"");
    Type(Code);
    if (PressEnter) {
      Press(VK_RETURN);
    } else {
      Click(Find("cmdOK"));
    }
  }

  std::wstring Shown() const { return TextOf(Window.Control("txDD")); }
  std::wstring Tip() const {
    return TipOf(Window.ResultTip(), Window.Handle(), Window.Control("txDD"));
  }
  static bool LooksDefault(HWND Button) {
    return SendMessageW(Button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON;
  }

  std::filesystem::path WriteList(const std::string& Lines) const {
    Dir.Put("list.txt", std::vector<std::uint8_t>(Lines.begin(), Lines.end()));
    return Dir.Path("list.txt");
  }

  std::string RunBatch(int Index, const std::filesystem::path& List) {
    SetWindowTextW(Find("txFN"), List.wstring().c_str());
    Click(Find("cmdGenTbl", static_cast<std::int16_t>(Index)));
    std::filesystem::path Table = List;
    Table += ".htm";
    const auto Bytes = Dir.Get(Table.filename().string());
    return std::string(Bytes.begin(), Bytes.end());
  }

  Watchdog Guard;
  TestFolder Dir;
  fmMain Window;
  std::vector<std::u16string> Messages;
};

TEST_F(FmMainTest, OpensAtOneMetreWithTheSampleList) {
  EXPECT_EQ(Narrow(TextOf(Window.Handle())), "Olvaro Merrith v2015-2021");
  const RECT Client = ClientRect(Window.Handle());
  EXPECT_EQ(Client.right, 390);
  EXPECT_EQ(Client.bottom, 272);
  EXPECT_EQ(Window.GetHeightIndex(), 1);
  EXPECT_TRUE(Checked(1));
  EXPECT_EQ(Focused(), "optH1");
  EXPECT_EQ(Narrow(TextOf(Find("txFN"))), "action.txt");
  EXPECT_TRUE(GetWindowLongW(Find("txDD"), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(LooksDefault(Find("cmdOK")));
  const LONG Style = GetWindowLongW(Window.Handle(), GWL_STYLE);
  EXPECT_EQ(Style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "a fixed size";
}

// Every control at its place, in twips at 96 dpi, with its caption in the message font.
TEST_F(FmMainTest, DrawsEveryControlOfTheLayout) {
  const LOGFONTW Expected = MessageFont(96);
  for (const ControlLayout& Control : MainWindowControls) {
    SCOPED_TRACE(ControlName(Control));
    HWND Made = Find(Control.Name, Control.Index);
    const TwipsRect Twips = PlaceInWindow(Control);
    const RECT Place = PlaceOf(Made);
    EXPECT_EQ(Place.left, TwipsToPixels(Twips.Left, 96));
    EXPECT_EQ(Place.top, TwipsToPixels(Twips.Top, 96));
    EXPECT_EQ(Place.right - Place.left, TwipsToPixels(Twips.Width, 96));
    EXPECT_EQ(Place.bottom - Place.top, TwipsToPixels(Twips.Height, 96));
    EXPECT_EQ(Narrow(TextOf(Made)), Control.Caption);
    const LOGFONTW Font = FontOf(Made);
    EXPECT_EQ(std::wstring(Font.lfFaceName), std::wstring(Expected.lfFaceName));
    EXPECT_EQ(Font.lfHeight, Expected.lfHeight);
  }
}

// On a screen of 144 dpi the same layout is half as large again, font included.
TEST_F(FmMainTest, FollowsTheDensityOfTheScreen) {
  RECT Suggested{10, 20, 700, 500};
  SendMessageW(Window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&Suggested));
  const RECT Client = ClientRect(Window.Handle());
  EXPECT_EQ(Client.right, 586);
  EXPECT_EQ(Client.bottom, 408);
  const RECT Place = PlaceOf(Find("txFN"));
  EXPECT_EQ(Place.left, 168);
  EXPECT_EQ(Place.top, 276);
  EXPECT_EQ(Place.right - Place.left, 361);
  EXPECT_EQ(FontOf(Find("txFN")).lfHeight, MessageFont(144).lfHeight);
  EXPECT_LT(FontOf(Find("txFN")).lfHeight, MessageFont(96).lfHeight);
}

// The heights are one stop: Tab leaves them for the code box and comes back to the checked
// height; Shift+Tab goes the other way round.
TEST_F(FmMainTest, TabVisitsTheControlsInOrder) {
  const std::vector<std::string> Forward = {"txAC",       "cmdOK",      "txDD",       "txFN",
                                            "cmdGenTbl0", "cmdGenTbl1", "cmdGenTbl2", "optH1"};
  const std::vector<std::string> Back = {"cmdGenTbl2", "cmdGenTbl1", "cmdGenTbl0", "txFN",
                                         "txDD",       "cmdOK",      "txAC",       "optH1"};
  std::vector<std::string> Visited;
  for (std::size_t I = 0; I < Forward.size(); ++I) {
    Press(VK_TAB);
    Visited.push_back(Focused());
  }
  EXPECT_EQ(Visited, Forward);
  Visited.clear();
  for (std::size_t I = 0; I < Back.size(); ++I) {
    Press(VK_TAB, true);
    Visited.push_back(Focused());
  }
  EXPECT_EQ(Visited, Back);
}

// Arrow keys move within the heights and select as they go, as a click would.
TEST_F(FmMainTest, ArrowKeysSelectTheNextHeight) {
  Press(VK_DOWN);
  EXPECT_EQ(Focused(), "optH2");
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  EXPECT_EQ(Focused(), "optH4");
  Press(VK_UP);
  EXPECT_EQ(Focused(), "optH3");
  EXPECT_EQ(Window.GetHeightIndex(), 3);
  EXPECT_TRUE(Checked(3));
  EXPECT_FALSE(Checked(1));
  Press(VK_TAB);
  Press(VK_TAB, true);
  EXPECT_EQ(Focused(), "optH3") << "Tab comes back to the checked height";
}

struct TypedCode {
  const char* Name;
  int Height;
  const wchar_t* Code;
  bool PressEnter;
  const wchar_t* Shown;
};

class ShowsTheDDOfTheTypedCode : public FmMainTest,
                                 public ::testing::WithParamInterface<TypedCode> {};

TEST_P(ShowsTheDDOfTheTypedCode, AtTheSelectedHeight) {
  ClickHeight(GetParam().Height);
  Evaluate(GetParam().Code, GetParam().PressEnter);
  EXPECT_EQ(Window.GetHeightIndex(), GetParam().Height);
  EXPECT_EQ(Shown(), GetParam().Shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FmMain, ShowsTheDDOfTheTypedCode, ::testing::Values(
    //        Name                                  Height  Code      Enter  Shown
    TypedCode{"LowerCase105bAt3m",                  2,      L"105b",  false, L"2.4"},
    TypedCode{"EnterInTheCodeBoxPressesOK",         2,      L"5253b", true,  L"3.4"},
    TypedCode{"ADDOfExactlyTwoHasNoDecimals",       2,      L"104c",  false, L"2"},
    TypedCode{"TenMetresAsksThePlatformTable",      5,      L"614C",  true,  L"2.1"},
    TypedCode{"TwelveMetresAsksTheHighDivingTable", 6,      L"104B",  false, L"2.9"},
    TypedCode{"NoDDAtTheHeight",                    3,      L"109C",  false, L"ERROR"},
    TypedCode{"ASpaceIsPassedAsTyped",              2,      L" 105b", true,  L"ERROR"}),
    [](const auto& Row) { return std::string(Row.param.Name); });
// clang-format on

// The tooltip tells the dive and its sum, or why there is no DD, until the next "OK".
TEST_F(FmMainTest, TellsWhatTheResultStandsForInItsTooltip) {
  const std::wstring Sum =
      L"Back 2\u00BD Somersaults 1\u00BD Twists, Pike\n"
      L"position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4";
  EXPECT_EQ(Tip(), L"");
  ClickHeight(2);
  Evaluate(L"5253b", false);
  EXPECT_EQ(Shown(), L"3.4");
  EXPECT_EQ(Tip(), Sum);
  ClickHeight(1);
  EXPECT_EQ(Tip(), Sum);
  Evaluate(L"614C", true);
  EXPECT_EQ(Shown(), L"ERROR");
  EXPECT_EQ(Tip(), L"armstand dives are done from the platform");
}

TEST_F(FmMainTest, KeepsTheOldResultWhenTheHeightChanges) {
  ClickHeight(2);
  Evaluate(L"105b", true);
  ClickHeight(5);
  EXPECT_EQ(Shown(), L"2.4");
  Click(Find("cmdOK"));
  EXPECT_EQ(Shown(), L"2.3");
}

// Enter presses the command button that has the focus, and "OK" anywhere else.
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
  EXPECT_EQ(Messages,
            std::vector<std::u16string>{u"OK, New file name is " + List.u16string() + u".htm"});
  EXPECT_NE(Dir.Get("list.txt.htm").size(), 0u);

  Messages.clear();
  ClickHeight(4);
  Press(VK_RETURN);
  EXPECT_EQ(Shown(), L"2.4") << "Enter on a height button";
  EXPECT_TRUE(Messages.empty());
  EXPECT_TRUE(LooksDefault(Find("cmdOK")));
  EXPECT_FALSE(LooksDefault(Find("cmdGenTbl", 1)));
}

struct BatchRun {
  const char* Name;
  int Index;
  const char* Holds;
  const char* Lacks;
};

class WritesTheTableOfEachButton : public FmMainTest,
                                   public ::testing::WithParamInterface<BatchRun> {};

// The calculators are asked at every height of the table, yet the user's height stays.
TEST_P(WritesTheTableOfEachButton, AndLeavesTheHeight) {
  ClickHeight(7);
  const auto List = WriteList("104\r\n\r\n");
  const std::string Table = RunBatch(GetParam().Index, List);
  EXPECT_EQ(Messages,
            std::vector<std::u16string>{u"OK, New file name is " + List.u16string() + u".htm"});
  EXPECT_EQ(Window.GetHeightIndex(), 7);
  EXPECT_TRUE(Checked(7));
  EXPECT_EQ(Table.rfind("\xEF\xBB\xBF<table border=1><caption>", 0), 0u);
  EXPECT_TRUE(Table.ends_with("<td></td></table>"));
  EXPECT_NE(Table.find(GetParam().Holds), std::string::npos) << Table;
  EXPECT_EQ(Table.find(GetParam().Lacks), std::string::npos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FmMain, WritesTheTableOfEachButton, ::testing::Values(
    BatchRun{"D",  0, "<td>104</td><td>2.6</td><td>2.3</td><td>2.2</td><td>-</td><td></td>"
                      "<td>2.4</td><td>2.1</td><td>2.0</td>",                     "colspan=6"},
    BatchRun{"HD", 1, "<td>104</td><td>3.1</td><td>2.9</td><td>2.7</td><td>-</td>", "colspan=5"},
    BatchRun{"DAndHDTenMetresBeforeTwelve",
                   2, "<td>2.1</td><td>-</td><td></td><td>3.1</td><td>2.9</td>",   "\n"}),
    [](const auto& Row) { return std::string(Row.param.Name); });
// clang-format on

class ReportsAFileError
    : public FmMainTest,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

// A failed run leaves the folder as it was, an earlier table included, and the height.
TEST_P(ReportsAFileError, AndWritesNoTable) {
  WriteList("105\n");
  std::filesystem::create_directory(Dir.Path("list.txt.htm"));
  const std::vector<std::uint8_t> Earlier = {'o', 'l', 'd'};
  Dir.Put("list.txt.htm/keep", Earlier);
  Dir.Put("missing.txt.htm", Earlier);
  const auto Before = Dir.Names();
  ClickHeight(7);
  const std::string Name = GetParam().second;
  SetWindowTextW(Find("txFN"), Name.empty() ? L"" : Dir.Path(Name).wstring().c_str());
  Click(Find("cmdGenTbl", 2));
  EXPECT_EQ(Messages, std::vector<std::u16string>{u"File Error!!!"});
  EXPECT_EQ(Window.GetHeightIndex(), 7);
  EXPECT_EQ(Dir.Names(), Before);
  EXPECT_EQ(Dir.Get("list.txt.htm/keep"), Earlier);
  EXPECT_EQ(Dir.Get("missing.txt.htm"), Earlier);
}

INSTANTIATE_TEST_SUITE_P(FmMain, ReportsAFileError,
                         ::testing::Values(std::pair{"MissingList", "missing.txt"},
                                           std::pair{"MissingFolder", "nowhere/list.txt"},
                                           std::pair{"NoName", ""},
                                           std::pair{"TableNameTakenByAFolder", "list.txt"}),
                         [](const auto& Row) { return std::string(Row.param.first); });

TEST_F(FmMainTest, WritesAListedLineAsTextNotMarkup) {
  const std::string Table = RunBatch(0, WriteList("<b a='1'>\"105&\n"));
  EXPECT_NE(Table.find("<tr><td>&lt;b a=&#39;1&#39;&gt;&quot;105&amp;</td><td>-</td>"),
            std::string::npos);
  EXPECT_EQ(Table.find("<b"), std::string::npos);
}

// Run with a German user locale (see CMakeLists.txt): a decimal comma in the result box and in
// the table's cells.
class FmMainGermanTest : public FmMainTest {};

TEST_F(FmMainGermanTest, ShowsADecimalComma) {
  ClickHeight(2);
  Evaluate(L"105b", false);
  EXPECT_EQ(Shown(), L"2,4");
  EXPECT_EQ(Tip(),
            L"Forward 2\u00BD Somersaults, Pike\n"
            L"position 0,2 + somersaults 2,2 + twists 0 + approach 0 + entry 0 = 2,4");
  EXPECT_NE(RunBatch(0, WriteList("104\n")).find("<td>2,4</td><td>2,1</td><td>2,0</td>"),
            std::string::npos);
}

// What a message box showed, as another thread saw it while it was up.
struct SeenBox {
  HWND Box = nullptr;
  std::wstring Caption;
  bool OwnedByTheWindow = false;
  bool WindowDisabled = false;
  std::vector<std::wstring> Buttons;
  std::vector<std::wstring> Texts;
  bool Icon = false;
};

BOOL CALLBACK FindMessageBox(HWND Candidate, LPARAM Seen) {
  wchar_t Class[16]{};
  GetClassNameW(Candidate, Class, static_cast<int>(std::size(Class)));
  if (std::wstring_view(Class) != L"#32770" || !IsWindowVisible(Candidate)) return TRUE;
  reinterpret_cast<SeenBox*>(Seen)->Box = Candidate;
  return FALSE;
}

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

// The window's own message box, found among the windows of the thread that shows it, read,
// and answered with Enter.
SeenBox AnswerMessageBox(DWORD Thread, HWND Window) {
  SeenBox Seen;
  for (int Try = 0; Try < 2000 && Seen.Box == nullptr; ++Try) {
    EnumThreadWindows(Thread, FindMessageBox, reinterpret_cast<LPARAM>(&Seen));
    if (Seen.Box == nullptr) Sleep(5);
  }
  if (Seen.Box == nullptr) return Seen;
  Seen.Caption = TextOf(Seen.Box);
  Seen.OwnedByTheWindow = GetWindow(Seen.Box, GW_OWNER) == Window;
  Seen.WindowDisabled = !IsWindowEnabled(Window);
  EnumChildWindows(Seen.Box, ReadBoxControl, reinterpret_cast<LPARAM>(&Seen));
  PostMessageW(Seen.Box, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(Seen.Box, WM_KEYUP, VK_RETURN, 1 | (3u << 30));
  return Seen;
}

// Without a test's sink the window asks the system for a modal box: captioned "Merrith", owned
// by the window, an OK button and no icon.
TEST(FmMainMessageBox, IsModalWithAnOKButtonOnly) {
  Watchdog Guard;
  TestFolder Dir;
  fmMain Window;
  ASSERT_TRUE(Window.Create(GetModuleHandleW(nullptr)));
  ShowWindow(Window.Handle(), SW_SHOW);
  SetWindowTextW(Window.Control("txFN"), Dir.Path("missing.txt").wstring().c_str());
  SeenBox Seen;
  std::thread Answer([&Seen, Thread = GetCurrentThreadId(), Main = Window.Handle()] {
    Seen = AnswerMessageBox(Thread, Main);
  });
  SendMessageW(Window.Control("cmdGenTbl", 0), BM_CLICK, 0, 0);
  Answer.join();
  ASSERT_NE(Seen.Box, nullptr) << "no message box";
  EXPECT_FALSE(IsWindow(Seen.Box)) << "Enter closes it";
  EXPECT_EQ(Seen.Caption, L"Merrith");
  EXPECT_TRUE(Seen.OwnedByTheWindow);
  EXPECT_TRUE(Seen.WindowDisabled);
  EXPECT_EQ(Seen.Buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_NE(std::find(Seen.Texts.begin(), Seen.Texts.end(), L"File Error!!!"), Seen.Texts.end());
  EXPECT_FALSE(Seen.Icon);
  EXPECT_TRUE(IsWindowEnabled(Window.Handle()));
  DestroyWindow(Window.Handle());
  MSG Message{};
  while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
  }
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
