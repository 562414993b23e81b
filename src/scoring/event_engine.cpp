#include "scoring/event_engine.h"

#include <algorithm>
#include <utility>

#include "scoring/draw.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith {
namespace {

// The lines of Text apart at line feeds, each without its line feed (a carriage return before
// one stays the line's).
std::vector<std::u16string_view> LinesOf(std::u16string_view Text) {
  std::vector<std::u16string_view> Lines;
  for (std::size_t Start = 0;;) {
    const std::size_t End = Text.find(u'\n', Start);
    if (End == std::u16string_view::npos) {
      if (Start < Text.size()) Lines.push_back(Text.substr(Start));
      return Lines;
    }
    Lines.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
}

// The line end a file uses: CR LF where its first line ends so, else LF.
std::u16string_view LineEndOf(std::u16string_view Text) {
  const std::size_t End = Text.find(u'\n');
  return End != std::u16string_view::npos && End > 0 && Text[End - 1] == u'\r' ? u"\r\n" : u"\n";
}

bool Blank(std::u16string_view Line) {
  return std::all_of(Line.begin(), Line.end(),
                     [](char16_t C) { return C == u' ' || C == u'\t' || C == u'\r'; });
}

// Text with its lines First to Last (from 1) in place of Line, their line end kept; without
// them where Line is nothing.
std::u16string WithLines(std::u16string_view Text, std::size_t First, std::size_t Last,
                         const std::optional<std::u16string>& Line) {
  const std::vector<std::u16string_view> Lines = LinesOf(Text);
  std::u16string Out;
  for (std::size_t I = 1; I <= Lines.size(); ++I) {
    const std::u16string_view Old = Lines[I - 1];
    const bool Ends = I < Lines.size() || (!Text.empty() && Text.back() == u'\n');
    if (I < First || I > Last) {
      Out += Old;
      if (Ends) Out += u'\n';
      continue;
    }
    if (I != Last || !Line) continue;
    Out += *Line;
    if (!Old.empty() && Old.back() == u'\r') Out += u'\r';
    if (Ends) Out += u'\n';
  }
  return Out;
}

// Text with Line after its last line; the first dive recorded or status set apart from the
// lists by a blank line.
std::u16string WithLineAtEnd(std::u16string_view Text, std::u16string_view Line, bool Apart) {
  std::u16string Out(Text);
  const std::u16string_view End = LineEndOf(Text);
  if (!Out.empty() && Out.back() != u'\n') Out += End;
  const std::vector<std::u16string_view> Lines = LinesOf(Text);
  if (Apart && !Lines.empty() && !Blank(Lines.back())) Out += End;
  Out += Line;
  Out += End;
  return Out;
}

// Whether every line of Before stands in After in the same order: After only adds lines. The
// lines of Before that After has not are put in Missing.
bool OnlyAdds(std::u16string_view Before, std::u16string_view After,
              std::vector<std::u16string>& Missing) {
  const std::vector<std::u16string_view> Old = LinesOf(Before);
  const std::vector<std::u16string_view> New = LinesOf(After);
  std::size_t At = 0;
  for (const std::u16string_view Line : Old) {
    const auto Found = std::find(New.begin() + static_cast<std::ptrdiff_t>(At), New.end(), Line);
    if (Found == New.end()) {
      Missing.emplace_back(Line);
      continue;
    }
    At = static_cast<std::size_t>(Found - New.begin()) + 1;
  }
  return Missing.empty();
}

// The most lines a clash shows.
constexpr std::size_t ClashLinesShown = 5;

}  // namespace

CEventEngine::CEventEngine(const EventBook& Events, FileWriter Writer)
    : Book(Events), Write(std::move(Writer)) {}

bool CEventEngine::ReadText(std::u16string_view Read, std::vector<CompetitionError>* Errors) {
  CompetitionRead R;
  if (Csv) {
    CompetitionCsvRead Sheet = ReadCompetitionCsvText(Read);
    R = std::move(Sheet.Read);
    if (R.Ok()) Layout = std::move(Sheet.Layout);
  } else {
    R = ReadCompetitionFileText(FilePath, Read, Book);
  }
  if (!R.Ok()) {
    if (Errors != nullptr) *Errors = std::move(R.Errors);
    return false;
  }
  C = std::move(R.Read);
  Text = Read;
  return true;
}

OpenAnswer CEventEngine::Open(std::u16string_view Path) {
  Close();
  OpenAnswer Answer;
  std::vector<std::uint8_t> Bytes;
  if (const FileOutcome Read = ReadDocumentBytes(Path, Bytes); !Read.Done()) {
    Answer.Errors.push_back({std::u16string(Path),
                             0,
                             CompetitionFault::SheetUnreadable,
                             {.Reason = FileOutcomeReason(Read)},
                             {}});
    return Answer;
  }
  mFSO::DecodedDocument Decoded = mFSO::DecodeDocument(Bytes);
  if (!Decoded.FellBackTo.empty())
    Answer.Notes.push_back({u"", ReadNoteKind::NotUtf8, Decoded.FellBackTo});
  FilePath = Path;
  Csv = IsCsvPath(Path);
  Marked = Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF;
  Stopped = false;
  if (!ReadText(Decoded.Text, &Answer.Errors)) {
    FilePath.clear();
    return Answer;
  }
  const LockAttempt Taken = Lock.Take(Path, ThisProcessHolder());
  HeldBy = Taken.Taken ? u"" : Taken.Holder.empty() ? u"another program" : Taken.Holder;
  Answer.Holder = HeldBy;
  Answer.Opened = true;
  return Answer;
}

void CEventEngine::Close() {
  Lock.Release();
  HeldBy.clear();
}

bool CEventEngine::FirstAfterLists() const {
  return C.Recorded.empty() && std::none_of(C.Entries.begin(), C.Entries.end(),
                                            [](const Entry& E) { return E.StatusLine != 0; });
}

const RecordedDive* CEventEngine::RecordedFor(DiveTurn Turn) const {
  const auto Found = std::find_if(
      C.Recorded.begin(), C.Recorded.end(),
      [Turn](const RecordedDive& R) { return R.Entry == Turn.Entry && R.Round == Turn.Round; });
  return Found == C.Recorded.end() ? nullptr : &*Found;
}

std::optional<FoundFault> CEventEngine::Check(const KeyedDive& Keyed) const {
  const DiveTurn T = Keyed.Turn;
  const bool Known =
      T.Entry < C.Entries.size() && T.Round >= 1 && T.Round <= C.Entries[T.Entry].Dives.size();
  if (!Known || (RecordedFor(T) == nullptr && UpNext() != T)) {
    FaultValues V{.Round = T.Round};
    if (T.Entry < C.Entries.size()) V.Diver = C.Entries[T.Entry].Diver;
    return FoundFault{CompetitionFault::NotUpNext, V};
  }
  return CheckAwards(C.Judges, Keyed.Awards);
}

std::optional<FileClash> CEventEngine::TakeInChanges(std::size_t& TakenIn) {
  std::vector<std::uint8_t> Bytes;
  if (const FileOutcome Read = ReadDocumentBytes(FilePath, Bytes); !Read.Done())
    return FileClash{.Kind = ClashKind::Gone, .Reason = FileOutcomeReason(Read)};
  const std::u16string Disk = mFSO::DecodeDocument(Bytes).Text;
  if (Disk == Text) return std::nullopt;
  FileClash Clash;
  if (!OnlyAdds(Text, Disk, Clash.Lines)) {
    Clash.Kind = ClashKind::LinesChanged;
    if (Clash.Lines.size() > ClashLinesShown) Clash.Lines.resize(ClashLinesShown);
    return Clash;
  }
  const std::size_t Before = LinesOf(Text).size();
  if (!ReadText(Disk, &Clash.Errors)) {
    Clash.Kind = ClashKind::DoesNotRead;
    return Clash;
  }
  TakenIn = LinesOf(Text).size() - Before;
  return std::nullopt;
}

template <class Edit>
EngineAnswer CEventEngine::Save(Edit Make) {
  EngineAnswer Answer;
  if (!Lock.Held()) {
    // Where the holder has let go meanwhile, this engine takes the file over.
    if (!Lock.Take(FilePath, ThisProcessHolder()).Taken) {
      Answer.Step = EngineStep::ReadOnly;
      return Answer;
    }
    HeldBy.clear();
  }
  if (Stopped) {
    Answer.Step = EngineStep::Clash;
    Answer.Clash = LastClash;
    return Answer;
  }
  if (std::optional<FileClash> Clash = TakeInChanges(Answer.TakenIn)) {
    Stopped = true;
    LastClash = *Clash;
    Answer.Step = EngineStep::Clash;
    Answer.Clash = std::move(*Clash);
    return Answer;
  }
  Edited Made = Make();
  if (Made.Fault) {
    Answer.Step = EngineStep::Refused;
    Answer.Fault = std::move(Made.Fault);
    return Answer;
  }
  if (Made.Clash.Kind != ClashKind::None) {
    Stopped = true;
    LastClash = Made.Clash;
    Answer.Step = EngineStep::Clash;
    Answer.Clash = std::move(Made.Clash);
    return Answer;
  }
  std::vector<std::uint8_t> Bytes = EncodeUtf8(*Made.Text);
  if (Marked) Bytes.insert(Bytes.begin(), {0xEF, 0xBB, 0xBF});
  // What is written must read back: the edit is checked before the file is touched.
  const Competition Before = C;
  const std::u16string BeforeText = Text;
  const CsvLayout BeforeLayout = Layout;
  std::vector<CompetitionError> Errors;
  if (!ReadText(*Made.Text, &Errors)) {
    Answer.Step = EngineStep::Refused;
    if (!Errors.empty()) Answer.Fault = FoundFault{Errors[0].Why, Errors[0].Values};
    return Answer;
  }
  Answer.Written = Write(FilePath, Bytes);
  if (!Answer.Written.Done()) {
    C = Before;
    Text = BeforeText;
    Layout = BeforeLayout;
    Answer.Step = EngineStep::WriteFailed;
  }
  return Answer;
}

EngineAnswer CEventEngine::Record(const KeyedDive& Keyed) {
  // Checked against the file as it stands when it is written, below; whether the dive was a
  // correction is what the one who keyed it saw.
  const bool Correcting = RecordedFor(Keyed.Turn) != nullptr;
  return Save([this, &Keyed, Correcting]() -> Edited {
    // The file as it stands now: another program may have recorded this dive meanwhile.
    const RecordedDive* Was = RecordedFor(Keyed.Turn);
    if (!Correcting && Was != nullptr)
      return {
          std::nullopt, std::nullopt, {.Kind = ClashKind::Recorded, .Line = Was->Line}
      };
    RecordedDive R{
        Was != nullptr ? Was->Line : 0, Keyed.Turn.Entry, Keyed.Turn.Round, {}, Keyed.Decided};
    R.Awards = SeatValues<std::optional<HalfPoints>>(Keyed.Awards.size());
    std::copy(Keyed.Awards.begin(), Keyed.Awards.end(), R.Awards.begin());
    if (const std::optional<FoundFault> F = Check(Keyed)) return {std::nullopt, F, {}};
    if (Csv) {
      const std::optional<std::pair<std::size_t, std::size_t>> Row = Layout.RowOf(R.Entry, R.Round);
      const std::vector<TableRow> Rows = ReadTableRows(Text, Layout.Separator);
      const auto Found = std::find_if(Rows.begin(), Rows.end(), [&Row](const TableRow& T) {
        return Row && T.Line == Row->first;
      });
      if (Found == Rows.end())
        return {
            std::nullopt, FoundFault{CompetitionFault::NotUpNext, {}},
             {    }
        };
      const std::optional<std::u16string> NewRow = CsvRowWithDive(Found->Fields, Layout, R);
      if (!NewRow)
        return {
            std::nullopt, FoundFault{CompetitionFault::NoColumnFor, {.Written = u"decision"}},
             {                          }
        };
      return {WithLines(Text, Row->first, Row->second, *NewRow), std::nullopt, {}};
    }
    const std::u16string Line = RecordedDiveLine(C, R);
    if (Was != nullptr) return {WithLines(Text, Was->Line, Was->Line, Line), std::nullopt, {}};
    return {WithLineAtEnd(Text, Line, FirstAfterLists()), std::nullopt, {}};
  });
}

EngineAnswer CEventEngine::SetStatus(std::size_t Diver, DiverStatus Status, std::size_t Round,
                                     std::u16string_view Reason) {
  return Save([&]() -> Edited {
    if (Diver >= C.Entries.size())
      return {
          std::nullopt, FoundFault{CompetitionFault::StatusOfNobody, {}},
           {    }
      };
    Entry Now = C.Entries[Diver];
    Now.Status = Status;
    Now.StatusRound = RowOf(Status).FromRound ? Round : 0;
    Now.StatusReason = Status == DiverStatus::Disqualified ? std::u16string(Reason) : u"";
    if (RowOf(Status).FromRound && (Round < 1 || Round > Now.Dives.size()))
      return {
          std::nullopt,
          FoundFault{CompetitionFault::StatusRound,
                     {.Diver = Now.Diver, .Round = Round, .Count = Now.Dives.size()}},
          {                                  }
      };
    for (const RecordedDive& R : C.Recorded)
      if (R.Entry == Diver && R.Round > RoundsDived(Now))
        return {
            std::nullopt,
            FoundFault{CompetitionFault::DiveAfterStatus,
                       {.Written = std::u16string(RowOf(Status).Key),
                       .Diver = Now.Diver,
                       .Round = R.Round,
                       .OtherLine = R.Line}},
            {  }
        };
    const Entry& Was = C.Entries[Diver];
    if (Csv) {
      const std::size_t OnRound = Now.StatusRound != 0 ? Now.StatusRound : 1;
      const std::optional<std::pair<std::size_t, std::size_t>> Row = Layout.RowOf(Diver, OnRound);
      const std::vector<TableRow> Rows = ReadTableRows(Text, Layout.Separator);
      std::u16string New = Text;
      // The status stands on one row: taken off the row it stood on, put on its round's.
      for (const TableRow& T : Rows) {
        const bool Here = Row && T.Line == Row->first;
        const bool Stood = Was.Status != DiverStatus::Ok && T.Line == Was.StatusLine;
        if (!Here && !Stood) continue;
        const Entry& Put = Here ? Now : Entry{};
        const std::optional<std::u16string> NewRow = CsvRowWithStatus(T.Fields, Layout, Put);
        if (!NewRow)
          return {
              std::nullopt, FoundFault{CompetitionFault::NoColumnFor, {.Written = u"status"}},
               {                        }
          };
        New = WithLines(New, T.Line, T.LastLine, *NewRow);
      }
      return {New, std::nullopt, {}};
    }
    const std::optional<std::u16string> Line =
        Status == DiverStatus::Ok ? std::nullopt : std::optional(StatusLineText(Now));
    if (Was.StatusLine != 0)
      return {WithLines(Text, Was.StatusLine, Was.StatusLine, Line), std::nullopt, {}};
    if (!Line) return {Text, std::nullopt, {}};
    return {WithLineAtEnd(Text, *Line, FirstAfterLists()), std::nullopt, {}};
  });
}

EngineAnswer CEventEngine::Draw(std::uint64_t Seed) {
  return Save([this, Seed]() -> Edited {
    if (Csv)
      return {
          std::nullopt, FoundFault{CompetitionFault::DrawOfSpreadsheet, {}},
           {    }
      };
    if (!C.Recorded.empty())
      return {
          std::nullopt,
          FoundFault{CompetitionFault::DrawWithDives, {.Count = C.Recorded.size()}},
          {                              }
      };
    std::vector<std::u16string> Names;
    Names.reserve(C.Entries.size());
    for (const Entry& E : C.Entries) Names.push_back(E.Diver);
    return {DrawnText(Text, C, DrawOrder(Names, Seed), Seed), std::nullopt, {}};
  });
}

EngineAnswer CEventEngine::Reload() {
  EngineAnswer Answer;
  if (!Lock.Held()) {
    const LockAttempt Taken = Lock.Take(FilePath, ThisProcessHolder());
    HeldBy = Taken.Taken ? u"" : Taken.Holder.empty() ? u"another program" : Taken.Holder;
  }
  std::vector<std::uint8_t> Bytes;
  if (const FileOutcome Read = ReadDocumentBytes(FilePath, Bytes); !Read.Done()) {
    Answer.Step = EngineStep::Clash;
    Answer.Clash = {.Kind = ClashKind::Gone, .Reason = FileOutcomeReason(Read)};
    return Answer;
  }
  std::vector<CompetitionError> Errors;
  if (!ReadText(mFSO::DecodeDocument(Bytes).Text, &Errors)) {
    Answer.Step = EngineStep::Clash;
    Answer.Clash = {.Kind = ClashKind::DoesNotRead, .Errors = std::move(Errors)};
    return Answer;
  }
  Marked = Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF;
  Stopped = false;
  return Answer;
}

}  // namespace merrith
