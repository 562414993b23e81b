#include "scoring/competition_csv.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "difficulty/dive_numbers.h"
#include "difficulty/heights.h"
#include "sheets/sheet_words.h"
#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

constexpr std::size_t Shown = 40;
constexpr std::size_t Fixed = std::size(CsvColumns);
enum Column : std::size_t { DiverCol, TeamCol, RoundCol, DiveCol, HeightCol, DdCol, DecisionCol };

// The mark between the two names of a synchronised pair.
constexpr std::u16string_view PairMark = u" / ";

// One row of the table: its first line in the file and its fields, views of the text (or of
// the row's copies of its quoted fields).
struct Row {
  std::size_t Line = 0;
  std::vector<std::u16string_view> Fields;
};

bool StartsFormula(char16_t C) {
  return C == u'=' || C == u'+' || C == u'-' || C == u'@' || C == u'\t' || C == u'\r';
}

// A field as a spreadsheet meant it: trimmed, and without the apostrophe that keeps a
// formula-looking text from running.
std::u16string_view FieldText(std::u16string_view Field) {
  std::u16string_view Text = mXMLParser::TrimWhiteView(Field);
  if (Text.size() > 1 && Text[0] == u'\'' && StartsFormula(Text[1])) Text.remove_prefix(1);
  return Text;
}

// The rows of a text one by one: fields apart at commas, in quotes where they hold commas,
// quotes ("") or line breaks; rows end at a line feed outside quotes. Blank lines are no rows.
// A field without quotes is a view of the text; a quoted one is copied with its quotes undone.
class RowReader {
 public:
  explicit RowReader(std::u16string_view All) : Text(All) {}

  // The next row into R (valid until the next call); false after the last.
  bool Next(Row& R) {
    while (At <= Text.size()) {
      if (ReadRow(R)) return true;
    }
    return false;
  }

 private:
  // Reads one line (and the lines its quotes hold) into R; false where it is blank.
  bool ReadRow(Row& R) {
    R.Line = Line;
    R.Fields.clear();
    Copies.clear();
    if (const std::optional<bool> Bare = ReadBareRow(R)) return *Bare;
    R.Fields.clear();
    bool Any = false;     // a comma or a quote: not a blank line
    bool Quoted = false;  // inside quotes
    bool Copied = false;  // the field has had quotes: it is built in Field
    std::size_t Start = At;
    std::u16string Field;
    const auto EndField = [&](std::size_t End) {
      if (!Copied) {
        R.Fields.push_back(FieldText(Text.substr(Start, End - Start)));
      } else {
        R.Fields.push_back(FieldText(Copies.emplace_back(std::move(Field))));
        Field.clear();
      }
      Copied = false;
      Start = End + 1;
    };
    for (; At < Text.size(); ++At) {
      // Most cells are bare: their units pass at once, up to a comma, a quote or a line end.
      if (!Quoted && !Copied) {
        At = FindAnyUnit(Text, At, u',', u'"', u'\n');
        if (At == std::u16string_view::npos) {
          At = Text.size();
          break;
        }
      }
      const char16_t C = Text[At];
      if (C == u'\n') ++Line;
      if (Quoted) {
        if (C == u'"' && At + 1 < Text.size() && Text[At + 1] == u'"') {
          Field += u'"';
          ++At;
        } else if (C == u'"') {
          Quoted = false;
        } else {
          Field += C;
        }
      } else if (C == u'"' && (Copied ? Field.empty() : At == Start)) {
        // Only a field's first character opens quotes; a quote inside a bare field is text.
        Quoted = Any = Copied = true;
      } else if (C == u',') {
        EndField(At);
        Any = true;
      } else if (C == u'\n') {
        EndField(At);
        ++At;
        return Any || R.Fields.size() > 1 || !R.Fields[0].empty();
      } else if (Copied) {
        Field += C;
      }
    }
    EndField(At);
    ++At;  // past the end: no row follows
    return Any || R.Fields.size() > 1 || !R.Fields[0].empty();
  }

  // A line without quotes, as most rows are: its fields are its parts between commas. Whether
  // it is a row (not blank); nothing where the line holds a quote, and the reader has not moved.
  std::optional<bool> ReadBareRow(Row& R) {
    std::size_t Start = At;
    bool Quote = false;
    const auto Take = [&](std::size_t Where) {
      if (Text[Where] == u'"') return Quote = true;
      R.Fields.push_back(FieldText(Text.substr(Start, Where - Start)));
      Start = Where + 1;
      return Text[Where] == u'\n';
    };
    const std::size_t End = FindUnitWhere(Text, At, Take, u',', u'"', u'\n');
    if (Quote) return std::nullopt;
    if (End == std::u16string_view::npos) {
      R.Fields.push_back(FieldText(Text.substr(Start)));
      At = Text.size() + 1;
    } else {
      ++Line;
      At = End + 1;
    }
    return R.Fields.size() > 1 || !R.Fields[0].empty();
  }

  std::u16string_view Text;
  std::size_t At = 0;
  std::size_t Line = 1;
  std::deque<std::u16string> Copies;  // the row's quoted fields; a deque keeps them in place
};

std::optional<std::size_t> ReadRound(std::u16string_view Text) {
  if (Text.empty() || Text.size() > 3) return std::nullopt;
  std::size_t Value = 0;
  for (const char16_t C : Text) {
    if (C < u'0' || C > u'9') return std::nullopt;
    Value = Value * 10 + static_cast<std::size_t>(C - u'0');
  }
  if (Value == 0) return std::nullopt;
  return Value;
}

// A dive code at a height: its number as the rule book writes it (the code where it is no
// dive), its position letter (0 for none) and its DD by the formula.
struct DiveAtHeight {
  std::u16string Number;
  char16_t Position = 0;
  std::optional<DdTenths> DD;
};

// A diver's dives as the rows give them, by round.
struct DiverRows {
  std::vector<std::size_t> Rounds;
  std::vector<ListedDive> Dives;  // those of Rounds
};

class CsvReader {
 public:
  CompetitionRead Read(std::u16string_view Text) {
    RowReader Rows(Text);
    Row R;
    if (!Rows.Next(R) || !ReadHeader(R)) {
      if (Out.Errors.empty())
        Error(1, u"no header row (diver,team,round,dive,height,dd,decision,J1,...)");
      return std::move(Out);
    }
    while (Rows.Next(R)) ReadRow(R);
    CheckRounds();
    std::stable_sort(
        Out.Errors.begin(), Out.Errors.end(),
        [](const CompetitionError& A, const CompetitionError& B) { return A.Line < B.Line; });
    return std::move(Out);
  }

 private:
  void Error(std::size_t Line, std::u16string Text) {
    Out.Errors.push_back({u"", Line, std::move(Text), {}});
  }

  bool ReadHeader(const Row& Header) {
    const std::vector<std::u16string_view>& F = Header.Fields;
    bool Named = F.size() > Fixed;
    for (std::size_t I = 0; Named && I < F.size(); ++I)
      Named = I < Fixed ? SameWord(F[I], CsvColumns[I])
                        : SameWord(F[I], std::u16string(u"J") += NumberText(I - Fixed + 1));
    if (!Named) {
      Error(Header.Line, u"the header row is diver,team,round,dive,height,dd,decision,J1,...,Jn");
      return false;
    }
    const std::optional<Panel> P =
        PanelOfJudges(static_cast<int>(std::min<std::size_t>(F.size() - Fixed, 99)));
    if (!P) {
      Error(Header.Line, NumberText(F.size() - Fixed) +
                             u" J columns: a panel has 3, 5 or 7 judges, 9 or 11 synchronised");
      return false;
    }
    Out.Read.Judges = *P;
    Width = F.size();
    return true;
  }

  void ReadRow(const Row& R) {
    const std::vector<std::u16string_view>& F = R.Fields;
    if (F.size() != Width)
      return Error(R.Line, CountText(F.size(), u"field", u"fields") + u", where the header has " +
                               NumberText(Width));
    const bool Pair = F[DiverCol].find(PairMark) != std::u16string::npos;
    if (F[DiverCol].empty()) return Error(R.Line, u"no diver");
    if (Pair != IsSynchro(Out.Read.Judges))
      return Error(R.Line, Pair ? u"a pair of divers wants 9 or 11 J columns"
                                : u"a panel of 9 or 11 judges wants a pair of divers (A / B)");
    const std::optional<std::size_t> Round = ReadRound(F[RoundCol]);
    if (!Round) return Error(R.Line, Shortened(F[RoundCol], Shown) + u" is no round (1, 2, ...)");
    const std::size_t Index = EntryOf(R, F);
    if (Index == NoEntry) return;
    std::optional<ListedDive> Dive = ReadDive(R, F);
    if (!Dive) return;
    // Rounds mostly come in order: a round after the last one read goes at the end.
    DiverRows& Rows = DivesOf[Index];
    const auto At = Rows.Rounds.empty() || Rows.Rounds.back() < *Round
                        ? Rows.Rounds.end()
                        : std::lower_bound(Rows.Rounds.begin(), Rows.Rounds.end(), *Round);
    const auto Place = At - Rows.Rounds.begin();
    if (At != Rows.Rounds.end() && *At == *Round)
      return Error(R.Line,
                   u"round " + NumberText(*Round) + u" of " + Shortened(F[DiverCol], Shown) +
                       u" again, after line " +
                       NumberText(Rows.Dives[static_cast<std::size_t>(Place)].Written.Line));
    Rows.Rounds.insert(At, *Round);
    Rows.Dives.insert(Rows.Dives.begin() + Place, std::move(*Dive));
    ReadAwards(R, F, Index, *Round);
  }

  static constexpr std::size_t NoEntry = static_cast<std::size_t>(-1);

  // The diver of the row, added where it is new. A table lists a round's dives in starting
  // order, round after round: the diver after the last row's is tried before the names.
  std::size_t EntryOf(const Row& R, const std::vector<std::u16string_view>& F) {
    std::vector<Entry>& Entries = Out.Read.Entries;
    std::size_t Found = NextEntry;
    if (Found >= Entries.size() || Entries[Found].Diver != F[DiverCol]) {
      auto At = ByName.find(F[DiverCol]);
      if (At == ByName.end()) {
        At = ByName.emplace(F[DiverCol], Entries.size()).first;
        Entries.push_back(
            {R.Line, std::u16string(F[DiverCol]), std::u16string(F[TeamCol]), u"", 0, {}, {}});
        DivesOf.emplace_back();
      }
      Found = At->second;
    }
    if (Entries[Found].Team != F[TeamCol]) {
      Error(R.Line, u"the team differs from line " + NumberText(Entries[Found].Line));
      return NoEntry;
    }
    NextEntry = Found + 1 < Entries.size() ? Found + 1 : 0;
    return Found;
  }

  // Code at H as the rule book and the formula read it, once for every row that has it.
  const DiveAtHeight& DiveAt(const std::u16string& Code, const Height& H) {
    Key.assign(1, static_cast<char16_t>(H.Index)) += Code;
    if (const auto Found = Dives.find(Key); Found != Dives.end()) return Found->second;
    DiveAtHeight Read;
    const RuleBookDive Number = ReadDiveNumber(Code, H.Index);
    Read.Number = Number.Why == NoDive::None ? Number.Number : Code;
    if (Number.Why == NoDive::None) Read.Position = static_cast<char16_t>(u'A' + Number.Dive.Pos);
    Read.DD = DdTenthsOf(H.Calc->DD(Code, H.Index));
    return Dives.emplace(Key, std::move(Read)).first->second;
  }

  std::optional<ListedDive> ReadDive(const Row& R, const std::vector<std::u16string_view>& F) {
    const Height* H = HeightNamed(F[HeightCol]);
    if (H == nullptr) {
      Error(R.Line,
            Shortened(F[HeightCol], Shown) + u" is no height (" + AllHeightsText(u" ") + u")");
      return std::nullopt;
    }
    ListedDive D;
    D.Written = {R.Line, UpperCase(F[DiveCol]), H->Index, std::nullopt, false, {}};
    D.HeightIndex = H->Index;
    const DiveAtHeight& Read = DiveAt(D.Written.Code, *H);
    D.Number = Read.Number;
    D.Position = Read.Position;
    if (!F[DdCol].empty()) {
      D.Written.Stated = ReadStatedDd(F[DdCol]);
      if (!D.Written.Stated) {
        Error(R.Line, Shortened(F[DdCol], Shown) + u" is no DD (3.4)");
        return std::nullopt;
      }
      D.DD = D.Written.Stated;
    } else {
      D.DD = Read.DD;
    }
    if (!D.DD) {
      Error(R.Line, Shortened(D.Written.Code, Shown) + u" has no DD at " + HeightText(H->Index) +
                        u": the dive cannot be scored");
      return std::nullopt;
    }
    return D;
  }

  void ReadAwards(const Row& R, const std::vector<std::u16string_view>& F, std::size_t Index,
                  std::size_t Round) {
    RecordedDive Rec{R.Line, Index, Round, {}, {}};
    const auto Cells = std::span(F).subspan(Fixed);
    if (std::all_of(Cells.begin(), Cells.end(), [](std::u16string_view C) { return C.empty(); }))
      return;  // not recorded yet
    bool Any = false;
    for (const std::u16string_view Cell : Cells) {
      if (IsMissingAward(Cell)) {
        Rec.Awards.push_back(std::nullopt);
        continue;
      }
      const HalfPoints Award = AwardValue(Cell);
      if (Award == NoAward)
        return Error(R.Line, (Cell.empty() ? u"an empty award" : Shortened(Cell, Shown)) +
                                 u": an award is 0 to 10 in half points, - for a missing one");
      Rec.Awards.push_back(Award);
      Any = true;
    }
    if (!Any) return Error(R.Line, u"every award is missing: at least one is needed");
    const std::optional<Decision> D = ReadDecision(F[DecisionCol]);
    if (!D)
      return Error(R.Line,
                   Shortened(F[DecisionCol], Shown) +
                       u" is no decision: failed, max2, max4.5, restart, unsafe, joined by +");
    Rec.Decided = *D;
    Out.Read.Recorded.push_back(Rec);
  }

  // Each diver's rows give rounds 1, 2, 3 ... without a gap.
  void CheckRounds() {
    for (std::size_t I = 0; I < DivesOf.size(); ++I) {
      Entry& E = Out.Read.Entries[I];
      DiverRows& Rows = DivesOf[I];
      std::size_t Gapless = 0;
      while (Gapless < Rows.Rounds.size() && Rows.Rounds[Gapless] == Gapless + 1) ++Gapless;
      if (Gapless < Rows.Rounds.size())
        Error(E.Line,
              Shortened(E.Diver, Shown) + u" has no row for round " + NumberText(Gapless + 1));
      Rows.Dives.resize(Gapless);
      E.Dives = std::move(Rows.Dives);
    }
  }

  CompetitionRead Out;
  std::size_t Width = 0;
  std::unordered_map<std::u16string, std::size_t, TextHash, std::equal_to<>> ByName;
  std::unordered_map<std::u16string, DiveAtHeight> Dives;  // by height (one unit), then code
  std::u16string Key;
  std::size_t NextEntry = 0;       // the diver after that of the last row read
  std::vector<DiverRows> DivesOf;  // in the order of Out.Read.Entries
};

}  // namespace

CompetitionRead ReadCompetitionCsv(std::u16string_view Text) {
  // The byte-order mark that spreadsheets write first.
  if (!Text.empty() && Text[0] == u'\uFEFF') Text.remove_prefix(1);
  return CsvReader().Read(Text);
}

bool IsCsvPath(std::u16string_view Path) {
  return Path.size() >= 4 && SameWord(Path.substr(Path.size() - 4), u".csv");
}

}  // namespace merrith
