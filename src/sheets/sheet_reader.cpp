#include "sheets/sheet_reader.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "sheets/sheet_lines.h"
#include "sheets/sheet_table.h"
#include "sheets/sheet_words.h"
#include "support/table_text.h"
#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

// The most of a word or a line that a message repeats: enough to find it by.
constexpr std::size_t WordShown = 24;
constexpr std::size_t LineShown = 48;

// The parts of Text between the marks At, without the white space around them.
std::vector<std::u16string_view> SplitAt(std::u16string_view Text, char16_t At) {
  std::vector<std::u16string_view> Parts;
  for (std::size_t Start = 0; Start <= Text.size();) {
    std::size_t End = Text.find(At, Start);
    if (End == std::u16string_view::npos) End = Text.size();
    Parts.push_back(mXMLParser::TrimWhiteView(Text.substr(Start, End - Start)));
    Start = End + 1;
  }
  return Parts;
}

// The headings of a sheet, in the order the checker uses them.
enum class Heading : std::uint8_t { Event, Diver, Height, Book, Divers };

struct HeadingName {
  Heading Is;
  std::u16string_view Name;
};

constexpr HeadingName HeadingNames[] = {
    { Heading::Event,  u"Event"},
    { Heading::Diver,  u"Diver"},
    {Heading::Height, u"Height"},
    {  Heading::Book,   u"Book"},
    {Heading::Divers, u"Divers"},
};

// The heading Key names, in any case; nothing for a key no sheet has.
const HeadingName* HeadingCalled(std::u16string_view Key) {
  const auto* Found = std::find_if(std::begin(HeadingNames), std::end(HeadingNames),
                                   [Key](const HeadingName& H) { return SameWord(H.Name, Key); });
  return Found == std::end(HeadingNames) ? nullptr : Found;
}

// The sheet as it is read line by line.
class Reader {
 public:
  // Room for Lines dives, up to the most any list may have: a sheet's lines are mostly dives.
  explicit Reader(std::size_t Lines) {
    Sheet.Dives.reserve(std::min(Lines, static_cast<std::size_t>(MostDives)));
  }

  void ReadLine(std::size_t Number, std::u16string_view Line) {
    if (Table && Line.find(Table->Separator) != std::u16string_view::npos)
      return ReadRow(Number, Line);
    if (IsDiveLine(Line)) return ReadDive(Number, Line);
    if (!Table && Sheet.Dives.empty()) {
      Table = ReadTableHead(Line);
      if (Table) return;
    }
    const std::size_t Colon = Line.find(u':');
    const std::u16string Shown = Shortened(Line, LineShown);
    if (Colon == std::u16string_view::npos)
      return Add(SheetProblem::NotADiveLine, Number, 0, {.Written = Shown});
    const std::u16string Key = mXMLParser::TrimWhite(std::u16string(Line.substr(0, Colon)));
    const HeadingName* H = HeadingCalled(Key);
    if (H == nullptr && !Sheet.Dives.empty())
      return Add(SheetProblem::NotADiveLine, Number, 0, {.Written = Shown});
    if (H == nullptr)
      return Add(SheetProblem::UnknownHeading, Number, 0, {.Written = Shortened(Key, LineShown)});
    if (!Sheet.Dives.empty())
      return Add(SheetProblem::HeadingAfterDives, Number, 0, {.Named = H->Name});
    ReadHeading(*H, Number, mXMLParser::TrimWhite(std::u16string(Line.substr(Colon + 1))));
  }

  SheetText Take() { return std::move(Sheet); }

 private:
  // A problem of the line Line, which is the dive Round where it is one (else 0).
  void Add(SheetProblem Why, std::size_t Line, std::size_t Round, ProblemValues Values,
           std::size_t OtherLine = 0) {
    Sheet.Problems.push_back({Why, Line, Round, std::move(Values), 0, OtherLine});
  }

  void ReadHeading(const HeadingName& H, std::size_t Line, std::u16string Value) {
    std::size_t& First = Seen[static_cast<std::size_t>(H.Is)];
    if (First != 0) return Add(SheetProblem::HeadingTwice, Line, 0, {.Named = H.Name}, First);
    First = Line;
    switch (H.Is) {
      case Heading::Event:
        Sheet.EventId = std::move(Value);
        Sheet.EventLine = Line;
        break;
      case Heading::Diver:
        Sheet.Diver = std::move(Value);
        Sheet.DiverLine = Line;
        if (Sheet.DiversLine == 0) ReadPair();
        break;
      case Heading::Divers:
        Sheet.DiversLine = Line;
        ReadDivers(Line, Value);
        break;
      case Heading::Height:
        if (const Height* Named = HeightNamed(Value))
          Sheet.HeightIndex = Named->Index;
        else
          Add(SheetProblem::NotAHeight, Line, 0, {.Written = Shortened(Value, WordShown)});
        break;
      case Heading::Book:
        Sheet.BookId = std::move(Value);
        Sheet.BookLine = Line;
        break;
    }
  }

  // A synchro pair's Diver: line, "Ann Example / Bea Example", names the divers of its lines.
  void ReadPair() {
    const std::vector<std::u16string_view> Names = SplitAt(Sheet.Diver, u'/');
    if (Names.size() < 2) return;
    for (const std::u16string_view Name : Names) Sheet.Divers.push_back({std::u16string(Name)});
  }

  // "Ann Example (W), Ben Example (M)": each name with (W) for a woman or (M) for a man.
  void ReadDivers(std::size_t Line, std::u16string_view Value) {
    Sheet.Divers.clear();
    for (std::u16string_view Entry : SplitAt(Value, u',')) {
      NamedDiver Diver;
      const std::size_t Open = Entry.rfind(u'(');
      const std::u16string_view Mark =
          Open == std::u16string_view::npos ? u"" : mXMLParser::TrimWhiteView(Entry.substr(Open));
      if (SameWord(Mark, u"(W)")) Diver.Sex = Who::Woman;
      if (SameWord(Mark, u"(M)")) Diver.Sex = Who::Man;
      if (Diver.Sex != Who::Anyone) Entry = mXMLParser::TrimWhiteView(Entry.substr(0, Open));
      if (Entry.empty() && Mark.empty()) continue;
      if (Entry.empty()) {
        Add(SheetProblem::DiverWithoutName, Line, 0, {.Written = Shortened(Mark, WordShown)});
        continue;
      }
      Diver.Name = Entry;
      Sheet.Divers.push_back(std::move(Diver));
    }
  }

  // The words of a dive line from From on, where the sheet names its divers: who dives it.
  bool ReadLineDivers(DiveLine& Dive, std::span<const std::u16string_view> Words,
                      std::size_t From) {
    if (Sheet.Divers.empty()) return false;
    std::u16string Rest;
    for (std::size_t I = From; I < Words.size(); ++I) AppendJoined(Rest, u" ", Words[I]);
    ReadNames(Dive, Rest);
    return true;
  }

  // Who dives a line: a name, or two joined by " / ".
  static void ReadNames(DiveLine& Dive, std::u16string_view Names) {
    for (const std::u16string_view Name : SplitAt(Names, u'/')) Dive.Divers.emplace_back(Name);
  }

  void ReadDive(std::size_t Line, std::u16string_view Text) {
    const std::span<const std::u16string_view> Words = LineWords.Read(Text);
    DiveLine& Dive = Sheet.Dives.emplace_back();
    Dive.Line = Line;
    Dive.Code = UpperCase(Words[0]);
    const std::size_t Round = Sheet.Dives.size();
    const auto Twice = [&](std::u16string_view What, std::u16string_view Word) {
      Add(SheetProblem::WordTwice, Line, Round,
          {.Written = Shortened(Word, WordShown), .Named = What});
    };
    for (std::size_t I = 1; I < Words.size(); ++I) {
      const std::u16string_view Word = Words[I];
      // A bare number is a height where the line has none yet, a DD after it: "107B 3 3.0".
      if (const Height* H = HeightWritten(Word, Dive.HeightIndex == 0)) {
        if (Dive.HeightIndex != 0)
          Twice(u"height", Word);
        else
          Dive.HeightIndex = H->Index;
      } else if (const std::optional<DdTenths> DD = ReadStatedDd(Word)) {
        if (Dive.Stated)
          Twice(u"DD", Word);
        else
          Dive.Stated = DD;
      } else if (SameWord(Word, u"limited")) {
        if (Dive.Limited) Twice(u"limited", Word);
        Dive.Limited = true;
      } else if (ReadLineDivers(Dive, Words, I)) {
        break;
      } else {
        Add(SheetProblem::UnknownWord, Line, Round, {.Written = Shortened(Word, WordShown)});
      }
    }
  }

  // A row of a pasted table, each cell read as its column says; a row of empty cells is
  // skipped as a blank line is.
  void ReadRow(std::size_t Line, std::u16string_view Text) {
    const std::vector<TableRow> Rows = ReadTableRows(Text, Table->Separator);
    if (Rows.empty()) return;
    const std::vector<std::u16string>& Cells = Rows.front().Fields;
    const auto Cell = [&](TableColumn What) {
      const std::optional<std::size_t> At = Table->Place(What);
      return At && *At < Cells.size() ? std::u16string_view(Cells[*At]) : std::u16string_view();
    };
    const std::u16string_view Code = Cell(TableColumn::Dive);
    if (std::all_of(Cells.begin(), Cells.end(), [](const auto& C) { return C.empty(); })) return;
    if (Code.empty() || !IsDigit(Code[0]))
      return Add(SheetProblem::NotADiveLine, Line, 0, {.Written = Shortened(Text, LineShown)});
    const std::size_t Round = Sheet.Dives.size() + 1;
    const auto Unread = [&](std::u16string_view Word) {
      Add(SheetProblem::UnknownWord, Line, Round, {.Written = Shortened(Word, WordShown)});
    };
    DiveLine Dive{Line, UpperCase(Code), 0, std::nullopt, false, {}};
    ReadPosition(Dive, Round, Cell(TableColumn::Pos));
    if (const std::u16string_view H = Cell(TableColumn::Height); !H.empty()) {
      if (const Height* Named = HeightWritten(H, true))
        Dive.HeightIndex = Named->Index;
      else
        Unread(H);
    }
    if (const std::u16string_view DD = Cell(TableColumn::Dd); !DD.empty()) {
      Dive.Stated = ReadStatedDd(DD);
      if (!Dive.Stated) Unread(DD);
    }
    // A diver column of a list for one diver repeats the Diver: line; it is read where the
    // sheet names its divers.
    if (const std::u16string_view Names = Cell(TableColumn::Diver);
        !Names.empty() && !Sheet.Divers.empty())
      ReadNames(Dive, Names);
    if (const std::u16string_view Part = Cell(TableColumn::Part); !Part.empty()) {
      Dive.Limited = SameWord(Part, u"limited");
      if (!Dive.Limited && !SameWord(Part, u"free")) Unread(Part);
    }
    for (std::size_t I = Table->Width; I < Cells.size(); ++I) {
      if (Cells[I].empty()) continue;
      Add(SheetProblem::CellOutsideColumns, Line, Round,
          {.Written = Shortened(Cells[I], WordShown), .Wanted = Table->Width});
      break;
    }
    Sheet.Dives.push_back(std::move(Dive));
  }

  // A position column's letter, joined to the dive number of its row: "107" and "b" are 107B.
  void ReadPosition(DiveLine& Dive, std::size_t Round, std::u16string_view Letter) {
    if (Letter.empty()) return;
    const std::u16string Shown = Shortened(Letter, WordShown);
    if (!IsPositionLetter(Letter))
      return Add(SheetProblem::NotAPosition, Dive.Line, Round, {.Written = Shown});
    // A letter beside a dive column that gives the whole code already.
    if (!TakesPosition(Dive.Code, Letter))
      return Add(SheetProblem::WordTwice, Dive.Line, Round,
                 {.Written = Shown, .Named = u"position"});
    Dive.Code += UpperCase(Letter);
  }

  SheetText Sheet;
  DiveLineWords LineWords;
  std::optional<TableHead> Table;  // the header row of a pasted table, once read
  std::array<std::size_t, std::size(HeadingNames)> Seen{};  // the line of each heading read
};

}  // namespace

SheetText ReadSheet(std::u16string_view Text) {
  Reader R(static_cast<std::size_t>(std::count(Text.begin(), Text.end(), u'\n')) + 1);
  ForEachLine(Text,
              [&R](std::size_t Number, std::u16string_view Line) { R.ReadLine(Number, Line); });
  return R.Take();
}

std::optional<DdTenths> ReadStatedDd(std::u16string_view Word) {
  std::size_t At = 0;
  DdTenths Whole = 0;
  for (; At < Word.size() && At < 2 && IsDigit(Word[At]); ++At)
    Whole = Whole * 10 + (Word[At] - u'0');
  if (At == 0) return std::nullopt;
  if (At == Word.size()) return Whole * 10;
  if ((Word[At] != u'.' && Word[At] != u',') || At + 1 >= Word.size() || !IsDigit(Word[At + 1]))
    return std::nullopt;
  const DdTenths Tenth = Word[At + 1] - u'0';
  for (At += 2; At < Word.size(); ++At)
    if (Word[At] != u'0') return std::nullopt;
  return Whole * 10 + Tenth;
}

}  // namespace merrith
