#include "scoring/competition_csv.h"

#include <algorithm>
#include <unordered_map>

#include "difficulty/dive_numbers.h"
#include "difficulty/heights.h"
#include "scoring/dive_check.h"
#include "sheets/sheet_words.h"
#include "support/table_text.h"
#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

// The mark between the names of a synchronised pair or a team.
constexpr std::u16string_view PairMark = u" / ";

// A synchronised event counts DD 2.0 in its first two rounds, whatever the dive: a spreadsheet
// names no event, so its synchro panel says which it is.
constexpr std::size_t SynchroAssignedRounds = 2;
constexpr DdTenths SynchroAssignedDd = 20;

// The judge's seat a header word names, from 1: J1, J 1, Judge 1; nothing for another word.
std::optional<std::size_t> JudgeColumn(std::u16string_view Word) {
  for (const std::u16string_view Lead : {u"judge", u"j"}) {
    if (Word.size() <= Lead.size() || !SameWord(Word.substr(0, Lead.size()), Lead)) continue;
    return ReadWholeNumber(mXMLParser::TrimWhiteView(Word.substr(Lead.size())), 1, MaxJudges);
  }
  return std::nullopt;
}

// The names a diver cell gives, apart at " / ".
std::size_t NamesIn(std::u16string_view Cell) {
  std::size_t Names = 1;
  for (std::size_t At = Cell.find(PairMark); At != std::u16string_view::npos;
       At = Cell.find(PairMark, At + PairMark.size()))
    ++Names;
  return Names;
}

// A dive code at a height: its number as the rule book writes it (the code where it is no
// dive), its position letter (0 for none), its DD by the formula, and why it is no dive.
struct DiveAtHeight {
  std::u16string Number;
  char16_t Position = 0;
  std::optional<DdTenths> DD;
  bool IsDive = false;
};

// A diver's dives as the rows give them, by round.
struct DiverRows {
  std::map<std::size_t, ListedDive> Dives;
};

class CsvReader {
 public:
  CompetitionCsvRead Read(std::u16string_view Text) {
    if (!Text.empty() && Text[0] == u'\uFEFF') Text.remove_prefix(1);
    const std::size_t HeaderEnd = Text.find(u'\n');
    Out.Layout.Separator = FindSeparator(Text.substr(0, HeaderEnd));
    // A spreadsheet apart at semicolons writes its numbers with decimal commas.
    Out.Layout.DecimalComma = Out.Layout.Separator == u';';
    const std::vector<TableRow> Rows = ReadTableRows(Text, Out.Layout.Separator);
    if (Rows.empty() || !ReadHeader(Rows[0])) {
      if (Out.Read.Errors.empty()) Error(1, CompetitionFault::NoHeader);
      return std::move(Out);
    }
    // A row records one dive at most.
    Out.Read.Read.Recorded.reserve(Rows.size() - 1);
    for (std::size_t I = 1; I < Rows.size(); ++I) ReadRow(Rows[I]);
    EndDivers();
    std::stable_sort(
        Out.Read.Errors.begin(), Out.Read.Errors.end(),
        [](const CompetitionError& A, const CompetitionError& B) { return A.Line < B.Line; });
    return std::move(Out);
  }

 private:
  void Error(std::size_t Line, CompetitionFault Why, FaultValues Values = {}) {
    Out.Read.Errors.push_back({u"", Line, Why, std::move(Values), {}});
  }

  std::optional<std::size_t> At(TableColumn Column) const {
    return Out.Layout.At[static_cast<std::size_t>(Column)];
  }
  // The row's cell of Column; empty where the spreadsheet has no such column.
  std::u16string_view Cell(const TableRow& R, TableColumn Column) const {
    const std::optional<std::size_t> Place = At(Column);
    return Place ? std::u16string_view(R.Fields[*Place]) : std::u16string_view();
  }

  // The columns found by their header words; the judges' in seating order, as many as a panel.
  bool ReadHeader(const TableRow& Header) {
    CsvLayout& L = Out.Layout;
    std::map<std::size_t, std::size_t> Judges;  // seat: column
    std::u16string LeftAlone;
    for (std::size_t I = 0; I < Header.Fields.size(); ++I) {
      const std::u16string& Word = Header.Fields[I];
      if (const std::optional<std::size_t> Seat = JudgeColumn(Word)) {
        if (!Judges.emplace(*Seat, I).second) {
          Error(Header.Line, CompetitionFault::HeaderColumn, {.Written = Word});
          return false;
        }
        continue;
      }
      const std::optional<TableColumn> Column = ColumnHeaded(Word, CsvColumns);
      if (Column && !L.At[static_cast<std::size_t>(*Column)]) {
        L.At[static_cast<std::size_t>(*Column)] = I;
        continue;
      }
      // A column Merrith does not use, or a second of one it does (Nation beside Team).
      if (!Word.empty()) AppendJoined(LeftAlone, u", ", Word);
    }
    for (const ColumnRead& C : CsvColumns)
      if (C.Needed && !L.At[static_cast<std::size_t>(C.Column)]) {
        Error(Header.Line, CompetitionFault::HeaderColumn,
              {.Other = std::u16string(ColumnRow(C.Column).Written),
               .Reason = HeaderWords(C.Column)});
        return false;
      }
    std::size_t Seat = 1;
    for (const auto& [Number, Column] : Judges) {
      if (Number != Seat++) {
        Error(Header.Line, CompetitionFault::JudgeColumns, {.Count = Judges.size()});
        return false;
      }
      L.Judges.push_back(Column);
    }
    const std::optional<Panel> P = PanelOfJudges(static_cast<int>(L.Judges.size()));
    if (!P) {
      Error(Header.Line, CompetitionFault::JudgeColumns, {.Count = L.Judges.size()});
      return false;
    }
    Out.Read.Read.Judges = *P;
    Width = Header.Fields.size();
    if (!LeftAlone.empty())
      Out.Read.Notes.push_back({u"", ReadNoteKind::ColumnsLeftAlone, LeftAlone});
    return true;
  }

  void ReadRow(const TableRow& R) {
    if (R.Fields.size() != Width)
      return Error(R.Line, CompetitionFault::FieldCount,
                   {.Count = R.Fields.size(), .Wanted = Width});
    const std::u16string_view Diver = Cell(R, TableColumn::Diver);
    if (Diver.empty()) return Error(R.Line, CompetitionFault::NoDiver);
    if (IsSynchro(Out.Read.Read.Judges) && NamesIn(Diver) != 2)
      return Error(R.Line, CompetitionFault::PairNotTwo,
                   {.Diver = std::u16string(Diver), .Count = NamesIn(Diver)});
    const std::optional<std::size_t> Round =
        ReadWholeNumber(Cell(R, TableColumn::Round), 1, MostRounds);
    if (!Round)
      return Error(R.Line, CompetitionFault::NotARound,
                   {.Written = std::u16string(Cell(R, TableColumn::Round))});
    const std::optional<std::size_t> Index = EntryOf(R, Diver);
    if (!Index) return;
    std::optional<ListedDive> Dive = ReadDive(R, *Round);
    if (!Dive) return;
    DiverRows& Rows = DivesOf[*Index];
    if (const auto Found = Rows.Dives.find(*Round); Found != Rows.Dives.end())
      return Error(R.Line, CompetitionFault::RoundTwice,
                   {.Diver = std::u16string(Diver),
                    .Round = *Round,
                    .OtherLine = Found->second.Written.Line});
    Rows.Dives.emplace(*Round, std::move(*Dive));
    Out.Layout.Rows[{*Index, *Round}] = {R.Line, R.LastLine};
    ReadStatus(R, *Index, *Round);
    ReadAwards(R, *Index, *Round);
  }

  // The diver of the row, added where it is new, with the team of its first row.
  std::optional<std::size_t> EntryOf(const TableRow& R, std::u16string_view Diver) {
    std::vector<Entry>& Entries = Out.Read.Read.Entries;
    const std::u16string_view Team = Cell(R, TableColumn::Team);
    auto Found = ByName.find(std::u16string(Diver));
    if (Found == ByName.end()) {
      Found = ByName.emplace(std::u16string(Diver), Entries.size()).first;
      Entry& E = Entries.emplace_back();
      E.Line = R.Line;
      E.Diver = Diver;
      E.Team = Team;
      DivesOf.emplace_back();
    }
    const Entry& E = Entries[Found->second];
    if (E.Team != Team) {
      Error(R.Line, CompetitionFault::TeamDiffers, {.Diver = E.Diver, .OtherLine = E.Line});
      return std::nullopt;
    }
    return Found->second;
  }

  // Code at H as the rule book and the formula read it, once for every row that has it.
  const DiveAtHeight& DiveAt(const std::u16string& Code, const Height& H) {
    const auto Key = std::pair{H.Index, Code};
    if (const auto Found = Dives.find(Key); Found != Dives.end()) return Found->second;
    DiveAtHeight Read;
    const RuleBookDive Number = ReadDiveNumber(Code, H.Index);
    Read.IsDive = Number.Why == NoDive::None;
    Read.Number = Read.IsDive ? Number.Number : Code;
    if (Read.IsDive) Read.Position = static_cast<char16_t>(u'A' + Number.Dive.Pos);
    Read.DD = DdTenthsOf(H.Calc->DD(Code, H.Index));
    return Dives.emplace(Key, std::move(Read)).first->second;
  }

  // The dive of a row: its code (the number and a position column joined), its height, and
  // the DD that counts: the one given, else the formula's (2.0 in synchro's first rounds).
  std::optional<ListedDive> ReadDive(const TableRow& R, std::size_t Round) {
    const Height* H = HeightNamed(Cell(R, TableColumn::Height));
    if (H == nullptr) {
      Error(R.Line, CompetitionFault::NotAHeight,
            {.Written = std::u16string(Cell(R, TableColumn::Height))});
      return std::nullopt;
    }
    ListedDive D;
    D.Written = {R.Line,
                 UpperCase(std::u16string(Cell(R, TableColumn::Dive)) +
                           std::u16string(Cell(R, TableColumn::Pos))),
                 H->Index,
                 std::nullopt,
                 false,
                 {}};
    D.HeightIndex = H->Index;
    const DiveAtHeight& Read = DiveAt(D.Written.Code, *H);
    D.Number = Read.Number;
    D.Position = Read.Position;
    if (!Read.IsDive) {
      Error(R.Line, CompetitionFault::NotADive, {.Written = D.Written.Code, .Height = H->Index});
      return std::nullopt;
    }
    const bool Assigned = IsSynchro(Out.Read.Read.Judges) && Round <= SynchroAssignedRounds;
    const std::optional<DdTenths> Counts = Assigned ? std::optional(SynchroAssignedDd) : Read.DD;
    const std::u16string_view Given = Cell(R, TableColumn::Dd);
    if (Given.empty()) {
      D.DD = Counts;
      if (!D.DD) {
        Error(R.Line, CompetitionFault::NoDdAtHeight,
              {.Written = D.Written.Code, .Height = H->Index});
        return std::nullopt;
      }
      return D;
    }
    D.Written.Stated = ReadStatedDd(Given);
    if (!D.Written.Stated) {
      Error(R.Line, CompetitionFault::NotADd, {.Written = std::u16string(Given)});
      return std::nullopt;
    }
    if (*D.Written.Stated == 0) {
      Error(R.Line, CompetitionFault::ZeroDd, {.Written = std::u16string(Given)});
      return std::nullopt;
    }
    D.DD = D.Written.Stated;
    if (D.DD != Counts)
      Problem(R.Line, {.Written = D.Written.Code,
                       .Diver = std::u16string(Cell(R, TableColumn::Diver)),
                       .Round = Round,
                       .Height = H->Index,
                       .Dd = Counts,
                       .Stated = D.Written.Stated});
    return D;
  }

  void Problem(std::size_t Line, FaultValues Values) {
    Out.Read.Read.Problems.push_back(
        {u"", Line, CompetitionFault::StatedDdNotCounted, std::move(Values), {}});
  }

  // A status cell: the diver's from the round of its row (wd, dsq) or whole (ooc, dns); the
  // same word again on later rows is the same status.
  void ReadStatus(const TableRow& R, std::size_t Index, std::size_t Round) {
    const std::u16string_view Word = Cell(R, TableColumn::Status);
    if (Word.empty()) return;
    const auto* Row = std::find_if(std::begin(StatusRows), std::end(StatusRows),
                                   [Word](const StatusRow& S) { return SameWord(S.Word, Word); });
    if (Row == std::end(StatusRows) || Row->Status == DiverStatus::Ok)
      return Error(R.Line, CompetitionFault::NotAStatus, {.Written = std::u16string(Word)});
    Entry& E = Out.Read.Read.Entries[Index];
    if (E.Status == Row->Status) return;
    if (E.Status != DiverStatus::Ok)
      return Error(R.Line, CompetitionFault::StatusTwice,
                   {.Diver = E.Diver, .OtherLine = E.StatusLine});
    E.Status = Row->Status;
    E.StatusRound = Row->FromRound ? Round : 0;
    E.StatusLine = R.Line;
  }

  void ReadAwards(const TableRow& R, std::size_t Index, std::size_t Round) {
    RecordedDive Rec{R.Line, Index, Round, {}, {}};
    const std::u16string_view DecisionCell = Cell(R, TableColumn::Decision);
    if (std::all_of(Out.Layout.Judges.begin(), Out.Layout.Judges.end(),
                    [&R](std::size_t J) { return R.Fields[J].empty(); })) {
      // A dive not yet recorded; a decision alone is a row half keyed.
      if (!DecisionCell.empty())
        Error(R.Line, CompetitionFault::DecisionWithoutAwards,
              {.Written = std::u16string(DecisionCell)});
      return;
    }
    std::vector<std::optional<HalfPoints>> Awards;
    Awards.reserve(Out.Layout.Judges.size());
    for (const std::size_t J : Out.Layout.Judges) {
      const std::u16string& Field = R.Fields[J];
      if (IsMissingAward(Field)) {
        Awards.emplace_back();
      } else if (const std::optional<HalfPoints> Award = ReadAward(Field)) {
        Awards.push_back(Award);
        Out.Layout.DecimalComma =
            Out.Layout.DecimalComma || Field.find(u',') != std::u16string::npos;
      } else {
        return Error(R.Line, CompetitionFault::NotAnAward, {.Written = Field});
      }
    }
    if (const std::optional<FoundFault> F = CheckAwards(Out.Read.Read.Judges, Awards))
      return Error(R.Line, F->Why, F->Values);
    const std::optional<Decision> D = ReadDecision(DecisionCell);
    if (!D)
      return Error(R.Line, CompetitionFault::NotADecision,
                   {.Written = std::u16string(DecisionCell)});
    Rec.Awards = SeatValues<std::optional<HalfPoints>>(Awards.size());
    std::copy(Awards.begin(), Awards.end(), Rec.Awards.begin());
    Rec.Decided = *D;
    Out.Read.Read.Recorded.push_back(Rec);
  }

  // Each diver's rows give rounds 1, 2, 3 ... without a gap; no dive is recorded in a round
  // its diver no longer dives.
  void EndDivers() {
    Competition& C = Out.Read.Read;
    for (std::size_t I = 0; I < DivesOf.size(); ++I) {
      Entry& E = C.Entries[I];
      std::size_t Round = 1;
      for (auto& [Number, Dive] : DivesOf[I].Dives) {
        if (Number != Round) {
          Error(E.Line, CompetitionFault::MissingRound, {.Diver = E.Diver, .Round = Round});
          break;
        }
        E.Dives.push_back(std::move(Dive));
        ++Round;
      }
    }
    for (const RecordedDive& R : C.Recorded) {
      const Entry& E = C.Entries[R.Entry];
      if (R.Round > RoundsDived(E))
        Error(R.Line, CompetitionFault::DiveAfterStatus,
              {.Written = std::u16string(merrith::RowOf(E.Status).Word),
               .Diver = E.Diver,
               .Round = R.Round,
               .OtherLine = E.StatusLine});
    }
  }

  CompetitionCsvRead Out;
  std::size_t Width = 0;
  std::unordered_map<std::u16string, std::size_t> ByName;
  std::map<std::pair<std::int32_t, std::u16string>, DiveAtHeight> Dives;  // by height and code
  std::vector<DiverRows> DivesOf;  // in the order of the entries
};

// The cells of a row as Merrith writes them, each after its separator but the first.
void AppendRow(std::u16string& Out, const std::vector<std::u16string>& Cells, char16_t Separator) {
  for (std::size_t I = 0; I < Cells.size(); ++I) {
    if (I > 0) Out += Separator;
    // A missing award's dash is no formula: it is written bare, as a person types it.
    if (IsMissingAward(Cells[I]))
      Out += Cells[I];
    else
      AppendTableField(Out, Cells[I], Separator);
  }
}

}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> CsvLayout::RowOf(std::size_t Entry,
                                                                    std::size_t Round) const {
  const auto Found = Rows.find({Entry, Round});
  if (Found == Rows.end()) return std::nullopt;
  return Found->second;
}

CompetitionCsvRead ReadCompetitionCsvText(std::u16string_view Text) {
  return CsvReader().Read(Text);
}

CompetitionRead ReadCompetitionCsv(std::u16string_view Text) {
  return ReadCompetitionCsvText(Text).Read;
}

std::u16string CompetitionCsv(const Competition& C) {
  const int Judges = JudgesOf(C.Judges);
  std::vector<std::u16string> Cells;
  for (const ColumnRead& Column : CsvColumns)
    if (Column.Column != TableColumn::Pos) Cells.emplace_back(ColumnRow(Column.Column).Written);
  for (int J = 1; J <= Judges; ++J) Cells.push_back(u"J" + NumberText(static_cast<std::size_t>(J)));
  std::u16string Out = u"\uFEFF";
  AppendRow(Out, Cells, u',');
  Out += u"\r\n";
  std::map<std::pair<std::size_t, std::size_t>, const RecordedDive*> Recorded;
  for (const RecordedDive& R : C.Recorded) Recorded[{R.Entry, R.Round}] = &R;
  const std::size_t Rounds = RoundsOf(C);
  for (std::size_t Round = 1; Round <= Rounds; ++Round)
    for (std::size_t I = 0; I < C.Entries.size(); ++I) {
      const Entry& E = C.Entries[I];
      if (E.Dives.size() < Round) continue;
      const auto Found = Recorded.find({I, Round});
      const RecordedDive* R = Found == Recorded.end() ? nullptr : Found->second;
      const ListedDive& D = E.Dives[Round - 1];
      const bool StatusHere =
          E.Status != DiverStatus::Ok && (E.StatusRound != 0 ? E.StatusRound == Round : Round == 1);
      Cells = {E.Diver,
               E.Team,
               NumberText(Round),
               D.Written.Code,
               D.HeightIndex != 0 ? HeightText(D.HeightIndex) : u"",
               D.DD ? TenthsText(*D.DD) : u"",
               R != nullptr ? DecisionText(R->Decided) : u"",
               StatusHere ? std::u16string(merrith::RowOf(E.Status).Word) : u""};
      for (int J = 0; J < Judges; ++J) {
        const std::optional<HalfPoints>& A =
            R != nullptr ? R->Awards[static_cast<std::size_t>(J)] : std::nullopt;
        Cells.push_back(R == nullptr ? u"" : A ? AwardText(*A) : u"-");
      }
      AppendRow(Out, Cells, u',');
      Out += u"\r\n";
    }
  return Out;
}

std::optional<std::u16string> CsvRowWithDive(std::vector<std::u16string> Fields,
                                             const CsvLayout& Layout, const RecordedDive& R) {
  const std::optional<std::size_t> DecisionAt =
      Layout.At[static_cast<std::size_t>(TableColumn::Decision)];
  const std::u16string Decided = DecisionText(R.Decided);
  if (!DecisionAt && !Decided.empty()) return std::nullopt;
  if (DecisionAt) Fields[*DecisionAt] = Decided;
  for (std::size_t J = 0; J < Layout.Judges.size() && J < R.Awards.size(); ++J) {
    std::u16string Award = R.Awards[J] ? AwardText(*R.Awards[J]) : u"-";
    if (Layout.DecimalComma) std::replace(Award.begin(), Award.end(), u'.', u',');
    Fields[Layout.Judges[J]] = std::move(Award);
  }
  std::u16string Row;
  AppendRow(Row, Fields, Layout.Separator);
  return Row;
}

std::optional<std::u16string> CsvRowWithStatus(std::vector<std::u16string> Fields,
                                               const CsvLayout& Layout, const Entry& E) {
  const std::optional<std::size_t> StatusAt =
      Layout.At[static_cast<std::size_t>(TableColumn::Status)];
  if (!StatusAt) return std::nullopt;
  Fields[*StatusAt] = E.Status == DiverStatus::Ok ? u"" : merrith::RowOf(E.Status).Word;
  std::u16string Row;
  AppendRow(Row, Fields, Layout.Separator);
  return Row;
}

bool IsCsvPath(std::u16string_view Path) {
  return Path.size() >= 4 && SameWord(Path.substr(Path.size() - 4), u".csv");
}

}  // namespace merrith
