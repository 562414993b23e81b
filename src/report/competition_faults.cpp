#include "report/competition_faults.h"

#include <vector>

#include "report/problem_text.h"
#include "report/score_report.h"
#include "scoring/competition_csv.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

// The largest seed of a draw: 2^64 - 1.
constexpr std::u16string_view MostSeedText = u"18446744073709551615";

// The most of a name or a word that a message repeats: enough to find it by.
constexpr std::size_t Shown = 40;

std::u16string Cut(std::u16string_view Text) { return Shortened(Text, Shown); }

std::u16string LineNumber(std::size_t Line) { return u"line " + NumberText(Line); }

// The judges of a group, as a message names them: "the judges of execution, diver 1".
std::u16string GroupWords(Seat Group) {
  if (Group == Seat::Judge) return u"any judge";
  return u"the judges of " + std::u16string(SeatWords(Group));
}

std::u16string DdWords(const std::optional<DdTenths>& Dd) {
  return Dd ? TenthsText(*Dd) : std::u16string(u"none");
}

// The panels there are, in words, from the table of panels: "3, 5 or 7" and "9 or 11".
std::u16string PanelChoices(bool Synchro) {
  std::vector<std::u16string> Judges;
  for (const PanelRow& Row : Panels)
    if ((Row.ExecutionEach > 0) == Synchro)
      Judges.push_back(NumberText(static_cast<std::size_t>(Row.Judges)));
  std::u16string Text;
  for (std::size_t I = 0; I < Judges.size(); ++I)
    Text += (I == 0 ? u"" : I + 1 == Judges.size() ? u" or " : u", ") + Judges[I];
  return Text;
}

}  // namespace

std::u16string PanelRuleText() {
  return PanelChoices(false) + u" judges, " + PanelChoices(true) + u" synchronised";
}

std::u16string CompetitionFaultText(CompetitionFault Why, const FaultValues& V) {
  using enum CompetitionFault;
  switch (Why) {
    case HeadLine:
      return Cut(V.Written) +
             u": the head of a competition has Event:, Book: and Panel: lines (and Meet:, "
             u"Phase:, Draw:, Judges:, Reserve:), then each Diver:";
    case KeyTwice:
      return u"a second " + V.Written + u": line, after line " + NumberText(V.OtherLine);
    case NoEvent:
      return u"no Event: line names the event before the divers";
    case NoPanel:
      return u"no Panel: line gives the number of judges before the divers";
    case UnknownBook:
      return u"no rule book has the id " + Cut(V.Written) + u": the books are " + V.Other;
    case UnknownEvent:
      return u"no event of " + V.Other + u" has the id " + Cut(V.Written) +
             u" (merrith-cli events lists them)";
    case NotAPanel:
      return Cut(V.Written) + u" is no panel: " + PanelRuleText();
    case PanelNotOfEvent:
      return NumberText(V.Count) + u" judges do not judge " + V.Written + u": " + PanelRuleText() +
             u" (5.2.1, 5.2.2)";
    case HeadAfterDivers:
      return V.Written + u": goes in the head, before the first Diver:";
    case NotARecordedDive:
      return Cut(V.Written) +
             u": after the first recorded dive come only recorded dives (Round N | ...) and "
             u"divers' statuses";
    case MeetShape:
      return Cut(V.Written) + u": a meet is written Meet: NAME | date";
    case NotAPhase:
      return Cut(V.Written) + u" is no phase: preliminary, semi-final or final";
    case NotASeed:
      return Cut(V.Written) + u": a draw is written Draw: seed N, N a whole number from 0 to " +
             std::u16string(MostSeedText);
    case JudgeShape:
      return Cut(V.Written) +
             u": a judge is written J1 Ann Judge (GBR), the seat, the name and "
             u"the nation, and the judges apart by commas";
    case JudgeSeat:
      return V.Written + u": a panel of " + NumberText(V.Count) + u" judges has the seats J1 to J" +
             NumberText(V.Count);
    case JudgeTwice:
      return V.Written + u" is named twice";
    case NotANation:
      return u"(" + Cut(V.Written) + u") is no nation: three letters, as GBR";
    case ReserveShape:
      return Cut(V.Written) + u": a reserve is written Reserve: NAME | team";
    case DiverWithoutName:
      return u"a Diver: line without a name";
    case NameWithBar:
      return u"a name cannot hold |: " + Cut(V.Written);
    case DiverTwice:
      return Cut(V.Written) + u" again, after line " + NumberText(V.OtherLine);
    case SheetAndInline:
      return u"a diver has either a Sheet: line or the dives inline";
    case SheetUnreadable:
      return (V.Written.empty() ? u"cannot be read" : u"cannot read " + Cut(V.Written)) +
             (V.Reason.empty() ? u"" : u": " + V.Reason);
    case SheetOfOtherEvent:
      return u"the sheet is for " + Cut(V.Written) + u", the competition is " + Cut(V.Other);
    case DiveNotScorable:
      return u": the dive cannot be scored";
    case NotCarried:
      return Cut(V.Written) + u" is no points carried: as the results print them, 152.40";
    case StatusOfNobody:
      return u"no diver " + Cut(V.Diver) + u" in the competition";
    case StatusTwice:
      return Cut(V.Diver) + u" has a status already, on line " + NumberText(V.OtherLine);
    case StatusRound: {
      if (V.Round != 0)
        return Cut(V.Diver) + u"'s list has " + CountText(V.Count, u"dive", u"dives") +
               u": no round " + NumberText(V.Round);
      std::u16string Form = V.Written + u": NAME";
      for (const StatusRow& Row : StatusRows)
        if (Row.Key == V.Written && Row.FromRound) Form += u" | round N";
      if (V.Written == RowOf(DiverStatus::Disqualified).Key) Form += u" | reason";
      return u"a status is written " + Form;
    }
    case DiveAfterStatus:
      return Cut(V.Diver) + u" dives no round from " +
             (V.OtherLine != 0 ? u"the status of line " + NumberText(V.OtherLine)
                               : u"their status") +
             u" on: round " + NumberText(V.Round) + u" cannot be recorded";
    case RecordShape:
      return u"a recorded dive is Round N | diver | dive | awards | decision";
    case NotARound:
      return Cut(V.Written) + u" names no round (1, 2, ...)";
    case UnknownDiver:
      return u"no diver " + Cut(V.Diver) + u" in the competition";
    case NoSuchRound:
      return Cut(V.Diver) + u"'s list has " + CountText(V.Count, u"dive", u"dives") +
             u": no round " + NumberText(V.Round);
    case NotTheListedDive:
      return Cut(V.Diver) + u"'s dive in round " + NumberText(V.Round) + u" is " + V.Other +
             u" on the list, not " + Cut(V.Written);
    case NotAnAward:
      return (V.Written.empty() ? u"an empty award" : Cut(V.Written) + u" is no award") +
             u": an award is 0 to 10 in half points, - for a missing one";
    case AwardCount:
      return CountText(V.Count, u"award", u"awards") + u" for a panel of " + NumberText(V.Wanted) +
             u" judges";
    case GroupWithoutAward:
      return u"no award from " + GroupWords(V.Group.value_or(Seat::Judge)) +
             u": a missing award is made from the others of its group, and there are none "
             u"(7.9, 7.10)";
    case NotADecision:
      return Cut(V.Written) +
             u" is no decision: failed, max2, max4.5, restart, unsafe, joined by +";
    case RoundTwice:
      return u"round " + NumberText(V.Round) + u" of " + Cut(V.Diver) + u" again, after line " +
             NumberText(V.OtherLine);
    case NotUpNext:
      return u"round " + NumberText(V.Round) + u" of " + Cut(V.Diver) + u" is not the dive up next";
    case DrawWithDives:
      return u"the order is drawn before the first dive (2.1.1), and " +
             CountText(V.Count, u"dive is", u"dives are") + u" recorded";
    case DrawOfSpreadsheet:
      return u"a spreadsheet's starting order is the order of its rows: draw the competition's "
             u"text form, then write its spreadsheet with merrith-cli results --csv";
    case NoHeader:
      return u"no header row: diver, team, round, dive, height, dd, decision, J1 ... Jn";
    case HeaderColumn:
      if (!V.Other.empty())
        return u"the header row has no " + V.Other + u" column (headed " + V.Reason + u")";
      return u"the header row has " + Cut(V.Written) + u" twice";
    case JudgeColumns:
      return NumberText(V.Count) + u" judges' columns (J1, J2, ...): a panel has " +
             PanelRuleText() + u", each column once and in order";
    case FieldCount:
      return CountText(V.Count, u"field", u"fields") + u", where the header has " +
             NumberText(V.Wanted);
    case NoDiver:
      return u"no diver";
    case PairNotTwo:
      return Cut(V.Diver) + u": a synchronised pair is two divers, A / B; the row names " +
             NumberText(V.Count);
    case TeamDiffers:
      return u"the team of " + Cut(V.Diver) + u" differs from line " + NumberText(V.OtherLine);
    case NotAHeight:
      return Cut(V.Written) + u" is no height (" + AllHeightsText(u" ") + u")";
    case NotADd:
      return Cut(V.Written) + u" is no DD (3.4)";
    case ZeroDd:
      return u"a DD of " + Cut(V.Written) + u": no dive has a DD of 0";
    case NotADive:
      return Cut(V.Written) + u" is no dive at " + HeightText(V.Height);
    case NoDdAtHeight:
      return Cut(V.Written) + u" has no DD at " + HeightText(V.Height) +
             u": the dive cannot be scored";
    case DecisionWithoutAwards:
      return u"a decision (" + Cut(V.Written) + u") on a row without awards: key the awards too";
    case NotAStatus:
      return Cut(V.Written) + u" is no status: ooc, wd, dns, dsq, or empty";
    case MissingRound:
      return Cut(V.Diver) + u" has no row for round " + NumberText(V.Round);
    case NoColumnFor:
      return u"the spreadsheet has no " + V.Written + u" column to write in: add one";
    case StatedDdNotCounted:
      return Cut(V.Diver) + u", round " + NumberText(V.Round) + u": DD " + DdWords(V.Stated) +
             u" given for " + Cut(V.Written) + u" at " + HeightText(V.Height) + u", which counts " +
             DdWords(V.Dd) + u"; scored as given";
  }
  return u"";
}

std::u16string FaultPlace(std::u16string_view File, std::size_t Line) {
  std::u16string Text(File);
  if (Line != 0) Text += (Text.empty() ? LineNumber(Line) : u":" + NumberText(Line));
  return Text;
}

std::u16string CompetitionErrorText(const CompetitionError& E) {
  std::u16string Text = FaultPlace(E.File, E.Line);
  if (!Text.empty()) Text += u": ";
  if (E.List) {
    Text += ProblemText(E.List->Found, Places::ByLine);
    if (!E.List->Rule.empty()) Text += u" (" + E.List->Rule + u")";
  }
  return Text + CompetitionFaultText(E.Why, E.Values);
}

std::u16string ReadNoteText(const ReadNote& N, std::u16string_view Path) {
  std::u16string File = N.File.empty() ? std::u16string(Path) : N.File;
  switch (N.Kind) {
    case ReadNoteKind::NotUtf8:
      return File + u" is not UTF-8: read as " + N.Words + u"; Merrith writes it as UTF-8";
    case ReadNoteKind::ColumnsLeftAlone:
      return File + u": columns left alone: " + N.Words;
  }
  return File;
}

std::u16string FileClashText(const FileClash& Clash, std::u16string_view Path) {
  std::u16string Text = std::u16string(Path);
  switch (Clash.Kind) {
    case ClashKind::None:
      return u"";
    case ClashKind::Gone:
      Text += u" cannot be read any more: " + Clash.Reason;
      break;
    case ClashKind::LinesChanged:
      Text += u" was changed by another program; these lines are gone or changed:";
      for (const std::u16string& Line : Clash.Lines) Text += u"\n  " + Shortened(Line, 80);
      break;
    case ClashKind::DoesNotRead:
      Text += u" was changed by another program and no longer reads:";
      for (std::size_t I = 0; I < Clash.Errors.size() && I < 5; ++I)
        Text += u"\n  " + CompetitionErrorText(Clash.Errors[I]);
      break;
    case ClashKind::Recorded:
      Text += u" records this dive already, on line " + NumberText(Clash.Line) +
              u", written by another program";
      break;
  }
  return Text + u"\nNothing was written. Read the file again to go on from what it holds.";
}

std::u16string OutputOverInputText(std::u16string_view Output, std::u16string_view Input) {
  std::u16string Text = u"will not write " + std::u16string(Output);
  if (Output != Input) Text += u" (which is " + std::u16string(Input) + u")";
  return Text + u": it is a file the competition is read from";
}

}  // namespace merrith
