#include "report/results_json.h"

#include <string_view>

#include "report/json_text.h"
#include "report/results_report.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::string Quoted(std::u16string_view Text) { return JsonString(Text); }

std::string TextOrNull(std::u16string_view Text) { return JsonStringOrNull(Text); }

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

// Standings as a JSON array, each diver with their dives.
std::string StandingsJson(const Competition& C, const std::vector<Standing>& Rows) {
  std::string Text = "[";
  for (const Standing& Row : Rows) {
    const Entry& E = C.Entries[Row.Entry];
    if (&Row != Rows.data()) Text += ",";
    Text += "{\"place\":" + (Row.Place != 0 ? std::to_string(Row.Place) : std::string("null")) +
            ",\"status\":" + Quoted(RowOf(E.Status).Word) + ",\"diver\":" + Quoted(E.Diver) +
            ",\"team\":" + TextOrNull(E.Team) + ",\"total\":" + PointsNumber(Row.Total) +
            (E.Carried ? ",\"carried\":" + PointsNumber(*E.Carried) : std::string()) +
            ",\"dives\":[";
    for (const StandingDive& D : Row.Dives) {
      if (&D != Row.Dives.data()) Text += ",";
      Text += DiveJson(E.Dives[D.Round - 1], D);
    }
    Text += "]}";
  }
  return Text + "]";
}

}  // namespace

std::string ResultsJson(const Competition& C, const Standings& S) {
  std::string Text = "{\"event\":" + TextOrNull(C.EventId) + ",\"book\":" + TextOrNull(C.Book) +
                     ",\"meet\":" + TextOrNull(C.Meet) + ",\"date\":" + TextOrNull(C.MeetDate) +
                     ",\"phase\":" + TextOrNull(RowOf(C.Stage).Word) +
                     ",\"panel\":" + std::to_string(JudgesOf(C.Judges)) +
                     ",\"rounds_complete\":" + std::to_string(S.RoundsComplete) +
                     ",\"standings\":" + StandingsJson(C, S.Rows) +
                     ",\"current\":" + StandingsJson(C, S.Current);
  Text += ",\"problems\":[";
  const std::vector<CompetitionProblem> Problems = CompetitionProblems(C);
  for (const CompetitionProblem& P : Problems) {
    if (&P != Problems.data()) Text += ",";
    Text += "{\"diver\":" + Quoted(P.Diver) + ",\"line\":" + std::to_string(P.Line) +
            ",\"kind\":" + Quoted(P.Kind) + ",\"text\":" + Quoted(P.Text) + "}";
  }
  return Text + "]}\n";
}

}  // namespace merrith
