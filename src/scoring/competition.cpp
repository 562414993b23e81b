#include "scoring/competition.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "scoring/competition_csv.h"
#include "sheets/check_sheet.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// The most of a name or a word that a message repeats.
constexpr std::size_t Shown = 40;

// The keys of a competition's lines before the dives recorded.
enum class Key : std::uint8_t { Event, Book, Panel, Diver, Team, Sheet, Other };

struct KeyName {
  Key Is;
  std::u16string_view Name;
};

constexpr KeyName KeyNames[] = {
    {Key::Event, u"Event"},
    { Key::Book,  u"Book"},
    {Key::Panel, u"Panel"},
    {Key::Diver, u"Diver"},
    { Key::Team,  u"Team"},
    {Key::Sheet, u"Sheet"},
};

// The word that starts the line of a recorded dive.
constexpr std::u16string_view RoundWord = u"Round";

// The key of a "Key: value" line, and its value; Other where the line has none of ours.
std::pair<Key, std::u16string_view> KeyOf(std::u16string_view Line) {
  const std::size_t Colon = Line.find(u':');
  if (Colon == std::u16string_view::npos) return {Key::Other, u""};
  const std::u16string_view Name = mXMLParser::TrimWhiteView(Line.substr(0, Colon));
  for (const KeyName& K : KeyNames)
    if (SameWord(K.Name, Name)) return {K.Is, mXMLParser::TrimWhiteView(Line.substr(Colon + 1))};
  return {Key::Other, u""};
}

bool IsRecordLine(std::u16string_view Line) {
  // Most lines are dives of a list or recorded dives: the first letter tells most apart.
  if (Line.empty() || (Line[0] != u'R' && Line[0] != u'r')) return false;
  return Line.size() > RoundWord.size() && SameWord(Line.substr(0, RoundWord.size()), RoundWord) &&
         (Line[RoundWord.size()] == u' ' || Line[RoundWord.size()] == u'\t');
}

// A whole number from 1 to Most in plain digits; nothing for anything else.
std::optional<std::size_t> ReadCount(std::u16string_view Text, std::size_t Most) {
  if (Text.empty() || Text.size() > 6) return std::nullopt;
  std::size_t Value = 0;
  for (const char16_t C : Text) {
    if (C < u'0' || C > u'9') return std::nullopt;
    Value = Value * 10 + static_cast<std::size_t>(C - u'0');
  }
  if (Value < 1 || Value > Most) return std::nullopt;
  return Value;
}

// The most parts of a recorded dive's line: round, diver, dive, awards and a decision.
constexpr std::size_t MostFields = 5;

// The parts of a recorded dive's line between its | marks, trimmed: the first MostFields of
// them, and how many there are.
struct RecordFields {
  std::array<std::u16string_view, MostFields> Field;
  std::size_t Count = 0;
};

// Split into Out, whose room serves line after line.
void SplitRecord(std::u16string_view Line, RecordFields& Out) {
  Out.Count = 0;
  std::size_t Start = 0;
  for (;;) {
    const std::size_t End = FindUnit(Line, u'|', Start);
    if (Out.Count < MostFields)
      Out.Field[Out.Count] = mXMLParser::TrimWhiteView(Line.substr(Start, End - Start));
    ++Out.Count;
    if (End == std::u16string_view::npos) return;
    Start = End + 1;
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
  bool Ended = false;
  std::size_t TeamLine = 0;
  std::size_t SheetLine = 0;
  std::vector<std::pair<std::size_t, std::u16string_view>> Inline;  // line, text
};

// A list read, and checked where it reads without problems, with the lines of its own text:
// divers whose lists have the same text (the same dives inline, or the same sheet) share it.
struct ListRead {
  SheetText Sheet;
  std::optional<CheckedSheet> Checked;  // once it is checked
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
    if (InRecords) return Error(Number, u"only recorded dives (Round ...) may follow the first");
    const auto [K, Value] = KeyOf(Line);
    if (K == Key::Diver) return StartEntry(Number, Value);
    if (!AnyEntry) return ReadHead(Number, K, Value, Line);
    if (!Current.Broken) ReadEntryLine(Number, K, Value, Line);
  }

  CompetitionRead Take(std::size_t LastLine) {
    if (!InRecords) EndHead(AnyEntry ? LastLine : 0);
    EndEntry();
    std::stable_sort(Out.Errors.begin(), Out.Errors.end(),
                     [](const CompetitionError& A, const CompetitionError& B) {
                       return A.File == B.File ? A.Line < B.Line : A.File.empty();
                     });
    return std::move(Out);
  }

 private:
  void Error(std::size_t Line, std::u16string Text, std::u16string File = u"") {
    Out.Errors.push_back({std::move(File), Line, std::move(Text), {}});
  }

  void ReadHead(std::size_t Number, Key K, std::u16string_view Value, std::u16string_view Line) {
    std::size_t* Seen = K == Key::Event   ? &EventLine
                        : K == Key::Book  ? &BookLine
                        : K == Key::Panel ? &PanelLine
                                          : nullptr;
    if (Seen == nullptr)
      return Error(Number, Shortened(Line, Shown) +
                               u": the head of a competition has Event:, Book: and Panel: lines, "
                               u"then each Diver:");
    if (*Seen != 0) return Error(Number, u"a second such line, after line " + NumberText(*Seen));
    *Seen = Number;
    Competition& C = Out.Read;
    if (K == Key::Event) {
      C.EventId = Value;  // found in the book once the head has named it
    } else if (K == Key::Book) {
      C.Book = Value;
      if (std::find(std::begin(Books), std::end(Books), Value) == std::end(Books))
        Error(Number, u"no rule book is called " + Shortened(Value, Shown) + u" (" +
                          std::u16string(Books[0]) + u" is)");
    } else if (const std::optional<std::size_t> N = ReadCount(Value, 99);
               N && PanelOfJudges(static_cast<int>(*N))) {
      C.Judges = *PanelOfJudges(static_cast<int>(*N));
    } else {
      Error(Number,
            Shortened(Value, Shown) + u" is no panel: 3, 5 or 7 judges, 9 or 11 synchronised");
    }
  }

  // The lists end at the first recorded dive: no more can be recorded than they hold.
  void EndLists(std::size_t Number) {
    EndHead(Number);
    EndEntry();
    InRecords = true;
    std::size_t Dives = 0;
    RecordStart.reserve(Out.Read.Entries.size());
    for (const Entry& E : Out.Read.Entries) {
      RecordStart.push_back(Dives);
      Dives += E.Dives.size();
    }
    RecordLines.assign(Dives, 0);
    Out.Read.Recorded.reserve(Dives);
  }

  // The head ends at the first diver or the first recorded dive.
  void EndHead(std::size_t Number) {
    if (HeadEnded) return;
    HeadEnded = true;
    if (EventLine == 0) Error(Number, u"no Event: line names the event before the divers");
    if (PanelLine == 0)
      Error(Number, u"no Panel: line gives the number of judges before the divers");
    if (BookLine == 0) Out.Read.Book = Books[0];
    Out.Read.ListsChecked = true;
    // The event is the competition's book's, as every list is checked against that book; an
    // unknown book has been named already.
    const bool KnownBook =
        std::find(std::begin(Books), std::end(Books), Out.Read.Book) != std::end(Books);
    if (EventLine == 0 || !KnownBook) return;
    if (const Event* Found = Book.Find(Out.Read.EventId, Out.Read.Book)) {
      Out.Read.Rules = *Found;
      // Every list is checked against them, as found here once.
      EventFound = Found;
      BookFound = Book.FindBook(Out.Read.Book);
    } else
      Error(EventLine, u"no event has the id " + Shortened(Out.Read.EventId, Shown) +
                           u" (merrith-cli events lists them)");
  }

  void StartEntry(std::size_t Number, std::u16string_view Name) {
    EndHead(Number);
    EndEntry();
    // The diver before has been taken whole; the room of its inline lines serves this one.
    EntryLines& E = Current;
    AnyEntry = true;
    E.Read = Entry{};
    E.Read.Line = Number;
    E.Read.Diver = Name;
    E.Broken = true;
    E.Ended = false;
    E.TeamLine = E.SheetLine = 0;
    E.Inline.clear();
    if (Name.empty()) return Error(Number, u"a Diver: line without a name");
    if (Name.find(u'|') != std::u16string::npos)
      return Error(Number, u"a diver's name cannot hold |: " + Shortened(Name, Shown));
    if (const auto Found = ByName.find(Name); Found != ByName.end())
      return Error(Number, Shortened(Name, Shown) + u" again, after line " +
                               NumberText(Out.Read.Entries[Found->second].Line));
    E.Broken = false;
    E.Index = Out.Read.Entries.size();
    ByName.emplace(Name, E.Index);
    // Its place in the starting order, filled when its list is read; no name until then.
    Out.Read.Entries.emplace_back().Line = Number;
  }

  void ReadEntryLine(std::size_t Number, Key K, std::u16string_view Value,
                     std::u16string_view Line) {
    EntryLines& E = Current;
    if (K == Key::Event || K == Key::Book || K == Key::Panel)
      return Error(Number, u"the head's lines go before the first Diver:");
    if (K == Key::Team || K == Key::Sheet) {
      std::size_t& Seen = K == Key::Team ? E.TeamLine : E.SheetLine;
      if (Seen != 0) return Error(Number, u"a second such line, after line " + NumberText(Seen));
      Seen = Number;
      if (Value.find(u'|') != std::u16string::npos)
        return Error(Number, u"a team or a file name cannot hold |");
      (K == Key::Team ? E.Read.Team : E.Read.Sheet) = Value;
      return;
    }
    E.Inline.emplace_back(Number, Line);
  }

  // The diver's list read (inline or from its sheet) and checked against the event.
  void EndEntry() {
    EntryLines& E = Current;
    if (!AnyEntry || E.Broken || E.Ended) return;
    E.Ended = true;
    if (E.SheetLine != 0 && !E.Inline.empty())
      return Error(E.SheetLine, u"a diver has either a Sheet: line or the dives inline");
    if (E.SheetLine != 0) return EndSheetEntry(E);
    // An inline list is read as a sheet whose lines are those of the competition.
    ListText.clear();
    for (const auto& [Number, Line] : E.Inline) (ListText += Line) += u'\n';
    ListRead& List = ListOf(ListText);
    E.Read.HeightIndex = List.Sheet.HeightIndex;
    TakeList(E, List, u"",
             [&E](std::size_t Line) { return Line == 0 ? 0 : E.Inline[Line - 1].first; });
  }

  void EndSheetEntry(EntryLines& E) {
    const std::optional<std::u16string> Text = Sheets(E.Read.Sheet);
    if (!Text)
      return Error(E.SheetLine,
                   u"the sheet " + Shortened(E.Read.Sheet, Shown) + u" cannot be read");
    ListRead& List = ListOf(*Text);
    const SheetText& Sheet = List.Sheet;
    if (!Sheet.EventId.empty() && !SameWord(Sheet.EventId, Out.Read.EventId))
      return Error(Sheet.EventLine,
                   u"the sheet is for " + Shortened(Sheet.EventId, Shown) +
                       u", the competition is " + Shortened(Out.Read.EventId, Shown),
                   E.Read.Sheet);
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
          File, LineOf(P.Line), u"", ListProblem{File, Moved(P), u""}
      });
    if (!List.Sheet.Problems.empty()) return;
    if (!List.Checked) {
      // Checked at the competition's event: a sheet that names one has been found to name it.
      List.Sheet.EventId = Out.Read.EventId;
      List.Checked = CheckSheet(
          List.Sheet, Book, Out.Read.Book,
          {.Names = false, .Readings = &Readings, .Book = BookFound, .Rules = EventFound});
    }
    const CheckedSheet& Checked = *List.Checked;
    for (const Problem& P : Checked.Problems) {
      const bool NoDD = P.Dive != 0 && !Checked.Dives[P.Dive - 1].Counted;
      ListProblem Found{File, Moved(P), RuleOf(P, Checked)};
      if (NoDD)
        Out.Errors.push_back(
            {File, Found.Found.Line, u": the dive cannot be scored", std::move(Found)});
      else if (P.Why != SheetProblem::UnknownEvent)
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
    }
    Out.Read.Entries[E.Index] = std::move(E.Read);
  }

  // The number of the rule P breaks: the checker keeps no copy of the book and the event
  // where it took those found here.
  std::u16string RuleOf(const Problem& P, const CheckedSheet& Checked) const {
    if (BookFound != nullptr && EventFound != nullptr && SameWord(Checked.BookId, BookFound->Id))
      return ProblemRule(P, EventFound, BookFound);
    return SheetProblemRule(P, Checked);
  }

  void ReadRecord(std::size_t Number, std::u16string_view Line) {
    EndEntry();
    SplitRecord(Line, Split);
    const std::array<std::u16string_view, MostFields>& Fields = Split.Field;
    if (Split.Count != 4 && Split.Count != 5)
      return Error(Number, u"a recorded dive is Round N | diver | dive | awards | decision");
    const std::optional<std::size_t> Round =
        ReadCount(mXMLParser::TrimWhiteView(Fields[0].substr(RoundWord.size())), 999);
    if (!Round) return Error(Number, Shortened(Fields[0], Shown) + u" names no round");
    const std::optional<std::size_t> Index = EntryNamed(Fields[1]);
    if (!Index)
      return Error(Number, u"no diver " + Shortened(Fields[1], Shown) + u" in the competition");
    RecordedDive R{Number, *Index, *Round, {}, {}};
    if (!CheckDive(R, Fields[2]) || !ReadAwards(R, Fields[3])) return;
    if (Split.Count == 5) {
      const std::optional<Decision> D = ReadDecision(Fields[4]);
      if (!D)
        return Error(Number, Shortened(Fields[4], Shown) +
                                 u" is no decision: failed, max2, max4.5, restart, unsafe, "
                                 u"joined by +");
      R.Decided = *D;
    }
    // CheckDive has found the round on the diver's list.
    std::size_t& Seen = RecordLines[RecordStart[R.Entry] + R.Round - 1];
    if (Seen != 0)
      return Error(Number, u"round " + NumberText(R.Round) + u" of " + std::u16string(Fields[1]) +
                               u" again, after line " + NumberText(Seen));
    Seen = Number;
    Out.Read.Recorded.push_back(R);
  }

  // The diver called Name, in the starting order. The dives are mostly recorded in that order,
  // round after round: the diver after the last one recorded is tried before the names.
  std::optional<std::size_t> EntryNamed(std::u16string_view Name) {
    const std::vector<Entry>& Entries = Out.Read.Entries;
    std::size_t Found = NextRecorded;
    if (Found >= Entries.size() || Entries[Found].Diver.empty() || Entries[Found].Diver != Name) {
      const auto Named = ByName.find(Name);
      if (Named == ByName.end()) return std::nullopt;
      Found = Named->second;
    }
    NextRecorded = Found + 1 < Entries.size() ? Found + 1 : 0;
    return Found;
  }

  bool CheckDive(const RecordedDive& R, std::u16string_view Code) {
    const Entry& E = Out.Read.Entries[R.Entry];
    if (E.Diver.empty()) return false;  // its list has errors of its own
    if (R.Round > E.Dives.size()) {
      Error(R.Line, Shortened(E.Diver, Shown) + u"'s list has " +
                        CountText(E.Dives.size(), u"dive", u"dives") + u": no round " +
                        NumberText(R.Round));
      return false;
    }
    const ListedDive& L = E.Dives[R.Round - 1];
    if (!SameWord(L.Written.Code, Code)) {
      Error(R.Line, Shortened(E.Diver, Shown) + u"'s dive in round " + NumberText(R.Round) +
                        u" is " + L.Written.Code + u" on the list, not " + Shortened(Code, Shown));
      return false;
    }
    return true;
  }

  bool ReadAwards(RecordedDive& R, std::u16string_view Text) {
    const auto Judges = static_cast<std::size_t>(JudgesOf(Out.Read.Judges));
    std::size_t Given = 0;  // all the words, as many as the seats or not
    bool Any = false;
    const auto IsGap = [](char16_t C) { return C == u' ' || C == u'\t'; };
    const char16_t* At = Text.data();
    const char16_t* const End = At + Text.size();
    while (At != End) {
      if (IsGap(*At)) {
        ++At;
        continue;
      }
      // Mostly an award that ends its word: read once, not looked for and then read.
      const char16_t* const Start = At;
      const LeadingAward Read = ReadLeadingAward({Start, static_cast<std::size_t>(End - Start)});
      At += Read.Length;
      const bool Whole = Read.Length > 0 && (At == End || IsGap(*At));
      if (!Whole)
        while (At != End && !IsGap(*At)) ++At;
      const std::u16string_view Word(Start, static_cast<std::size_t>(At - Start));
      const bool Missing = !Whole && IsMissingAward(Word);
      const HalfPoints Award = Whole ? Read.Award : Missing ? NoAward : AwardValue(Word);
      if (Award == NoAward && !Missing) {
        Error(R.Line, Shortened(Word, Shown) +
                          u" is no award: 0 to 10 in half points, - for "
                          u"a missing one");
        return false;
      }
      Any = Any || Award != NoAward;
      if (++Given > Judges) continue;
      if (Award == NoAward)
        R.Awards.push_back(std::nullopt);
      else
        R.Awards.push_back(Award);
    }
    if (Given != Judges) {
      Error(R.Line, CountText(Given, u"award", u"awards") + u" for a panel of " +
                        NumberText(Judges) + u" judges");
      return false;
    }
    if (!Any) Error(R.Line, u"every award is missing: at least one is needed");
    return Any;
  }

  const EventBook& Book;
  const SheetFileReader& Sheets;
  CompetitionRead Out;
  EntryLines Current;  // the diver whose lines are being read
  bool AnyEntry = false;
  std::size_t NextRecorded = 0;  // the diver after that of the last recorded dive read
  // The divers by name, the names seen in the competition's text, which outlives the reader.
  std::unordered_map<std::u16string_view, std::size_t, TextHash> ByName;
  std::unordered_map<std::u16string, ListRead, TextHash, std::equal_to<>> Lists;  // by text
  const Event* EventFound = nullptr;  // the competition's event and its book, in Book
  const RuleBook* BookFound = nullptr;
  DiveReadings Readings;  // the dives of the lists checked so far
  // Each diver's recorded dives' lines by round, 0 for none yet, the divers' rows one after the
  // other from RecordStart.
  std::vector<std::size_t> RecordLines, RecordStart;
  // The room of an inline list's text and of a recorded line's parts, used again and again.
  std::u16string ListText;
  RecordFields Split;
  std::size_t EventLine = 0, BookLine = 0, PanelLine = 0;
  bool HeadEnded = false;
  bool InRecords = false;
};

void AppendDiveLine(std::u16string& Out, const DiveLine& D) {
  Out += D.Code;
  if (D.HeightIndex != 0) Out += u' ' + HeightText(D.HeightIndex);
  if (D.Stated) Out += u' ' + TenthsText(*D.Stated);
  if (D.Limited) Out += u" limited";
  Out += u'\n';
}

}  // namespace

CompetitionRead ReadCompetitionText(std::u16string_view Text, const EventBook& Book,
                                    const SheetFileReader& Sheets) {
  Reader R(Book, Sheets);
  const std::size_t Lines = ForEachLine(
      Text, [&R](std::size_t Number, std::u16string_view Line) { R.ReadLine(Number, Line); });
  return R.Take(Lines);
}

std::u16string CompetitionText(const Competition& C) {
  std::u16string Out =
      u"# A competition of Merrith: the head, each diver in starting order, then\n"
      u"# each dive recorded: Round | diver | dive | awards in seating order | "
      u"decision\n";
  Out += u"Event: " + C.EventId + u"\nBook: " + C.Book + u"\nPanel: " +
         NumberText(static_cast<std::size_t>(JudgesOf(C.Judges))) + u"\n";
  for (const Entry& E : C.Entries) {
    Out += u"\nDiver: " + E.Diver + u"\n";
    if (!E.Team.empty()) Out += u"Team: " + E.Team + u"\n";
    if (!E.Sheet.empty()) {
      Out += u"Sheet: " + E.Sheet + u"\n";
      continue;
    }
    if (E.HeightIndex != 0) Out += u"Height: " + HeightText(E.HeightIndex) + u"\n";
    for (const ListedDive& D : E.Dives) AppendDiveLine(Out, D.Written);
  }
  if (!C.Recorded.empty()) Out += u"\n";
  for (const RecordedDive& R : C.Recorded) {
    const Entry& E = C.Entries[R.Entry];
    Out += u"Round " + NumberText(R.Round) + u" | " + E.Diver + u" | " +
           E.Dives[R.Round - 1].Written.Code + u" |";
    for (const std::optional<HalfPoints>& A : R.Awards) Out += u' ' + (A ? AwardText(*A) : u"-");
    if (const std::u16string D = DecisionText(R.Decided); !D.empty()) Out += u" | " + D;
    Out += u'\n';
  }
  return Out;
}

SheetFileReader SheetsBeside(std::u16string_view Path) {
  return [Folder = FolderOf(Path)](std::u16string_view Name) -> std::optional<std::u16string> {
    std::vector<std::uint8_t> SheetBytes;
    const std::u16string Full =
        IsAbsolute(Name) ? std::u16string(Name) : Folder + std::u16string(Name);
    if (mFSO::ReadAllBytes(Full, SheetBytes) != 0) return std::nullopt;
    return mFSO::DecodeText(SheetBytes, mFSO::CodePageSystem);
  };
}

std::u16string SheetNameBeside(std::u16string_view Path, std::u16string_view SheetPath) {
  const std::u16string Folder = FolderOf(SheetPath);
  if (!Folder.empty() && Folder == FolderOf(Path))
    return std::u16string(SheetPath.substr(Folder.size()));
  return std::u16string(SheetPath);
}

CompetitionRead ReadCompetitionFile(std::u16string_view Path, const EventBook& Book) {
  std::vector<std::uint8_t> Bytes;
  if (const FileOutcome Read = ReadFileBytes(Path, Bytes); !Read.Done()) {
    CompetitionRead Failed;
    Failed.Errors.push_back(
        {std::u16string(Path), 0, u"cannot be read: " + SystemErrorText(Read.Error), {}});
    return Failed;
  }
  if (IsCsvPath(Path)) return ReadCompetitionCsv(mFSO::DecodeText(Bytes, mFSO::CodePageUtf8));
  const SheetFileReader Sheets = SheetsBeside(Path);
  return ReadCompetitionText(mFSO::DecodeText(Bytes, mFSO::CodePageSystem), Book, Sheets);
}

FileOutcome WriteCompetitionFile(const Competition& C, std::u16string_view Path) {
  return WriteFileBytes(Path, EncodeUtf8(CompetitionText(C)));
}

}  // namespace merrith
