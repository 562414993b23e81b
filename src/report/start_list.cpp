#include "report/start_list.h"

#include <optional>
#include <vector>

#include "difficulty/dive_name.h"
#include "difficulty/explain_dive.h"
#include "report/html_page.h"
#include "report/json_text.h"
#include "report/results_report.h"
#include "report/text_table.h"
#include "scoring/draw.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// One dive of a list as the announcer reads it.
struct AnnouncedDive {
  std::u16string Round;
  std::u16string Code;
  std::u16string Words;     // the dive without its position, and who dives it where the line says
  std::u16string Position;  // in words
  std::u16string Height;
  std::u16string Dd;
};

AnnouncedDive Announced(std::size_t Round, const ListedDive& L) {
  AnnouncedDive A{NumberText(Round), L.Written.Code, u"", u"", u"", u""};
  if (L.HeightIndex != 0) {
    const DiveExplanation Ex = ExplainDive(L.Written.Code, L.HeightIndex, {.Components = false});
    if (std::optional<std::u16string> Name = DiveName(Ex.Dive); Name && Ex.Name) A.Words = *Name;
    if (Ex.Position) A.Position = *Ex.Position;
    A.Height = HeightText(L.HeightIndex);
  }
  for (std::size_t I = 0; I < L.Written.Divers.size(); ++I)
    A.Words += (I == 0 ? (A.Words.empty() ? u"" : u" ") + std::u16string(u"(") : u" / ") +
               L.Written.Divers[I] + (I + 1 == L.Written.Divers.size() ? u")" : u"");
  if (L.DD) A.Dd = TenthsText(*L.DD);
  return A;
}

DdTotal TotalDd(const Entry& E) {
  DdTotal Total = 0;
  for (const ListedDive& L : E.Dives) Total += L.DD.value_or(0);
  return Total;
}

// The diver as a start list heads them: "3. Ann Example, Riverside", and their status.
std::u16string WhoText(std::size_t Order, const Entry& E) {
  std::u16string Who = NumberText(Order) + u". " + E.Diver;
  if (!E.Team.empty()) Who += u", " + E.Team;
  if (E.Status != DiverStatus::Ok) Who += u" (" + StatusWords(E) + u")";
  return Who;
}

std::u16string ReservesText(const Competition& C) {
  std::u16string Text;
  for (const Reserve& R : C.Reserves)
    AppendJoined(Text, u"; ", R.Team.empty() ? R.Diver : R.Diver + u", " + R.Team);
  return Text;
}

std::u16string DrawText(const Competition& C) {
  return C.DrawSeed ? u"seed " + SeedText(*C.DrawSeed) : u"";
}

// Text with each line set in by Margin.
std::u16string Indented(std::u16string_view Text, std::u16string_view Margin) {
  std::u16string Out;
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t End = Text.find(u'\n', Start);
    End = End == std::u16string_view::npos ? Text.size() : End + 1;
    (Out += Margin) += Text.substr(Start, End - Start);
    Start = End;
  }
  return Out;
}

constexpr std::u16string_view StartListStyle =
    u"table.facts th { text-align: left; padding: 0.5mm 4mm 0.5mm 0; }\n"
    u"table.facts td { padding: 0.5mm 0; }\n"
    u"table.list { width: 100%; margin-top: 4mm; }\n"
    u"table.list tbody { break-inside: avoid; page-break-inside: avoid; }\n"
    u"table.list th, table.list td { border: 0.3mm solid #000; padding: 0.8mm 1.5mm; "
    u"text-align: left; }\n"
    u"table.list thead th { background: #eee; }\n"
    u"table.list th.who { font-size: 11.5pt; padding-top: 2.5mm; border-top: 0.6mm solid #000; }\n"
    u"table.list .n { text-align: right; white-space: nowrap; }\n"
    u"table.list tr.total th { text-align: right; }\n"
    u"p.note { margin-top: 5mm; }\n";

void AppendListFacts(std::u16string& Out, const Competition& C) {
  Out += u"<table class=\"facts\">\n";
  AppendCompetitionFacts(Out, C);
  if (C.DrawSeed) AppendFact(Out, u"Draw", DrawText(C) + u" (2.1.1)");
  AppendFact(Out, u"Panel", PanelText(C.Judges));
  AppendFact(Out, u"Divers", NumberText(C.Entries.size()));
  if (!C.Reserves.empty()) AppendFact(Out, u"Reserves", ReservesText(C) + u" (2.1.6)");
  Out += u"</table>\n";
}

void AppendDiverRows(std::u16string& Out, std::size_t Order, const Entry& E) {
  Out += u"<tbody>\n<tr><th class=\"who\" colspan=\"6\">";
  AppendHtmlText(Out, WhoText(Order, E));
  Out += u"</th></tr>\n";
  for (std::size_t Round = 1; Round <= E.Dives.size(); ++Round) {
    const AnnouncedDive A = Announced(Round, E.Dives[Round - 1]);
    Out += u"<tr>";
    AppendElement(Out, u"td", u"n", A.Round);
    AppendElement(Out, u"td", u"", A.Code);
    AppendElement(Out, u"td", u"", A.Words);
    AppendElement(Out, u"td", u"", A.Position);
    AppendElement(Out, u"td", u"", A.Height);
    AppendElement(Out, u"td", u"n", A.Dd);
    Out += u"</tr>\n";
  }
  Out += u"<tr class=\"total\"><th colspan=\"5\">Total DD</th>";
  AppendElement(Out, u"th", u"n", TenthsText(TotalDd(E)));
  Out += u"</tr>\n</tbody>\n";
}

}  // namespace

std::u16string StartListReport(const Competition& C) {
  std::u16string Text = CompetitionFactsText(C);
  if (C.DrawSeed) Text += u"Draw:    " + DrawText(C) + u"\n";
  Text +=
      u"Panel:   " + PanelText(C.Judges) + u"\nDivers:  " + NumberText(C.Entries.size()) + u"\n";
  for (std::size_t I = 0; I < C.Entries.size(); ++I) {
    const Entry& E = C.Entries[I];
    Text += u"\n" + WhoText(I + 1, E) + u"\n";
    std::vector<Column> Columns{
        {   u"Round", {},  true},
        {    u"Dive", {}, false},
        {        u"", {}, false},
        {u"Position", {}, false},
        {  u"Height", {}, false},
        {      u"DD", {},  true}
    };
    for (std::size_t Round = 1; Round <= E.Dives.size(); ++Round) {
      AnnouncedDive A = Announced(Round, E.Dives[Round - 1]);
      Columns[0].Cells.push_back(std::move(A.Round));
      Columns[1].Cells.push_back(std::move(A.Code));
      Columns[2].Cells.push_back(std::move(A.Words));
      Columns[3].Cells.push_back(std::move(A.Position));
      Columns[4].Cells.push_back(std::move(A.Height));
      Columns[5].Cells.push_back(std::move(A.Dd));
    }
    const std::u16string_view Total[] = {u"", u"", u"Total DD", u"", u""};
    for (std::size_t Col = 0; Col < 5; ++Col) Columns[Col].Cells.emplace_back(Total[Col]);
    Columns[5].Cells.push_back(TenthsText(TotalDd(E)));
    Text += Indented(TextTable(Columns, E.Dives.size() + 1), u"    ");
  }
  if (!C.Reserves.empty()) Text += u"\nReserves (2.1.6): " + ReservesText(C) + u"\n";
  return Text;
}

std::string StartListJson(const Competition& C) {
  std::string Text =
      "{\"event\":" + JsonStringOrNull(C.EventId) + ",\"book\":" + JsonStringOrNull(C.Book) +
      ",\"meet\":" + JsonStringOrNull(C.Meet) + ",\"date\":" + JsonStringOrNull(C.MeetDate) +
      ",\"phase\":" + JsonStringOrNull(RowOf(C.Stage).Word) +
      ",\"draw\":" + (C.DrawSeed ? ToUtf8(SeedText(*C.DrawSeed)) : std::string("null")) +
      ",\"divers\":[";
  for (std::size_t I = 0; I < C.Entries.size(); ++I) {
    const Entry& E = C.Entries[I];
    if (I > 0) Text += ",";
    Text += "{\"order\":" + std::to_string(I + 1) + ",\"diver\":" + JsonString(E.Diver) +
            ",\"team\":" + JsonStringOrNull(E.Team) +
            ",\"status\":" + JsonString(RowOf(E.Status).Word) + ",\"dives\":[";
    for (std::size_t Round = 1; Round <= E.Dives.size(); ++Round) {
      const ListedDive& L = E.Dives[Round - 1];
      const AnnouncedDive A = Announced(Round, L);
      if (Round > 1) Text += ",";
      Text += "{\"round\":" + std::to_string(Round) + ",\"dive\":" + JsonString(A.Code) +
              ",\"position\":" + JsonStringOrNull(A.Position) +
              ",\"height\":" + JsonStringOrNull(A.Height) +
              ",\"dd\":" + (A.Dd.empty() ? std::string("null") : ToUtf8(A.Dd)) + "}";
    }
    Text += "],\"total_dd\":" + ToUtf8(TenthsText(TotalDd(E))) + "}";
  }
  Text += "],\"reserves\":[";
  for (const Reserve& R : C.Reserves) {
    if (&R != C.Reserves.data()) Text += ",";
    Text += "{\"diver\":" + JsonString(R.Diver) + ",\"team\":" + JsonStringOrNull(R.Team) + "}";
  }
  return Text + "]}\n";
}

std::u16string StartListPage(const Competition& C) {
  const std::u16string Title = u"Start list: " + CompetitionTitle(C);
  std::u16string Page = PageStart(Title, StartListStyle, CompetitionRunningHead(C));
  AppendElement(Page, u"h1", u"", Title);
  Page += u"\n";
  AppendListFacts(Page, C);
  Page +=
      u"<table class=\"list\">\n<thead><tr><th class=\"n\">Round</th><th>Dive</th>"
      u"<th>In words</th><th>Position</th><th>Height</th><th class=\"n\">DD</th></tr></thead>\n";
  for (std::size_t I = 0; I < C.Entries.size(); ++I) AppendDiverRows(Page, I + 1, C.Entries[I]);
  Page += u"</table>\n";
  Page += PageEnd;
  return Page;
}

FileOutcome WriteStartListPage(const Competition& C, std::u16string_view Path) {
  return WriteFileBytes(Path, EncodeUtf8(StartListPage(C)));
}

}  // namespace merrith
