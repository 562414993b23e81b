#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/dialogs.h"

namespace merrith::testing {

// The user's answers, given in advance, and what the windows asked, said and opened; nothing
// blocks.
struct TestDialogs {
  std::deque<std::optional<std::u16string>> Paths;  // the file dialogs' answers, in turn
  SaveAnswer Answer = SaveAnswer::Cancel;           // to every unsaved-changes question
  bool Yes = false;                                 // to every question of two buttons
  bool BrowserOpens = true;

  std::vector<std::u16string> Asked;  // each dialog's title, or the sheet a question was about
  std::vector<std::u16string> Messages;
  std::vector<std::u16string> Pages;  // opened in the browser
  std::u16string Clipboard;

  Dialogs Seams() {
    Dialogs Asks;
    Asks.Message = [this](std::u16string_view Text) { Messages.emplace_back(Text); };
    const auto AskPath = [this](const FileKind& Kind, std::u16string_view) {
      Asked.emplace_back(Kind.Title);
      std::optional<std::u16string> Path;
      if (!Paths.empty()) {
        Path = Paths.front();
        Paths.pop_front();
      }
      return Path;
    };
    Asks.AskOpenPath = AskPath;
    Asks.AskSavePath = AskPath;
    Asks.AskToSave = [this](std::u16string_view Name) {
      Asked.emplace_back(Name);
      return Answer;
    };
    Asks.AskYesNo = [this](std::u16string_view Question, std::u16string_view, std::u16string_view) {
      Asked.emplace_back(Question);
      return Yes;
    };
    Asks.ShowInBrowser = [this](std::u16string_view Path) {
      Pages.emplace_back(Path);
      return BrowserOpens;
    };
    Asks.CopyText = [this](std::u16string_view Text) { Clipboard = Text; };
    return Asks;
  }
};

// The messages with the system's reason for a file's failure ("Cannot read a.txt: No such file
// or directory.") as "…", since each platform words it its own way.
inline std::vector<std::u16string> WithoutReasons(const std::vector<std::u16string>& Messages) {
  std::vector<std::u16string> Kept;
  for (const std::u16string& Message : Messages) {
    const std::size_t From = Message.rfind(u": ");
    if (!Message.starts_with(u"Cannot ") || From == std::u16string::npos) {
      Kept.push_back(Message);
      continue;
    }
    const std::size_t To = std::min(Message.find(u';', From), Message.size() - 1);
    Kept.push_back(Message.substr(0, From) + u": \u2026" + Message.substr(To));
  }
  return Kept;
}

}  // namespace merrith::testing
