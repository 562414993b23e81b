#include "scoring/competition.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "scoring/competition_csv.h"
#include "scoring/dive_check.h"
#include "scoring/draw.h"
#include "sheets/check_sheet.h"
#include "sheets/final_list.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// The keys of a competition's lines: those of the head, up to Reserve, then a diver's.
enum class Key : std::uint8_t {
  Event,
  Book,
  Panel,
  Meet,
  Phase,
  Draw,
  Judges,
  Reserve,
  Diver,
  Team,
  Sheet,
  Carried,
  Status,
  Other
};

constexpr bool IsHeadKey(Key K) { return K <= Key::Reserve; }

struct KeyName {
  Key Is;
  std::u16string_view Name;
};

// clang-format off
constexpr KeyName KeyNames[] = {
    {Key::Event,   u"Event"},
    {Key::Book,    u"Book"},
    {Key::Panel,   u"Panel"},
    {Key::Meet,    u"Meet"},
    {Key::Phase,   u"Phase"},
    {Key::Draw,    u"Draw"},
    {Key::Judges,  u"Judges"},
    {Key::Reserve, u"Reserve"},
    {Key::Diver,   u"Diver"},
    {Key::Team,    u"Team"},
    {Key::Sheet,   u"Sheet"},
    {Key::Carried, u"Carried"},
};
// clang-format on

// The word before a Draw: line's seed.
constexpr std::u16string_view SeedWord = u"seed";

// The word that starts the line of a recorded dive, and the mark between its parts.
constexpr std::u16string_view RoundWord = u"Round";
constexpr char16_t Bar = u'|';

// A "Key: value" line's key, the status it sets (for Key::Status) and its value.
struct KeyLine {
  Key Is = Key::Other;
  DiverStatus Status = DiverStatus::Ok;
  std::u16string_view Name;
  std::u16string_view Value;
};

KeyLine KeyOf(std::u16string_view Line) {
  const std::size_t Colon = Line.find(u':');
  if (Colon == std::u16string_view::npos) return {};
  const std::u16string_view Name = mXMLParser::TrimWhiteView(Line.substr(0, Colon));
  const std::u16string_view Value = mXMLParser::TrimWhiteView(Line.substr(Colon + 1));
  for (const KeyName& K : KeyNames)
    if (SameWord(K.Name, Name)) return {K.Is, DiverStatus::Ok, K.Name, Value};
  for (const StatusRow& S : StatusRows)
    if (!S.Key.empty() && SameWord(S.Key, Name)) return {Key::Status, S.Status, S.Key, Value};
  return {};
}

// A recorded dive's line: "Round", a gap, and | marks between its parts. ("Round 1: 105B" is a
// dive of a list, as a sheet reads it.)
bool IsRecordLine(std::u16string_view Line) {
  return Line.size() > RoundWord.size() && SameWord(Line.substr(0, RoundWord.size()), RoundWord) &&
         (Line[RoundWord.size()] == u' ' || Line[RoundWord.size()] == u'\t') &&
         Line.find(Bar) != std::u16string_view::npos;
}

// The parts of Text between | marks, trimmed, in Parts (which a reader keeps from line to
// line, so that a thousand dives recorded take no thousand lists).
void BarParts(std::u16string_view Text, std::vector<std::u16string_view>& Parts) {
  Parts.clear();
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(Bar, Start);
    Parts.push_back(mXMLParser::TrimWhiteView(Text.substr(Start, End - Start)));
    if (End == std::u16string_view::npos) return;
    Start = End + 1;
  }
}

// The round "Round 3" or "round 3" names, after the word; nothing for anything else.
std::optional<std::size_t> RoundNamed(std::u16string_view Text) {
  if (Text.size() <= RoundWord.size() || !SameWord(Text.substr(0, RoundWord.size()), RoundWord))
    return std::nullopt;
  return ReadWholeNumber(mXMLParser::TrimWhiteView(Text.substr(RoundWord.size())), 1, MostRounds);
}

// The words of Text apart at spaces and tabs, in Found (kept from line to line, as BarParts's).
void Words(std::u16string_view Text, std::vector<std::u16string_view>& Found) {
  Found.clear();
  const auto IsGap = [](char16_t C) { return C == u' ' || C == u'\t'; };
  for (std::size_t At = 0; At < Text.size();) {
    if (IsGap(Text[At])) {
      ++At;
      continue;
    }
    const std::size_t Start = At;
    while (At < Text.size() && !IsGap(Text[At])) ++At;
    Found.push_back(Text.substr(Start, At - Start));
  }
}

// The folder part of Path, with its last separator; empty when Path names none.
std::u16string FolderOf(std::u16string_view Path) {
  const std::size_t Last = Path.find_last_of(u"/\\");
  return Last == std::u16string_view::npos ? u"" : std::u16string(Path.substr(0, Last + 1));
}

bool IsAbsolute(std::u16string_view Path) {
  return (!Path.empty() && (Path[0] == u'/' || Path[0] == u'\\')) ||
         (Path.size() > 2 && Path[1] == u':' && (Path[2] == u'/' || Path[2] == u'\\'));
}

// A diver's lines as read: the Diver: line, its own keys, and the lines of an inline list.
struct EntryLines {
  Entry Read;
  std::size_t Index = 0;  // its place in the starting order
  bool Broken = false;    // its Diver: line has an error: its lines are skipped
  std::size_t TeamLine = 0;
  std::size_t SheetLine = 0;
  std::size_t CarriedLine = 0;
  std::vector<std::pair<std::size_t, std::u16string_view>> Inline;  // line, text
};

// A list read, and checked where it reads without problems: divers whose lists have the same
// text (the same dives inline, or the same sheet) share it.
struct ListRead {
  SheetText Sheet;
  std::optional<CheckedSheet> Checked;  // once it is checked
};

// A status line as read, set once every diver is known.
struct StatusLine {
  std::size_t Line = 0;
  DiverStatus Status = DiverStatus::Ok;
  std::u16string_view Diver;
  std::size_t Round = 0;
  std::u16string_view Reason;
};

// The competition as it is read, line by line, then each list checked.
class Reader {
 public:
  Reader(const EventBook& Known, const SheetFileReader& Files) : Book(Known), Sheets(Files) {}

  void ReadLine(std::size_t Number, std::u16string_view Line) {
    if (IsRecordLine(Line)) {
      if (!InRecords) EndLists(Number);
      return ReadRecord(Number, Line);
    }
    const KeyLine K = KeyOf(Line);
    if (K.Is == Key::Status) return ReadStatus(Number, K);
    if (InRecords)
      return Error(Number, CompetitionFault::NotARecordedDive, {.Written = std::u16string(Line)});
    if (K.Is == Key::Diver) return StartEntry(Number, K.Value);
    if (!AnyEntry) return ReadHead(Number, K, Line);
    if (!Current.Broken) ReadEntryLine(Number, K, Line);
  }

  CompetitionRead Take(std::size_t LastLine) {
    if (!InRecords) EndHead(AnyEntry ? LastLine : 0);
    EndEntry();
    SetStatuses();
    std::stable_sort(Out.Errors.begin(), Out.Errors.end(),
                     [](const CompetitionError& A, const CompetitionError& B) {
                       return A.File == B.File ? A.Line < B.Line : A.File.empty();
                     });
    return std::move(Out);
  }

 private:
  void Error(std::size_t Line, CompetitionFault Why, FaultValues Values = {},
             std::u16string File = u"") {
    Out.Errors.push_back({std::move(File), Line, Why, std::move(Values), {}});
  }

  void ReadHead(std::size_t Number, const KeyLine& K, std::u16string_view Line) {
    if (!IsHeadKey(K.Is))
      return Error(Number, CompetitionFault::HeadLine, {.Written = std::u16string(Line)});
    if (K.Is == Key::Reserve) return ReadReserve(Number, K.Value);
    std::size_t& Seen = HeadLines[static_cast<std::size_t>(K.Is)];
    if (Seen != 0)
      return Error(Number, CompetitionFault::KeyTwice,
                   {.Written = std::u16string(K.Name), .OtherLine = Seen});
    Seen = Number;
    Competition& C = Out.Read;
    switch (K.Is) {
      case Key::Event:
        C.EventId = K.Value;  // found in the book once the head has named it
        return;
      case Key::Book:
        C.Book = K.Value;
        return;
      case Key::Panel:
        return ReadPanel(Number, K.Value);
      case Key::Meet:
        return ReadMeet(Number, K.Value);
      case Key::Phase:
        return ReadPhase(Number, K.Value);
      case Key::Draw:
        return ReadDraw(Number, K.Value);
      default:
        return ReadJudges(Number, K.Value);
    }
  }

  void ReadPanel(std::size_t Number, std::u16string_view Value) {
    if (const std::optional<std::size_t> N = ReadWholeNumber(Value, 1, MaxJudges);
        N && PanelOfJudges(static_cast<int>(*N))) {
      Out.Read.Judges = *PanelOfJudges(static_cast<int>(*N));
      return;
    }
    Error(Number, CompetitionFault::NotAPanel, {.Written = std::u16string(Value)});
    PanelRead = false;
  }

  void ReadMeet(std::size_t Number, std::u16string_view Value) {
    BarParts(Value, Parts);
    if (Parts.size() > 2 || Parts[0].empty())
      return Error(Number, CompetitionFault::MeetShape, {.Written = std::u16string(Value)});
    Out.Read.Meet = Parts[0];
    if (Parts.size() == 2) Out.Read.MeetDate = Parts[1];
  }

  void ReadPhase(std::size_t Number, std::u16string_view Value) {
    for (const PhaseRow& Row : PhaseRows)
      if (!Row.Word.empty() && SameWord(Row.Word, Value)) {
        Out.Read.Stage = Row.Is;
        return;
      }
    Error(Number, CompetitionFault::NotAPhase, {.Written = std::u16string(Value)});
  }

  // "seed 42": the seed of the draw that set the starting order.
  void ReadDraw(std::size_t Number, std::u16string_view Value) {
    Words(Value, Parts);
    std::optional<std::uint64_t> Seed;
    if (Parts.size() == 2 && SameWord(Parts[0], SeedWord)) Seed = ReadSeed(Parts[1]);
    if (!Seed) return Error(Number, CompetitionFault::NotASeed, {.Written = std::u16string(Value)});
    Out.Read.DrawSeed = Seed;
    Out.Read.DrawLine = Number;
  }

  // "J1 Ann Judge (GBR), J2 Bob Judge (USA)": each judge by seat, the nation where given; the
  // seats are checked against the panel once the head is read.
  void ReadJudges(std::size_t Number, std::u16string_view Value) {
    std::vector<NamedJudge>& Named = Out.Read.JudgeNames;
    for (std::size_t Start = 0; Start <= Value.size();) {
      std::size_t End = Value.find(u',', Start);
      if (End == std::u16string_view::npos) End = Value.size();
      const std::u16string_view Item = mXMLParser::TrimWhiteView(Value.substr(Start, End - Start));
      Start = End + 1;
      std::optional<NamedJudge> J = ReadJudge(Number, Item);
      if (!J) continue;
      const auto Twice = std::find_if(Named.begin(), Named.end(),
                                      [&J](const NamedJudge& N) { return N.Seat == J->Seat; });
      if (Twice != Named.end()) {
        Error(Number, CompetitionFault::JudgeTwice, {.Written = u"J" + NumberText(J->Seat)});
        continue;
      }
      Named.push_back(std::move(*J));
    }
    std::sort(Named.begin(), Named.end(),
              [](const NamedJudge& A, const NamedJudge& B) { return A.Seat < B.Seat; });
  }

  std::optional<NamedJudge> ReadJudge(std::size_t Number, std::u16string_view Item) {
    // The seat, J and its number, then the name.
    std::size_t At = 1;
    while (At < Item.size() && IsDigit(Item[At])) ++At;
    const bool Opens = !Item.empty() && (Item[0] == u'J' || Item[0] == u'j');
    const std::optional<std::size_t> Seat =
        Opens ? ReadWholeNumber(Item.substr(1, At - 1), 1, MostRounds) : std::nullopt;
    const bool Apart = At >= Item.size() || Item[At] == u' ' || Item[At] == u'\t';
    std::u16string_view Name = Seat ? mXMLParser::TrimWhiteView(Item.substr(At)) : u"";
    // The nation, in brackets after the name.
    std::optional<std::u16string_view> Nation;
    if (const std::size_t Bracket = Name.rfind(u'(');
        Name.ends_with(u')') && Bracket != Name.npos) {
      Nation = mXMLParser::TrimWhiteView(Name.substr(Bracket + 1, Name.size() - Bracket - 2));
      Name = mXMLParser::TrimWhiteView(Name.substr(0, Bracket));
    }
    if (!Seat || !Apart || Name.empty()) {
      Error(Number, CompetitionFault::JudgeShape, {.Written = std::u16string(Item)});
      return std::nullopt;
    }
    std::u16string Letters(Nation.value_or(u""));
    for (char16_t& C : Letters)
      if (C >= u'a' && C <= u'z') C = static_cast<char16_t>(C - u'a' + u'A');
    const bool Three =
        Letters.size() == 3 && std::all_of(Letters.begin(), Letters.end(),
                                           [](char16_t C) { return C >= u'A' && C <= u'Z'; });
    if (Nation && !Three) {
      Error(Number, CompetitionFault::NotANation, {.Written = std::u16string(*Nation)});
      return std::nullopt;
    }
    return NamedJudge{*Seat, std::u16string(Name), std::move(Letters)};
  }

  void ReadReserve(std::size_t Number, std::u16string_view Value) {
    BarParts(Value, Parts);
    if (Parts.size() > 2 || Parts[0].empty())
      return Error(Number, CompetitionFault::ReserveShape, {.Written = std::u16string(Value)});
    Out.Read.Reserves.push_back(
        {std::u16string(Parts[0]), Parts.size() == 2 ? std::u16string(Parts[1]) : u""});
  }

  // The lists end at the first recorded dive: no more can be recorded than they hold.
  void EndLists(std::size_t Number) {
    EndHead(Number);
    EndEntry();
    InRecords = true;
    // A place for the line of each dive listed, each diver's after the one before.
    RecordStarts.reserve(Out.Read.Entries.size() + 1);
    RecordStarts.push_back(0);
    for (const Entry& E : Out.Read.Entries)
      RecordStarts.push_back(RecordStarts.back() + E.Dives.size());
    RecordLines.assign(RecordStarts.back(), 0);
    Out.Read.Recorded.reserve(RecordStarts.back());
  }

  // The head ends at the first diver or the first recorded dive: the book, the event and the
  // panel are found and fitted together then, once for every list.
  void EndHead(std::size_t Number) {
    if (HeadEnded) return;
    HeadEnded = true;
    Competition& C = Out.Read;
    const std::size_t EventLine = LineOf(Key::Event);
    const std::size_t BookLine = LineOf(Key::Book);
    const std::size_t PanelLine = LineOf(Key::Panel);
    if (EventLine == 0) Error(Number, CompetitionFault::NoEvent);
    if (PanelLine == 0) Error(Number, CompetitionFault::NoPanel);
    if (BookLine == 0) C.Book = DefaultBookId;
    if (PanelLine != 0 && PanelRead)
      for (const NamedJudge& J : C.JudgeNames)
        if (J.Seat > static_cast<std::size_t>(JudgesOf(C.Judges)))
          Error(LineOf(Key::Judges), CompetitionFault::JudgeSeat,
                {.Written = u"J" + NumberText(J.Seat),
                 .Count = static_cast<std::size_t>(JudgesOf(C.Judges))});
    C.ListsChecked = true;
    BookFound = Book.FindBook(C.Book);
    if (BookFound == nullptr)
      return Error(BookLine, CompetitionFault::UnknownBook,
                   {.Written = C.Book, .Other = Book.BookIds()});
    C.Book = BookFound->Id;
    if (EventLine == 0) return;
    EventFound = Book.Find(C.EventId, C.Book);
    if (EventFound == nullptr)
      return Error(EventLine, CompetitionFault::UnknownEvent,
                   {.Written = C.EventId, .Other = C.Book});
    // An age group's later sessions dive the dives without limit alone (12.4.5.1).
    if (EventFound->Limited && (C.Stage == Phase::SemiFinal || C.Stage == Phase::Final)) {
      Finals = FinalBook(Book);
      Checking = &*Finals;
      EventFound = Finals->Find(C.EventId, C.Book);
    }
    C.Rules = *EventFound;
    if (PanelLine != 0 && PanelRead && !PanelFitsEvent(C.Judges, *EventFound)) {
      const FoundFault F = PanelFault(C.Judges, *EventFound);
      Error(PanelLine, F.Why, F.Values);
    }
  }

  std::size_t LineOf(Key K) const { return HeadLines[static_cast<std::size_t>(K)]; }

  void StartEntry(std::size_t Number, std::u16string_view Name) {
    EndHead(Number);
    EndEntry();
    AnyEntry = true;
    EntryLines& E = Current;
    E = EntryLines{};
    E.Read.Line = Number;
    E.Read.Diver = Name;
    E.Broken = true;
    if (Name.empty()) return Error(Number, CompetitionFault::DiverWithoutName);
    if (Name.find(Bar) != std::u16string::npos)
      return Error(Number, CompetitionFault::NameWithBar, {.Written = std::u16string(Name)});
    if (const auto Found = ByName.find(Name); Found != ByName.end())
      return Error(
          Number, CompetitionFault::DiverTwice,
          {.Written = std::u16string(Name), .OtherLine = Out.Read.Entries[Found->second].Line});
    E.Broken = false;
    E.Index = Out.Read.Entries.size();
    ByName.emplace(Name, E.Index);
    // Its place in the starting order, filled once its list is read; no name until then.
    Out.Read.Entries.emplace_back().Line = Number;
    Open = true;
  }

  void ReadEntryLine(std::size_t Number, const KeyLine& K, std::u16string_view Line) {
    EntryLines& E = Current;
    if (IsHeadKey(K.Is))
      return Error(Number, CompetitionFault::HeadAfterDivers, {.Written = std::u16string(K.Name)});
    if (K.Is == Key::Carried) {
      if (E.CarriedLine != 0)
        return Error(Number, CompetitionFault::KeyTwice,
                     {.Written = std::u16string(K.Name), .OtherLine = E.CarriedLine});
      E.CarriedLine = Number;
      E.Read.Carried = ReadPoints(K.Value);
      if (!E.Read.Carried)
        Error(Number, CompetitionFault::NotCarried, {.Written = std::u16string(K.Value)});
      return;
    }
    if (K.Is == Key::Team || K.Is == Key::Sheet) {
      std::size_t& Seen = K.Is == Key::Team ? E.TeamLine : E.SheetLine;
      if (Seen != 0)
        return Error(Number, CompetitionFault::KeyTwice,
                     {.Written = std::u16string(K.Name), .OtherLine = Seen});
      Seen = Number;
      if (K.Value.find(Bar) != std::u16string::npos)
        return Error(Number, CompetitionFault::NameWithBar, {.Written = std::u16string(K.Value)});
      (K.Is == Key::Team ? E.Read.Team : E.Read.Sheet) = K.Value;
      return;
    }
    E.Inline.emplace_back(Number, Line);
  }

  // The diver's list read (inline or from its sheet) and checked against the event.
  void EndEntry() {
    EntryLines& E = Current;
    if (!Open) return;
    Open = false;
    if (E.SheetLine != 0 && !E.Inline.empty())
      return Error(E.SheetLine, CompetitionFault::SheetAndInline);
    if (E.SheetLine != 0) return EndSheetEntry(E);
    // An inline list is read as a sheet whose lines are those of the competition.
    std::u16string ListText;
    for (const auto& [Number, Line] : E.Inline) (ListText += Line) += u'\n';
    ListRead& List = ListOf(ListText);
    E.Read.HeightIndex = List.Sheet.HeightIndex;
    TakeList(E, List, u"",
             [&E](std::size_t Line) { return Line == 0 ? 0 : E.Inline[Line - 1].first; });
  }

  void EndSheetEntry(EntryLines& E) {
    const TextFileRead File = Sheets(E.Read.Sheet);
    if (!File.Text)
      return Error(E.SheetLine, CompetitionFault::SheetUnreadable,
                   {.Written = E.Read.Sheet, .Reason = File.Failure});
    if (!File.FellBackTo.empty())
      Out.Notes.push_back({E.Read.Sheet, ReadNoteKind::NotUtf8, File.FellBackTo});
    ListRead& List = ListOf(*File.Text);
    const SheetText& Sheet = List.Sheet;
    if (!Sheet.EventId.empty() && !SameWord(Sheet.EventId, Out.Read.EventId))
      return Error(Sheet.EventLine, CompetitionFault::SheetOfOtherEvent,
                   {.Written = Sheet.EventId, .Other = Out.Read.EventId}, E.Read.Sheet);
    TakeList(E, List, E.Read.Sheet, [](std::size_t Line) { return Line; });
  }

  // The list of Text, read once for every diver whose list it is.
  ListRead& ListOf(const std::u16string& Text) {
    const auto Found = Lists.find(Text);
    if (Found != Lists.end()) return Found->second;
    return Lists.emplace(Text, ListRead{ReadSheet(Text), std::nullopt}).first->second;
  }

  // The list's problems and dives taken as E's, in the lines of E's file (LineOf gives them
  // from those of the list's text); a list without problems of its own checked once.
  template <class LineMap>
  void TakeList(EntryLines& E, ListRead& List, const std::u16string& File, LineMap LineOf) {
    const auto Moved = [&LineOf](Problem P) {
      P.Line = LineOf(P.Line);
      P.OtherLine = LineOf(P.OtherLine);
      return P;
    };
    for (const Problem& P : List.Sheet.Problems)
      Out.Errors.push_back({
          File,
          LineOf(P.Line),
          CompetitionFault::DiveNotScorable,
          {   },
          ListProblem{ File, Moved(P), u""}
      });
    if (!List.Sheet.Problems.empty()) return;
    if (!List.Checked) {
      // Checked at the competition's event: a sheet that names one has been found to name it.
      List.Sheet.EventId = Out.Read.EventId;
      List.Checked =
          CheckSheet(List.Sheet, *Checking, Out.Read.Book, {.Names = false, .Readings = &Readings});
    }
    const CheckedSheet& Checked = *List.Checked;
    for (const Problem& P : Checked.Problems) {
      const bool NoDD = P.Dive != 0 && !Checked.Dives[P.Dive - 1].Counted;
      ListProblem Found{File, Moved(P), SheetProblemRule(P, Checked)};
      if (NoDD)
        Out.Errors.push_back(
            {File, Found.Found.Line, CompetitionFault::DiveNotScorable, {}, std::move(Found)});
      else if (P.Why != SheetProblem::UnknownEvent && P.Why != SheetProblem::UnknownEventNear &&
               P.Why != SheetProblem::UnknownBook)
        E.Read.ListProblems.push_back(std::move(Found));
    }
    E.Read.Dives.reserve(Checked.Dives.size());
    for (std::size_t I = 0; I < Checked.Dives.size(); ++I) {
      const CheckedDive& D = Checked.Dives[I];
      ListedDive& L = E.Read.Dives.emplace_back();
      L.Written = List.Sheet.Dives[I];
      L.Written.Line = LineOf(L.Written.Line);
      L.HeightIndex = D.HeightIndex;
      L.Number = D.Number.empty() ? D.Code : D.Number;
      L.Position = D.Position;
      L.DD = D.Counted;
      L.Limited = D.Limited;
    }
    Out.Read.Entries[E.Index] = std::move(E.Read);
  }

  void ReadStatus(std::size_t Number, const KeyLine& K) {
    BarParts(K.Value, Parts);
    StatusLine S{Number, K.Status, Parts[0], 0, u""};
    const bool FromRound = RowOf(K.Status).FromRound;
    const std::size_t Most = FromRound ? (K.Status == DiverStatus::Disqualified ? 3U : 2U) : 1U;
    if (Parts.size() > Most || (FromRound && Parts.size() < 2))
      return Error(Number, CompetitionFault::StatusRound,
                   {.Written = std::u16string(K.Name), .Diver = std::u16string(Parts[0])});
    if (FromRound) {
      const std::optional<std::size_t> Round = RoundNamed(Parts[1]);
      if (!Round)
        return Error(Number, CompetitionFault::StatusRound,
                     {.Written = std::u16string(K.Name), .Diver = std::u16string(Parts[0])});
      S.Round = *Round;
    }
    if (Parts.size() == 3) S.Reason = Parts[2];
    Statuses.push_back(S);
  }

  // Each status set on its diver, once every diver is known; no dive may be recorded in a
  // round the diver no longer dives.
  void SetStatuses() {
    for (const StatusLine& S : Statuses) {
      const auto Found = ByName.find(S.Diver);
      if (Found == ByName.end()) {
        Error(S.Line, CompetitionFault::StatusOfNobody, {.Diver = std::u16string(S.Diver)});
        continue;
      }
      Entry& E = Out.Read.Entries[Found->second];
      if (E.Status != DiverStatus::Ok) {
        Error(S.Line, CompetitionFault::StatusTwice, {.Diver = E.Diver, .OtherLine = E.StatusLine});
        continue;
      }
      if (S.Round > E.Dives.size()) {
        Error(S.Line, CompetitionFault::StatusRound,
              {.Written = std::u16string(RowOf(S.Status).Key),
               .Diver = E.Diver,
               .Round = S.Round,
               .Count = E.Dives.size()});
        continue;
      }
      E.Status = S.Status;
      E.StatusRound = S.Round;
      E.StatusReason = S.Reason;
      E.StatusLine = S.Line;
    }
    for (const RecordedDive& R : Out.Read.Recorded) {
      const Entry& E = Out.Read.Entries[R.Entry];
      if (R.Round > RoundsDived(E))
        Error(R.Line, CompetitionFault::DiveAfterStatus,
              {.Written = std::u16string(RowOf(E.Status).Key),
               .Diver = E.Diver,
               .Round = R.Round,
               .OtherLine = E.StatusLine});
    }
  }

  void ReadRecord(std::size_t Number, std::u16string_view Line) {
    BarParts(Line, Parts);
    if (Parts.size() != 4 && Parts.size() != 5) return Error(Number, CompetitionFault::RecordShape);
    const std::optional<std::size_t> Round = RoundNamed(Parts[0]);
    if (!Round)
      return Error(Number, CompetitionFault::NotARound, {.Written = std::u16string(Parts[0])});
    const auto Named = ByName.find(Parts[1]);
    if (Named == ByName.end())
      return Error(Number, CompetitionFault::UnknownDiver, {.Diver = std::u16string(Parts[1])});
    RecordedDive R{Number, Named->second, *Round, {}, {}};
    if (!CheckDive(R, Parts[2]) || !ReadAwards(R, Parts[3])) return;
    if (Parts.size() == 5) {
      const std::optional<Decision> D = ReadDecision(Parts[4]);
      if (!D)
        return Error(Number, CompetitionFault::NotADecision, {.Written = std::u16string(Parts[4])});
      R.Decided = *D;
    }
    // CheckDive has found the round in the diver's list.
    std::size_t& Seen = RecordLines[RecordStarts[R.Entry] + R.Round - 1];
    if (Seen != 0)
      return Error(Number, CompetitionFault::RoundTwice,
                   {.Diver = std::u16string(Parts[1]), .Round = R.Round, .OtherLine = Seen});
    Seen = Number;
    Out.Read.Recorded.push_back(R);
  }

  bool CheckDive(const RecordedDive& R, std::u16string_view Code) {
    const Entry& E = Out.Read.Entries[R.Entry];
    if (E.Diver.empty()) return false;  // its list has errors of its own
    if (R.Round > E.Dives.size()) {
      Error(R.Line, CompetitionFault::NoSuchRound,
            {.Diver = E.Diver, .Round = R.Round, .Count = E.Dives.size()});
      return false;
    }
    const ListedDive& L = E.Dives[R.Round - 1];
    if (!SameWord(L.Written.Code, Code)) {
      Error(R.Line, CompetitionFault::NotTheListedDive,
            {.Written = std::u16string(Code),
             .Diver = E.Diver,
             .Other = L.Written.Code,
             .Round = R.Round});
      return false;
    }
    return true;
  }

  bool ReadAwards(RecordedDive& R, std::u16string_view Text) {
    Awards.clear();
    Words(Text, AwardWords);
    for (const std::u16string_view Word : AwardWords) {
      if (IsMissingAward(Word)) {
        Awards.emplace_back();
      } else if (const std::optional<HalfPoints> A = ReadAward(Word)) {
        Awards.push_back(A);
      } else {
        Error(R.Line, CompetitionFault::NotAnAward, {.Written = std::u16string(Word)});
        return false;
      }
    }
    if (const std::optional<FoundFault> F = CheckAwards(Out.Read.Judges, Awards)) {
      Error(R.Line, F->Why, F->Values);
      return false;
    }
    R.Awards = SeatValues<std::optional<HalfPoints>>(Awards.size());
    std::copy(Awards.begin(), Awards.end(), R.Awards.begin());
    return true;
  }

  const EventBook& Book;
  const SheetFileReader& Sheets;
  CompetitionRead Out;
  EntryLines Current;  // the diver whose lines are being read
  bool AnyEntry = false;
  bool Open = false;  // Current's list is still to be taken
  // The divers by name, the names seen in the competition's text, which outlives the reader.
  std::unordered_map<std::u16string_view, std::size_t, TextHash, std::equal_to<>> ByName;
  std::unordered_map<std::u16string, ListRead, TextHash, std::equal_to<>> Lists;  // by text
  const Event* EventFound = nullptr;  // the competition's event and its book, in Book
  const RuleBook* BookFound = nullptr;
  DiveReadings Readings;  // the dives of the lists checked so far
  // The line of each diver's dive of each round recorded, 0 where none is yet: diver I's
  // rounds start at RecordStarts[I].
  std::vector<std::size_t> RecordStarts;
  std::vector<std::size_t> RecordLines;
  // The parts of the line being read and the words of its awards.
  std::vector<std::u16string_view> Parts;
  std::vector<std::u16string_view> AwardWords;
  std::vector<std::optional<HalfPoints>> Awards;
  std::vector<StatusLine> Statuses;
  // The line of each key of the head that has one, by key.
  std::array<std::size_t, static_cast<std::size_t>(Key::Reserve)> HeadLines{};
  std::optional<EventBook> Finals;    // an age group's final: the book with the finals' events
  const EventBook* Checking = &Book;  // what the lists are checked against
  bool PanelRead = true;              // the Panel: line, where there is one, names a panel
  bool HeadEnded = false;
  bool InRecords = false;
};

void AppendDiveLine(std::u16string& Out, const DiveLine& D) {
  Out += D.Code;
  if (D.HeightIndex != 0) Out += u' ' + HeightText(D.HeightIndex);
  if (D.Stated) Out += u' ' + TenthsText(*D.Stated);
  if (D.Limited) Out += u" limited";
  for (std::size_t I = 0; I < D.Divers.size(); ++I) Out += (I == 0 ? u" " : u" / ") + D.Divers[I];
  Out += u'\n';
}

// The head's lines beyond the event, the book and the panel, where the competition has them.
void AppendHeadExtras(std::u16string& Out, const Competition& C) {
  if (!C.Meet.empty())
    Out += u"Meet: " + C.Meet + (C.MeetDate.empty() ? u"" : u" | " + C.MeetDate) + u"\n";
  if (C.Stage != Phase::None) Out += u"Phase: " + std::u16string(RowOf(C.Stage).Word) + u"\n";
  if (C.DrawSeed) Out += DrawLineText(*C.DrawSeed) + u"\n";
  if (!C.JudgeNames.empty()) {
    Out += u"Judges:";
    for (const NamedJudge& J : C.JudgeNames) {
      Out += (&J == C.JudgeNames.data() ? u" J" : u", J") + NumberText(J.Seat) + u" " + J.Name;
      if (!J.Nation.empty()) Out += u" (" + J.Nation + u")";
    }
    Out += u"\n";
  }
  for (const Reserve& R : C.Reserves)
    Out += u"Reserve: " + R.Diver + (R.Team.empty() ? u"" : u" | " + R.Team) + u"\n";
}

}  // namespace

std::size_t RoundsDived(const Entry& E) {
  if (E.Status == DiverStatus::DidNotStart) return 0;
  if (E.StatusRound != 0) return std::min(E.Dives.size(), E.StatusRound - 1);
  return E.Dives.size();
}

std::size_t RoundsOf(const Competition& C) {
  std::size_t Rounds = 0;
  for (const Entry& E : C.Entries) Rounds = std::max(Rounds, E.Dives.size());
  return Rounds;
}

CompetitionRead ReadCompetitionText(std::u16string_view Text, const EventBook& Book,
                                    const SheetFileReader& Sheets) {
  Reader R(Book, Sheets);
  const std::size_t Lines = ForEachLine(
      Text, [&R](std::size_t Number, std::u16string_view Line) { R.ReadLine(Number, Line); });
  return R.Take(Lines);
}

std::u16string RecordedDiveLine(const Competition& C, const RecordedDive& R) {
  const Entry& E = C.Entries[R.Entry];
  std::u16string Line = u"Round " + NumberText(R.Round) + u" | " + E.Diver + u" | " +
                        E.Dives[R.Round - 1].Written.Code + u" |";
  for (const std::optional<HalfPoints>& A : R.Awards) Line += u' ' + (A ? AwardText(*A) : u"-");
  if (const std::u16string D = DecisionText(R.Decided); !D.empty()) Line += u" | " + D;
  return Line;
}

std::u16string DrawLineText(std::uint64_t Seed) {
  return u"Draw: " + std::u16string(SeedWord) + u" " + SeedText(Seed);
}

std::u16string StatusLineText(const Entry& E) {
  const StatusRow& Row = RowOf(E.Status);
  std::u16string Line = std::u16string(Row.Key) + u": " + E.Diver;
  if (Row.FromRound) Line += u" | round " + NumberText(E.StatusRound);
  if (!E.StatusReason.empty()) Line += u" | " + E.StatusReason;
  return Line;
}

std::u16string CompetitionText(const Competition& C) {
  std::u16string Out =
      u"# A competition of Merrith: the head, each diver in starting order, then\n"
      u"# each dive recorded: Round | diver | dive | awards in seating order | "
      u"decision\n";
  Out += u"Event: " + C.EventId + u"\nBook: " + C.Book + u"\nPanel: " +
         NumberText(static_cast<std::size_t>(JudgesOf(C.Judges))) + u"\n";
  AppendHeadExtras(Out, C);
  for (const Entry& E : C.Entries) {
    Out += u"\nDiver: " + E.Diver + u"\n";
    if (!E.Team.empty()) Out += u"Team: " + E.Team + u"\n";
    if (E.Carried) Out += u"Carried: " + PointsText(*E.Carried) + u"\n";
    if (!E.Sheet.empty()) {
      Out += u"Sheet: " + E.Sheet + u"\n";
      continue;
    }
    if (E.HeightIndex != 0) Out += u"Height: " + HeightText(E.HeightIndex) + u"\n";
    for (const ListedDive& D : E.Dives) AppendDiveLine(Out, D.Written);
  }
  bool Apart = false;
  const auto Separate = [&Out, &Apart] {
    if (!Apart) Out += u"\n";
    Apart = true;
  };
  for (const Entry& E : C.Entries)
    if (E.Status != DiverStatus::Ok) Separate(), Out += StatusLineText(E) + u"\n";
  for (const RecordedDive& R : C.Recorded) Separate(), Out += RecordedDiveLine(C, R) + u"\n";
  return Out;
}

SheetFileReader SheetsBeside(std::u16string_view Path) {
  // Beside the competition itself, where its path is a link to it.
  return [Folder = FolderOf(mFSO::LinkTarget(Path))](std::u16string_view Name) {
    return ReadTextFile(IsAbsolute(Name) ? std::u16string(Name) : Folder + std::u16string(Name));
  };
}

TextFileRead ReadTextFile(std::u16string_view Path) {
  std::vector<std::uint8_t> Bytes;
  const FileOutcome Read = ReadDocumentBytes(Path, Bytes);
  if (!Read.Done()) return {std::nullopt, FileOutcomeReason(Read), u""};
  mFSO::DecodedDocument Decoded = mFSO::DecodeDocument(Bytes);
  return {std::move(Decoded.Text), u"", std::move(Decoded.FellBackTo)};
}

std::vector<std::u16string> SheetPathsOf(std::u16string_view Path, const Competition& C) {
  std::vector<std::u16string> Paths;
  const std::u16string Folder = FolderOf(mFSO::LinkTarget(Path));
  for (const Entry& E : C.Entries)
    if (!E.Sheet.empty()) Paths.push_back(IsAbsolute(E.Sheet) ? E.Sheet : Folder + E.Sheet);
  return Paths;
}

std::u16string InputAt(std::u16string_view Path, const Competition& C, std::u16string_view Output) {
  if (mFSO::SameFile(Path, Output)) return std::u16string(Path);
  for (const std::u16string& Sheet : SheetPathsOf(Path, C))
    if (mFSO::SameFile(Sheet, Output)) return Sheet;
  return u"";
}

std::u16string SheetNameBeside(std::u16string_view Path, std::u16string_view SheetPath) {
  const std::u16string Folder = FolderOf(SheetPath);
  if (!Folder.empty() && Folder == FolderOf(Path))
    return std::u16string(SheetPath.substr(Folder.size()));
  return std::u16string(SheetPath);
}

CompetitionRead ReadCompetitionFileText(std::u16string_view Path, std::u16string_view Text,
                                        const EventBook& Book) {
  if (IsCsvPath(Path)) return ReadCompetitionCsv(Text);
  return ReadCompetitionText(Text, Book, SheetsBeside(Path));
}

CompetitionRead ReadCompetitionFile(std::u16string_view Path, const EventBook& Book) {
  const TextFileRead File = ReadTextFile(Path);
  if (!File.Text) {
    CompetitionRead Failed;
    Failed.Errors.push_back(
        {std::u16string(Path), 0, CompetitionFault::SheetUnreadable, {.Reason = File.Failure}, {}});
    return Failed;
  }
  CompetitionRead Read = ReadCompetitionFileText(Path, *File.Text, Book);
  if (!File.FellBackTo.empty())
    Read.Notes.insert(Read.Notes.begin(), {u"", ReadNoteKind::NotUtf8, File.FellBackTo});
  return Read;
}

FileOutcome WriteCompetitionFile(const Competition& C, std::u16string_view Path) {
  return WriteFileBytes(Path, EncodeUtf8(CompetitionText(C)));
}

}  // namespace merrith
