#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_rules.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith::cli {

namespace {

using Json = nlohmann::ordered_json;

// The numbers of the rules that set the event's list and its heights.
std::vector<std::u16string> RuleNumbers(const Event& E) {
  std::vector<std::u16string> Rules;
  for (const std::u16string& Rule : {E.Rule, E.HeightRule})
    if (!Rule.empty() && std::find(Rules.begin(), Rules.end(), Rule) == Rules.end())
      Rules.push_back(Rule);
  return Rules;
}

// The events of the book Id, in the order defined.
std::vector<const Event*> EventsOf(const EventBook& Book, std::u16string_view Id) {
  std::vector<const Event*> Events;
  for (const Event& E : Book.Events)
    if (SameWord(E.Book, Id)) Events.push_back(&E);
  return Events;
}

// One line per event, its fields in columns as wide as their widest entry.
std::string EventLines(const std::vector<const Event*>& Events) {
  std::vector<std::vector<std::u16string>> Rows;
  for (const Event* E : Events) {
    std::u16string Rules;
    for (const std::u16string& Rule : RuleNumbers(*E)) AppendJoined(Rules, u", ", Rule);
    Rows.push_back({E->Id, E->Title, Rules,
                    NumberText(static_cast<std::size_t>(E->Dives)) + u" dives",
                    HeightsText(*E, u" "), E->Book});
  }
  std::vector<std::size_t> Widths(6, 0);
  for (const auto& Row : Rows)
    for (std::size_t C = 0; C < Row.size(); ++C) Widths[C] = std::max(Widths[C], Row[C].size());
  std::string Text;
  for (const auto& Row : Rows) {
    std::u16string Line;
    for (std::size_t C = 0; C < Row.size(); ++C) {
      Line += Row[C];
      if (C + 1 < Row.size()) Line += std::u16string(Widths[C] - Row[C].size() + 2, u' ');
    }
    Text += ToUtf8(Line) + "\n";
  }
  return Text;
}

std::string EventsJson(const std::vector<const Event*>& Listed) {
  Json Events = Json::array();
  for (const Event* Each : Listed) {
    const Event& E = *Each;
    Json Rules = Json::array();
    for (const std::u16string& Rule : RuleNumbers(E)) Rules.push_back(ToUtf8(Rule));
    Json Captions = Json::array();
    for (std::int32_t H : E.Heights) Captions.push_back(ToUtf8(HeightText(H)));
    Json Object = Json::object();
    Object["id"] = ToUtf8(E.Id);
    Object["title"] = ToUtf8(E.Title);
    Object["rules"] = std::move(Rules);
    Object["dives"] = E.Dives;
    Object["heights"] = std::move(Captions);
    Object["book"] = ToUtf8(E.Book);
    Object["file"] = ToUtf8(E.File);
    Events.push_back(std::move(Object));
  }
  return Events.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

constexpr Option JsonArray{
    "--json", {}, false, "one JSON array of {id, title, rules, dives, heights, book, file}"};
constexpr const Option* Options[] = {&JsonArray, &BookOption, &RulesOption};

int RunEvents(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Asked = BookAsked(Line);
  const RuleBook* Book = Loaded.Book.FindBook(Asked);
  if (Book == nullptr)
    return UsageError(Io, "no rule book has the id " + ToUtf8(Asked) + ": the books are " +
                              ToUtf8(Loaded.Book.BookIds()));
  const std::vector<const Event*> Events = EventsOf(Loaded.Book, Book->Id);
  const int Written =
      WriteResults(Io, Line.Has(JsonArray) ? EventsJson(Events) : EventLines(Events));
  return Loaded.NamedFileFailed ? ExitWriteFailed : Written;
}

}  // namespace

// events [--json] [--book ID] [--rules FILE]...: every event of a rule book, one per line.
const Command EventsCommand{
    "events",
    "[--json] [--book ID] [--rules FILE]...",
    "            lists every event of the rule book (world-aquatics-2024 unless --book\n"
    "            names another) that a sheet may name, one per line: its id, title, rule\n"
    "            numbers, number of dives, heights and book\n",
    Options,
    0,
    0,
    {},
    RunEvents};

}  // namespace merrith::cli
