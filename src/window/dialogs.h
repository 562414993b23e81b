#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Where a window shows its messages to the user: a modal box captioned MessageCaption with an
// OK button only, or whatever a test puts in its place.
using MessageSink = std::function<void(std::u16string_view Message)>;

// The files the system's file dialogs offer, and how each dialog is captioned.
struct FileKind {
  std::u16string_view Title;     // the dialog's caption
  std::u16string_view TypeName;  // what the files are called in the dialog's type box
  std::u16string_view Pattern;   // which names it shows, "*.txt"; several by ";", "*.txt;*.csv"
};

inline constexpr FileKind ListToOpen{u"Open list", u"Dive lists", u"*.txt"};
inline constexpr FileKind SheetToOpen{u"Open dive sheet", u"Dive sheets", u"*.txt"};
inline constexpr FileKind SheetToSave{u"Save dive sheet", u"Dive sheets", u"*.txt"};
inline constexpr FileKind SheetsToAdd{u"Add divers' sheets", u"Dive sheets", u"*.txt"};
// A competition file, or its spreadsheet form.
inline constexpr FileKind CompetitionToOpen{u"Open competition", u"Competitions", u"*.txt;*.csv"};
inline constexpr FileKind CompetitionToSave{u"Save competition", u"Competitions", u"*.txt"};
inline constexpr FileKind CsvToSave{u"Export CSV", u"Spreadsheets", u"*.csv"};
inline constexpr FileKind NextPhaseToSave{u"Next phase", u"Competitions", u"*.txt"};

// What the user answers when a window with unsaved changes is about to close.
enum class SaveAnswer { Save, DontSave, Cancel };

// The question's buttons, in the order of SaveAnswer.
inline constexpr std::u16string_view SaveAnswerCaptions[] = {u"Save", u"Don't save", u"Cancel"};

// The unsaved-changes question about the sheet Name.
inline std::u16string SaveQuestion(std::u16string_view Name) {
  return u"Save the changes to " + std::u16string(Name) + u" before closing it?";
}

// What the windows ask of the desktop: the system's dialogs, its browser and its clipboard.
// Each toolkit fills them in; tests put answers of their own in their place, so nothing
// blocks.
struct Dialogs {
  MessageSink Message;
  // The file the user picked to open, starting at Start; nothing when cancelled.
  std::function<std::optional<std::u16string>(const FileKind& Kind, std::u16string_view Start)>
      AskOpenPath;
  // The files the user picked to open, several at once, starting at Start; none when
  // cancelled.
  std::function<std::vector<std::u16string>(const FileKind& Kind, std::u16string_view Start)>
      AskOpenPaths;
  // The name the user gave to save under, starting at Start; nothing when cancelled.
  std::function<std::optional<std::u16string>(const FileKind& Kind, std::u16string_view Start)>
      AskSavePath;
  // Save the changes to Name first? Save, Don't save, or Cancel.
  std::function<SaveAnswer(std::u16string_view Name)> AskToSave;
  // Question answered by one of two buttons, Yes first and the default: true for Yes.
  std::function<bool(std::u16string_view Question, std::u16string_view Yes, std::u16string_view No)>
      AskYesNo;
  // Opens the page at Path in the user's browser; false when the desktop cannot.
  std::function<bool(std::u16string_view Path)> ShowInBrowser;
  // Puts Text on the clipboard.
  std::function<void(std::u16string_view Text)> CopyText;
};

// Opens the page at Path in the browser, or tells the user where it is when none opens.
void ShowPage(const Dialogs& Asks, std::u16string_view Path);

}  // namespace merrith
