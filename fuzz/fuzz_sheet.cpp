// Any text as a dive sheet, or as the rows of a table pasted after its header row, checked
// against the built-in events and a user's: the sheet holds exactly when it has no problem, and
// each problem of a dive is on that dive's line; the total is the sum of the DDs that count,
// and the limited part's that of its dives; every problem's line is a line of the text that is
// neither blank nor a comment; and the page shows the diver's name and every code as text,
// never as markup.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "report/html_page.h"
#include "report/sheet_page.h"
#include "report/sheet_report.h"
#include "sheets/check_sheet.h"
#include "support/trim_white.h"
#include "support/utf8.h"

namespace {

using merrith::CheckedDive;
using merrith::CheckedSheet;
using merrith::fuzz::Require;

// The built-in events and a user's, with what the built-in ones leave out: a cap for one dive,
// repeats, a list whose every dive is from a different group, rounds with a DD of their own.
const merrith::EventBook& Book() {
  static const merrith::EventBook Events = [] {
    merrith::EventBook B = merrith::BuiltInEvents();
    merrith::AddRulesText(
        B, u"club.toml",
        "[[event]]\nid = \"club\"\ntitle = \"Club\"\nheights = [\"1m\", \"10m\"]\n"
        "dives = 4\nfree = { different_groups = true }\nmax_dive_dd = 2.0\n"
        "repeats = true\nassigned = { rounds = 1, dd = 1.5 }\n");
    return B;
  }();
  return Events;
}

// Whether each line the sheet's problems name holds something: not blank, not a comment.
bool ProblemsOnReadLines(std::u16string_view Text, const CheckedSheet& Sheet) {
  std::vector<bool> Read(1, false);  // by line number, from 1
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(u'\n', Start);
    const std::u16string Line =
        merrith::mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    Read.push_back(!Line.empty() && Line[0] != u'#');
    if (End == std::u16string_view::npos) break;
    Start = End + 1;
  }
  for (const merrith::Problem& P : Sheet.Problems)
    if (P.Line != 0 && (P.Line >= Read.size() || !Read[P.Line])) return false;
  return true;
}

void CheckSums(const CheckedSheet& Sheet) {
  std::int64_t Total = 0;
  std::int64_t Limited = 0;
  bool Any = false;
  for (const CheckedDive& D : Sheet.Dives) {
    Require(!D.Counted || D.DD, "a dive counts a DD only where it has one");
    if (!D.Counted) continue;
    Any = true;
    Total += *D.Counted;
    if (D.Limited) Limited += *D.Counted;
  }
  Require(Sheet.Total.has_value() == Any && (!Any || *Sheet.Total == Total),
          "the total is the sum of the DDs that count");
  if (Sheet.Limited != merrith::LimitedBy::None)
    Require(Sheet.LimitedTotal == Limited, "the limited part adds up its dives' DDs");
  if (Sheet.Limited == merrith::LimitedBy::Search && Sheet.Rules->Limited->MaxTotal)
    Require(Limited <= *Sheet.Rules->Limited->MaxTotal, "a limited part found keeps its cap");
}

void CheckProblems(std::u16string_view Text, const CheckedSheet& Sheet) {
  Require(Sheet.Holds() == Sheet.Problems.empty(), "the sheet holds exactly without problems");
  Require(merrith::VerdictText(Sheet).starts_with(u"The sheet holds") == Sheet.Holds(),
          "the verdict says whether the sheet holds");
  for (const merrith::Problem& P : Sheet.Problems)
    Require(P.Dive == 0 || (P.Dive <= Sheet.Dives.size() && Sheet.Dives[P.Dive - 1].Line == P.Line),
            "a dive's problem is on its line");
  Require(ProblemsOnReadLines(Text, Sheet), "every problem's line is one that holds something");
}

// Whether the page shows Text as text: as character references where it has markup, and
// nowhere as it stands as the whole of a cell.
bool ShowsAsText(const std::u16string& Page, std::u16string_view Text) {
  std::u16string Escaped;
  merrith::AppendHtmlText(Escaped, Text);
  if (Page.find(Escaped) == std::u16string::npos) return false;
  return Escaped == Text || Page.find(u">" + std::u16string(Text) + u"<") == std::u16string::npos;
}

void CheckPage(const CheckedSheet& Sheet) {
  const std::u16string Page = merrith::SheetPage(Sheet);
  Require(Page.ends_with(u"</html>\n"), "the page is whole");
  Require(ShowsAsText(Page, Sheet.Diver), "the diver's name shows as text");
  for (const CheckedDive& D : Sheet.Dives)  // a dive shows its number, a code that is none itself
    Require(!D.Number.empty() || ShowsAsText(Page, D.Code), "a code shows as text");
  Require(!merrith::SheetReport(Sheet).empty(), "the report is written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const merrith::EventBook& Events = Book();
  std::u16string Text;
  // The first byte may name an event, and says how the rest is read: UTF-8 or UTF-16 units.
  if ((Data[0] & 0x80) != 0)
    Text = u"Event: " + Events.Events[Data[0] % Events.Events.size()].Id + u"\n";
  // A pasted table's header row: the rest are its rows, tab- or comma-separated.
  if ((Data[0] & 0x20) != 0)
    Text += (Data[0] & 0x10) != 0 ? u"Round\tDive\tPosition\tHeight\tDD\tDiver\tPart\n"
                                  : u"dd,code,board,diver,x\n";
  if ((Data[0] & 0x40) != 0)
    Text +=
        merrith::DecodeUtf8(std::string_view(reinterpret_cast<const char*>(Data + 1), Size - 1));
  else
    Text += merrith::fuzz::UnitsFromBytes(Data + 1, Size - 1);
  const CheckedSheet Sheet = merrith::CheckSheetText(Text, Events);
  CheckProblems(Text, Sheet);
  CheckSums(Sheet);
  CheckPage(Sheet);
  return 0;
}
