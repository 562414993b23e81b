#include "window/document_seams.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "report/chart_file.h"
#include "report/sheet_page.h"
#include "report/sheet_report.h"
#include "sheets/event_book.h"
#include "support/words.h"
#include "window/paths.h"

namespace merrith {
namespace {

// The built-in events and the user's, read when first asked for and then kept: a sheet's
// report is redone at every keystroke.
class InstalledEvents {
 public:
  const EventBook& Book() {
    if (!Read) Read = LoadEventBook({});
    return *Read;
  }

 private:
  std::optional<EventBook> Read;
};

std::vector<BookChoice> BookChoices(const EventBook& Book) {
  std::vector<BookChoice> Choices;
  for (const RuleBook& B : Book.Books) Choices.push_back({B.Id, B.Title.empty() ? B.Id : B.Title});
  std::stable_partition(Choices.begin(), Choices.end(),
                        [](const BookChoice& B) { return B.Id == DefaultBookId; });
  return Choices;
}

std::vector<EventChoice> EventChoices(const EventBook& Book, std::u16string_view BookId) {
  std::vector<EventChoice> Choices;
  const RuleBook* Named = Book.FindBook(BookId);
  if (Named == nullptr) return Choices;
  for (const Event& E : Book.Events)
    if (SameWord(E.Book, Named->Id)) Choices.push_back({E.Id, E.Title, E.MostDivers > 0});
  return Choices;
}

std::vector<std::u16string> FaultTexts(const EventBook& Book) {
  std::vector<std::u16string> Faults;
  for (const RulesError& Error : Book.Errors) Faults.push_back(RulesErrorText(Error));
  return Faults;
}

}  // namespace

DocumentRooms InstalledDocuments() {
  const auto Events = std::make_shared<InstalledEvents>();
  SheetFunctions Sheets{
      [Events](std::u16string_view Text) {
        return SheetReport(CheckSheetText(Text, Events->Book()));
      },
      [Events] { return BookChoices(Events->Book()); },
      [Events](std::u16string_view BookId) { return EventChoices(Events->Book(), BookId); },
      [Events](std::u16string_view Text, std::u16string_view Path) {
        return WriteSheetPage(CheckSheetText(Text, Events->Book()), Path);
      },
      UserRulesFolder,
      [Events] { return FaultTexts(Events->Book()); },
  };
  return {std::move(Sheets), WriteChartFile,
          [Events]() -> const EventBook& { return Events->Book(); }};
}

void ShowWrittenPage(const Dialogs& Asks, const FileOutcome& Written, std::u16string_view Page) {
  if (Written.Done())
    ShowPage(Asks, AbsolutePath(Page));
  else
    Asks.Message(FileMessage(Written));
}

std::u16string FileMessage(const FileOutcome& Outcome) {
  std::u16string Message = FileOutcomeText(Outcome);
  if (!Message.empty() && Message[0] >= u'a' && Message[0] <= u'z')
    Message[0] = static_cast<char16_t>(Message[0] - (u'a' - u'A'));
  if (Outcome.Step == FileStep::Write) return Message + u"; the file there is as it was.";
  return Message + u".";
}

}  // namespace merrith
