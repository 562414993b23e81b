#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_rules.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"

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

// One line per event, its fields in columns as wide as their widest entry.
std::string EventLines(const EventBook& Book) {
  std::vector<std::vector<std::u16string>> Rows;
  for (const Event& E : Book.Events) {
    std::u16string Rules;
    for (const std::u16string& Rule : RuleNumbers(E)) AppendJoined(Rules, u", ", Rule);
    Rows.push_back({E.Id, E.Title, Rules, NumberText(static_cast<std::size_t>(E.Dives)) + u" dives",
                    HeightsText(E, u" ")});
  }
  std::vector<std::size_t> Widths(5, 0);
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

std::string EventsJson(const EventBook& Book) {
  Json Events = Json::array();
  for (const Event& E : Book.Events) {
    Json Rules = Json::array();
    for (const std::u16string& Rule : RuleNumbers(E)) Rules.push_back(ToUtf8(Rule));
    Json Captions = Json::array();
    for (std::int32_t H : E.Heights) Captions.push_back(ToUtf8(HeightText(H)));
    Json Each = Json::object();
    Each["id"] = ToUtf8(E.Id);
    Each["title"] = ToUtf8(E.Title);
    Each["rules"] = std::move(Rules);
    Each["dives"] = E.Dives;
    Each["heights"] = std::move(Captions);
    Each["file"] = ToUtf8(E.File);
    Events.push_back(std::move(Each));
  }
  return Events.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

constexpr Option JsonArray{
    "--json", {}, false, "one JSON array of {id, title, rules, dives, heights, file}"};
constexpr const Option* Options[] = {&JsonArray, &RulesOption};

int RunEvents(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const int Written =
      WriteResults(Io, Line.Has(JsonArray) ? EventsJson(Loaded.Book) : EventLines(Loaded.Book));
  return Loaded.NamedFileFailed ? ExitWriteFailed : Written;
}

}  // namespace

// events [--json] [--rules FILE]...: every event a sheet may name, one per line.
const Command EventsCommand{
    "events",
    "[--json] [--rules FILE]...",
    "            lists every event a sheet may name, one per line: its id, title, rule\n"
    "            numbers, number of dives and heights\n",
    Options,
    0,
    0,
    {},
    RunEvents};

}  // namespace merrith::cli
