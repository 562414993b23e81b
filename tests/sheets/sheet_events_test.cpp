#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "event_cases.h"
#include "report/sheet_report.h"
#include "sheets/check_sheet.h"
#include "sheets/final_list.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::vector<std::string> ProblemLines(const CheckedSheet& Sheet) {
  std::vector<std::string> Lines;
  for (const Problem& P : Sheet.Problems) Lines.push_back(ToUtf8(ProblemLine(P, Sheet)));
  return Lines;
}

const EventBook& BuiltIn() {
  static const EventBook Events = BuiltInEvents();
  return Events;
}

CheckedSheet Checked(std::u16string_view Book, std::u16string_view Id, std::u16string_view Dives,
                     CheckParts Parts = {}) {
  return CheckSheet(ReadSheet(u"Event: " + std::u16string(Id) + u"\n" + std::u16string(Dives)),
                    BuiltIn(), Book, Parts);
}

// The cases of event_cases.txt: for each event of each book, a sheet that holds, with its total
// DD, and one that breaks, with its problems.
struct EventCase {
  std::string Book, Id, Total, Holds, Breaks;
  std::vector<std::string> Problems;
};

std::vector<EventCase> EventCases() {
  std::vector<EventCase> Cases;
  std::string* Dives = nullptr;
  std::istringstream Text{std::string(testing::EventCasesText)};
  for (std::string Line; std::getline(Text, Line);) {
    if (Line.empty() || Line.starts_with('#')) continue;
    if (Line.starts_with("! ")) {
      Cases.back().Problems.push_back(Line.substr(2));
    } else if (Line.starts_with('[')) {
      const std::size_t Space = Line.find(' '), Close = Line.find(']');
      const std::string Book = Line.substr(1, Space - 1),
                        Id = Line.substr(Space + 1, Close - Space - 1);
      if (Line.find("] holds, total DD ") == Close) {
        Cases.push_back({Book, Id, Line.substr(Line.rfind(' ') + 1), "", "", {}});
        Dives = &Cases.back().Holds;
      } else {
        EXPECT_EQ(Line.substr(Close), "] breaks") << Line;
        EXPECT_EQ(Cases.back().Id, Id) << Line;
        Dives = &Cases.back().Breaks;
      }
    } else if (Dives != nullptr) {
      *Dives += (Dives->empty() ? "" : "\n") + Line;
    }
  }
  return Cases;
}

TEST(CheckSheet, HoldsAndBreaksTheRulesOfEveryBuiltInEvent) {
  const EventBook& Events = BuiltIn();
  std::map<std::u16string, std::size_t> Unchecked;
  std::map<std::u16string, DiveReadings> Readings;
  for (const Event& E : Events.Events) ++Unchecked[E.Book];
  for (const EventCase& C : EventCases()) {
    const std::u16string Book = DecodeUtf8(C.Book), Id = DecodeUtf8(C.Id);
    ASSERT_NE(Events.Find(Id, Book), nullptr) << C.Id;
    --Unchecked[Book];
    const CheckedSheet Holding = Checked(Book, Id, DecodeUtf8(C.Holds));
    EXPECT_EQ(ProblemLines(Holding), std::vector<std::string>{}) << C.Id;
    EXPECT_EQ(Holding.Total ? ToUtf8(TenthsText(*Holding.Total)) : "none", C.Total) << C.Id;
    EXPECT_EQ(ProblemLines(Checked(Book, Id, DecodeUtf8(C.Breaks))), C.Problems) << C.Id;
    // As a competition checks its lists: no dive named and each read once for every list; the
    // book and the event are the sheet's in Events, whatever the check is asked to work out.
    for (const std::string& Dives : {C.Holds, C.Breaks, C.Holds}) {
      const CheckedSheet Whole = Checked(Book, Id, DecodeUtf8(Dives));
      const CheckedSheet Lean =
          Checked(Book, Id, DecodeUtf8(Dives), {.Names = false, .Readings = &Readings[Book]});
      for (const CheckedSheet* Sheet : {&Whole, &Lean}) {
        EXPECT_EQ(Sheet->Book, Events.FindBook(Whole.BookId)) << Dives;
        EXPECT_EQ(Sheet->Rules, Events.Find(Id, Whole.BookId)) << Dives;
      }
      EXPECT_EQ(ProblemLines(Lean), ProblemLines(Whole)) << Dives;
      EXPECT_EQ(Lean.RulesBy, Whole.RulesBy) << Dives;
      EXPECT_EQ(Lean.Total, Whole.Total) << Dives;
      ASSERT_EQ(Lean.Dives.size(), Whole.Dives.size()) << Dives;
      for (std::size_t I = 0; I < Whole.Dives.size(); ++I) {
        EXPECT_EQ(Lean.Dives[I].Counted, Whole.Dives[I].Counted) << Dives;
        EXPECT_EQ(Lean.Dives[I].Number, Whole.Dives[I].Number) << Dives;
        EXPECT_FALSE(Lean.Dives[I].Name);
      }
    }
  }
  for (const auto& [Book, Left] : Unchecked) EXPECT_EQ(Left, 0U) << ToUtf8(Book);
  EXPECT_EQ(Unchecked.size(), 2U);
}

// A team's Divers: line as coaches may get it wrong: a mark without a name, a name without a
// mark (which no line's role can then be checked by), marks in lower case.
TEST(CheckSheet, ReadsATeamsDiversAndNamesTheirFaults) {
  const CheckedSheet Sheet =
      Checked(u"world-aquatics-2024", u"mixed-team",
              u"Divers: Ann Example (w), Ben Example, (M)\n105B Ann Example\n205C Ben Example\n"
              u"305C Ann Example / ben example\n405C Ann Example\n5253B\n614C");
  EXPECT_EQ(
      ProblemLines(Sheet),
      (std::vector<std::string>{
          "Line 2: (M) without a name before it",
          "Line 2: Ben Example: add (W) for a woman or (M) for a man (3.7.3)",
          "Dive 2: dived by Ben Example, where this dive is for a man (3.7.4)",
          "Dive 3: dived by Ann Example / Ben Example, where this dive is for a mixed pair (3.7.4)",
          "List: no man among the divers, where a team has a woman and a man at least (3.7.3)"}));
  EXPECT_EQ(ToUtf8(UnnamedText(Sheet)), "dives 5, 6 name nobody: who dives them is not checked");
}

// A pasted table's position cell that is no letter is named on its dive.
TEST(CheckSheet, NamesAPastedPositionThatIsNoLetter) {
  const std::vector<std::string> Lines = ProblemLines(
      Checked(u"world-aquatics-2024", u"men-3m", u"Round\tDive\tPos\tHeight\n1\t107\tpike\t3m"));
  ASSERT_FALSE(Lines.empty());
  EXPECT_EQ(Lines[0], "Dive 1: pike is not a position letter (A, B, C, D or E) (4.9)");
}

// Each later dive of a number names the first, in a list of a few dives and in a long one.
TEST(CheckSheet, NamesTheFirstDiveOfEachRepeatedNumber) {
  const auto Repeats = [](std::u16string_view Dives) {
    std::vector<std::string> Lines;
    for (const std::string& Line : ProblemLines(Checked(u"fina-2017-2021", u"x", Dives)))
      if (Line.find(" again, ") != std::string::npos) Lines.push_back(Line);
    return Lines;
  };
  EXPECT_EQ(Repeats(u"Height: 3m\n101B\n101C\n201B\n101A"),
            (std::vector<std::string>{"Dive 2: the number 101 again, after dive 1 (D 3.3)",
                                      "Dive 4: the number 101 again, after dive 1 (D 3.3)"}));
  // Twenty numbers, then the same twenty again.
  std::u16string Long = u"Height: 3m\n";
  std::vector<std::string> Expected;
  for (int Round = 0; Round < 2; ++Round)
    for (int Group = 1; Group <= 4; ++Group)
      for (int Dive = 1; Dive <= 5; ++Dive) {
        const std::string Number = std::to_string(Group * 100 + Dive);
        Long += DecodeUtf8(Number + "B\n");
        const int At = Round * 20 + (Group - 1) * 5 + Dive;
        if (Round == 1)
          Expected.push_back("Dive " + std::to_string(At) + ": the number " + Number +
                             " again, after dive " + std::to_string(At - 20) + " (D 3.3)");
      }
  EXPECT_EQ(Repeats(Long), Expected);
}

// An event named by its id or its title is checked; one named near either is not, and the
// problem says which was likely meant; a title two events share names none, but the first.
TEST(CheckSheet, FindsTheEventByItsIdOrTitleAndSaysWhichANearMissMeans) {
  struct Named {
    std::u16string_view Written;
    std::string Event;
    std::vector<std::string> Problems;
  };
  // clang-format off
  const Named Names[] = {
      {u"MEN-3M",                "Men 3 m springboard (men-3m)", {}},
      {u"men 3 m  Springboard",  "Men 3 m springboard (men-3m): the sheet names it by its title", {}},
      {u"Men 3m",                "Men 3m (no such event)",
       {"Line 1: no event 'Men 3m': did you mean men-3m (Men 3 m springboard)?"}},
      {u"Womens 3m springboard", "Womens 3m springboard (no such event)",
       {"Line 1: no event 'Womens 3m springboard': did you mean women-3m (Women 3 m springboard)?"}},
      {u"girls group a 1",       "girls group a 1 (no such event)",
       {"Line 1: no event 'girls group a 1': did you mean a-girls-1m (Girls Group A 1 m springboard)?"}},
      {u"Twin 3 m springboard",  "Twin 3 m springboard (no such event)",
       {"Line 1: no event 'Twin 3 m springboard': did you mean twin-a (Twin 3 m springboard)?"}},
      {u"mn",                    "mn (no such event)", {"Line 1: no event has the id mn"}},
  };
  // clang-format on
  EventBook Book = BuiltInEvents();
  AddRulesText(Book, u"twins.toml",
               "[[event]]\nid = \"twin-a\"\ntitle = \"Twin 3 m springboard\"\nheights = [\"3m\"]\n"
               "dives = 1\n[[event]]\nid = \"twin-b\"\ntitle = \"Twin 3m springboard\"\n"
               "heights = [\"3m\"]\ndives = 1\n");
  for (const Named& C : Names) {
    const CheckedSheet Sheet =
        CheckSheetText(u"Event: " + std::u16string(C.Written) + u"\n105B 3m", Book);
    EXPECT_EQ(ToUtf8(SheetEventText(Sheet)), C.Event) << ToUtf8(C.Written);
    std::vector<std::string> Lines = ProblemLines(Sheet);
    if (Sheet.Rules) Lines.clear();  // the list's own problems are another test's
    EXPECT_EQ(Lines, C.Problems) << ToUtf8(C.Written);
  }
}

// A Junior Worlds final's list holds the free dives alone and none of the preliminary's limited
// part, as marked or as the checker found it; a preliminary without one is said to be so.
TEST(CheckAgainstPreliminary, RefusesTheLimitedDivesOfThePreliminaryInTheFinal) {
  struct Final {
    std::u16string_view Preliminary;
    std::u16string_view Final;
    std::vector<std::string> Problems;
  };
  // clang-format off
  const Final Finals[] = {
      {u"Event: a-girls-3m\n101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n305C\n405C",
       u"Event: a-girls-3m\n105B\n203B\n305C\n405C", {}},
      {u"Event: a-girls-3m\n101C limited\n201C limited\n301C limited\n401C limited\n5121D limited\n105B\n203B\n305C\n405C",
       u"Event: a-girls-3m\n105B\n201B\n305C\n5121D\n405C",
       {"Dive 2: 201 was dived in the preliminary's limited part (line 3 of the preliminary), which a final may not use again (12.4.5.1)",
        "Dive 4: 5121 was dived in the preliminary's limited part (line 6 of the preliminary), which a final may not use again (12.4.5.1)",
        "List: too many dives: 5, where the event has 4 (12.3.1.2.1)"}},
      {u"Event: b-boys-1m\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C",
       u"Event: b-boys-1m\n105B\n203B\n301C\n403C",
       {"Dive 3: 301 was dived in the preliminary's limited part (line 4 of the preliminary), which a final may not use again (12.4.5.1)"}},
      {u"Event: b-boys-3m\n101C\n201C\n301C\n401C\n5121D\n105B\n203B\n303C\n403C",
       u"Event: b-boys-1m\n105B\n203B\n303C\n403C",
       {"List: the preliminary has no limited part to check the final against: it is of another event (12.4.5.1)"}},
      {u"Event: men-3m\n105B", u"Event: men-3m\n105B\n203B\n303C\n403C\n5132D\n107C",
       {"List: the preliminary has no limited part to check the final against: its event has none (12.4.5.1)"}},
  };
  // clang-format on
  const EventBook Book = BuiltInEvents();
  const EventBook FinalEvents = FinalBook(Book);
  for (const Final& C : Finals) {
    CheckedSheet Checked = CheckSheetText(C.Final, FinalEvents);
    CheckAgainstPreliminary(Checked, CheckSheetText(C.Preliminary, Book));
    EXPECT_EQ(ProblemLines(Checked), C.Problems) << ToUtf8(C.Final);
  }
}

}  // namespace
}  // namespace merrith
