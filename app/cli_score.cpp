#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "report/competition_faults.h"
#include "report/score_report.h"
#include "scoring/dive_check.h"
#include "scoring/score_dive.h"
#include "sheets/sheet_reader.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith::cli {

namespace {

// A DD as the tables print it, above 0: 2.0, 3.4, 3,4.
std::optional<DdTenths> ReadDd(std::string_view Text) {
  const std::optional<DdTenths> DD = ReadStatedDd(DecodeUtf8(Text));
  if (!DD || *DD == 0) return std::nullopt;
  return DD;
}

std::optional<Panel> ReadPanel(std::string_view Text) {
  const std::optional<std::size_t> Judges = ReadWholeNumber(DecodeUtf8(Text), 1, MaxJudges);
  if (!Judges) return std::nullopt;
  return PanelOfJudges(static_cast<int>(*Judges));
}

constexpr Option PanelOption{"--panel",
                             "N",
                             false,
                             {},
                             [] { return ToUtf8(PanelRuleText()); },
                             [](std::string_view Text) { return ReadPanel(Text).has_value(); }};
constexpr Option DdOption{"--dd",
                          "DD",
                          false,
                          "the DD that counts (2.0 in the assigned rounds of synchro)",
                          [] { return std::string("a DD such as 2.0 or 3.4"); },
                          [](std::string_view Text) { return ReadDd(Text).has_value(); }};
constexpr Option Explain{"--explain",
                         {},
                         false,
                         "each judge's award as given and as it counts, which were cancelled\n"
                         "and which replaced, the kept sum and the reckoning of the points"};
constexpr Option JsonObject{
    "--json",
    {},
    false,
    "one JSON object: points, kept and cancelled (awards in seating order),\n"
    "sum, failed"};
constexpr Option FailedOption{"--failed", {}, false, "a failed dive: 0 points"};
constexpr Option CapOption{"--cap",
                           "2|4.5",
                           false,
                           "every award above 2 becomes 2 (another position), or above 4.5\n"
                           "4.5 (the arms at entry)",
                           [] { return std::string("2 or 4.5"); },
                           [](std::string_view Text) { return Text == "2" || Text == "4.5"; }};
constexpr Option RestartOption{
    "--restart", {}, false, "a re-start: 2 points off every award, never below 0"};
constexpr Option UnsafeOption{"--unsafe",
                              {},
                              false,
                              "an unsafe dive reviewed: when a majority of the judges award 2\n"
                              "or less, every higher award becomes 2"};
constexpr Option AwardsEnd{"--", {}, false, "ends the options: every later argument is an award"};
constexpr const Option* Options[] = {&PanelOption,   &DdOption,     &Explain,
                                     &JsonObject,    &FailedOption, &CapOption,
                                     &RestartOption, &UnsafeOption, &AwardsEnd};

// The awards in seating order, "-" for a missing one; nothing after the usage error for the
// first that is no award.
std::optional<std::vector<std::optional<HalfPoints>>> ReadAwards(
    std::span<const std::string_view> Words, const Streams& Io) {
  std::vector<std::optional<HalfPoints>> Awards;
  for (std::size_t I = 0; I < Words.size(); ++I) {
    if (Words[I] == "-") {
      Awards.emplace_back();
    } else if (const std::optional<HalfPoints> A = ReadAward(DecodeUtf8(Words[I]))) {
      Awards.push_back(A);
    } else {
      UsageError(Io, "award " + std::to_string(I + 1) + " is no award: " + std::string(Words[I]) +
                         " (0 to 10 in half points, or - for a missing one)");
      return std::nullopt;
    }
  }
  return Awards;
}

Decision DecisionGiven(const CommandLine& Line) {
  Decision D;
  D.Failed = Line.Has(FailedOption);
  if (Line.Has(CapOption)) D.Cap = Line.Last(CapOption) == "2" ? CapOtherPosition : CapArms;
  D.Restart = Line.Has(RestartOption);
  D.Unsafe = Line.Has(UnsafeOption);
  return D;
}

// The awards of Dive whose seats are (or are not) cancelled, as a JSON array.
std::string AwardsJson(const ScoredDive& Dive, bool Cancelled) {
  std::string Text = "[";
  for (std::size_t I = 0; I < Dive.Awards.size(); ++I) {
    if (Dive.Cancelled[I] != Cancelled) continue;
    if (Text.size() > 1) Text += ",";
    Text += ToUtf8(AwardText(Dive.Awards[I]));
  }
  return Text + "]";
}

// The scored dive as one JSON object on one line; points and sum with two and one decimals.
std::string ScoreJson(const ScoredDive& Dive) {
  return "{\"points\":" + ToUtf8(PointsText(Dive.Points)) + ",\"kept\":" + AwardsJson(Dive, false) +
         ",\"cancelled\":" + AwardsJson(Dive, true) + ",\"sum\":" + ToUtf8(AwardText(Dive.Sum)) +
         ",\"failed\":" + (Dive.Failed ? "true" : "false") + "}\n";
}

int RunScore(const CommandLine& Line, const Streams& Io) {
  if (!Line.Has(PanelOption) || !Line.Has(DdOption))
    return UsageError(Io, "score needs --panel N and --dd DD (see merrith-cli --help)");
  if (Line.Has(Explain) && Line.Has(JsonObject))
    return UsageError(Io, "score takes --explain or --json, not both");
  const Panel P = *ReadPanel(Line.Last(PanelOption));
  const DdTenths DD = *ReadDd(Line.Last(DdOption));
  const auto Awards = ReadAwards(Line.Operands, Io);
  if (!Awards) return ExitUsage;
  if (const std::optional<FoundFault> F = CheckAwards(P, *Awards))
    return UsageError(Io, ToUtf8(CompetitionFaultText(F->Why, F->Values)));
  const Decision D = DecisionGiven(Line);
  const ScoredDive Dive = ScoreDive(P, *Awards, D, DD);
  if (Line.Has(JsonObject)) return WriteResults(Io, ScoreJson(Dive));
  if (Line.Has(Explain)) return WriteResults(Io, ToUtf8(ScoreExplanation(P, *Awards, D, DD, Dive)));
  return WriteResults(Io, ToUtf8(PointsText(Dive.Points)) + "\n");
}

}  // namespace

// score --panel N --dd DD [DECISION]... AWARD...: one dive's points from its judges' awards.
const Command ScoreCommand{
    "score",
    "--panel N --dd DD [--explain|--json] [--failed] [--cap 2|4.5] [--restart]\n"
    "            [--unsafe] AWARD...",
    "            prints the points of one dive (45.00) from the awards of its panel in\n"
    "            seating order (synchro: the execution judges of diver 1, of diver 2, then\n"
    "            the synchronisation judges), - for a missing award; the highest and lowest\n"
    "            are cancelled as the rule book says, and the kept sum times the DD (synchro:\n"
    "            / 5 x 3 x the DD) gives the points, exactly\n",
    Options,
    1,
    SIZE_MAX,
    "score needs the awards of the panel (see merrith-cli --help)",
    RunScore};

}  // namespace merrith::cli
