// Any text as a competition file or its spreadsheet form: read without a crash or a hang, and
// where it reads without errors, every total is the sum of its dives' points (each running
// total too), places never rise as totals fall, equal totals share a place and the place after
// them is skipped; the competition written in its own form reads back with the same totals; and
// its report and page are written. Errors name lines of the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "report/results_json.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "scoring/competition_csv.h"
#include "scoring/standings.h"
#include "support/utf8.h"

namespace {

using merrith::Competition;
using merrith::CompetitionRead;
using merrith::Standings;
using merrith::fuzz::Require;

// The one sheet a fuzzed competition can name.
merrith::TextFileRead ReadSheet(std::u16string_view Name) {
  if (Name != u"a.txt") return {std::nullopt, u"no such file", u""};
  return {u"Event: women-1m\n101B\n201B\n301B\n401B\n5132D\n", u"", u""};
}

// The built-in events, read once.
const merrith::EventBook& Book() {
  static const merrith::EventBook Events = merrith::BuiltInEvents();
  return Events;
}

void CheckStandings(const Competition& C, const Standings& S) {
  Require(S.Rows.size() == C.Entries.size(), "every diver has a row");
  for (std::size_t I = 0; I < S.Rows.size(); ++I) {
    const merrith::Standing& Row = S.Rows[I];
    const merrith::Entry& E = C.Entries[Row.Entry];
    merrith::Hundredths Sum = 0;
    for (const merrith::StandingDive& D : Row.Dives) {
      Sum += D.Scored.Points;
      Require(D.Running == Sum, "each running total adds the dive's points");
    }
    Require(Row.Total == Sum, "every total is the sum of its dives' points");
    Require(Row.Dives.size() == std::min(S.RoundsComplete, merrith::RoundsDived(E)),
            "each diver's dives of the rounds complete count");
    // Places come with the first round complete, and only to divers still in the event.
    const bool Placed = E.Status == merrith::DiverStatus::Ok && S.RoundsComplete > 0;
    Require(Placed == (Row.Place != 0), "the placed divers alone have a place");
    if (!Placed) continue;
    if (I == 0) {
      Require(Row.Place == 1, "the first place is 1");
      continue;
    }
    const merrith::Standing& Above = S.Rows[I - 1];
    Require(Above.Place != 0, "the placed divers come first");
    Require(Above.Total >= Row.Total, "places never rise as totals fall");
    Require(Above.Total != Row.Total || Above.Place == Row.Place, "equal totals share a place");
    Require(Above.Total == Row.Total || Row.Place == I + 1, "the place after a tie is skipped");
  }
}

void CheckReadBack(const CompetitionRead& Again, const Standings& S) {
  Require(Again.Ok(), "a competition written reads back");
  const Standings T = merrith::RankCompetition(Again.Read);
  Require(T.Rows.size() == S.Rows.size(), "the same divers read back");
  for (std::size_t I = 0; I < S.Rows.size(); ++I)
    Require(T.Rows[I].Total == S.Rows[I].Total && T.Rows[I].Place == S.Rows[I].Place,
            "the same standings read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  // The first byte says how the rest is read: the spreadsheet form or the file, and for the
  // file whether a head comes before it.
  const bool Csv = (Data[0] & 0x80) != 0;
  std::u16string Text = !Csv && (Data[0] & 0x40) != 0 ? u"Event: women-1m\nPanel: 5\n" : u"";
  Text += merrith::DecodeUtf8(std::string_view(reinterpret_cast<const char*>(Data + 1), Size - 1));
  const CompetitionRead Read = Csv ? merrith::ReadCompetitionCsv(Text)
                                   : merrith::ReadCompetitionText(Text, Book(), ReadSheet);
  const std::size_t Lines =
      static_cast<std::size_t>(std::count(Text.begin(), Text.end(), u'\n')) + 1;
  for (const merrith::CompetitionError& E : Read.Errors)
    Require(!E.File.empty() || E.Line <= Lines, "an error names a line of the text");
  if (!Read.Ok()) return 0;
  const Standings S = merrith::RankCompetition(Read.Read);
  CheckStandings(Read.Read, S);
  CheckReadBack(
      Csv ? merrith::ReadCompetitionCsv(merrith::CompetitionCsv(Read.Read))
          : merrith::ReadCompetitionText(merrith::CompetitionText(Read.Read), Book(), ReadSheet),
      S);
  Require(merrith::ResultsPage(Read.Read, S).ends_with(u"</html>\n"), "the page is whole");
  Require(!merrith::ResultsReport(Read.Read, S).empty(), "the report is written");
  Require(merrith::ResultsJson(Read.Read, S).ends_with("]}\n"), "the JSON is whole");
  return 0;
}
