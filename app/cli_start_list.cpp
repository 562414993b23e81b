#include <optional>
#include <string>
#include <string_view>

#include "cli_commands.h"
#include "cli_competition.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/start_list.h"
#include "support/utf8.h"

namespace merrith::cli {
namespace {

constexpr Option JsonList{"--json",
                          {},
                          false,
                          "one JSON object: event, book, meet, date, phase, draw, divers\n"
                          "([{order, diver, team, status, dives: [{round, dive, position,\n"
                          "height, dd}], total_dd}]) and reserves ([{diver, team}])"};
constexpr Option HtmlList{"--html", "FILE", false,
                          "also writes the start list to print, the announcer's sheet",
                          [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option ListEnd{"--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&JsonList, &HtmlList, &RulesOption, &ListEnd};

int RunStartList(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const std::optional<Competition> C = ReadCommandCompetition(Path, Loaded.Book, Io);
  if (!C) return ExitWriteFailed;
  if (Line.Has(HtmlList)) {
    const int Page =
        WriteCompetitionPage(Io, Path, *C, DecodeUtf8(Line.Last(HtmlList)),
                             [&](std::u16string_view To) { return WriteStartListPage(*C, To); });
    if (Page != ExitOk) return Page;
  }
  const int Written =
      WriteResults(Io, Line.Has(JsonList) ? StartListJson(*C) : ToUtf8(StartListReport(*C)));
  return Written != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// start-list [--json] [--html FILE] [--rules FILE]... COMPETITION: each diver in starting
// order with their dives, as the announcer reads them.
const Command StartListCommand{
    "start-list",
    "[--json] [--html FILE] [--rules FILE]... COMPETITION",
    "            prints the start list of a competition file (or its spreadsheet form):\n"
    "            the event, the meet, the phase and the draw, then each diver in starting\n"
    "            order with their team, each round's dive (number, the dive and its\n"
    "            position in words, height, DD) and the list's total DD\n",
    Options,
    1,
    1,
    "start-list takes one competition (see merrith-cli --help)",
    RunStartList};

}  // namespace merrith::cli
