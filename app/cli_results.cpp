#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_competition.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/competition_faults.h"
#include "report/results_json.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "scoring/competition_csv.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith::cli {

namespace {

constexpr Option JsonResults{"--json",
                             {},
                             false,
                             "one JSON object: event, book, meet, date, phase, panel,\n"
                             "rounds_complete, standings ([{place, status, diver, team, total,\n"
                             "carried (where points are carried), dives: [{round, dive, height,\n"
                             "dd, awards, cancelled, decision, points}]}]) and problems ([{diver,\n"
                             "line, kind, text}]), points with two decimals"};
constexpr Option CsvResults{"--csv", {}, false, "the competition in its spreadsheet form instead"};
constexpr Option HtmlResults{"--html", "FILE", false,
                             "also writes the results page to print and post",
                             [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option AfterRound{"--after-round",
                            "N",
                            false,
                            "the ranking at the end of round N (13.3.2.4), a round\n"
                            "complete: the dives of rounds 1 to N counted",
                            [] { return std::string("a round from 1"); },
                            [](std::string_view Text) {
                              return ReadWholeNumber(DecodeUtf8(Text), 1, MostRounds).has_value();
                            }};
constexpr Option ResultsEnd{
    "--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&JsonResults, &CsvResults,  &HtmlResults,
                                     &AfterRound,  &RulesOption, &ResultsEnd};

int RunResults(const CommandLine& Line, const Streams& Io) {
  if (Line.Has(CsvResults) && Line.Has(JsonResults))
    return UsageError(Io, "results takes --json or --csv, not both");
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const std::optional<Competition> C = ReadCommandCompetition(Path, Loaded.Book, Io);
  if (!C) return ExitWriteFailed;
  const std::size_t Round =
      Line.Has(AfterRound)
          ? ReadWholeNumber(DecodeUtf8(Line.Last(AfterRound)), 1, MostRounds).value_or(1)
          : 0;
  const Standings S = RankCompetition(*C, Round);
  if (Round > S.RoundsFinished) return Refuse(Io, NoRankingText(*C, S, Round));
  if (Line.Has(HtmlResults)) {
    const int Page =
        WriteCompetitionPage(Io, Path, *C, DecodeUtf8(Line.Last(HtmlResults)),
                             [&](std::u16string_view To) { return WriteResultsPage(*C, S, To); });
    if (Page != ExitOk) return Page;
  }
  const std::string Text = Line.Has(CsvResults)    ? ToUtf8(CompetitionCsv(*C))
                           : Line.Has(JsonResults) ? ResultsJson(*C, S)
                                                   : ToUtf8(ResultsReport(*C, S));
  const int Written = WriteResults(Io, Text);
  return Written != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// results [--json|--csv] [--html FILE] [--rules FILE]... COMPETITION: the standings of a
// competition file or its spreadsheet form; ExitWriteFailed when it cannot be read, has an
// error (each named on the error stream with its line), or the page cannot be written.
const Command ResultsCommand{
    "results",
    "[--json|--csv] [--html FILE] [--after-round N] [--rules FILE]... COMPETITION",
    "            scores every dive recorded in a competition file (or its spreadsheet\n"
    "            form, a .csv) and prints the standings of the rounds complete: place,\n"
    "            diver, team, total and each dive's points; equal totals share a place.\n"
    "            Each error of the file is named with its line (exit status 1)\n",
    Options,
    1,
    1,
    "results takes one competition (see merrith-cli --help)",
    RunResults};

}  // namespace merrith::cli
