#include "venue/feed_desk.h"

#include <string_view>

#include "difficulty/dive_name.h"
#include "report/json_text.h"
#include "report/results_json.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::string Quoted(std::u16string_view Text) { return JsonString(Text); }

// The diver's row of the standings now, every dive recorded counted; nullptr where none is.
const Standing* RowOf(const Standings& S, std::size_t Entry) {
  for (const Standing& Row : S.Current)
    if (Row.Entry == Entry) return &Row;
  return nullptr;
}

std::string PlaceJson(const Standing* Row) {
  return Row != nullptr && Row->Place != 0 ? std::to_string(Row->Place) : "null";
}

// The dive of Turn as a scoreboard shows it: the diver, their team, the dive's number, its
// position in words, the height and the DD; without the closing brace, for more to follow.
std::string DiveOpen(const Competition& C, DiveTurn Turn) {
  const Entry& E = C.Entries[Turn.Entry];
  const ListedDive& D = E.Dives[Turn.Round - 1];
  std::u16string Position;
  if (D.Position != 0)
    if (const auto Words = PositionName(static_cast<std::int32_t>(D.Position - u'A')))
      Position = *Words;
  return "{\"diver\":" + std::to_string(Turn.Entry) + ",\"round\":" + std::to_string(Turn.Round) +
         ",\"rounds\":" + std::to_string(E.Dives.size()) + ",\"name\":" + Quoted(E.Diver) +
         ",\"team\":" + JsonStringOrNull(E.Team) + ",\"number\":" + Quoted(D.Number) +
         ",\"code\":" + Quoted(D.Written.Code) + ",\"position\":" + JsonStringOrNull(Position) +
         ",\"height\":" + (D.HeightIndex != 0 ? Quoted(HeightText(D.HeightIndex)) : "null") +
         ",\"dd\":" + (D.DD ? ToUtf8(TenthsText(*D.DD)) : "null");
}

// The dive up next, with the diver's place and total so far.
std::string NextJson(const Competition& C, const Standings& S,
                     const std::optional<DiveTurn>& Turn) {
  if (!Turn || Turn->Entry >= C.Entries.size() || Turn->Round == 0 ||
      Turn->Round > C.Entries[Turn->Entry].Dives.size())
    return "null";
  const Standing* Row = RowOf(S, Turn->Entry);
  return DiveOpen(C, *Turn) + ",\"place\":" + PlaceJson(Row) +
         ",\"total\":" + ToUtf8(PointsText(Row != nullptr ? Row->Total : 0)) + "}";
}

// The dive accepted last: each judge's award as counted, in seating order, the cancelled ones
// marked, the points, and the diver's new total and place.
std::string LastJson(const Competition& C, const Standings& S,
                     const std::optional<AcceptedDive>& A) {
  if (!A || A->Turn.Entry >= C.Entries.size() || A->Turn.Round == 0 ||
      A->Turn.Round > C.Entries[A->Turn.Entry].Dives.size())
    return "null";
  const Standing* Row = RowOf(S, A->Turn.Entry);
  const StandingDive* Dive = nullptr;
  if (Row != nullptr)
    for (const StandingDive& D : Row->Dives)
      if (D.Round == A->Turn.Round) Dive = &D;
  if (Dive == nullptr) return "null";
  std::string Awards = "[";
  std::string Cancelled = "[";
  for (std::size_t Seat = 0; Seat < Dive->Scored.Awards.size(); ++Seat) {
    if (Seat > 0) Awards += ",", Cancelled += ",";
    Awards += ToUtf8(AwardText(Dive->Scored.Awards[Seat]));
    Cancelled += Dive->Scored.Cancelled[Seat] ? "true" : "false";
  }
  return DiveOpen(C, A->Turn) + ",\"awards\":" + Awards + "],\"cancelled\":" + Cancelled +
         "],\"decision\":" + JsonStringOrNull(DecisionText(A->Decided)) +
         ",\"points\":" + ToUtf8(PointsText(Dive->Scored.Points)) +
         ",\"total\":" + ToUtf8(PointsText(Dive->Running)) + ",\"place\":" + PlaceJson(Row) + "}";
}

}  // namespace

CFeedDesk::CFeedDesk(const CJudgingRoom& Judging) : Room(Judging) {}

std::optional<FeedNews> CFeedDesk::Changed() {
  const Competition& C = Room.Engine().Held();
  const Standings S = RankCompetition(C);
  std::string NowResults = ResultsJson(C, S);
  if (!NowResults.empty() && NowResults.back() == '\n') NowResults.pop_back();
  std::string NowNext = NextJson(C, S, Room.Judged());
  std::string NowLast = LastJson(C, S, Room.LastAccepted());
  std::vector<DiverStatus> NowStatuses;
  for (const Entry& E : C.Entries) NowStatuses.push_back(E.Status);

  FeedNews News;
  if (Told) {
    const bool Accepted = NowLast != Last && NowLast != "null";
    if (Accepted)
      News.Items.push_back(
          {"accepted", "{\"dive\":" + NowLast + ",\"results\":" + NowResults + "}"});
    for (std::size_t I = 0; I < NowStatuses.size(); ++I)
      if (I < Statuses.size() && NowStatuses[I] != Statuses[I])
        News.Items.push_back({"withdrawal", "{\"diver\":" + std::to_string(I) + ",\"name\":" +
                                                Quoted(C.Entries[I].Diver) + ",\"status\":" +
                                                Quoted(merrith::RowOf(NowStatuses[I]).Word) +
                                                ",\"results\":" + NowResults + "}"});
    // A recorded dive mended, or the file read again: the standings changed by no acceptance.
    if (News.Items.empty() && NowResults != Results)
      News.Items.push_back({"correction", "{\"results\":" + NowResults + "}"});
    if (NowNext != Next) News.Items.push_back({"next", "{\"next\":" + NowNext + "}"});
    if (News.Items.empty()) return std::nullopt;
  }
  Told = true;
  News.State = "{\"schema\":1," + NowResults.substr(1, NowResults.size() - 2) +
               ",\"next\":" + NowNext + ",\"last\":" + NowLast + "}";
  Results = std::move(NowResults);
  Next = std::move(NowNext);
  Last = std::move(NowLast);
  Statuses = std::move(NowStatuses);
  return News;
}

}  // namespace merrith
