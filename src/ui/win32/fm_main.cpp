#include "ui/win32/fm_main.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "support/utf8.h"
#include "ui/win32/resources.h"

namespace merrith {
namespace {

constexpr wchar_t ClassName[] = L"Merrith.fmMain";

// A fixed size: a caption with the system menu and minimise box, no sizing border, no maximise.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD WindowExStyle = 0;

// Control identifiers follow the layout's rows.
constexpr int FirstControlId = 100;

int ControlId(std::size_t Row) { return FirstControlId + static_cast<int>(Row); }

// How each kind of control is made from the system's classes.
struct ControlClass {
  const wchar_t* Name;
  DWORD Style;
  DWORD ExStyle;
};

ControlClass ClassOf(ControlKind Kind) {
  switch (Kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Option:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Command:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
  }
  return {L"STATIC", 0, 0};
}

// Option buttons that follow each other are one group: the arrow keys move among them and
// Tab stops at the checked one only (the buttons move the tab stop with the check).
DWORD GroupStyle(std::size_t Row) {
  const bool Option = MainWindowControls[Row].Kind == ControlKind::Option;
  const bool AfterOption = Row > 0 && MainWindowControls[Row - 1].Kind == ControlKind::Option;
  if (Option && AfterOption) return 0;
  return Option ? WS_GROUP | WS_TABSTOP : WS_GROUP;
}

DWORD StyleOf(std::size_t Row) {
  const ControlLayout& Control = MainWindowControls[Row];
  DWORD Style = WS_CHILD | WS_VISIBLE | ClassOf(Control.Kind).Style | GroupStyle(Row);
  if (Control.Name == ReadOnlyBox) Style |= ES_READONLY;
  if (Control.Name == DefaultButton) Style = (Style & ~DWORD{BS_TYPEMASK}) | BS_DEFPUSHBUTTON;
  return Style;
}

std::wstring Wide(std::u16string_view Text) { return std::wstring(Text.begin(), Text.end()); }
std::wstring Wide(std::string_view Utf8) { return Wide(DecodeUtf8(Utf8)); }
std::u16string Utf16(std::wstring_view Text) { return std::u16string(Text.begin(), Text.end()); }

// The result box as a tool of Tip's: its tooltip shows while the mouse rests on it.
TTTOOLINFOW ResultTool(HWND Window, HWND ResultBox) {
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = Window;
  Tool.uId = reinterpret_cast<UINT_PTR>(ResultBox);
  return Tool;
}

std::u16string TextOf(HWND Control) {
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Control)) + 1, L'\0');
  const int Length = GetWindowTextW(Control, Text.data(), static_cast<int>(Text.size()));
  Text.resize(Length > 0 ? static_cast<std::size_t>(Length) : 0);
  return Utf16(Text);
}

// The decimal separator of the user's locale, as set in the system's regional settings.
std::u16string DecimalSeparator() {
  wchar_t Separator[8]{};  // LOCALE_SDECIMAL holds at most three characters
  const int Length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Separator, std::size(Separator));
  if (Length <= 1) return u".";
  return Utf16(std::wstring_view(Separator, static_cast<std::size_t>(Length - 1)));
}

void ShowMessageBox(HWND Owner, std::u16string_view Message) {
  MessageBoxW(Owner, Wide(Message).c_str(), Wide(MessageCaption).c_str(), MB_OK);
}

bool RegisterWindowClass(HINSTANCE Instance, WNDPROC Procedure) {
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

}  // namespace

fmMain::fmMain()
    : MsgBox([this](std::u16string_view Message) { ShowMessageBox(Window, Message); }) {}

fmMain::~fmMain() {
  if (Window != nullptr) DestroyWindow(Window);
  if (Font != nullptr) DeleteObject(Font);
}

bool fmMain::Create(HINSTANCE Instance) {
  const INITCOMMONCONTROLSEX Classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&Classes);
  if (Window != nullptr || !RegisterWindowClass(Instance, WindowProc)) return false;
  CreateWindowExW(WindowExStyle, ClassName, Wide(WindowCaption).c_str(), WindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Instance, this);
  return Window != nullptr;
}

HWND fmMain::Control(std::string_view Name, std::int16_t Index) const {
  const std::size_t Row = ControlRow(Name, Index);
  return Row < Controls.size() ? Controls[Row] : nullptr;
}

void fmMain::SetMessageSink(MessageSink Sink) { MsgBox = std::move(Sink); }

void fmMain::Dispatch(MSG& Message) {
  if (Window != nullptr && IsDialogMessageW(Window, &Message)) {
    ShowDefaultButton();
    return;
  }
  TranslateMessage(&Message);
  DispatchMessageW(&Message);
}

LRESULT CALLBACK fmMain::WindowProc(HWND Handle, UINT Message, WPARAM W, LPARAM L) {
  if (Message == WM_NCCREATE) {
    auto* Self = static_cast<fmMain*>(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams);
    Self->Window = Handle;
    SetWindowLongPtrW(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
  }
  auto* Self = reinterpret_cast<fmMain*>(GetWindowLongPtrW(Handle, GWLP_USERDATA));
  if (Self == nullptr) return DefWindowProcW(Handle, Message, W, L);
  if (Message == WM_NCDESTROY) {
    SetWindowLongPtrW(Handle, GWLP_USERDATA, 0);
    Self->Window = nullptr;
    Self->Tip = nullptr;  // gone with the window that owns it
    Self->Controls.fill(nullptr);
    return DefWindowProcW(Handle, Message, W, L);
  }
  return Self->HandleMessage(Message, W, L);
}

LRESULT fmMain::HandleMessage(UINT Message, WPARAM W, LPARAM L) {
  switch (Message) {
    case WM_CREATE:
      if (!BuildControls()) return -1;
      LayOut(GetDpiForWindow(Window));
      Form_Load();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(W), HIWORD(W));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(GetDlgCtrlID(EnterButton()), DC_HASDEFID);
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
      if (W == SPI_SETNONCLIENTMETRICS) UseMessageFont(GetDpiForWindow(Window));
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(Window, Message, W, L);
}

// Every control in layout order, which is also the order of the focus; all of them stand in
// the window itself, the frames behind their members.
bool fmMain::BuildControls() {
  const auto Instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Window, GWLP_HINSTANCE));
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    const ControlLayout& Layout = MainWindowControls[Row];
    const ControlClass Class = ClassOf(Layout.Kind);
    Controls[Row] = CreateWindowExW(
        Class.ExStyle, Class.Name, Wide(Layout.Caption).c_str(), StyleOf(Row), 0, 0, 0, 0, Window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(Row))), Instance, nullptr);
    if (Controls[Row] == nullptr) return false;
  }
  return BuildResultTip(Instance);
}

// Empty until the first "OK", like the box itself.
bool fmMain::BuildResultTip(HINSTANCE Instance) {
  Tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Window, nullptr, Instance, nullptr);
  if (Tip == nullptr) return false;
  TTTOOLINFOW Tool = ResultTool(Window, Control("txDD"));
  Tool.lpszText = const_cast<wchar_t*>(L"");
  return SendMessageW(Tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool)) != FALSE;
}

// The layout's twips at Dpi dots per inch: every control, the message font, and the window
// around a client area of the layout's size.
void fmMain::LayOut(UINT Dpi) {
  const int Pixels = static_cast<int>(Dpi);
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    const TwipsRect Place = PlaceInWindow(MainWindowControls[Row]);
    MoveWindow(Controls[Row], TwipsToPixels(Place.Left, Pixels), TwipsToPixels(Place.Top, Pixels),
               TwipsToPixels(Place.Width, Pixels), TwipsToPixels(Place.Height, Pixels), TRUE);
  }
  UseMessageFont(Dpi);
  // A width makes the tip break at its line feeds: the dive's name above its sum.
  SendMessageW(Tip, TTM_SETMAXTIPWIDTH, 0, TwipsToPixels(ClientWidth, Pixels));
  RECT Frame{0, 0, TwipsToPixels(ClientWidth, Pixels), TwipsToPixels(ClientHeight, Pixels)};
  // The frame is drawn at the density the system gives the window.
  AdjustWindowRectExForDpi(&Frame, WindowStyle, FALSE, WindowExStyle, GetDpiForWindow(Window));
  SetWindowPos(Window, nullptr, 0, 0, Frame.right - Frame.left, Frame.bottom - Frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a screen of another density: laid out afresh there, where the system suggests.
void fmMain::FollowDpi(UINT Dpi, const RECT& Suggested) {
  SetWindowPos(Window, nullptr, Suggested.left, Suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(Dpi);
}

// The font the system uses in message boxes, at the window's density.
void fmMain::UseMessageFont(UINT Dpi) {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0, Dpi))
    return;
  HFONT Made = CreateFontIndirectW(&Metrics.lfMessageFont);
  if (Made == nullptr) return;
  for (HWND Control : Controls)
    SendMessageW(Control, WM_SETFONT, reinterpret_cast<WPARAM>(Made), TRUE);
  if (Font != nullptr) DeleteObject(Font);
  Font = Made;
}

void fmMain::OnCommand(int Id, int Code) {
  const auto Row = static_cast<std::size_t>(Id - FirstControlId);
  if (Id < FirstControlId || Row >= Controls.size()) return;
  ShowDefaultButton();  // a click or a focus on a control
  const ControlLayout& Layout = MainWindowControls[Row];
  if (Layout.Kind == ControlKind::Option) {
    if (Code == BN_CLICKED && SendMessageW(Controls[Row], BM_GETCHECK, 0, 0) == BST_CHECKED)
      Form.optH_Click(Layout.Index);
  } else if (Layout.Kind == ControlKind::Command && Code == BN_CLICKED) {
    if (Layout.Name == DefaultButton) cmdOK_Click();
    if (Layout.Name == "cmdGenTbl") cmdGenTbl_Click(Layout.Index);
  }
}

// Enter presses the command button that has the focus, and "OK" anywhere else.
HWND fmMain::EnterButton() const {
  HWND Focused = GetFocus();
  for (std::size_t Row = 0; Row < Controls.size(); ++Row)
    if (Controls[Row] == Focused && MainWindowControls[Row].Kind == ControlKind::Command)
      return Focused;
  return Control(DefaultButton);
}

// The button that Enter presses looks it.
void fmMain::ShowDefaultButton() {
  HWND Pressed = EnterButton();
  for (std::size_t Row = 0; Row < Controls.size(); ++Row) {
    if (MainWindowControls[Row].Kind != ControlKind::Command) continue;
    const bool Default = Controls[Row] == Pressed;
    const bool Shown = SendMessageW(Controls[Row], WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON;
    if (Shown != Default)
      SendMessageW(Controls[Row], BM_SETSTYLE, Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

// The control with the focus gets it back when the window is active again, after a message
// box for example.
void fmMain::KeepFocus() {
  HWND Focused = GetFocus();
  if (Focused != nullptr && IsChild(Window, Focused)) Focus = Focused;
}

void fmMain::RestoreFocus() {
  if (Focus == nullptr || !IsChild(Window, Focus))
    Focus = GetNextDlgTabItem(Window, nullptr, FALSE);
  if (Focus != nullptr) SetFocus(Focus);
}

// Checking the button of the initial height the way a click would keeps the buttons and
// HeightIndex in agreement.
void fmMain::Form_Load() {
  Form.Form_Load();
  const int Checked =
      ControlId(ControlRow("optH", static_cast<std::int16_t>(Form.GetHeightIndex())));
  CheckRadioButton(Window, ControlId(ControlRow("optH", HeightIndexFirst)),
                   ControlId(ControlRow("optH", HeightIndexLast)), Checked);
}

void fmMain::cmdOK_Click() {
  const ResultBox Shown = Form.cmdOK_Click(TextOf(Control("txAC")), DecimalSeparator());
  SetWindowTextW(Control("txDD"), Wide(Shown.Text).c_str());
  const std::wstring TipText = Wide(Shown.Tip);
  TTTOOLINFOW Tool = ResultTool(Window, Control("txDD"));
  Tool.lpszText = const_cast<wchar_t*>(TipText.c_str());  // copied by the tooltip
  SendMessageW(Tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&Tool));
}

void fmMain::cmdGenTbl_Click(std::int16_t Index) {
  MsgBox(Form.cmdGenTbl_Click(Index, TextOf(Control("txFN")), DecimalSeparator()));
}

int RunMessageLoop(fmMain& Window) {
  MSG Message{};
  BOOL Got = FALSE;
  while ((Got = GetMessageW(&Message, nullptr, 0, 0)) > 0) Window.Dispatch(Message);
  return Got < 0 ? 1 : static_cast<int>(Message.wParam);
}

}  // namespace merrith
