#include <optional>
#include <string>
#include <string_view>

#include "cli_commands.h"
#include "cli_competition.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/judges_report.h"
#include "scoring/judges_analysis.h"
#include "support/utf8.h"

namespace merrith::cli {
namespace {

constexpr Option JsonJudges{"--json",
                            {},
                            false,
                            "one JSON object: event, book, meet, date, phase, panel, dives,\n"
                            "ranked and judges ([{seat, role, name, nation, awards, mean, bias,\n"
                            "spread, far, cancelled_high, cancelled_low, rho, own_nation_bias,\n"
                            "other_nations_bias}])"};
constexpr Option HtmlJudges{"--html", "FILE", false,
                            "also writes the analysis to print with the results",
                            [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option JudgesEnd{
    "--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&JsonJudges, &HtmlJudges, &RulesOption, &JudgesEnd};

int RunJudges(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const std::optional<Competition> C = ReadCommandCompetition(Path, Loaded.Book, Io);
  if (!C) return ExitWriteFailed;
  if (C->Recorded.empty()) return Refuse(Io, Path + u": " + std::u16string(NoAwardsText));
  const Standings S = RankCompetition(*C);
  const JudgesAnalysis A = AnalyseJudges(*C, S);
  if (Line.Has(HtmlJudges)) {
    const int Page =
        WriteCompetitionPage(Io, Path, *C, DecodeUtf8(Line.Last(HtmlJudges)),
                             [&](std::u16string_view To) { return WriteJudgesPage(*C, S, A, To); });
    if (Page != ExitOk) return Page;
  }
  const int Written =
      WriteResults(Io, Line.Has(JsonJudges) ? JudgesJson(*C, A) : ToUtf8(JudgesReport(*C, S, A)));
  return Written != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// judges [--json] [--html FILE] [--rules FILE]... COMPETITION: how each judge's seat judged.
const Command JudgesCommand{
    "judges",
    "[--json] [--html FILE] [--rules FILE]... COMPETITION",
    "            the judges' analysis (5.1.3, 13.3.2.6): for each seat of the panel, its\n"
    "            awards as given, their mean, its bias and spread against the other\n"
    "            judges of its group, its awards 2 points or more apart, how often it\n"
    "            was cancelled high and low, and how its ranking agrees with the\n"
    "            standings (Spearman's rho)\n",
    Options,
    1,
    1,
    "judges takes one competition (see merrith-cli --help)",
    RunJudges};

}  // namespace merrith::cli
