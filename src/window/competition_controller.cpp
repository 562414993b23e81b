#include "window/competition_controller.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "difficulty/explain_dive.h"
#include "report/competition_faults.h"
#include "report/judges_report.h"
#include "report/phase_report.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "report/score_report.h"
#include "report/start_list.h"
#include "scoring/advance.h"
#include "scoring/competition_csv.h"
#include "scoring/draw.h"
#include "scoring/judges_analysis.h"
#include "scoring/score_dive.h"
#include "scoring/standings.h"
#include "sheets/sheet_words.h"
#include "support/random_bytes.h"
#include "support/trim_white.h"
#include "support/utf8.h"
#include "support/words.h"
#include "window/devices_window_layout.h"
#include "window/document_seams.h"
#include "window/paths.h"

namespace merrith {

using enum CompetitionControl;

namespace {

// The most errors of a competition file that its message names one by one.
constexpr std::size_t ErrorsNamed = 10;

constexpr char16_t Dash[] = u" \u2013 ";

// What an award box takes: an award as the cards show it, or "-" for a judge who gave none.
bool IsAwardKey(char16_t C) {
  return (C >= u'0' && C <= u'9') || C == u'.' || C == u',' || C == u'-';
}
constexpr std::u16string_view TypingTip =
    u"An award as on the card: 7, 7.5 or 7,5, 10 (75 is 7.5); "
    u"- for a judge who gave none";

std::u16string JudgeName(int Index) {
  return u"J" + NumberText(static_cast<std::size_t>(Index) + 1);
}

std::u16string NotAnAward(int Index, std::u16string_view Typed) {
  return JudgeName(Index) + u": " + std::u16string(Typed) +
         u" is no award; an award is 0 to 10 in half points";
}

// The dive as the announcer reads it: round, diver and team, number and position, the dive in
// words, height and DD.
std::u16string Announced(const Competition& C, DiveTurn T) {
  const Entry& E = C.Entries[T.Entry];
  const ListedDive& L = E.Dives[T.Round - 1];
  std::u16string Text =
      u"Round " + NumberText(T.Round) + u" of " + NumberText(RoundsOf(C)) + Dash + E.Diver;
  if (!E.Team.empty()) Text += u", " + E.Team;
  Text += Dash;
  Text += L.Number;
  if (L.Position != 0 && L.Number != L.Written.Code) Text += L.Position;
  // The dive in words with its position, as the rule book names it at its height.
  if (const DiveExplanation Dive = ExplainDive(L.Written.Code, L.HeightIndex); Dive.Name)
    Text += u", " + *Dive.Name;
  if (L.HeightIndex != 0) Text += Dash + HeightText(L.HeightIndex);
  if (L.DD) Text += Dash + (u"DD " + TenthsText(*L.DD));
  return Text;
}

// The decision drop-down's entries: the choices, and a decision recorded otherwise (from a
// file: "restart+max2") as its words after them.
std::vector<std::u16string> DecisionEntries(const Decision* Recorded) {
  std::vector<std::u16string> Entries;
  for (const DecisionChoice& Choice : DecisionChoices) Entries.emplace_back(Choice.Caption);
  if (Recorded != nullptr && std::none_of(std::begin(DecisionChoices), std::end(DecisionChoices),
                                          [Recorded](const DecisionChoice& Choice) {
                                            return Choice.Decided == *Recorded;
                                          }))
    Entries.push_back(DecisionText(*Recorded));
  return Entries;
}

// The standings now, every dive recorded counted, with how far each diver is behind the leader.
std::vector<std::vector<std::u16string>> StandingRows(const Competition& C, const Standings& S) {
  std::vector<std::vector<std::u16string>> Rows{
      {u"Place", u"Diver", u"Team", u"Total", u"Last dive", u"Behind"}
  };
  const Hundredths Leader = S.Current.empty() ? 0 : S.Current.front().Total;
  for (const Standing& Row : S.Current) {
    const Entry& E = C.Entries[Row.Entry];
    Rows.push_back({PlaceText(Row, E), E.Diver, E.Team, PointsText(Row.Total),
                    Row.Dives.empty() ? u"" : PointsText(Row.Dives.back().Scored.Points),
                    Row.Place > 1 ? PointsText(Leader - Row.Total) : u""});
  }
  return Rows;
}

// The dives recorded, the last first, each scored on its own.
std::vector<std::vector<std::u16string>> RecordedRows(const Competition& C) {
  std::vector<std::vector<std::u16string>> Rows{
      {u"Round", u"Diver", u"Dive", u"Awards", u"Decision", u"Points"}
  };
  for (auto R = C.Recorded.rbegin(); R != C.Recorded.rend(); ++R) {
    const ListedDive& L = C.Entries[R->Entry].Dives[R->Round - 1];
    std::u16string Awards;
    for (const std::optional<HalfPoints>& A : R->Awards)
      AppendJoined(Awards, u" ", A ? AwardText(*A) : u"-");
    const ScoredDive Scored = ScoreDive(C.Judges, R->Awards, R->Decided, L.DD.value_or(0));
    Rows.push_back({NumberText(R->Round), C.Entries[R->Entry].Diver, L.Written.Code, Awards,
                    DecisionText(R->Decided), PointsText(Scored.Points)});
  }
  return Rows;
}

// A diver's first round without a recorded dive: the one a withdrawal or a disqualification
// counts from. One past the list when every dive of it is recorded.
std::size_t FirstRoundNotDived(const CEventEngine& Engine, std::size_t Diver) {
  std::size_t Round = 1;
  while (Engine.RecordedFor({Diver, Round}) != nullptr) ++Round;
  return Round;
}

constexpr std::u16string_view AwardsKept = u" The awards are still keyed: record them again.";

}  // namespace

std::u16string CompetitionErrorsMessage(std::u16string_view Path,
                                        const std::vector<CompetitionError>& Errors) {
  std::u16string Message = u"Cannot open " + std::u16string(Path) + u":";
  for (std::size_t I = 0; I < Errors.size() && I < ErrorsNamed; ++I) {
    CompetitionError E = Errors[I];
    if (E.File.empty()) E.File = Path;
    Message += u"\n" + CompetitionErrorText(E);
  }
  if (Errors.size() > ErrorsNamed)
    Message += u"\nand " + NumberText(Errors.size() - ErrorsNamed) + u" more errors";
  return Message;
}

CCompetitionController::CCompetitionController(BookSource Events) : Book(std::move(Events)) {}

void CCompetitionController::Attach(std::unique_ptr<WindowView> View,
                                    std::optional<Dialogs> Given) {
  Shown = std::move(View);
  Asks = Given ? std::move(*Given) : Shown->SystemDialogs();
}

bool CCompetitionController::Load(std::u16string_view FileName) {
  Devices.reset();
  Engine.emplace(Book());
  const OpenAnswer Opened = Engine->Open(FileName);
  if (!Opened.Opened) {
    Asks->Message(CompetitionErrorsMessage(FileName, Opened.Errors));
    return false;
  }
  Correcting.reset();
  std::vector<std::u16string> Statuses;
  for (const StatusChoice& Choice : StatusChoices) Statuses.emplace_back(Choice.Caption);
  Shown->SetChoices(cboStatus, Statuses);
  Shown->Pick(cboStatus, 0);
  ShowHeld();
  std::u16string Notes;
  for (const ReadNote& N : Opened.Notes) AppendJoined(Notes, u"\n", ReadNoteText(N, FileName));
  if (!Opened.Holder.empty())
    AppendJoined(Notes, u"\n", u"Opened to read only: " + Opened.Holder + u" is recording it.");
  if (!Notes.empty()) Asks->Message(Notes);
  return true;
}

void CCompetitionController::ShowHeld() {
  ShowCaption();
  ShowJudges();
  ShowRecorded();
  ShowKeyed();
}

std::optional<DiveTurn> CCompetitionController::Keyed() const {
  if (Correcting) return Correcting;
  return Engine->UpNext();
}

void CCompetitionController::ShowCaption() {
  std::u16string Caption = u"Competition - " + FileNameOf(Engine->Path());
  if (!Engine->Holder().empty()) Caption += u" (read only: " + Engine->Holder() + u" records it)";
  Shown->SetCaption(Caption);
}

// A box a seat of the panel; the seats of larger panels hide.
void CCompetitionController::ShowJudges() {
  for (int I = 0; I < MaxJudges; ++I) {
    const bool Sits = I < Judges();
    Shown->SetVisible(JudgeLabelOf(I), Sits);
    Shown->SetVisible(AwardBoxOf(I), Sits);
    if (!Sits) continue;
    const std::u16string_view Watches = SeatWords(SeatOf(Held().Judges, I));
    Shown->SetTip(JudgeLabelOf(I), u"Judge " + NumberText(static_cast<std::size_t>(I) + 1) +
                                       (Watches.empty() ? u"" : u": " + std::u16string(Watches)));
  }
}

// The standings as the results print them, the rounds so far, and every dive recorded.
void CCompetitionController::ShowRecorded() {
  const Competition& C = Held();
  const Standings S = RankCompetition(C);
  const auto Standing = StandingRows(C, S);
  Shown->SetRows(grdStandings, Standing);
  Shown->SetText(lblStandings, S.RoundUnderWay()
                                   ? u"Standings now (round under way; the result is the rounds "
                                     u"complete):"
                                   : u"Standings:");
  const auto Recorded = RecordedRows(C);
  Shown->SetRows(grdDives, Recorded);
  Shown->SetText(lblRounds, RoundsText(C, S));
  // A draw is for an order nobody has dived in yet.
  Shown->Enable(cmdDraw, C.Recorded.empty());
}

// The dive the boxes are for, the boxes as recorded (empty for the dive up next), and the
// focus in the first box.
void CCompetitionController::ShowKeyed() {
  if (Devices) Devices->Follow();
  const std::optional<DiveTurn> Turn = Keyed();
  Shown->SetText(lblUpNext, Correcting ? u"Correcting:" : u"Up next:");
  Shown->SetText(lblDive, Turn ? Announced(Held(), *Turn) : u"Every dive is recorded.");
  FillBoxes(Correcting ? Engine->RecordedFor(*Correcting) : nullptr);
  for (int I = 0; I < Judges(); ++I) Shown->Enable(AwardBoxOf(I), Turn.has_value());
  Shown->Enable(cboDecision, Turn.has_value());
  Shown->Enable(cmdRecord, Turn.has_value());
  Shown->Enable(cmdCancel, Correcting.has_value());
  if (Turn) Shown->Focus(AwardBoxOf(0));
}

void CCompetitionController::FillBoxes(const RecordedDive* From) {
  for (int I = 0; I < Judges(); ++I) {
    const std::optional<HalfPoints> Award =
        From != nullptr ? From->Awards[static_cast<std::size_t>(I)] : std::nullopt;
    Shown->SetText(AwardBoxOf(I), From == nullptr ? u"" : Award ? AwardText(*Award) : u"-");
  }
  const std::vector<std::u16string> Entries =
      DecisionEntries(From != nullptr ? &From->Decided : nullptr);
  Shown->SetChoices(cboDecision, Entries);
  int Picked = 0;
  if (From != nullptr) {
    const auto* Found = std::find_if(
        std::begin(DecisionChoices), std::end(DecisionChoices),
        [From](const DecisionChoice& Choice) { return Choice.Decided == From->Decided; });
    Picked = static_cast<int>(Found - std::begin(DecisionChoices));
  }
  Shown->Pick(cboDecision, Picked);
}

bool CCompetitionController::Told(const EngineAnswer& Answer, std::u16string_view Kept) {
  // A window that read only may have taken the file over, whatever became of the request.
  ShowCaption();
  switch (Answer.Step) {
    case EngineStep::Done:
      if (Answer.TakenIn > 0)
        Asks->Message(CountText(Answer.TakenIn, u"line", u"lines") +
                      u" that another program added to the file were read in.");
      return true;
    case EngineStep::ReadOnly:
      Asks->Message(u"Opened to read only: " + Engine->Holder() + u" is recording it." +
                    std::u16string(Kept));
      return false;
    case EngineStep::Refused:
      Asks->Message(Answer.Fault ? CompetitionFaultText(Answer.Fault->Why, Answer.Fault->Values)
                                 : u"Nothing was written.");
      return false;
    case EngineStep::Clash:
      if (Asks->AskYesNo(FileClashText(Answer.Clash, Engine->Path()) + u"\n\nRead it again now?",
                         u"Read again", u"Not now")) {
        const EngineAnswer Again = Engine->Reload();
        Correcting.reset();
        ShowHeld();
        if (!Again.Done()) Asks->Message(FileClashText(Again.Clash, Engine->Path()));
      }
      return false;
    case EngineStep::WriteFailed:
      Asks->Message(FileMessage(Answer.Written) + std::u16string(Kept));
      return false;
  }
  return false;
}

bool CCompetitionController::Record() {
  const std::optional<DiveTurn> Turn = Keyed();
  if (!Turn) return false;
  KeyedDive Keyed{*Turn, {}, {}};
  for (int I = 0; I < Judges(); ++I) {
    const std::u16string Typed = Shown->Text(AwardBoxOf(I));
    const std::optional<HalfPoints> Award = ReadTypedAward(Typed);
    if (!Award && !IsMissingAward(Typed)) {
      Asks->Message(Typed.empty() ? JudgeName(I) + u" has no award: type one, or - for none"
                                  : NotAnAward(I, Typed));
      Shown->Focus(AwardBoxOf(I));
      return false;
    }
    Keyed.Awards.push_back(Award);
  }
  const int Picked = Shown->Picked(cboDecision);
  const RecordedDive* Was = Correcting ? Engine->RecordedFor(*Correcting) : nullptr;
  if (Picked >= 0 && static_cast<std::size_t>(Picked) < std::size(DecisionChoices))
    Keyed.Decided = DecisionChoices[Picked].Decided;
  else if (Was != nullptr && Picked >= 0)
    Keyed.Decided = Was->Decided;  // the file's own decision, kept
  if (!Correcting && Devices && Devices->Venue().RefereeConnected()) {
    HandToReferee(Keyed);
    return false;
  }
  if (!Told(Engine->Record(Keyed), AwardsKept)) {
    Shown->Focus(AwardBoxOf(0));
    return false;
  }
  Correcting.reset();
  ShowCaption();
  ShowRecorded();
  ShowKeyed();
  return true;
}

void CCompetitionController::Correct(std::size_t Index) {
  const std::vector<RecordedDive>& Recorded = Held().Recorded;
  if (Index >= Recorded.size()) return;
  Correcting = DiveTurn{Recorded[Index].Entry, Recorded[Index].Round};
  ShowKeyed();
}

void CCompetitionController::CancelCorrection() {
  Correcting.reset();
  ShowKeyed();
}

bool CCompetitionController::SetStatus() {
  const int Row = Shown->PickedRow(grdStandings);
  const int Picked = Shown->Picked(cboStatus);
  const Standings S = RankCompetition(Held());
  if (Row < 0 || static_cast<std::size_t>(Row) >= S.Current.size() || Picked < 0 ||
      static_cast<std::size_t>(Picked) >= std::size(StatusChoices)) {
    Asks->Message(u"Pick a diver in the standings and a status first.");
    return false;
  }
  const std::size_t Diver = S.Current[static_cast<std::size_t>(Row)].Entry;
  const EngineAnswer Answer = Engine->SetStatus(Diver, StatusChoices[Picked].Status,
                                                FirstRoundNotDived(*Engine, Diver), u"");
  if (!Told(Answer, u"")) return false;
  ShowCaption();
  ShowRecorded();
  ShowKeyed();
  // The diver stays picked, wherever the status puts them in the standings.
  const Standings Now = RankCompetition(Held());
  for (std::size_t I = 0; I < Now.Current.size(); ++I)
    if (Now.Current[I].Entry == Diver) Shown->PickRow(grdStandings, static_cast<int>(I));
  return true;
}

bool CCompetitionController::MayWrite(std::u16string_view Output) {
  const std::u16string Input = InputAt(Engine->Path(), Held(), Output);
  if (!Input.empty()) Asks->Message(OutputOverInputText(Output, Input));
  return Input.empty();
}

void CCompetitionController::PrintResults() {
  const std::u16string Page = Engine->Path() + u".htm";
  if (!MayWrite(Page)) return;
  ShowWrittenPage(*Asks, WriteResultsPage(Held(), RankCompetition(Held()), Page), Page);
}

void CCompetitionController::ExportCsv() {
  const std::u16string& Path = Engine->Path();
  const std::u16string Start = IsCsvPath(Path) ? Path + u".copy.csv" : Path + u".csv";
  const auto Chosen = Asks->AskSavePath(CsvToSave, Start);
  if (!Chosen || !MayWrite(*Chosen)) return;
  if (const FileOutcome Written = WriteFileBytes(*Chosen, EncodeUtf8(CompetitionCsv(Held())));
      !Written.Done())
    Asks->Message(FileMessage(Written));
}

std::u16string CCompetitionController::PageBeside(std::u16string_view Suffix) const {
  const std::u16string& Path = Engine->Path();
  const std::size_t Name = Path.find_last_of(u"/\\") + 1;
  const std::size_t Dot = Path.rfind(u'.');
  const std::size_t Stem = Dot == std::u16string::npos || Dot <= Name ? Path.size() : Dot;
  return Path.substr(0, Stem) + std::u16string(Suffix);
}

std::optional<std::uint64_t> CCompetitionController::SeedAsked() {
  const std::u16string Typed(mXMLParser::TrimAnyWhite(Shown->Text(txSeed)));
  if (Typed.empty()) {
    const std::optional<std::uint64_t> Seed = SystemRandomSeed();
    if (!Seed) Asks->Message(u"The system gave no random seed: type one as the seed.");
    return Seed;
  }
  const std::optional<std::uint64_t> Seed = ReadSeed(Typed);
  if (!Seed) Asks->Message(u"The seed takes " + std::u16string(SeedWords) + u".");
  return Seed;
}

bool CCompetitionController::Draw() {
  const std::optional<std::uint64_t> Seed = SeedAsked();
  if (!Seed) return false;
  const EngineAnswer Drawn = Engine->Draw(*Seed);
  if (Drawn.Step == EngineStep::Refused && Drawn.Fault) {
    Asks->Message(Engine->Path() + u": " +
                  CompetitionFaultText(Drawn.Fault->Why, Drawn.Fault->Values));
    return false;
  }
  if (!Told(Drawn, u"")) return false;
  Correcting.reset();
  ShowHeld();
  Asks->Message(u"Draw: seed " + SeedText(*Seed) + u" (2.1.1), the starting order written to " +
                Engine->Path() + u".");
  return true;
}

void CCompetitionController::PrintStartList() {
  const std::u16string Page = PageBeside(u"-start-list.htm");
  if (!MayWrite(Page)) return;
  ShowWrittenPage(*Asks, WriteStartListPage(Held(), Page), Page);
}

void CCompetitionController::PrintRanking() {
  const std::size_t Round = std::max<std::size_t>(RankCompetition(Held()).RoundsFinished, 1);
  const Standings S = RankCompetition(Held(), Round);
  if (Round > S.RoundsFinished) {
    Asks->Message(NoRankingText(Held(), S, Round));
    return;
  }
  const std::u16string Page = PageBeside(u"-after-round-" + NumberText(Round) + u".htm");
  if (!MayWrite(Page)) return;
  ShowWrittenPage(*Asks, WriteResultsPage(Held(), S, Page), Page);
}

bool CCompetitionController::NextPhase() {
  const std::optional<std::size_t> Top =
      ReadWholeNumber(mXMLParser::TrimAnyWhite(Shown->Text(txTop)), 1, MostTop);
  if (!Top) {
    Asks->Message(u"Top takes " + std::u16string(TopWords) + u".");
    return false;
  }
  const std::optional<std::uint64_t> Seed = SeedAsked();
  if (!Seed) return false;
  AdvanceAsk Ask{*Top, Phase::Final, *Seed};
  const Standings S = RankCompetition(Held());
  AdvancedPhase A = AdvancePhase(Held(), S, Ask);
  if (A.Fault != AdvanceFault::None) {
    Asks->Message(Engine->Path() + u": " + AdvanceFaultText(A.Fault));
    return false;
  }
  if (Held().Stage != Phase::SemiFinal &&
      !Asks->AskYesNo(u"Which phase comes next?", u"Final", u"Semi-final")) {
    Ask.Next = Phase::SemiFinal;
    A = AdvancePhase(Held(), S, Ask);
  }
  const auto Next = Asks->AskSavePath(
      NextPhaseToSave, PageBeside(Ask.Next == Phase::Final ? u"-final.txt" : u"-semi-final.txt"));
  if (!Next) return false;
  const NextPhaseWrite Written = WriteNextPhase(Engine->Path(), Held(), S, A, *Next, Book());
  if (!Written.Refusal.empty()) {
    Asks->Message(Written.Refusal);
    return false;
  }
  if (!Written.Errors.empty()) {
    Asks->Message(CompetitionErrorsMessage(*Next, Written.Errors));
    return false;
  }
  if (!Written.Written.Done()) {
    Asks->Message(FileMessage(Written.Written));
    return false;
  }
  // The report's head says who went through; its table is the next phase's start list.
  const std::u16string Report = AdvanceReport(Held(), S, Ask, A);
  Asks->Message(Report.substr(0, Report.find(u"\n\n")) + u"\n\nWritten to " + *Next + u".");
  return true;
}

void CCompetitionController::PrintJudges() {
  if (Held().Recorded.empty()) {
    Asks->Message(Engine->Path() + u": " + std::u16string(NoAwardsText));
    return;
  }
  const std::u16string Page = PageBeside(u"-judges.htm");
  if (!MayWrite(Page)) return;
  const Standings S = RankCompetition(Held());
  ShowWrittenPage(*Asks, WriteJudgesPage(Held(), S, AnalyseJudges(Held(), S), Page), Page);
}

void CCompetitionController::Run(WindowCommand Command, ControlId) {
  switch (Command) {
    case WindowCommand::RecordDive:
      Record();
      break;
    case WindowCommand::CorrectDive: {
      // The grid shows the last dive first.
      const int Row = Shown->PickedRow(grdDives);
      const std::size_t Recorded = Held().Recorded.size();
      if (Row >= 0 && static_cast<std::size_t>(Row) < Recorded)
        Correct(Recorded - 1 - static_cast<std::size_t>(Row));
      break;
    }
    case WindowCommand::CancelCorrection:
      CancelCorrection();
      break;
    case WindowCommand::PrintResults:
      PrintResults();
      break;
    case WindowCommand::ExportCsv:
      ExportCsv();
      break;
    case WindowCommand::SetDiverStatus:
      SetStatus();
      break;
    case WindowCommand::DrawStartOrder:
      Draw();
      break;
    case WindowCommand::PrintStartList:
      PrintStartList();
      break;
    case WindowCommand::PrintRanking:
      PrintRanking();
      break;
    case WindowCommand::MakeNextPhase:
      NextPhase();
      break;
    case WindowCommand::PrintJudges:
      PrintJudges();
      break;
    case WindowCommand::JudgesDevices:
      OpenDevices();
      break;
    default:
      break;
  }
}

bool CCompetitionController::QueryClose() {
  if (Devices) Devices->Close();
  if (Engine) Engine->Close();
  return true;
}

// Another recorder waiting on the file may take it over as soon as this window is gone.
void CCompetitionController::CloseAsked() {
  QueryClose();
  if (IsOpen()) Shown->Close();
}

KeyAnswer CCompetitionController::Key(ControlId Box, KeyPress Pressed) {
  const int Index = Box.Row - ControlId(txAward1).Row;
  if (Index < 0 || Index >= Judges()) return {};
  KeyAnswer Handled{KeyAnswer::Kind::Handled, {}};
  const std::u16string Typed = Shown->Text(Box);
  switch (Pressed.Pressed) {
    case KeyPress::Kind::Char:
      if (IsAwardKey(Pressed.Char)) return {};
      return {KeyAnswer::Kind::Refuse, std::u16string(TypingTip)};
    case KeyPress::Kind::Space:
    case KeyPress::Kind::Tab:
    case KeyPress::Kind::Enter:
      // An empty box may be passed and filled later; a wrong award is put right first.
      if (!Typed.empty() && !IsMissingAward(Typed) && !ReadTypedAward(Typed))
        return {KeyAnswer::Kind::Refuse, NotAnAward(Index, Typed)};
      if (Index + 1 < Judges()) {
        Shown->Focus(AwardBoxOf(Index + 1));
      } else if (Pressed.Pressed == KeyPress::Kind::Enter) {
        Record();
      } else {
        Shown->Focus(cboDecision);
      }
      return Handled;
    case KeyPress::Kind::Backspace:
      if (!Typed.empty() || Index == 0) return {};
      Shown->Focus(AwardBoxOf(Index - 1));
      return Handled;
    case KeyPress::Kind::Escape:
      if (!Correcting) return {};
      CancelCorrection();
      return Handled;
  }
  return {};
}

void CCompetitionController::OpenDevices() {
  if (!Devices)
    Devices = std::make_unique<CDevicesController>(
        *Engine, [View = Shown.get()](std::function<void()> Task) { View->Post(std::move(Task)); },
        *Asks, [this](bool NextDive) { DevicesChanged(NextDive); });
  if (!Devices->IsOpen()) {
    std::unique_ptr<WindowView> View = Shown->OpenView(
        DevicesWindow, u"Judges' devices - " + FileNameOf(Engine->Path()), *Devices);
    if (!View) {
      Asks->Message(u"The judges' devices' window could not be opened.");
      return;
    }
    Devices->Attach(std::move(View));
  }
  Devices->View().Show();
}

// After a dive accepted, the next one; else each pad's award in its box, and the box of one
// the referee asked again for emptied. A correction keyed is left as it is.
void CCompetitionController::DevicesChanged(bool NextDive) {
  if (NextDive) {
    ShowCaption();
    ShowRecorded();
    if (!Correcting) ShowKeyed();
    return;
  }
  if (Correcting) return;
  const std::vector<SeatAward>& Seats = Devices->Room().Seats();
  for (std::size_t I = 0; I < Seats.size() && I < static_cast<std::size_t>(Judges()); ++I) {
    if (Seats[I].Typed) continue;
    if (Seats[I].State == AwardState::Received)
      Shown->SetText(AwardBoxOf(static_cast<int>(I)), AwardText(*Seats[I].Award));
    if (Seats[I].State == AwardState::AskedAgain)
      Shown->SetText(AwardBoxOf(static_cast<int>(I)), u"");
  }
}

// With the referee's screen connected the referee accepts: the awards keyed go to the judging
// room as the recorder's, and the dive waits there. A pad's award in its box stays the pad's,
// and "-" is the referee's to go without.
void CCompetitionController::HandToReferee(const KeyedDive& Keyed) {
  CJudgingRoom& Room = Devices->Room();
  for (std::size_t I = 0; I < Keyed.Awards.size() && I < Room.Seats().size(); ++I) {
    const SeatAward& Seat = Room.Seats()[I];
    if (Keyed.Awards[I] && !(Seat.State == AwardState::Received && Seat.Award == Keyed.Awards[I]))
      Room.Type(I, Keyed.Awards[I]);
  }
  Shown->SetText(lblDive,
                 Announced(Held(), Keyed.Turn) + Dash + u"waiting for the referee's Accept");
}

}  // namespace merrith
