#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_rules.h"
#include "report/sheet_page.h"
#include "report/sheet_report.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

using Json = nlohmann::ordered_json;

Json TextOrNull(std::u16string_view Text) { return Text.empty() ? Json() : Json(ToUtf8(Text)); }

template <class Number>
Json TenthsOrNull(const std::optional<Number>& Tenths) {
  return Tenths ? Json(static_cast<double>(*Tenths) / 10.0) : Json();
}

// Points as a JSON number: 71.4 for 71.40.
Json PointsJson(Hundredths Points) { return Json(static_cast<double>(Points) / 100.0); }

Json DiveJson(const CheckedDive& D, std::size_t Round, const CheckedSheet& Sheet,
              const ListEstimate* Estimate) {
  Json Problems = Json::array();
  for (const Problem& P : Sheet.Problems)
    if (P.Dive == Round) Problems.push_back(ToUtf8(ProblemText(P, Places::ByLine)));
  Json Dive = Json::object();
  Dive["line"] = D.Line;
  Dive["code"] = ToUtf8(D.Code);
  Dive["height"] = D.HeightIndex != 0 ? Json(ToUtf8(HeightText(D.HeightIndex))) : Json();
  Dive["name"] = D.Name ? Json(ToUtf8(*D.Name)) : Json();
  Dive["dd"] = TenthsOrNull(D.DD);
  Dive["counted_dd"] = TenthsOrNull(D.Counted);
  Dive["stated_dd"] = TenthsOrNull(D.Stated);
  Dive["limited"] = D.Limited;
  Dive["problems"] = std::move(Problems);
  if (Estimate) {
    const std::optional<Hundredths>& Points = Estimate->Points[Round - 1];
    Dive["points"] = Points ? PointsJson(*Points) : Json();
  }
  return Dive;
}

Json ProblemJson(const Problem& P, const Event* E) {
  Json Found = Json::object();
  Found["line"] = P.Line != 0 ? Json(P.Line) : Json();
  Found["rule"] = TextOrNull(ProblemRule(P, E));
  Found["text"] = ToUtf8(ProblemText(P, Places::ByLine));
  return Found;
}

// The checked sheet as one JSON object on one line; lines are those of the file throughout.
// Given an Estimate, each dive's points and the list's, and the award they are reckoned at.
std::string SheetJson(const CheckedSheet& Sheet, const ListEstimate* Estimate) {
  const Event* E = Sheet.Rules ? &*Sheet.Rules : nullptr;
  Json Dives = Json::array();
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I)
    Dives.push_back(DiveJson(Sheet.Dives[I], I + 1, Sheet, Estimate));
  Json Problems = Json::array();
  for (const Problem& P : Sheet.Problems) Problems.push_back(ProblemJson(P, E));
  Json Object = Json::object();
  Object["event"] = TextOrNull(Sheet.EventId);
  Object["title"] = E != nullptr ? Json(ToUtf8(E->Title)) : Json();
  Object["diver"] = TextOrNull(Sheet.Diver);
  Object["holds"] = Sheet.Holds();
  Object["total_dd"] = TenthsOrNull(Sheet.Total);
  Object["dives"] = std::move(Dives);
  Object["problems"] = std::move(Problems);
  if (Estimate) {
    Object["award"] = Json(static_cast<double>(Estimate->Award) / 2.0);
    Object["total_points"] = PointsJson(Estimate->Total);
  }
  return Object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

int FileError(const Streams& Io) {
  std::fputs("File Error!!!\n", Io.Err);
  return ExitWriteFailed;
}

constexpr Option JsonObject{
    "--json",
    {},
    false,
    "one JSON object: event, title, diver, holds, total_dd, dives ([{line,\n"
    "code, height, name, dd, counted_dd, stated_dd, limited, problems}]) and\n"
    "problems ([{line, rule, text}], every problem of the sheet)"};
constexpr Option Html{"--html", "FILE", false,
                      "also writes the sheet as a page to print and sign (File Error!!! on\n"
                      "the error stream when it cannot be written)",
                      [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option SheetEnd{"--", {}, false, "ends the options: the next argument is the sheet"};
constexpr Option AwardOption{
    "--award",
    "A",
    false,
    "adds each dive's points if every judge awards A (7, 6.5), at the DD\n"
    "it counts, and the list's; the page and JSON show them too (points,\n"
    "award, total_points)",
    [] { return std::string("an award from 0 to 10 in half points"); },
    [](std::string_view Text) { return ReadAward(DecodeUtf8(Text)).has_value(); }};
constexpr const Option* Options[] = {&JsonObject, &Html, &AwardOption, &RulesOption, &SheetEnd};

int RunSheet(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::string_view File = Line.Operands[0];
  std::vector<std::uint8_t> Bytes;
  const std::int32_t Read =
      File == "-" ? mFSO::ReadStandardInput(Bytes) : mFSO::ReadAllBytes(DecodeUtf8(File), Bytes);
  if (Read != 0) return FileError(Io);
  const CheckedSheet Sheet =
      CheckSheetText(mFSO::DecodeText(Bytes, mFSO::CodePageSystem), Loaded.Book);
  std::optional<ListEstimate> Estimate;
  if (Line.Has(AwardOption))
    Estimate = EstimateList(Sheet, *ReadAward(DecodeUtf8(Line.Last(AwardOption))));
  const ListEstimate* Estimated = Estimate ? &*Estimate : nullptr;
  if (Line.Has(Html) &&
      WriteSheetPage(Sheet, DecodeUtf8(Line.Last(Html)), Estimated) != PageOutcome::Written)
    return FileError(Io);
  const int Written =
      WriteResults(Io, Line.Has(JsonObject) ? SheetJson(Sheet, Estimated)
                                            : ToUtf8(SheetReport(Sheet, Estimated)));
  if (Written != ExitOk || Loaded.NamedFileFailed) return ExitWriteFailed;
  return Sheet.Holds() ? ExitOk : ExitSheetBreaks;
}

}  // namespace

// sheet [--json] [--html FILE] [--rules FILE]... SHEET: the sheet checked against its event's
// rules, as a report or JSON; ExitSheetBreaks when it breaks one, ExitWriteFailed when the
// sheet, a --rules file or the page cannot be read or written.
const Command SheetCommand{
    "sheet",
    "[--json] [--html FILE] [--award A] [--rules FILE]... SHEET",
    "            checks a diver's list of dives against its event's rules and prints\n"
    "            each dive with its DD, the total DD, every problem with the number of\n"
    "            the rule it breaks, and whether the sheet holds. SHEET - reads the sheet\n"
    "            from the standard input. A sheet is a text file: headings first\n"
    "              Event: women-3m\n"
    "              Diver: A. Diver\n"
    "              Height: 3m\n"
    "            then one dive per line, its code first, then in any order its height,\n"
    "            the DD stated and, for an age group's limited part, the word limited:\n"
    "              5253B 3m 3.4 limited\n"
    "            Blank lines and lines starting with # are skipped; events lists the ids\n",
    Options,
    1,
    1,
    "sheet takes one sheet (see merrith-cli --help)",
    RunSheet};

}  // namespace merrith::cli
