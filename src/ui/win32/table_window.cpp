#include "ui/win32/table_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "support/utf8.h"
#include "ui/win32/resources.h"
#include "ui/win32/system_dialogs.h"

namespace merrith {
namespace {

// A fixed size: a caption with the system menu and minimise box, no sizing border, no maximise.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD WindowExStyle = 0;

// Each window object stands on its window under this name, so that Dispatch finds it.
constexpr wchar_t SelfProperty[] = L"Merrith.TableWindow";

// Control identifiers follow the layout's rows; menu items and shortcuts follow their command.
// The timer that hides a refused key's tip is the window's only one.
constexpr int FirstControlId = 100;
constexpr int FirstCommandId = 1000;
constexpr UINT_PTR RefusalTimer = 1;

// One such message a task posted to the window's thread: it runs the next task of the queue.
constexpr UINT PostedTask = WM_APP + 1;

int ChildId(std::size_t Row) { return FirstControlId + static_cast<int>(Row); }
int CommandId(WindowCommand Command) { return FirstCommandId + static_cast<int>(Command); }

// A drop-down's list opens below it, this many times its own height.
constexpr int DropDownLines = 10;

// How each kind of control is made from the system's classes.
struct ControlClass {
  const wchar_t* Name;
  DWORD Style;
  DWORD ExStyle;
};

ControlClass ClassOf(ControlKind Kind) {
  constexpr DWORD Lines = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL;
  switch (Kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Option:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
    case ControlKind::AwardBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Command:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::DropDown:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::LinesBox:
      return {L"EDIT", Lines | ES_WANTRETURN | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ReportBox:
      return {L"EDIT", Lines | WS_HSCROLL | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Grid:
      return {GridClass,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

bool IsLines(ControlKind Kind) {
  return Kind == ControlKind::LinesBox || Kind == ControlKind::ReportBox;
}

// Option buttons that follow each other are one group: the arrow keys move among them and
// Tab stops at the checked one only (the buttons move the tab stop with the check).
DWORD GroupStyle(const WindowLayout& Layout, std::size_t Row) {
  const bool Option = Layout.Controls[Row].Kind == ControlKind::Option;
  const bool AfterOption = Row > 0 && Layout.Controls[Row - 1].Kind == ControlKind::Option;
  if (Option && AfterOption) return 0;
  return Option ? WS_GROUP | WS_TABSTOP : WS_GROUP;
}

DWORD StyleOf(const WindowLayout& Layout, std::size_t Row) {
  const ControlLayout& Control = Layout.Controls[Row];
  DWORD Style = WS_CHILD | WS_VISIBLE | ClassOf(Control.Kind).Style | GroupStyle(Layout, Row);
  if (Control.Id == Layout.ReadOnlyBox) Style |= ES_READONLY;
  if (Control.Id == Layout.DefaultButton) Style = (Style & ~DWORD{BS_TYPEMASK}) | BS_DEFPUSHBUTTON;
  return Style;
}

// A box of lines takes Enter for a new line but leaves Tab to the window, which moves on to
// the next control with it.
LRESULT CALLBACK TabLeavesBox(HWND Box, UINT Message, WPARAM W, LPARAM L, UINT_PTR Id, DWORD_PTR) {
  if (Message == WM_NCDESTROY) RemoveWindowSubclass(Box, TabLeavesBox, Id);
  LRESULT Result = DefSubclassProc(Box, Message, W, L);
  if (Message != WM_GETDLGCODE) return Result;
  const auto* Key = reinterpret_cast<const MSG*>(L);
  const bool Tab =
      W == VK_TAB || (Key != nullptr && Key->message == WM_KEYDOWN && Key->wParam == VK_TAB);
  if (Tab) Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
  return Result;
}

// Line feeds as a box of lines shows them, CR LF; and back.
std::u16string WithCrLf(std::u16string_view Text) {
  std::u16string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == u'\n' && (I == 0 || Text[I - 1] != u'\r')) Out += u'\r';
    Out += Text[I];
  }
  return Out;
}

std::u16string WithoutCr(std::u16string_view Text) {
  std::u16string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I)
    if (Text[I] != u'\r' || I + 1 >= Text.size() || Text[I + 1] != u'\n') Out += Text[I];
  return Out;
}

bool RegisterWindowClass(HINSTANCE Instance, const wchar_t* ClassName, WNDPROC Procedure) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  if (GetClassInfoExW(Instance, ClassName, &Class)) return true;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = Instance;
  Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  Class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  Class.lpszClassName = ClassName;
  // The program's icon, where the program carries one.
  Class.hIcon = LoadIconW(Instance, MAKEINTRESOURCEW(MERRITH_ICON));
  return RegisterClassExW(&Class) != 0;
}

HINSTANCE InstanceOf(HWND Window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Window, GWLP_HINSTANCE));
}

// A control as a tool of Tip's: its tooltip shows while the mouse rests on it.
TTTOOLINFOW ToolOf(HWND Window, HWND Control) {
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = Window;
  Tool.uId = reinterpret_cast<UINT_PTR>(Control);
  return Tool;
}

}  // namespace

std::wstring Wide(std::u16string_view Text) { return std::wstring(Text.begin(), Text.end()); }
std::wstring Wide(std::string_view Utf8) { return Wide(DecodeUtf8(Utf8)); }
std::u16string Utf16(std::wstring_view Text) { return std::u16string(Text.begin(), Text.end()); }

CTableWindow::CTableWindow(const WindowLayout& Table, const wchar_t* ClassName,
                           WindowController& Told)
    : Layout(Table), Class(ClassName), Controller(Told), Controls(Table.Controls.size()) {}

CTableWindow::~CTableWindow() {
  if (Window != nullptr) DestroyWindow(Window);
  if (Keys != nullptr) DestroyAcceleratorTable(Keys);
  if (Font != nullptr) DeleteObject(Font);
  if (FixedFont != nullptr) DeleteObject(FixedFont);
}

bool CTableWindow::Create(HINSTANCE Instance, std::u16string_view Caption) {
  const INITCOMMONCONTROLSEX Classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&Classes);
  if (Window != nullptr || !RegisterWindowClass(Instance, Class, WindowProc)) return false;
  if (Keys == nullptr) Keys = BuildKeys();
  HMENU Menu = BuildMenu();
  CreateWindowExW(WindowExStyle, Class, Wide(Caption).c_str(), WindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, Menu, Instance, this);
  if (Window == nullptr && Menu != nullptr) DestroyMenu(Menu);
  return Window != nullptr;
}

std::u16string CTableWindow::Text(ControlId Box) const {
  HWND Made = Control(Box);
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Made)) + 1, L'\0');
  const int Length = GetWindowTextW(Made, Text.data(), static_cast<int>(Text.size()));
  Text.resize(Length > 0 ? static_cast<std::size_t>(Length) : 0);
  return WithoutCr(Utf16(Text));
}

// A report where the user had scrolled it to.
void CTableWindow::SetText(ControlId Box, std::u16string_view Text) {
  HWND Made = Control(Box);
  const bool Report = LayoutOf(Layout, Box).Kind == ControlKind::ReportBox;
  const auto Scrolled = Report ? SendMessageW(Made, EM_GETFIRSTVISIBLELINE, 0, 0) : 0;
  SetWindowTextW(Made, Wide(WithCrLf(Text)).c_str());
  if (Report) SendMessageW(Made, EM_LINESCROLL, 0, Scrolled);
}

// The tool is made afresh with its text, which the tooltip copies.
void CTableWindow::SetTip(ControlId Id, std::u16string_view Text) {
  const std::wstring Shown = Wide(Text);
  TTTOOLINFOW Tool = ToolOf(Window, Control(Id));
  SendMessageW(Tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
  Tool.lpszText = const_cast<wchar_t*>(Shown.c_str());
  SendMessageW(Tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
}

void CTableWindow::Check(ControlId Option) {
  const OptionRows Group = OptionGroup(Layout, Option);
  const auto Id = [this](ControlId Row) { return GetDlgCtrlID(Control(Row)); };
  CheckRadioButton(Window, Id(Group.First), Id(Group.Last), Id(Option));
}

void CTableWindow::SetChoices(ControlId DropDown, std::span<const std::u16string> Entries) {
  HWND Box = Control(DropDown);
  SendMessageW(Box, CB_RESETCONTENT, 0, 0);
  for (const std::u16string& Entry : Entries)
    SendMessageW(Box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(Entry).c_str()));
}

int CTableWindow::Picked(ControlId DropDown) const {
  return static_cast<int>(SendMessageW(Control(DropDown), CB_GETCURSEL, 0, 0));
}

void CTableWindow::Pick(ControlId DropDown, int Entry) {
  SendMessageW(Control(DropDown), CB_SETCURSEL, static_cast<WPARAM>(Entry), 0);
}

// A box's text selected whole, so that the next award typed replaces it. A window not yet
// active gives the focus to the control when it is.
void CTableWindow::Focus(ControlId Id) {
  HWND Made = Control(Id);
  const ControlKind Kind = LayoutOf(Layout, Id).Kind;
  if (Kind == ControlKind::AwardBox || Kind == ControlKind::TextBox)
    SendMessageW(Made, EM_SETSEL, 0, -1);
  Focused = Made;
  if (GetActiveWindow() == Window) SetFocus(Made);
}

void CTableWindow::Enable(ControlId Id, bool Enabled) { EnableWindow(Control(Id), Enabled); }

void CTableWindow::SetVisible(ControlId Id, bool Visible) {
  ShowWindow(Control(Id), Visible ? SW_SHOW : SW_HIDE);
}

void CTableWindow::SetRows(ControlId Grid, std::span<const std::vector<std::u16string>> Rows) {
  SetGridRows(Control(Grid), Rows);
}

int CTableWindow::PickedRow(ControlId Grid) const { return GridPickedRow(Control(Grid)); }

void CTableWindow::PickRow(ControlId Grid, int Row) { PickGridRow(Control(Grid), Row); }

void CTableWindow::SetCaption(std::u16string_view Caption) {
  SetWindowTextW(Window, Wide(Caption).c_str());
}

// The decimal separator of the user's locale, as set in the system's regional settings.
std::u16string CTableWindow::DecimalSeparator() const {
  wchar_t Separator[8]{};  // LOCALE_SDECIMAL holds at most three characters
  const int Length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Separator, std::size(Separator));
  if (Length <= 1) return u".";
  return Utf16(std::wstring_view(Separator, static_cast<std::size_t>(Length - 1)));
}

Dialogs CTableWindow::SystemDialogs() { return merrith::SystemDialogs(*this); }

DesktopPlace CTableWindow::Place() const {
  RECT Frame{};
  GetWindowRect(Window, &Frame);
  MONITORINFO Screen{};
  Screen.cbSize = sizeof Screen;
  GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &Screen);
  const RECT& Work = Screen.rcWork;
  return {
      {Frame.left, Frame.top, Frame.right - Frame.left, Frame.bottom - Frame.top},
      { Work.left,  Work.top,   Work.right - Work.left,   Work.bottom - Work.top},
      GetSystemMetrics(SM_CYCAPTION)
  };
}

void CTableWindow::MoveTo(int Left, int Top) {
  SetWindowPos(Window, nullptr, Left, Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTableWindow::Show() { ShowWindow(Window, SW_SHOW); }

void CTableWindow::Post(std::function<void()> Task) {
  const std::lock_guard<std::mutex> Held(PostedLock);
  // No window, no message: a message to no window would go to the calling thread.
  if (Window == nullptr) return;
  Posted.push_back(std::move(Task));
  if (!PostMessageW(Window, PostedTask, 0, 0)) Posted.pop_back();
}

void CTableWindow::RunPosted() {
  std::function<void()> Task;
  {
    const std::lock_guard<std::mutex> Held(PostedLock);
    if (Posted.empty()) return;
    Task = std::move(Posted.front());
    Posted.pop_front();
  }
  Task();
}

void CTableWindow::Close() {
  if (Window != nullptr) DestroyWindow(Window);
}

std::unique_ptr<WindowView> CTableWindow::OpenView(const WindowLayout& Table,
                                                   std::u16string_view Caption,
                                                   WindowController& Told) {
  auto View = std::make_unique<CTableWindow>(Table, L"Merrith.Window", Told);
  if (!View->Create(InstanceOf(Window), Caption)) return nullptr;
  return View;
}

void Dispatch(MSG& Message) {
  HWND Root = Message.hwnd != nullptr ? GetAncestor(Message.hwnd, GA_ROOT) : nullptr;
  auto* Self = Root != nullptr ? static_cast<CTableWindow*>(GetPropW(Root, SelfProperty)) : nullptr;
  if (Self != nullptr && Self->TakeKeyboardMessage(Message)) return;
  TranslateMessage(&Message);
  DispatchMessageW(&Message);
}

bool CTableWindow::TakeKeyboardMessage(MSG& Message) {
  if (Keys != nullptr && TranslateAcceleratorW(Window, Keys, &Message)) return true;
  if (TakeBoxKey(Message)) return true;
  if (!IsDialogMessageW(Window, &Message)) return false;
  ShowDefaultButton();
  return true;
}

// Tab, Enter and Escape in an award box go to the controller before the dialog keys move on;
// Enter on a grid opens its picked row, and presses no button.
bool CTableWindow::TakeBoxKey(const MSG& Message) {
  const int Row = RowOf(Message.hwnd);
  if (Row < 0) return false;
  const ControlLayout& Control = Layout.Controls[static_cast<std::size_t>(Row)];
  const bool Enter = Message.message == WM_KEYDOWN && Message.wParam == VK_RETURN;
  if (Control.Kind == ControlKind::Grid && Enter) {
    const bool Picked = GridPickedRow(Message.hwnd) >= 0;
    if (Picked && Control.Command != WindowCommand::None)
      Controller.Run(Control.Command, Control.Id);
    return true;
  }
  if (Control.Kind != ControlKind::AwardBox) return false;
  const std::optional<KeyPress> Key = DialogKeyOf(Message);
  return Key && Refused(static_cast<std::size_t>(Row), *Key);
}

// Whether the award box of Row must not take Key: the controller refused it, saying why at the
// box, or did what it means.
bool CTableWindow::Refused(std::size_t Row, KeyPress Key) {
  const KeyAnswer Answer = Controller.Key(Layout.Controls[Row].Id, Key);
  if (Answer.Answer == KeyAnswer::Kind::Refuse) Refusal.Show(Controls[Row], Answer.Tip);
  return Answer.Answer != KeyAnswer::Kind::Pass;
}

// The characters typed into an award box, Space and Backspace among them, go to the
// controller before the box takes them.
LRESULT CALLBACK CTableWindow::AwardBoxProc(HWND Box, UINT Message, WPARAM W, LPARAM L,
                                            UINT_PTR Row, DWORD_PTR Self) {
  if (Message == WM_NCDESTROY) RemoveWindowSubclass(Box, AwardBoxProc, Row);
  if (Message == WM_CHAR) {
    const std::optional<KeyPress> Key = CharKeyOf(W);
    if (Key && reinterpret_cast<CTableWindow*>(Self)->Refused(Row, *Key)) return 0;
  }
  return DefSubclassProc(Box, Message, W, L);
}

int RunMessageLoop() {
  MSG Message{};
  BOOL Got = FALSE;
  while ((Got = GetMessageW(&Message, nullptr, 0, 0)) > 0) Dispatch(Message);
  return Got < 0 ? 1 : static_cast<int>(Message.wParam);
}

LRESULT CALLBACK CTableWindow::WindowProc(HWND Handle, UINT Message, WPARAM W, LPARAM L) {
  if (Message == WM_NCCREATE) {
    auto* Self = static_cast<CTableWindow*>(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams);
    Self->Window = Handle;
    SetWindowLongPtrW(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
    SetPropW(Handle, SelfProperty, Self);
  }
  auto* Self = reinterpret_cast<CTableWindow*>(GetWindowLongPtrW(Handle, GWLP_USERDATA));
  if (Self == nullptr) return DefWindowProcW(Handle, Message, W, L);
  if (Message == WM_NCDESTROY) {
    RemovePropW(Handle, SelfProperty);
    SetWindowLongPtrW(Handle, GWLP_USERDATA, 0);
    {
      // Post reads the handle from other threads.
      const std::lock_guard<std::mutex> Held(Self->PostedLock);
      Self->Window = nullptr;
      Self->Posted.clear();
    }
    Self->Controls.assign(Self->Controls.size(), nullptr);
    return DefWindowProcW(Handle, Message, W, L);
  }
  return Self->HandleMessage(Message, W, L);
}

LRESULT CTableWindow::HandleMessage(UINT Message, WPARAM W, LPARAM L) {
  switch (Message) {
    case WM_CREATE:
      if (!BuildControls()) return -1;
      LayOut(GetDpiForWindow(Window));
      DragAcceptFiles(Window, TRUE);
      return 0;
    case WM_DROPFILES:
      Dropped(reinterpret_cast<HDROP>(W));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(W), HIWORD(W));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(L));
      return 0;
    case WM_TIMER:
      if (W != RefusalTimer) break;
      Refusal.Hide();
      return 0;
    case DM_GETDEFID: {
      HWND Button = EnterButton();
      return Button != nullptr ? MAKELRESULT(GetDlgCtrlID(Button), DC_HASDEFID) : 0;
    }
    // The arrow keys among the heights move the focus this way.
    case WM_NEXTDLGCTL:
      SetFocus(L != 0 ? reinterpret_cast<HWND>(W) : GetNextDlgTabItem(Window, GetFocus(), W != 0));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(W) == WA_INACTIVE) KeepFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_DPICHANGED:
      FollowDpi(LOWORD(W), *reinterpret_cast<const RECT*>(L));
      return 0;
    case WM_SETTINGCHANGE:
      if (W == SPI_SETNONCLIENTMETRICS) UseFonts(GetDpiForWindow(Window));
      break;
    // A report reads as text on paper, not as a greyed box.
    case WM_CTLCOLORSTATIC:
      if (!IsReportBox(reinterpret_cast<HWND>(L))) break;
      SetBkColor(reinterpret_cast<HDC>(W), GetSysColor(COLOR_WINDOW));
      SetTextColor(reinterpret_cast<HDC>(W), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    // The layout's size even where the screen is smaller: a window cut to the screen would
    // hide its lowest controls, one larger can be moved to show them.
    case WM_GETMINMAXINFO: {
      auto& Sizes = *reinterpret_cast<MINMAXINFO*>(L);
      Sizes.ptMaxTrackSize.x = std::max(Sizes.ptMaxTrackSize.x, FrameSize.x);
      Sizes.ptMaxTrackSize.y = std::max(Sizes.ptMaxTrackSize.y, FrameSize.y);
      return 0;
    }
    case WM_CLOSE:
      if (Controller.QueryClose()) DestroyWindow(Window);
      return 0;
    case PostedTask:
      RunPosted();
      return 0;
    case WM_DESTROY: {
      Refusal.Hide();
      Tip = nullptr;  // gone with the window that owns it, as is the refusal's
      Refusal.Forget();
      OnDestroy();
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(Window, Message, W, L);
}

// The first file of a drop names the drop box's file, where the window has one; else the
// controller hears them all.
void CTableWindow::Dropped(HDROP Drop) {
  std::vector<std::u16string> Files;
  const UINT Count = DragQueryFileW(Drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT I = 0; I < Count; ++I) {
    const UINT Length = DragQueryFileW(Drop, I, nullptr, 0);
    std::wstring File(Length + 1, L'\0');
    File.resize(DragQueryFileW(Drop, I, File.data(), Length + 1));
    Files.push_back(Utf16(File));
  }
  DragFinish(Drop);
  if (Files.empty()) return;
  if (Layout.DropBox != NoControl) {
    SetText(Layout.DropBox, Files.front());
  } else {
    Controller.Dropped(Files);
  }
}

// Every control in layout order, which is also the order of the focus; all of them stand in
// the window itself, the frames behind their members. The tooltips are empty until a control
// is given one.
bool CTableWindow::BuildControls() {
  const HINSTANCE Instance = InstanceOf(Window);
  Tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Window, nullptr, Instance, nullptr);
  if (Tip == nullptr) return false;
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    const ControlLayout& Laid = Layout.Controls[Row];
    const ControlClass Made = ClassOf(Laid.Kind);
    Controls[Row] = CreateWindowExW(
        Made.ExStyle, Made.Name, Wide(Laid.Caption).c_str(), StyleOf(Layout, Row), 0, 0, 0, 0,
        Window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildId(Row))), Instance, nullptr);
    if (Controls[Row] == nullptr) return false;
    if (IsLines(Laid.Kind)) SetWindowSubclass(Controls[Row], TabLeavesBox, 0, 0);
    if (Laid.Kind == ControlKind::Grid) MakeGrid(Controls[Row]);
    if (Laid.Kind == ControlKind::AwardBox)
      SetWindowSubclass(Controls[Row], AwardBoxProc, Row, reinterpret_cast<DWORD_PTR>(this));
  }
  return Refusal.Create(Window, RefusalTimer);
}

// The menu bar of the layout's menu items, each showing its shortcut; null without a menu.
HMENU CTableWindow::BuildMenu() const {
  if (Layout.Menu.empty()) return nullptr;
  HMENU Bar = CreateMenu();
  HMENU Menu = nullptr;
  std::string_view Title;
  for (const MenuItem& Item : Layout.Menu) {
    if (Menu == nullptr || Item.Menu != Title) {
      Menu = CreatePopupMenu();
      Title = Item.Menu;
      AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Menu), Wide(Title).c_str());
    }
    if (Item.Caption.empty()) {
      AppendMenuW(Menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring Caption = Wide(Item.Caption);
    if (!Item.Shortcut.empty()) Caption += L'\t' + Wide(Item.Shortcut);
    AppendMenuW(Menu, MF_STRING, static_cast<UINT_PTR>(CommandId(Item.Command)), Caption.c_str());
  }
  return Bar;
}

// The shortcuts of the menu items and of the keys; null without any.
HACCEL CTableWindow::BuildKeys() const {
  std::vector<ACCEL> Table;
  for (std::size_t I = 0; I < ShortcutCount(Layout); ++I) {
    const KeyChord Chord = ReadShortcut(ShortcutAt(Layout, I));
    if (Chord.Key == '\0') continue;
    const WindowCommand Command = I < Layout.Menu.size()
                                      ? Layout.Menu[I].Command
                                      : Layout.Keys[I - Layout.Menu.size()].Command;
    const BYTE Flags = FVIRTKEY | (Chord.Ctrl ? FCONTROL : 0) | (Chord.Shift ? FSHIFT : 0);
    Table.push_back({Flags, static_cast<WORD>(Chord.Key), static_cast<WORD>(CommandId(Command))});
  }
  if (Table.empty()) return nullptr;
  return CreateAcceleratorTableW(Table.data(), static_cast<int>(Table.size()));
}

// The layout's twips at Dpi dots per inch: every control, the fonts, and the window around a
// client area of the layout's size below its menu bar.
void CTableWindow::LayOut(UINT Dpi) {
  const int Pixels = static_cast<int>(Dpi);
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    const TwipsRect Place = PlaceInWindow(Layout, Layout.Controls[Row]);
    const int Lines = Layout.Controls[Row].Kind == ControlKind::DropDown ? DropDownLines : 1;
    MoveWindow(Controls[Row], TwipsToPixels(Place.Left, Pixels), TwipsToPixels(Place.Top, Pixels),
               TwipsToPixels(Place.Width, Pixels), TwipsToPixels(Place.Height, Pixels) * Lines,
               TRUE);
  }
  UseFonts(Dpi);
  // A width makes a tip break at its line feeds: the dive's name above its sum.
  SendMessageW(Tip, TTM_SETMAXTIPWIDTH, 0, TwipsToPixels(Layout.ClientWidth, Pixels));
  RECT Frame{0, 0, TwipsToPixels(Layout.ClientWidth, Pixels),
             TwipsToPixels(Layout.ClientHeight, Pixels)};
  // The frame and the menu bar are drawn at the density the system gives the window.
  AdjustWindowRectExForDpi(&Frame, WindowStyle, GetMenu(Window) != nullptr, WindowExStyle,
                           GetDpiForWindow(Window));
  FrameSize = {Frame.right - Frame.left, Frame.bottom - Frame.top};
  SetWindowPos(Window, nullptr, 0, 0, FrameSize.x, FrameSize.y,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a screen of another density: laid out afresh there, where the system suggests.
void CTableWindow::FollowDpi(UINT Dpi, const RECT& Suggested) {
  SetWindowPos(Window, nullptr, Suggested.left, Suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(Dpi);
}

// The font the system uses in message boxes, at the window's density; reports in a
// fixed-width font of the same height.
void CTableWindow::UseFonts(UINT Dpi) {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0, Dpi))
    return;
  LOGFONTW Fixed = Metrics.lfMessageFont;
  Fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  wcsncpy(Fixed.lfFaceName, L"Consolas", std::size(Fixed.lfFaceName) - 1);
  HFONT Made = CreateFontIndirectW(&Metrics.lfMessageFont);
  HFONT MadeFixed = CreateFontIndirectW(&Fixed);
  if (Made == nullptr || MadeFixed == nullptr) {
    if (Made != nullptr) DeleteObject(Made);
    if (MadeFixed != nullptr) DeleteObject(MadeFixed);
    return;
  }
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    HFONT Used = Layout.Controls[Row].Kind == ControlKind::ReportBox ? MadeFixed : Made;
    SendMessageW(Controls[Row], WM_SETFONT, reinterpret_cast<WPARAM>(Used), TRUE);
    if (Layout.Controls[Row].Kind == ControlKind::Grid) FitGridColumns(Controls[Row]);
  }
  if (Font != nullptr) DeleteObject(Font);
  if (FixedFont != nullptr) DeleteObject(FixedFont);
  Font = Made;
  FixedFont = MadeFixed;
}

// A control's notification, a menu item or a shortcut: the command it runs, once it means one.
void CTableWindow::OnCommand(int Id, int Code) {
  if (Id >= FirstCommandId) {
    Controller.Run(static_cast<WindowCommand>(Id - FirstCommandId), NoControl);
    return;
  }
  const auto Row = static_cast<std::size_t>(Id - FirstControlId);
  if (Id < FirstControlId || Row >= Controls.size()) return;
  ShowDefaultButton();  // a click or a focus on a control
  const ControlLayout& Control = Layout.Controls[Row];
  bool Used = false;
  switch (Control.Kind) {
    case ControlKind::Option:
      Used = Code == BN_CLICKED && SendMessageW(Controls[Row], BM_GETCHECK, 0, 0) == BST_CHECKED;
      break;
    case ControlKind::Command:
      Used = Code == BN_CLICKED;
      break;
    case ControlKind::TextBox:
    case ControlKind::AwardBox:
    case ControlKind::LinesBox:
      Used = Code == EN_CHANGE;
      break;
    case ControlKind::DropDown:
      Used = Code == CBN_SELCHANGE;
      break;
    default:
      break;
  }
  if (Used && Control.Command != WindowCommand::None) Controller.Run(Control.Command, Control.Id);
}

// A double-click on a grid's row opens it.
void CTableWindow::OnNotify(const NMHDR& Note) {
  const int Row = RowOf(Note.hwndFrom);
  if (Row < 0 || Note.code != LVN_ITEMACTIVATE) return;
  const ControlLayout& Control = Layout.Controls[static_cast<std::size_t>(Row)];
  if (Control.Command != WindowCommand::None) Controller.Run(Control.Command, Control.Id);
}

HWND CTableWindow::EnterButton() const {
  const int Row = RowOf(GetFocus());
  const ControlId Now = Row < 0 ? NoControl : ControlId::AtRow(static_cast<std::size_t>(Row));
  return Control(merrith::EnterButton(Layout, Now));
}

// The button that Enter presses looks it.
void CTableWindow::ShowDefaultButton() {
  HWND Pressed = EnterButton();
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    if (Layout.Controls[Row].Kind != ControlKind::Command) continue;
    const bool Default = Controls[Row] == Pressed;
    const bool Shown = SendMessageW(Controls[Row], WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON;
    if (Shown != Default)
      SendMessageW(Controls[Row], BM_SETSTYLE, Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

// The control with the focus gets it back when the window is active again, after a message
// box for example.
void CTableWindow::KeepFocus() {
  HWND Now = GetFocus();
  if (Now != nullptr && IsChild(Window, Now)) Focused = Now;
}

void CTableWindow::RestoreFocus() {
  if (Focused == nullptr || !IsChild(Window, Focused))
    Focused = GetNextDlgTabItem(Window, nullptr, FALSE);
  if (Focused != nullptr) SetFocus(Focused);
}

bool CTableWindow::IsReportBox(HWND Control) const {
  const int Row = RowOf(Control);
  return Row >= 0 && Layout.Controls[static_cast<std::size_t>(Row)].Kind == ControlKind::ReportBox;
}

int CTableWindow::RowOf(HWND Control) const {
  const auto Found = std::find(Controls.begin(), Controls.end(), Control);
  return Control != nullptr && Found != Controls.end() ? static_cast<int>(Found - Controls.begin())
                                                       : -1;
}

}  // namespace merrith
