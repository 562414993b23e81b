#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/event_book.h"
#include "support/file_outcome.h"
#include "window/dialogs.h"

namespace merrith {

// One event a sheet may name, as the sheet window's drop-down offers it.
struct EventChoice {
  std::u16string Id;     // as the sheet's Event: line writes it, "women-3m"
  std::u16string Title;  // what the drop-down shows, "Women 3 m springboard"
  bool Team = false;     // a team's list, whose divers its Divers: line names
};

// One rule book a sheet may name, as the sheet window's drop-down offers it.
struct BookChoice {
  std::u16string Id;     // as the sheet's Book: line writes it, "fina-2017-2021"
  std::u16string Title;  // what the drop-down shows, "FINA Diving Rules 2017-2021"
};

// What the dive-sheet window shows of a sheet, from the room that checks sheets.
struct SheetFunctions {
  // The report that merrith-cli sheet prints for a sheet file holding Text.
  std::function<std::u16string(std::u16string_view Text)> Report;
  // Every rule book, built-in and the user's, the default first.
  std::function<std::vector<BookChoice>()> Books;
  // The events of the book BookId (in any case), built-in and the user's, as merrith-cli
  // events --book lists them; none for a book nobody knows.
  std::function<std::vector<EventChoice>(std::u16string_view BookId)> Events;
  // Writes the printed page of the sheet file holding Text to PagePath, as sheet --html does.
  std::function<FileOutcome(std::u16string_view Text, std::u16string_view PagePath)> WritePage;
  // The folder the user's own rules files are read from.
  std::function<std::u16string()> RulesFolder;
  // Each fault of the rules files read, "file:line:column: what is wrong"; the events of a
  // file with a fault are left out.
  std::function<std::vector<std::u16string>()> RulesFaults;
};

// Writes the chart of the list file at ListPath, or of every dive when ListPath is empty, to
// ChartPath, as merrith-cli chart writes it.
using ChartWriter =
    std::function<FileOutcome(std::u16string_view ListPath, std::u16string_view ChartPath)>;

// The event book a competition file is read against: every event, built-in and the user's.
using BookSource = std::function<const EventBook&()>;

// The documents the windows show beyond the batch table.
struct DocumentRooms {
  SheetFunctions Sheets;
  ChartWriter Chart;
  BookSource Book;
};

// The documents as merrith-cli makes them: the rules read once, when a sheet first needs them.
DocumentRooms InstalledDocuments();

// Opens the page just written to Page in the browser, or tells the user why it was not written.
void ShowWrittenPage(const Dialogs& Asks, const FileOutcome& Written, std::u16string_view Page);

// What a window tells the user of a file it could not read or write: the file, the reason, and
// for a write that what stood there is as it was.
std::u16string FileMessage(const FileOutcome& Outcome);

}  // namespace merrith
