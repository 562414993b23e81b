#include "ui/win32/fm_main.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <utility>

#include "support/utf8.h"
#include "ui/win32/system_dialogs.h"

namespace merrith {
namespace {

// The result box as a tool of Tip's: its tooltip shows while the mouse rests on it.
TTTOOLINFOW ResultTool(HWND Window, HWND ResultBox) {
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof Tool;
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = Window;
  Tool.uId = reinterpret_cast<UINT_PTR>(ResultBox);
  return Tool;
}

// The decimal separator of the user's locale, as set in the system's regional settings.
std::u16string DecimalSeparator() {
  wchar_t Separator[8]{};  // LOCALE_SDECIMAL holds at most three characters
  const int Length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Separator, std::size(Separator));
  if (Length <= 1) return u".";
  return Utf16(std::wstring_view(Separator, static_cast<std::size_t>(Length - 1)));
}

HINSTANCE InstanceOf(HWND Window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Window, GWLP_HINSTANCE));
}

// The first file of a drop.
std::wstring DroppedFile(HDROP Drop) {
  const UINT Length = DragQueryFileW(Drop, 0, nullptr, 0);
  std::wstring File(Length + 1, L'\0');
  File.resize(DragQueryFileW(Drop, 0, File.data(), Length + 1));
  return File;
}

}  // namespace

fmMain::fmMain()
    : CTableWindow(MainWindow, L"Merrith.fmMain"),
      Form(SystemDialogs(*this), InstalledDocuments()) {}

bool fmMain::Create(HINSTANCE Instance) {
  return CreateTable(Instance, DecodeUtf8(MainWindow.Caption));
}

void fmMain::SetDialogs(Dialogs Asks) {
  Form.SetDialogs(Asks);
  TestDialogs = std::move(Asks);
}

bool fmMain::OnCreated() {
  if (!BuildResultTip()) return false;
  DragAcceptFiles(Handle(), TRUE);
  Form_Load();
  return true;
}

// Empty until the first "OK", like the box itself.
bool fmMain::BuildResultTip() {
  Tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, InstanceOf(Handle()),
                        nullptr);
  if (Tip == nullptr) return false;
  TTTOOLINFOW Tool = ResultTool(Handle(), Control("txDD"));
  Tool.lpszText = const_cast<wchar_t*>(L"");
  return SendMessageW(Tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool)) != FALSE;
}

// A width makes the tip break at its line feeds: the dive's name above its sum.
void fmMain::OnLaidOut(UINT Dpi) {
  if (Tip != nullptr)
    SendMessageW(Tip, TTM_SETMAXTIPWIDTH, 0,
                 TwipsToPixels(MainWindow.ClientWidth, static_cast<int>(Dpi)));
}

void fmMain::Run(WindowCommand Command, std::size_t Row) {
  switch (Command) {
    case WindowCommand::SelectHeight:
      Form.optH_Click(MainWindow.Controls[Row].Index);
      break;
    case WindowCommand::Evaluate:
      cmdOK_Click();
      break;
    case WindowCommand::BatchTable:
      cmdGenTbl_Click(MainWindow.Controls[Row].Index);
      break;
    case WindowCommand::NewSheet:
      NewSheet();
      break;
    case WindowCommand::OpenSheet:
      if (const auto Chosen = Form.mnuOpenSheet_Click()) OpenSheet(*Chosen);
      break;
    case WindowCommand::Exit:
      PostMessageW(Handle(), WM_CLOSE, 0, 0);
      break;
    default:
      if (const auto Name = Form.mnu_Click(Command, TextOf(Control("txFN"))))
        SetText(Control("txFN"), *Name);
      break;
  }
}

bool fmMain::OnMessage(UINT Message, WPARAM W, LPARAM, LRESULT& Result) {
  if (Message != WM_DROPFILES) return false;
  const auto Drop = reinterpret_cast<HDROP>(W);
  SetText(Control("txFN"), Utf16(DroppedFile(Drop)));
  DragFinish(Drop);
  Result = 0;
  return true;
}

fmSheet* fmMain::MakeSheet() {
  Form.SheetOpening();
  std::erase_if(SheetWindows, [](const auto& Sheet) { return Sheet->Handle() == nullptr; });
  auto Sheet =
      std::make_unique<fmSheet>(Form.GetDocuments().Sheets, TestDialogs, [this] { NewSheet(); });
  return SheetWindows.emplace_back(std::move(Sheet)).get();
}

// Right of the main window, each further sheet a step down, as far as the screen allows.
void fmMain::PlaceBeside(HWND Sheet) const {
  RECT Main{}, Own{};
  GetWindowRect(Handle(), &Main);
  GetWindowRect(Sheet, &Own);
  MONITORINFO Screen{};
  Screen.cbSize = sizeof Screen;
  GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &Screen);
  const RECT& Work = Screen.rcWork;
  const int Step = GetSystemMetrics(SM_CYCAPTION) * static_cast<int>(SheetWindows.size() - 1);
  const int Width = Own.right - Own.left;
  const int Height = Own.bottom - Own.top;
  const int Left = std::max<int>(Work.left, std::min<int>(Main.right + Step, Work.right - Width));
  const int Top = std::max<int>(Work.top, std::min<int>(Main.top + Step, Work.bottom - Height));
  SetWindowPos(Sheet, nullptr, Left, Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

fmSheet* fmMain::NewSheet() {
  fmSheet* Sheet = MakeSheet();
  if (!Sheet->Create(InstanceOf(Handle()))) return nullptr;
  PlaceBeside(Sheet->Handle());
  ShowWindow(Sheet->Handle(), SW_SHOW);
  return Sheet;
}

fmSheet* fmMain::OpenSheet(std::u16string_view FileName) {
  fmSheet* Sheet = MakeSheet();
  if (!Sheet->Load(FileName) || !Sheet->Create(InstanceOf(Handle()))) return nullptr;
  PlaceBeside(Sheet->Handle());
  ShowWindow(Sheet->Handle(), SW_SHOW);
  return Sheet;
}

std::vector<fmSheet*> fmMain::Sheets() const {
  std::vector<fmSheet*> Open;
  for (const auto& Sheet : SheetWindows)
    if (Sheet->Handle() != nullptr) Open.push_back(Sheet.get());
  return Open;
}

bool fmMain::QueryClose() {
  std::vector<CSheetWindow*> Forms;
  for (fmSheet* Sheet : Sheets()) Forms.push_back(&Sheet->Form());
  if (!QueryUnloadAll(Forms)) return false;
  for (fmSheet* Sheet : Sheets()) Sheet->CloseAsked();
  return true;
}

void fmMain::OnDestroy() {
  Tip = nullptr;  // gone with the window that owns it
  PostQuitMessage(0);
}

// Checking the button of the initial height the way a click would keeps the buttons and
// HeightIndex in agreement.
void fmMain::Form_Load() {
  Form.Form_Load();
  const auto Id = [this](std::int32_t Height) {
    return GetDlgCtrlID(Control("optH", static_cast<std::int16_t>(Height)));
  };
  CheckRadioButton(Handle(), Id(HeightIndexFirst), Id(HeightIndexLast), Id(Form.GetHeightIndex()));
}

void fmMain::cmdOK_Click() {
  const ResultBox Shown = Form.cmdOK_Click(TextOf(Control("txAC")), DecimalSeparator());
  SetWindowTextW(Control("txDD"), Wide(Shown.Text).c_str());
  const std::wstring TipText = Wide(Shown.Tip);
  TTTOOLINFOW Tool = ResultTool(Handle(), Control("txDD"));
  Tool.lpszText = const_cast<wchar_t*>(TipText.c_str());  // copied by the tooltip
  SendMessageW(Tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&Tool));
}

void fmMain::cmdGenTbl_Click(std::int16_t Index) {
  Form.GetDialogs().Message(
      Form.cmdGenTbl_Click(Index, TextOf(Control("txFN")), DecimalSeparator()));
}

}  // namespace merrith
