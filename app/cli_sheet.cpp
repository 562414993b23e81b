#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli_commands.h"
#include "cli_rules.h"
#include "report/competition_faults.h"
#include "report/problem_text.h"
#include "report/sheet_page.h"
#include "report/sheet_report.h"
#include "sheets/final_list.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/file_outcome.h"
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
  Json Divers = Json::array();
  for (const std::u16string& Name : D.Divers) Divers.push_back(ToUtf8(Name));
  Dive["divers"] = std::move(Divers);
  Dive["problems"] = std::move(Problems);
  if (Estimate) {
    const std::optional<Hundredths>& Points = Estimate->Points[Round - 1];
    Dive["points"] = Points ? PointsJson(*Points) : Json();
  }
  return Dive;
}

Json TenthsJson(DdTotal Tenths) { return static_cast<double>(Tenths) / 10.0; }

// One value of a problem as data: numbers as numbers, DDs with one decimal, heights by their
// captions, groups by their names.
Json ValueJson(const Problem& P, ProblemValue Value) {
  const ProblemValues& V = P.Values;
  Json Items = Json::array();
  switch (Value) {
    case ProblemValue::AllowedHeights:
      for (const std::int32_t H : V.Heights) Items.push_back(ToUtf8(HeightText(H)));
      return Items;
    case ProblemValue::Groups:
      for (const DiveGroup G : V.Groups) Items.push_back(ToUtf8(GroupName(G)));
      return Items;
    case ProblemValue::Dd:
      return TenthsJson(V.Dd);
    case ProblemValue::StatedDd:
      return TenthsJson(V.Stated);
    case ProblemValue::CapDd:
      return TenthsJson(V.Cap);
    case ProblemValue::TotalDd:
      return TenthsJson(V.Total);
    case ProblemValue::Dives:
      return V.Dives;
    case ProblemValue::Wanted:
      return V.Wanted;
    case ProblemValue::GroupCount:
      return V.GroupCount;
    default:  // words: as the text gives them
      return ToUtf8(ProblemValueText(P, Value));
  }
}

Json ProblemJson(const Problem& P, const CheckedSheet& Sheet) {
  const ProblemKind& Kind = KindOf(P.Why);
  Json Values = Json::object();
  for (const ProblemValue V : Kind.Values)
    if (V != ProblemValue::None) Values[std::string(ProblemValueKey(V))] = ValueJson(P, V);
  Json Found = Json::object();
  Found["line"] = P.Line != 0 ? Json(P.Line) : Json();
  Found["rule"] = TextOrNull(SheetProblemRule(P, Sheet));
  Found["text"] = ToUtf8(ProblemText(P, Places::ByLine));
  Found["kind"] = std::string(Kind.Name);
  Found["values"] = std::move(Values);
  Found["other_line"] = P.OtherLine != 0 ? Json(P.OtherLine) : Json();
  return Found;
}

// The checked sheet as one JSON object on one line; lines are those of the file throughout.
// Given an Estimate, each dive's points and the list's, and the award they are reckoned at.
std::string SheetJson(const CheckedSheet& Sheet, const ListEstimate* Estimate) {
  const Event* E = Sheet.Rules;
  Json Dives = Json::array();
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I)
    Dives.push_back(DiveJson(Sheet.Dives[I], I + 1, Sheet, Estimate));
  Json Problems = Json::array();
  for (const Problem& P : Sheet.Problems) Problems.push_back(ProblemJson(P, Sheet));
  Json Object = Json::object();
  Object["book"] = Sheet.Book ? Json(ToUtf8(Sheet.Book->Id)) : Json();
  Object["event"] = TextOrNull(Sheet.EventId);
  Object["title"] = E != nullptr ? Json(ToUtf8(E->Title)) : Json();
  Object["event_id"] = E != nullptr ? Json(ToUtf8(E->Id)) : Json();
  Object["diver"] = TextOrNull(Sheet.Diver);
  Json Divers = Json::array();
  for (const NamedDiver& Diver : Sheet.Divers) {
    Json Named = Json::object();
    Named["name"] = ToUtf8(Diver.Name);
    Named["sex"] = Diver.Sex == Who::Woman ? Json("W") : Diver.Sex == Who::Man ? Json("M") : Json();
    Divers.push_back(std::move(Named));
  }
  Object["divers"] = std::move(Divers);
  Object["unnamed"] = Sheet.Unnamed;
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

constexpr Option JsonObject{"--json",
                            {},
                            false,
                            "one JSON object: book, event (as the sheet names it), title,\n"
                            "event_id, diver, divers ([{name, sex}]), unnamed (the dives whose\n"
                            "line names nobody), holds, total_dd, dives ([{line, code, height,\n"
                            "name, dd, counted_dd, stated_dd, limited, divers, problems}]) and\n"
                            "problems ([{line, rule, text, kind, values, other_line}], every\n"
                            "problem of the sheet: kind a stable name such as too-few-dives,\n"
                            "values its numbers, DDs, heights, groups and words by name)"};
constexpr Option Html{"--html", "FILE", false, "also writes the sheet as a page to print and sign",
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
constexpr Option Preliminary{
    "--preliminary", "PRELIM", false,
    "checks SHEET as a Junior Worlds final's list, the dives without limit\n"
    "alone, against the preliminary's list PRELIM: no dive of its limited\n"
    "part (marked, or found by the checker) may come again (12.4.5.1)",
    [] { return std::string("a sheet file"); }};
constexpr const Option* Options[] = {&JsonObject, &Html,        &AwardOption, &Preliminary,
                                     &BookOption, &RulesOption, &SheetEnd};

// The sheet in the file File ("-" the standard input) as text; nothing when it cannot be read.
// A sheet that is not UTF-8 is read as DecodeDocument falls back, and a note names it.
FileOutcome ReadSheetFile(std::string_view File, const Streams& Io, std::u16string& Text) {
  const std::u16string Path = DecodeUtf8(File);
  std::vector<std::uint8_t> Bytes;
  FileOutcome Read = File == "-" ? ReadStandardInputBytes(Bytes) : ReadDocumentBytes(Path, Bytes);
  if (!Read.Done()) return Read;
  mFSO::DecodedDocument Decoded = mFSO::DecodeDocument(Bytes);
  if (!Decoded.FellBackTo.empty())
    std::fprintf(
        Io.Err, "merrith-cli: note: %s\n",
        ToUtf8(ReadNoteText({u"", ReadNoteKind::NotUtf8, Decoded.FellBackTo}, Path)).c_str());
  Text = std::move(Decoded.Text);
  return Read;
}

// The sheet of the command line checked: as a final's list against its preliminary's where
// --preliminary names one, whose events, made from Book's, Finals then keeps.
std::optional<CheckedSheet> CheckedOf(const CommandLine& Line, const Streams& Io,
                                      const EventBook& Book, std::optional<EventBook>& Finals,
                                      int& Failed) {
  std::u16string Text;
  if (const FileOutcome Read = ReadSheetFile(Line.Operands[0], Io, Text); !Read.Done()) {
    Failed = FileFailed(Io, Read);
    return std::nullopt;
  }
  if (!Line.Has(Preliminary)) return CheckSheetText(Text, Book, BookAsked(Line));
  std::u16string Prelim;
  if (const FileOutcome Read = ReadSheetFile(Line.Last(Preliminary), Io, Prelim); !Read.Done()) {
    Failed = FileFailed(Io, Read);
    return std::nullopt;
  }
  CheckedSheet Final = CheckSheetText(Text, Finals.emplace(FinalBook(Book)), BookAsked(Line));
  CheckAgainstPreliminary(Final, CheckSheetText(Prelim, Book, BookAsked(Line)));
  return Final;
}

int RunSheet(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  int Failed = ExitOk;
  std::optional<EventBook> Finals;
  const std::optional<CheckedSheet> Checked = CheckedOf(Line, Io, Loaded.Book, Finals, Failed);
  if (!Checked) return Failed;
  const CheckedSheet& Sheet = *Checked;
  std::optional<ListEstimate> Estimate;
  if (Line.Has(AwardOption))
    Estimate = EstimateList(Sheet, *ReadAward(DecodeUtf8(Line.Last(AwardOption))));
  const ListEstimate* Estimated = Estimate ? &*Estimate : nullptr;
  if (Line.Has(Html)) {
    const FileOutcome Page = WriteSheetPage(Sheet, DecodeUtf8(Line.Last(Html)), Estimated);
    if (!Page.Done()) return FileFailed(Io, Page);
  }
  const int Written =
      WriteResults(Io, Line.Has(JsonObject) ? SheetJson(Sheet, Estimated)
                                            : ToUtf8(SheetReport(Sheet, Estimated)));
  if (Written != ExitOk || Loaded.NamedFileFailed) return ExitWriteFailed;
  return Sheet.Holds() ? ExitOk : ExitSheetBreaks;
}

}  // namespace

// sheet [--json] [--html FILE] [--award A] [--preliminary PRELIM] [--book ID] [--rules FILE]...
// SHEET: the sheet checked against its event's rules (a final's against its preliminary's), as
// a report or JSON; ExitSheetBreaks when it breaks one, ExitWriteFailed when a sheet, a --rules
// file or the page cannot be read or written.
const Command SheetCommand{
    "sheet",
    "[--json] [--html FILE] [--award A] [--preliminary PRELIM] [--book ID] [--rules FILE]... "
    "SHEET",
    "            checks a diver's list of dives against its event's rules and prints\n"
    "            each dive with its DD, the total DD, every problem with the number of\n"
    "            the rule it breaks, and whether the sheet holds. SHEET - reads the sheet\n"
    "            from the standard input. A sheet is a text file: headings first\n"
    "              Book: fina-2017-2021     (world-aquatics-2024 when none is named)\n"
    "              Event: women-3m\n"
    "              Diver: A. Diver         (a pair: Diver: A. Diver / B. Diver)\n"
    "              Divers: A. Diver (W), C. Diver (M)     (a team, each W or M)\n"
    "              Height: 3m\n"
    "            then one dive per line, its code first, then in any order its height,\n"
    "            the DD stated and, for an age group's limited part, the word limited:\n"
    "              5253B 3m 3.4 limited\n"
    "            and, where the sheet names its divers, who dives it last: A. Diver, or\n"
    "            A. Diver / C. Diver for a synchronised dive.\n"
    "            Blank lines and lines starting with # are skipped; events lists the ids\n",
    Options,
    1,
    1,
    "sheet takes one sheet (see merrith-cli --help)",
    RunSheet};

}  // namespace merrith::cli
