#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/results_csv.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith::cli {

namespace {

// The most errors of a competition that are named one by one.
constexpr std::size_t ErrorsNamed = 10;

using Json = nlohmann::ordered_json;

std::string Quoted(std::u16string_view Text) {
  return Json(ToUtf8(Text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string TextOrNull(std::u16string_view Text) { return Text.empty() ? "null" : Quoted(Text); }

// Points as a JSON number with exactly two decimals, as the results print them.
std::string PointsNumber(Hundredths Points) { return ToUtf8(PointsText(Points)); }

std::string DiveJson(const ListedDive& L, const StandingDive& D) {
  std::string Awards = "[";
  std::string Cancelled = "[";
  for (std::size_t J = 0; J < D.Scored.Awards.size(); ++J) {
    if (J > 0) Awards += ",", Cancelled += ",";
    Awards += ToUtf8(AwardText(D.Scored.Awards[J]));
    Cancelled += D.Scored.Cancelled[J] ? "true" : "false";
  }
  return "{\"round\":" + std::to_string(D.Round) + ",\"dive\":" + Quoted(L.Written.Code) +
         ",\"height\":" + (L.HeightIndex != 0 ? Quoted(HeightText(L.HeightIndex)) : "null") +
         ",\"dd\":" + (L.DD ? ToUtf8(TenthsText(*L.DD)) : "null") + ",\"awards\":" + Awards +
         "],\"cancelled\":" + Cancelled + "],\"decision\":" +
         TextOrNull(D.Recorded != nullptr ? DecisionText(D.Recorded->Decided) : u"") +
         ",\"points\":" + PointsNumber(D.Scored.Points) + "}";
}

// The standings as one JSON object on one line.
std::string ResultsJson(const Competition& C, const Standings& S) {
  std::string Text = "{\"event\":" + TextOrNull(C.EventId) + ",\"book\":" + TextOrNull(C.Book) +
                     ",\"panel\":" + std::to_string(JudgesOf(C.Judges)) +
                     ",\"rounds_complete\":" + std::to_string(S.RoundsComplete) +
                     ",\"standings\":[";
  for (const Standing& Row : S.Rows) {
    const Entry& E = C.Entries[Row.Entry];
    if (&Row != S.Rows.data()) Text += ",";
    Text += "{\"place\":" + std::to_string(Row.Place) + ",\"diver\":" + Quoted(E.Diver) +
            ",\"team\":" + TextOrNull(E.Team) + ",\"total\":" + PointsNumber(Row.Total) +
            ",\"dives\":[";
    for (const StandingDive& D : Row.Dives) {
      if (&D != Row.Dives.data()) Text += ",";
      Text += DiveJson(E.Dives[D.Round - 1], D);
    }
    Text += "]}";
  }
  return Text + "]}\n";
}

void ReportErrors(const std::vector<CompetitionError>& Errors, std::u16string_view File,
                  const Streams& Io) {
  for (std::size_t I = 0; I < Errors.size() && I < ErrorsNamed; ++I) {
    CompetitionError E = Errors[I];
    if (E.File.empty()) E.File = File;
    std::fprintf(Io.Err, "merrith-cli: %s\n", ToUtf8(CompetitionErrorText(E)).c_str());
  }
  if (Errors.size() > ErrorsNamed)
    std::fprintf(Io.Err, "merrith-cli: and %zu more errors\n", Errors.size() - ErrorsNamed);
}

constexpr Option JsonResults{"--json",
                             {},
                             false,
                             "one JSON object: event, book, panel, rounds_complete, standings\n"
                             "([{place, diver, team, total, dives: [{round, dive, height, dd,\n"
                             "awards, cancelled, decision, points}]}]), points with two decimals"};
constexpr Option CsvResults{"--csv", {}, false, "the competition in its spreadsheet form instead"};
constexpr Option HtmlResults{"--html", "FILE", false,
                             "also writes the results page to print and post",
                             [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option ResultsEnd{
    "--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&JsonResults, &CsvResults, &HtmlResults, &RulesOption,
                                     &ResultsEnd};

int RunResults(const CommandLine& Line, const Streams& Io) {
  if (Line.Has(CsvResults) && Line.Has(JsonResults))
    return UsageError(Io, "results takes --json or --csv, not both");
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const CompetitionRead Read = ReadCompetitionFile(Path, Loaded.Book);
  if (!Read.Ok()) {
    ReportErrors(Read.Errors, Path, Io);
    return ExitWriteFailed;
  }
  const Standings S = RankCompetition(Read.Read);
  if (Line.Has(HtmlResults)) {
    const FileOutcome Page = WriteResultsPage(Read.Read, S, DecodeUtf8(Line.Last(HtmlResults)));
    if (!Page.Done()) return FileFailed(Io, Page);
  }
  const std::string Text = Line.Has(CsvResults)    ? ToUtf8(CompetitionCsv(Read.Read))
                           : Line.Has(JsonResults) ? ResultsJson(Read.Read, S)
                                                   : ToUtf8(ResultsReport(Read.Read, S));
  const int Written = WriteResults(Io, Text);
  return Written != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// results [--json|--csv] [--html FILE] [--rules FILE]... COMPETITION: the standings of a
// competition file or its spreadsheet form; ExitWriteFailed when it cannot be read, has an
// error (each named on the error stream with its line), or the page cannot be written.
const Command ResultsCommand{
    "results",
    "[--json|--csv] [--html FILE] [--rules FILE]... COMPETITION",
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
