#include "ui/win32/system_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <iterator>
#include <vector>

#include "window/main_window_layout.h"

namespace merrith {
namespace {

void ShowMessageBox(HWND Owner, std::u16string_view Message) {
  MessageBoxW(Owner, Wide(Message).c_str(), Wide(MessageCaption).c_str(), MB_OK);
}

// "Dive lists (*.txt)", "*.txt", "All files (*.*)", "*.*", each ended by a zero, and one more.
std::wstring Filter(const FileKind& Kind) {
  const std::wstring Pattern = Wide(Kind.Pattern);
  std::wstring Text = Wide(Kind.TypeName) + L" (" + Pattern + L")";
  Text += L'\0' + Pattern + L'\0';
  Text += std::wstring(L"All files (*.*)") + L'\0' + L"*.*" + L'\0';
  return Text;
}

// Asks with GetOpenFileNameW or GetSaveFileNameW, which take the same question.
template <typename AskFn>
std::optional<std::u16string> AskPath(HWND Owner, const FileKind& Kind, std::u16string_view Start,
                                      DWORD Flags, AskFn Ask) {
  std::wstring Path(32768, L'\0');  // the longest path the system takes
  const std::wstring First = Wide(Start);
  if (First.size() < Path.size()) std::copy(First.begin(), First.end(), Path.begin());
  const std::wstring Types = Filter(Kind);
  const std::wstring Title = Wide(Kind.Title);
  OPENFILENAMEW Question{};
  Question.lStructSize = sizeof Question;
  Question.hwndOwner = Owner;
  Question.lpstrFilter = Types.c_str();
  Question.lpstrFile = Path.data();
  Question.nMaxFile = static_cast<DWORD>(Path.size());
  Question.lpstrTitle = Title.c_str();
  Question.lpstrDefExt = L"txt";
  Question.Flags = Flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!Ask(&Question)) return std::nullopt;
  Path.resize(std::wcslen(Path.c_str()));
  return Utf16(Path);
}

// Several files from one folder: the buffer holds the folder and then each name, each ended by
// a zero, or one whole path alone.
std::vector<std::u16string> AskPaths(HWND Owner, const FileKind& Kind, std::u16string_view Start) {
  std::vector<std::u16string> Paths;
  std::wstring Chosen;
  const auto Ask = [&Chosen](OPENFILENAMEW* Question) {
    if (!GetOpenFileNameW(Question)) return FALSE;
    Chosen.assign(Question->lpstrFile, Question->nMaxFile);
    return TRUE;
  };
  if (!AskPath(Owner, Kind, Start, OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, Ask)) return Paths;
  const std::wstring Folder(Chosen.c_str());
  for (std::size_t At = Folder.size() + 1; At < Chosen.size() && Chosen[At] != L'\0';) {
    const std::wstring Name(Chosen.c_str() + At);
    std::wstring Path = Folder;
    if (!Path.ends_with(L'\\')) Path += L'\\';
    Path += Name;
    Paths.push_back(Utf16(Path));
    At += Name.size() + 1;
  }
  if (Paths.empty()) Paths.push_back(Utf16(Folder));
  return Paths;
}

SaveAnswer AskToSave(HWND Owner, std::u16string_view Name) {
  constexpr int FirstId = 100;
  std::wstring Captions[std::size(SaveAnswerCaptions)];
  TASKDIALOG_BUTTON Buttons[std::size(SaveAnswerCaptions)] = {};
  for (std::size_t I = 0; I < std::size(Buttons); ++I) {
    Captions[I] = Wide(SaveAnswerCaptions[I]);
    Buttons[I] = {FirstId + static_cast<int>(I), Captions[I].c_str()};
  }
  const std::wstring Caption = Wide(MessageCaption);
  const std::wstring Question = Wide(SaveQuestion(Name));
  TASKDIALOGCONFIG Dialog{};
  Dialog.cbSize = sizeof Dialog;
  Dialog.hwndParent = Owner;
  Dialog.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;  // Esc and the close box answer Cancel
  Dialog.pszWindowTitle = Caption.c_str();
  Dialog.pszMainInstruction = Question.c_str();
  Dialog.cButtons = static_cast<UINT>(std::size(Buttons));
  Dialog.pButtons = Buttons;
  Dialog.nDefaultButton = FirstId;
  int Pressed = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&Dialog, &Pressed, nullptr, nullptr))) return SaveAnswer::Cancel;
  const int Answer = Pressed - FirstId;
  if (Answer < 0 || Answer >= static_cast<int>(std::size(Buttons))) return SaveAnswer::Cancel;
  return static_cast<SaveAnswer>(Answer);
}

bool AskYesNo(HWND Owner, std::u16string_view Question, std::u16string_view Yes,
              std::u16string_view No) {
  constexpr int YesId = 100;
  constexpr int NoId = 101;
  const std::wstring Captions[] = {Wide(Yes), Wide(No)};
  TASKDIALOG_BUTTON Buttons[] = {
      {YesId, Captions[0].c_str()},
      { NoId, Captions[1].c_str()}
  };
  const std::wstring Caption = Wide(MessageCaption);
  const std::wstring Asked = Wide(Question);
  TASKDIALOGCONFIG Dialog{};
  Dialog.cbSize = sizeof Dialog;
  Dialog.hwndParent = Owner;
  Dialog.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;  // Esc and the close box answer No
  Dialog.pszWindowTitle = Caption.c_str();
  Dialog.pszContent = Asked.c_str();
  Dialog.cButtons = static_cast<UINT>(std::size(Buttons));
  Dialog.pButtons = Buttons;
  Dialog.nDefaultButton = YesId;
  int Pressed = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&Dialog, &Pressed, nullptr, nullptr))) return false;
  return Pressed == YesId;
}

bool ShowInBrowser(HWND Owner, std::u16string_view Path) {
  const auto Done =
      ShellExecuteW(Owner, L"open", Wide(Path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(Done) > 32;  // as ShellExecuteW reports success
}

// The text as Windows programs paste it: CR LF line ends, a zero at the end.
void CopyText(HWND Owner, std::u16string_view Text) {
  std::wstring Copied;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == u'\n' && (I == 0 || Text[I - 1] != u'\r')) Copied += L'\r';
    Copied += static_cast<wchar_t>(Text[I]);
  }
  const std::size_t Bytes = (Copied.size() + 1) * sizeof(wchar_t);
  HGLOBAL Memory = GlobalAlloc(GMEM_MOVEABLE, Bytes);
  if (Memory == nullptr) return;
  if (void* Held = GlobalLock(Memory)) {
    std::memcpy(Held, Copied.c_str(), Bytes);
    GlobalUnlock(Memory);
  }
  if (OpenClipboard(Owner)) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, Memory) != nullptr) Memory = nullptr;  // the system's
    CloseClipboard();
  }
  if (Memory != nullptr) GlobalFree(Memory);
}

}  // namespace

Dialogs SystemDialogs(const CTableWindow& Owner) {
  const CTableWindow* Window = &Owner;
  Dialogs Asks;
  Asks.Message = [Window](std::u16string_view Text) { ShowMessageBox(Window->Handle(), Text); };
  Asks.AskOpenPath = [Window](const FileKind& Kind, std::u16string_view Start) {
    return AskPath(Window->Handle(), Kind, Start, OFN_FILEMUSTEXIST, GetOpenFileNameW);
  };
  Asks.AskOpenPaths = [Window](const FileKind& Kind, std::u16string_view Start) {
    return AskPaths(Window->Handle(), Kind, Start);
  };
  Asks.AskSavePath = [Window](const FileKind& Kind, std::u16string_view Start) {
    return AskPath(Window->Handle(), Kind, Start, OFN_OVERWRITEPROMPT, GetSaveFileNameW);
  };
  Asks.AskToSave = [Window](std::u16string_view Name) { return AskToSave(Window->Handle(), Name); };
  Asks.AskYesNo = [Window](std::u16string_view Question, std::u16string_view Yes,
                           std::u16string_view No) {
    return AskYesNo(Window->Handle(), Question, Yes, No);
  };
  Asks.ShowInBrowser = [Window](std::u16string_view Path) {
    return ShowInBrowser(Window->Handle(), Path);
  };
  Asks.CopyText = [Window](std::u16string_view Text) { CopyText(Window->Handle(), Text); };
  return Asks;
}

}  // namespace merrith
