#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
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

// The most errors of a competition that are named one by one.
constexpr std::size_t ErrorsNamed = 10;

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

void ReportNotes(const std::vector<ReadNote>& Notes, std::u16string_view File, const Streams& Io) {
  for (const ReadNote& N : Notes)
    std::fprintf(Io.Err, "merrith-cli: note: %s\n", ToUtf8(ReadNoteText(N, File)).c_str());
}

constexpr Option JsonResults{"--json",
                             {},
                             false,
                             "one JSON object: event, book, panel, rounds_complete, standings\n"
                             "([{place, status, diver, team, total, dives: [{round, dive,\n"
                             "height, dd, awards, cancelled, decision, points}]}]) and problems\n"
                             "([{diver, line, kind, text}]), points with two decimals"};
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
  ReportNotes(Read.Notes, Path, Io);
  if (!Read.Ok()) {
    ReportErrors(Read.Errors, Path, Io);
    return ExitWriteFailed;
  }
  const Standings S = RankCompetition(Read.Read);
  if (Line.Has(HtmlResults)) {
    const std::u16string PagePath = DecodeUtf8(Line.Last(HtmlResults));
    if (const std::u16string Input = InputAt(Path, Read.Read, PagePath); !Input.empty()) {
      std::fprintf(Io.Err, "merrith-cli: %s\n",
                   ToUtf8(OutputOverInputText(PagePath, Input)).c_str());
      return ExitWriteFailed;
    }
    const FileOutcome Page = WriteResultsPage(Read.Read, S, PagePath);
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
