#include "report/judges_report.h"

#include <algorithm>
#include <vector>

#include "report/html_page.h"
#include "report/json_text.h"
#include "report/results_report.h"
#include "report/score_report.h"
#include "report/text_table.h"
#include "support/file_bytes.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// The words of Text apart at spaces.
std::vector<std::u16string_view> WordsOf(std::u16string_view Text) {
  std::vector<std::u16string_view> Words;
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t End = Text.find(u' ', Start);
    if (End == std::u16string_view::npos) End = Text.size();
    if (End > Start) Words.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
  return Words;
}

// Each seat's role as JSON names it.
std::string_view RoleName(Seat S) {
  switch (S) {
    case Seat::Judge:
      return "judge";
    case Seat::ExecutionDiver1:
      return "execution-diver-1";
    case Seat::ExecutionDiver2:
      return "execution-diver-2";
    case Seat::Synchronisation:
      return "synchronisation";
  }
  return "judge";
}

// What a measure with nothing to rest on shows.
constexpr std::u16string_view NoMeasure = u"-";

std::u16string TwoDecimals(const std::optional<Fraction>& F, bool Sign = false) {
  return F ? FixedText(RoundedTo(*F, 100), 2, Sign) : std::u16string(NoMeasure);
}

std::u16string RhoText(const std::optional<std::int64_t>& Rho) {
  return Rho ? FixedText(*Rho, 3) : std::u16string(NoMeasure);
}

const NamedJudge* NameOf(const Competition& C, std::size_t Seat) {
  const auto Found = std::find_if(C.JudgeNames.begin(), C.JudgeNames.end(),
                                  [Seat](const NamedJudge& J) { return J.Seat == Seat; });
  return Found == C.JudgeNames.end() ? nullptr : &*Found;
}

// The bias on a judge's own nation's divers, with how many awards it rests on: "+0.40 (12)";
// nothing for a judge whose nation the head does not give.
std::u16string OwnText(const NamedJudge* J, const SeatAnalysis& S) {
  if (J == nullptr || J->Nation.empty()) return u"";
  if (!S.OwnNationBias) return std::u16string(NoMeasure);
  return TwoDecimals(S.OwnNationBias, true) + u" (" + NumberText(S.OwnNationAwards) + u")";
}

// One row of the table, its cells in the order of the headings.
std::vector<std::u16string> RowCells(const Competition& C, const SeatAnalysis& S) {
  const NamedJudge* J = NameOf(C, S.Seat);
  return {u"J" + NumberText(S.Seat),
          std::u16string(SeatWords(S.Role)),
          J != nullptr ? J->Name : u"",
          J != nullptr ? J->Nation : u"",
          NumberText(S.Awards),
          TwoDecimals(S.Mean),
          TwoDecimals(S.Bias, true),
          TwoDecimals(S.Spread),
          NumberText(S.Far),
          NumberText(S.CancelledHigh),
          NumberText(S.CancelledLow),
          RhoText(S.Rho),
          OwnText(J, S),
          J != nullptr && !J->Nation.empty() ? TwoDecimals(S.OtherNationsBias, true) : u""};
}

// The headings, and whether each column stands to the right.
struct Heading {
  std::u16string_view Text;
  bool Right;
};
constexpr Heading Headings[] = {
    {      u"Seat", false},
    {      u"Role", false},
    {     u"Judge", false},
    {    u"Nation", false},
    {    u"Awards",  true},
    {      u"Mean",  true},
    {      u"Bias",  true},
    {    u"Spread",  true},
    {       u"Far",  true},
    {      u"High",  true},
    {       u"Low",  true},
    {       u"Rho",  true},
    {u"Own nation",  true},
    {    u"Others",  true},
};
// What the analysis rests on: "60 dives recorded; 12 divers placed, whom rho ranks".
std::u16string BasisText(const JudgesAnalysis& A, const Standings& S) {
  std::u16string Text = CountText(A.Dives, u"dive", u"dives") + u" recorded; " +
                        CountText(A.Ranked, u"diver", u"divers") + u" placed, whom rho ranks";
  if (S.RoundsComplete < S.Rounds)
    Text += u" in the standings after round " + NumberText(S.RoundsComplete) + u" of " +
            NumberText(S.Rounds);
  return Text;
}

// What each measure is, a line each.
constexpr std::u16string_view Measures[] = {
    u"Awards: the dives with an award from the seat, as the judge gave it (before the "
    u"referee's decisions; a missing award counts for nobody).",
    u"Mean: its average award. Bias: the average of its award less the mean of the other "
    u"awards of its group on the same dive (the panel; on a synchro panel the execution or the "
    u"synchronisation judges): above 0 generous, below severe. Spread: the same differences "
    u"counted positive. Far: its awards 2 points or more from the others' mean.",
    u"High, Low: its awards cancelled as a highest or a lowest, of equal awards those the "
    u"scoring cancels (the lowest from the first seats, the highest from the last).",
    u"Rho: Spearman's rank correlation between the ranking its awards give (each diver's sum "
    u"of the award times the DD) and the standings, tied places taking their average rank.",
};

// What the columns of the judges' nations are, where the head names nations.
constexpr std::u16string_view NationsMeasure =
    u"Own nation, Others: the bias on divers of the judge's nation (a team of three letters), "
    u"with how many awards, and on the others.";

// What a measure shown as - is.
constexpr std::u16string_view NoMeasureNote =
    u"-: nothing to measure: no award from the seat, none from another judge of its group "
    u"beside it, no diver of the judge's nation, or fewer than two divers placed (or all tied) "
    u"for rho.";

// The measures in words that the analysis A of C shows.
std::vector<std::u16string_view> MeasuresOf(const Competition& C, const JudgesAnalysis& A) {
  std::vector<std::u16string_view> Lines(std::begin(Measures), std::end(Measures));
  if (std::any_of(C.JudgeNames.begin(), C.JudgeNames.end(),
                  [](const NamedJudge& J) { return !J.Nation.empty(); }))
    Lines.push_back(NationsMeasure);
  const auto Missing = [&C](const SeatAnalysis& S) {
    const std::vector<std::u16string> Cells = RowCells(C, S);
    return std::find(Cells.begin(), Cells.end(), NoMeasure) != Cells.end();
  };
  if (std::any_of(A.Seats.begin(), A.Seats.end(), Missing)) Lines.push_back(NoMeasureNote);
  return Lines;
}

// The widest line of the measures in words in the text report.
constexpr std::size_t TextWidth = 96;

// Text apart at spaces into lines of at most Width units (a longer word on a line of its own),
// each ending in a line feed.
std::u16string Wrapped(std::u16string_view Text, std::size_t Width) {
  std::u16string Out;
  std::size_t LineStart = 0;
  for (const std::u16string_view Word : WordsOf(Text)) {
    if (Out.size() > LineStart && Out.size() - LineStart + 1 + Word.size() > Width) {
      Out += u'\n';
      LineStart = Out.size();
    } else if (Out.size() > LineStart) {
      Out += u' ';
    }
    Out += Word;
  }
  return Out + u'\n';
}

constexpr std::u16string_view JudgesStyle =
    u"table.facts th { text-align: left; padding: 0.5mm 4mm 0.5mm 0; }\n"
    u"table.facts td { padding: 0.5mm 0; }\n"
    u"table.seats { width: 100%; margin-top: 4mm; }\n"
    u"table.seats th, table.seats td { border: 0.3mm solid #000; padding: 0.8mm 1.2mm; "
    u"text-align: left; white-space: nowrap; }\n"
    u"table.seats thead th { background: #eee; }\n"
    u"table.seats .n { text-align: right; white-space: nowrap; }\n"
    u"p.note { margin: 2mm 0 0; }\n";

// Each seat's cells, and the columns shown: those with a cell that is not empty (the role on
// an individual's panel, the nations where the head names none, are left out).
struct SeatTable {
  std::vector<std::vector<std::u16string>> Rows;
  std::vector<std::size_t> Shown;
};

SeatTable TableOf(const Competition& C, const JudgesAnalysis& A) {
  SeatTable T;
  for (const SeatAnalysis& Seat : A.Seats) T.Rows.push_back(RowCells(C, Seat));
  for (std::size_t I = 0; I < std::size(Headings); ++I)
    if (std::any_of(T.Rows.begin(), T.Rows.end(),
                    [I](const std::vector<std::u16string>& Row) { return !Row[I].empty(); }))
      T.Shown.push_back(I);
  return T;
}

std::string NumberOrNull(const std::u16string& Text) {
  if (Text.empty() || Text == NoMeasure) return "null";
  return ToUtf8(Text.front() == u'+' ? Text.substr(1) : Text);
}

}  // namespace

std::u16string FixedText(std::int64_t Units, int Decimals, bool Sign) {
  std::int64_t Scale = 1;
  for (int I = 0; I < Decimals; ++I) Scale *= 10;
  const std::int64_t Magnitude = Units < 0 ? -Units : Units;
  std::u16string Fraction = NumberText(static_cast<std::size_t>(Magnitude % Scale));
  Fraction.insert(0, static_cast<std::size_t>(Decimals) - Fraction.size(), u'0');
  const std::u16string_view Lead = Units < 0 ? u"-" : Sign && Units > 0 ? u"+" : u"";
  return std::u16string(Lead) + NumberText(static_cast<std::size_t>(Magnitude / Scale)) + u"." +
         Fraction;
}

std::u16string JudgesReport(const Competition& C, const Standings& S, const JudgesAnalysis& A) {
  std::u16string Text = CompetitionFactsText(C) + u"Panel:   " + PanelText(C.Judges) +
                        u"\nDives:   " + BasisText(A, S) + u"\n\n";
  const SeatTable T = TableOf(C, A);
  std::vector<Column> Columns;
  for (const std::size_t I : T.Shown)
    Columns.push_back({std::u16string(Headings[I].Text), {}, Headings[I].Right});
  for (const std::vector<std::u16string>& Cells : T.Rows)
    for (std::size_t K = 0; K < T.Shown.size(); ++K) Columns[K].Cells.push_back(Cells[T.Shown[K]]);
  Text += TextTable(Columns, A.Seats.size());
  if (CancelledEachEnd(C.Judges) == 0) Text += u"\nA panel of 3 judges cancels no award.\n";
  Text += u"\n";
  for (const std::u16string_view Line : MeasuresOf(C, A)) Text += Wrapped(Line, TextWidth);
  return Text;
}

std::string JudgesJson(const Competition& C, const JudgesAnalysis& A) {
  std::string Text =
      "{\"event\":" + JsonStringOrNull(C.EventId) + ",\"book\":" + JsonStringOrNull(C.Book) +
      ",\"meet\":" + JsonStringOrNull(C.Meet) + ",\"date\":" + JsonStringOrNull(C.MeetDate) +
      ",\"phase\":" + JsonStringOrNull(RowOf(C.Stage).Word) +
      ",\"panel\":" + std::to_string(JudgesOf(C.Judges)) + ",\"dives\":" + std::to_string(A.Dives) +
      ",\"ranked\":" + std::to_string(A.Ranked) + ",\"judges\":[";
  for (const SeatAnalysis& S : A.Seats) {
    const NamedJudge* J = NameOf(C, S.Seat);
    if (&S != A.Seats.data()) Text += ",";
    Text += "{\"seat\":" + std::to_string(S.Seat) + ",\"role\":\"" + std::string(RoleName(S.Role)) +
            "\",\"name\":" + (J != nullptr ? JsonString(J->Name) : "null") +
            ",\"nation\":" + (J != nullptr ? JsonStringOrNull(J->Nation) : "null") +
            ",\"awards\":" + std::to_string(S.Awards) +
            ",\"mean\":" + NumberOrNull(TwoDecimals(S.Mean)) +
            ",\"bias\":" + NumberOrNull(TwoDecimals(S.Bias)) +
            ",\"spread\":" + NumberOrNull(TwoDecimals(S.Spread)) +
            ",\"far\":" + std::to_string(S.Far) +
            ",\"cancelled_high\":" + std::to_string(S.CancelledHigh) +
            ",\"cancelled_low\":" + std::to_string(S.CancelledLow) +
            ",\"rho\":" + NumberOrNull(RhoText(S.Rho)) +
            ",\"own_nation_bias\":" + NumberOrNull(TwoDecimals(S.OwnNationBias)) +
            ",\"other_nations_bias\":" + NumberOrNull(TwoDecimals(S.OtherNationsBias)) + "}";
  }
  return Text + "]}\n";
}

std::u16string JudgesPage(const Competition& C, const Standings& S, const JudgesAnalysis& A) {
  const std::u16string Title = u"Judges' analysis: " + CompetitionTitle(C);
  std::u16string Page = PageStart(Title, JudgesStyle, CompetitionRunningHead(C));
  AppendElement(Page, u"h1", u"", Title);
  Page += u"\n<table class=\"facts\">\n";
  AppendCompetitionFacts(Page, C);
  AppendFact(Page, u"Panel", PanelText(C.Judges));
  AppendFact(Page, u"Dives", BasisText(A, S));
  Page += u"</table>\n<table class=\"seats\">\n<thead><tr>";
  const SeatTable T = TableOf(C, A);
  for (const std::size_t I : T.Shown)
    AppendElement(Page, u"th", Headings[I].Right ? u"n" : u"", Headings[I].Text);
  Page += u"</tr></thead>\n<tbody>\n";
  for (const std::vector<std::u16string>& Cells : T.Rows) {
    Page += u"<tr>";
    for (const std::size_t I : T.Shown)
      AppendElement(Page, u"td", Headings[I].Right ? u"n" : u"", Cells[I]);
    Page += u"</tr>\n";
  }
  Page += u"</tbody>\n</table>\n";
  if (CancelledEachEnd(C.Judges) == 0)
    AppendElement(Page, u"p", u"note", u"A panel of 3 judges cancels no award.");
  for (const std::u16string_view Line : MeasuresOf(C, A)) AppendElement(Page, u"p", u"note", Line);
  Page += PageEnd;
  return Page;
}

FileOutcome WriteJudgesPage(const Competition& C, const Standings& S, const JudgesAnalysis& A,
                            std::u16string_view Path) {
  return WriteFileBytes(Path, EncodeUtf8(JudgesPage(C, S, A)));
}

}  // namespace merrith
