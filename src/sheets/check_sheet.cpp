#include "sheets/check_sheet.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "difficulty/dive_numbers.h"
#include "difficulty/explain_dive.h"
#include "sheets/limited_split.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

// The most of a code that a message repeats.
constexpr std::size_t CodeShown = 16;
// The most of an Event: line that a message repeats: enough for a title.
constexpr std::size_t EventShown = 40;
// The most of a diver's name, or of the names of all, that a message repeats.
constexpr std::size_t NamesShown = 60;

// Where a dive has no height, its name, group and number are read at one that has every
// position letter and refuses no group: they do not depend on the height.
constexpr std::int32_t AnyHeight = HeightIndexLast;

// The sheet as it is checked, step by step.
class Checker {
 public:
  Checker(const SheetText& Read, const EventBook& Book, std::u16string_view BookId,
          const CheckParts& Wanted)
      : Sheet(Read), Parts(Wanted) {
    Out.BookId = Sheet.BookId.empty() ? std::u16string(BookId) : Sheet.BookId;
    Out.EventId = Sheet.EventId;
    Out.Diver = Sheet.Diver;
    Out.Divers = Sheet.Divers;
    Out.Problems = Sheet.Problems;
    Out.Book = Book.FindBook(Out.BookId);
    if (Out.Book == nullptr) {
      AddUnknownBook(Book);
      return;
    }
    EventFound = FindEventNamed(Book, Sheet.EventId, Out.Book->Id);
    Out.Rules = E = EventFound.Found;
    Out.RulesBy = EventFound.By;
  }

  CheckedSheet Check() {
    if (Out.Book != nullptr) CheckEvent();
    Out.Dives.reserve(Sheet.Dives.size());
    for (const DiveLine& Line : Sheet.Dives) CheckDive(Line);
    CheckRepeats();
    FindGroups();
    if (E != nullptr) CheckList();
    CheckDivers();
    Out.Total = TotalOf([](const CheckedDive&) { return true; });
    // Each line's problems in order, then those of the list as a whole.
    std::stable_sort(Out.Problems.begin(), Out.Problems.end(),
                     [](const Problem& A, const Problem& B) {
                       return A.Line != 0 && (B.Line == 0 || A.Line < B.Line);
                     });
    return std::move(Out);
  }

 private:
  void CheckEvent() {
    if (Sheet.EventId.empty()) return AddToList(SheetProblem::NoEvent);
    if (E != nullptr) return;
    ProblemValues Values{.Written = Shortened(Sheet.EventId, EventShown)};
    if (EventFound.Meant != nullptr)
      Values.Meant = EventFound.Meant->Id + u" (" + EventFound.Meant->Title + u")";
    Out.Problems.push_back(
        {EventFound.Meant != nullptr ? SheetProblem::UnknownEventNear : SheetProblem::UnknownEvent,
         Sheet.EventLine, 0, std::move(Values), 0, 0});
  }

  // The sheet is checked against no book, and so against no event.
  void AddUnknownBook(const EventBook& Book) {
    Out.Problems.push_back({
        SheetProblem::UnknownBook,
        Sheet.BookLine,
        0,
        {.Written = Shortened(Out.BookId, NamesShown), .Choices = Book.BookIds()},
        0,
        0
    });
  }

  // A problem of the list as a whole.
  void AddToList(SheetProblem Why, ProblemValues Values = {}) {
    Out.Problems.push_back({Why, 0, 0, std::move(Values), 0, 0});
  }

  void Add(const CheckedDive& D, SheetProblem Why, ProblemValues Values = {},
           std::size_t Other = 0) {
    const std::size_t Round = static_cast<std::size_t>(&D - Out.Dives.data()) + 1;
    const std::size_t OtherLine = Other > 0 ? Out.Dives[Other - 1].Line : 0;
    Out.Problems.push_back({Why, D.Line, Round, std::move(Values), Other, OtherLine});
  }

  // The rules of the Round-th line (from 1) where the event fixes it; nullptr otherwise.
  const RoundRule* RoundOf(std::size_t Round) const {
    if (E == nullptr || Round > E->Rounds.size()) return nullptr;
    return &E->Rounds[Round - 1];
  }

  // The heights the Round-th line may use: its own, else the event's.
  const std::vector<std::int32_t>& HeightsOf(std::size_t Round) const {
    const RoundRule* Rule = RoundOf(Round);
    return Rule != nullptr && !Rule->Heights.empty() ? Rule->Heights : E->Heights;
  }

  // The line's height, else the Height: line's, else the only one the line may use; 0 when
  // none.
  std::int32_t HeightOf(const DiveLine& Line, std::size_t Round) const {
    if (Line.HeightIndex != 0) return Line.HeightIndex;
    if (Sheet.HeightIndex != 0) return Sheet.HeightIndex;
    if (E != nullptr && HeightsOf(Round).size() == 1) return HeightsOf(Round)[0];
    return 0;
  }

  void CheckDive(const DiveLine& Line) {
    CheckedDive& D = Out.Dives.emplace_back();
    D.Line = Line.Line;
    D.Code = Line.Code;
    D.HeightIndex = HeightOf(Line, Out.Dives.size());
    D.Stated = Line.Stated;
    D.Marked = Line.Limited;
    D.Divers = Line.Divers;
    const std::int32_t ReadAt = D.HeightIndex != 0 ? D.HeightIndex : AnyHeight;
    const ExplainParts Wanted{.Name = Parts.Names, .Components = false};
    if (Parts.Readings != nullptr) {
      const DiveExplanation& Shared = Parts.Readings->Explain(D.Code, ReadAt, Wanted);
      D.Name = Shared.Name;
      return CheckReading(D, Shared);
    }
    DiveExplanation Fresh = ExplainDive(D.Code, ReadAt, Wanted);
    D.Name = std::move(Fresh.Name);
    CheckReading(D, Fresh);
  }

  // The dive as its code reads at its height: its group, number and DD, and their problems.
  void CheckReading(CheckedDive& D, const DiveExplanation& Explained) {
    const RuleBookDive& Read = Explained.Read;
    D.Group = Read.Group;
    if (Read.Why == NoDive::None) {
      D.Number = Read.Number;
      D.Position = static_cast<char16_t>(u'A' + Read.Dive.Pos);
    }
    if (D.HeightIndex == 0) return Add(D, SheetProblem::NoHeight);
    CheckHeight(D);
    if (Read.Why != NoDive::None)
      return Add(D, SheetProblem::NotADive,
                 {.Written = Shortened(D.Code, CodeShown), .Reason = NoDiveText(Read.Why)});
    if (Explained.Why != Refusal::None)
      return Add(D, SheetProblem::NoDD,
                 {.Written = Shortened(D.Code, CodeShown),
                  .Height = D.HeightIndex,
                  .Reason = RefusalText(Explained.Why)});
    D.DD = DdTenthsOf(Explained.DD);
    CheckDd(D);
  }

  void CheckHeight(const CheckedDive& D) {
    if (E == nullptr) return;
    const std::size_t Round = static_cast<std::size_t>(&D - Out.Dives.data()) + 1;
    const std::vector<std::int32_t>& Allowed = HeightsOf(Round);
    if (std::find(Allowed.begin(), Allowed.end(), D.HeightIndex) != Allowed.end()) return;
    const bool OfEvent = &Allowed == &E->Heights;
    Add(D, OfEvent ? SheetProblem::HeightNotAllowed : SheetProblem::HeightNotOfRound,
        {.Height = D.HeightIndex, .Heights = Allowed});
  }

  // The DD that counts, against what the diver stated and the event's cap for one dive.
  void CheckDd(CheckedDive& D) {
    const RoundRule* Rule = RoundOf(static_cast<std::size_t>(&D - Out.Dives.data()) + 1);
    D.Counted = Rule != nullptr && Rule->AssignedDD ? Rule->AssignedDD : D.DD;
    // In an assigned round the diver may state the assigned DD or the formula's.
    if (D.Stated && D.DD && *D.Stated != *D.DD && D.Stated != D.Counted)
      Add(D, SheetProblem::WrongStatedDD, {.Dd = *D.DD, .Stated = *D.Stated});
    if (E != nullptr && E->MaxDiveDD && D.Counted && *D.Counted > *E->MaxDiveDD)
      Add(D, SheetProblem::OverDiveCap, {.Dd = *D.Counted, .Cap = *E->MaxDiveDD});
  }

  // No number twice, whatever the event (unless it allows repeats): each later dive of a
  // number names the first.
  void CheckRepeats() {
    if (E != nullptr && E->Repeats) return;
    std::map<std::u16string_view, std::size_t> First;  // each number's first dive, from 1
    for (std::size_t I = 0; I < Out.Dives.size(); ++I) {
      const CheckedDive& D = Out.Dives[I];
      if (D.Number.empty()) continue;
      const auto [At, New] = First.try_emplace(D.Number, I + 1);
      if (!New) Add(D, SheetProblem::RepeatedNumber, {.Written = D.Number}, At->second);
    }
  }

  void CheckList() {
    const auto Count = static_cast<std::size_t>(E->Dives);
    const ProblemValues Counts{.Dives = Out.Dives.size(), .Wanted = Count};
    if (Out.Dives.size() < Count) AddToList(SheetProblem::TooFewDives, Counts);
    if (Out.Dives.size() > Count) AddToList(SheetProblem::TooManyDives, Counts);
    CheckGroups();
    if (E->Limited) return CheckLimitedPart(*E->Limited);
    for (const CheckedDive& D : Out.Dives)
      if (D.Marked) Add(D, SheetProblem::MarkedNotLimited);
    CheckSameGroup([](const CheckedDive&) { return true; }, E->Free, SheetProblem::FreeSameGroup);
  }

  void FindGroups() {
    std::array<bool, static_cast<std::size_t>(DiveGroup::Armstand) + 1> Has{};
    for (const CheckedDive& D : Out.Dives)
      if (const auto G = static_cast<std::size_t>(D.Group); D.Counted && G < Has.size())
        Has[G] = true;
    Out.Groups.reserve(static_cast<std::size_t>(std::count(Has.begin(), Has.end(), true)));
    for (std::size_t G = 0; G < Has.size(); ++G)
      if (Has[G]) Out.Groups.push_back(static_cast<DiveGroup>(G));
  }

  void CheckGroups() {
    if (Out.Groups.size() >= static_cast<std::size_t>(E->MinGroups)) return;
    AddToList(SheetProblem::TooFewGroups, {.Wanted = static_cast<std::size_t>(E->MinGroups),
                                           .GroupCount = Out.Groups.size(),
                                           .Groups = Out.Groups});
  }

  // Each dive that InPart takes must be of a group no earlier one of the part has.
  template <class Taken>
  void CheckSameGroup(Taken InPart, const PartRule& Part, SheetProblem Why) {
    if (!Part.DifferentGroups) return;
    std::map<DiveGroup, std::size_t> First;
    for (std::size_t I = 0; I < Out.Dives.size(); ++I) {
      const CheckedDive& D = Out.Dives[I];
      if (!D.Counted || !InPart(D)) continue;
      const auto [At, New] = First.try_emplace(D.Group, I + 1);
      if (!New) Add(D, Why, {.Group = D.Group}, At->second);
    }
  }

  template <class Taken>
  DdTotal TotalIn(Taken InPart) const {
    DdTotal Sum = 0;
    for (const CheckedDive& D : Out.Dives)
      if (D.Counted && InPart(D)) Sum += *D.Counted;
    return Sum;
  }

  template <class Taken>
  std::optional<DdTotal> TotalOf(Taken InPart) const {
    const bool Any = std::any_of(Out.Dives.begin(), Out.Dives.end(),
                                 [&](const CheckedDive& D) { return D.Counted && InPart(D); });
    if (!Any) return std::nullopt;
    return TotalIn(InPart);
  }

  void CheckLimitedPart(const PartRule& Part) {
    const auto Marked = static_cast<std::size_t>(std::count_if(
        Out.Dives.begin(), Out.Dives.end(), [](const CheckedDive& D) { return D.Marked; }));
    if (Marked == 0) return SearchSplit(Part);
    for (CheckedDive& D : Out.Dives) D.Limited = D.Marked;
    Out.Limited = LimitedBy::Marks;
    Out.LimitedTotal = TotalIn([](const CheckedDive& D) { return D.Limited; });
    if (Marked != static_cast<std::size_t>(Part.Dives))
      AddToList(SheetProblem::LimitedMarks,
                {.Dives = Marked, .Wanted = static_cast<std::size_t>(Part.Dives)});
    CheckSameGroup([](const CheckedDive& D) { return D.Limited; }, Part,
                   SheetProblem::LimitedSameGroup);
    CheckSameGroup([](const CheckedDive& D) { return !D.Limited; }, E->Free,
                   SheetProblem::FreeSameGroup);
    if (Part.MaxTotal && Out.LimitedTotal > *Part.MaxTotal)
      AddToList(SheetProblem::LimitedOverCap, {.Cap = *Part.MaxTotal, .Total = Out.LimitedTotal});
  }

  // No dive marked: the checker looks for a split among the dives that have a DD.
  void SearchSplit(const PartRule& Part) {
    std::vector<SplitDive> Dives;
    std::vector<std::size_t> Places;
    for (std::size_t I = 0; I < Out.Dives.size(); ++I) {
      if (!Out.Dives[I].Counted) continue;
      Dives.push_back({Out.Dives[I].Group, *Out.Dives[I].Counted});
      Places.push_back(I);
    }
    const LimitedSplit Split = FindLimitedSplit(Dives, Part, E->Free);
    const auto Wanted = static_cast<std::size_t>(Part.Dives);
    switch (Split.Outcome) {
      case SplitOutcome::Found:
        for (std::size_t Place : Split.Limited) Out.Dives[Places[Place]].Limited = true;
        Out.Limited = LimitedBy::Search;
        Out.LimitedTotal = Split.Least;
        return;
      case SplitOutcome::TooFew:
        return AddToList(SheetProblem::NoSplitGroups,
                         {.Wanted = Wanted, .GroupCount = Split.Groups});
      case SplitOutcome::Crowded:
        return AddToList(SheetProblem::NoSplitCrowded,
                         {.Dives = Split.CrowdedDives, .Group = Split.CrowdedGroup});
      case SplitOutcome::OverCap:
        return AddToList(
            SheetProblem::NoSplitOverCap,
            {.Cap = Part.MaxTotal.value_or(0), .Total = Split.Least, .Wanted = Wanted});
    }
  }

  // The team the Divers: line names, and who dives each line.
  void CheckDivers() {
    if (Out.Divers.empty()) return;
    if (E != nullptr) CheckTeam();
    std::u16string Names;
    for (const NamedDiver& Diver : Out.Divers) AppendJoined(Names, u", ", Diver.Name);
    Names = Shortened(Names, NamesShown);
    for (const CheckedDive& D : Out.Dives) {
      const std::size_t Round = static_cast<std::size_t>(&D - Out.Dives.data()) + 1;
      if (D.Divers.empty()) {
        Out.Unnamed.push_back(Round);
        continue;
      }
      std::vector<const NamedDiver*> Named;
      for (const std::u16string& Name : D.Divers) {
        const auto Found =
            std::find_if(Out.Divers.begin(), Out.Divers.end(),
                         [&Name](const NamedDiver& N) { return SameWord(N.Name, Name); });
        if (Found == Out.Divers.end())
          Add(D, SheetProblem::UnknownDiver,
              {.Written = Shortened(Name, NamesShown), .Choices = Names});
        else
          Named.push_back(&*Found);
      }
      if (Named.size() == D.Divers.size()) CheckRole(D, Named);
    }
  }

  // At most so many divers, and a woman and a man among them, where the event wants it.
  void CheckTeam() {
    const auto Most = static_cast<std::size_t>(E->MostDivers);
    if (Most > 0 && Out.Divers.size() > Most)
      AddToList(SheetProblem::TooManyDivers, {.Dives = Out.Divers.size(), .Wanted = Most});
    if (!E->WomenAndMen) return;
    for (const NamedDiver& Diver : Out.Divers)
      if (Diver.Sex == Who::Anyone)
        Out.Problems.push_back({SheetProblem::DiverWithoutSex,
                                Sheet.DiversLine,
                                0,
                                {.Written = Shortened(Diver.Name, NamesShown)},
                                0,
                                0});
    for (const auto& [Sex, Words] : {std::pair(Who::Woman, u"woman"), std::pair(Who::Man, u"man")})
      if (std::none_of(Out.Divers.begin(), Out.Divers.end(),
                       [Of = Sex](const NamedDiver& N) { return N.Sex == Of; }))
        AddToList(SheetProblem::NoDiverOfSex, {.Named = Words});
  }

  // The divers a line names fit who dives it: one woman, one man, or one of each.
  void CheckRole(const CheckedDive& D, const std::vector<const NamedDiver*>& Named) {
    const RoundRule* Rule = RoundOf(static_cast<std::size_t>(&D - Out.Dives.data()) + 1);
    if (Rule == nullptr || Rule->By == Who::Anyone) return;
    const auto Count = [&Named](Who Sex) {
      return std::count_if(Named.begin(), Named.end(),
                           [Sex](const NamedDiver* N) { return N->Sex == Sex; });
    };
    const bool Pair = Rule->By == Who::MixedPair;
    const bool Fits = Pair ? Named.size() == 2 && Count(Who::Woman) == 1 && Count(Who::Man) == 1
                           : Named.size() == 1 && Count(Rule->By) == 1;
    if (Fits) return;
    std::u16string Written;
    for (const NamedDiver* N : Named) AppendJoined(Written, u" / ", N->Name);
    Add(D, SheetProblem::WrongDivers,
        {.Written = Shortened(Written, NamesShown), .Named = WhoWords(Rule->By)});
  }

  const SheetText& Sheet;
  CheckParts Parts;
  CheckedSheet Out;
  const Event* E = nullptr;  // the sheet's event (Out.Rules), in the caller's EventBook
  EventNamed EventFound;     // the event the Event: line names, or the one it likely means
};

}  // namespace

const DiveExplanation& DiveReadings::Explain(std::u16string_view Code, std::int32_t HeightIndex,
                                             ExplainParts Parts) {
  auto Found = Read.find(Code);
  if (Found == Read.end()) Found = Read.emplace(Code, Readings()).first;
  Readings& OfCode = Found->second;
  const std::tuple Key{HeightIndex, Parts.Name, Parts.Components};
  if (const auto Known = OfCode.find(Key); Known != OfCode.end()) return Known->second;
  return OfCode.emplace(Key, ExplainDive(Code, HeightIndex, Parts)).first->second;
}

CheckedSheet CheckSheet(const SheetText& Sheet, const EventBook& Book, std::u16string_view BookId,
                        const CheckParts& Parts) {
  return Checker(Sheet, Book, BookId, Parts).Check();
}

CheckedSheet CheckSheetText(std::u16string_view Text, const EventBook& Book,
                            std::u16string_view BookId) {
  return CheckSheet(ReadSheet(Text), Book, BookId);
}

std::u16string SheetProblemRule(const Problem& P, const CheckedSheet& Sheet) {
  return ProblemRule(P, Sheet.Rules, Sheet.Book);
}

}  // namespace merrith
