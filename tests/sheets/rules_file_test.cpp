#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/problem_text.h"
#include "sheets/check_sheet.h"
#include "sheets/event_book.h"
#include "support/utf8.h"

namespace merrith {
namespace {

std::vector<std::string> Errors(const EventBook& Book) {
  std::vector<std::string> Texts;
  for (const RulesError& E : Book.Errors) Texts.push_back(ToUtf8(RulesErrorText(E)));
  return Texts;
}

constexpr std::string_view Club =
    "[[event]]\n"
    "id = \"club-5\"\n"
    "title = \"Club meet, five dives\"\n"
    "heights = [\"1m\", \"3m\"]\n"
    "dives = 5\n"
    "free = { different_groups = true }\n"
    "max_dive_dd = 2.0\n"
    "repeats = true\n";

// Each fault named with its file, line and column, and in words; a file with a fault adds
// none of its events.
TEST(AddRulesText, NamesEachFaultWhereItIs) {
  struct Faulty {
    std::string Text;
    std::vector<std::string> Errors;
  };
  const std::string Head = "[[event]]\nid = \"x\"\ntitle = \"X\"\nheights = [\"3m\"]\n";
  // clang-format off
  const Faulty Cases[] = {
      {"[[event]\n", {"f.toml:1:9: Error while parsing table header: expected ']', saw '\\n'"}},
      {Head + "dives = \"5\"\n", {"f.toml:5:9: 'dives' wants a whole number from 1 to 100, not text"}},
      {Head + "dives = 5\ndvies = 5\n",
       {"f.toml:6:1: unknown key 'dvies'; an event has id, title, rule, height_rule, heights, dives, "
        "min_groups, limited, free, round, most_divers, women_and_men, assigned, max_dive_dd, repeats, synchro, note"}},
      {Head + "dives = 5\nlimited = { dives = 6, different_groups = true }\n",
       {"f.toml:6:11: 'limited' has more dives than the list's 5"}},
      {Head + "dives = 5\nmax_dive_dd = 2.05\n",
       {"f.toml:6:15: 'max_dive_dd' wants a DD of one decimal, such as 9.5, not a decimal number"}},
      {"[[event]]\nid = \"x y\"\nheights = [\"4m\"]\n",
       {"f.toml:1:1: an event has no 'title'", "f.toml:1:1: an event has no 'dives'",
        "f.toml:2:6: 'id' wants letters, digits, - and _ only",
        "f.toml:3:12: 'heights': \"4m\" is not a height (1m 3m 5m 7.5m 10m 12m 15m 20m 27m)"}},
      {"events = 1\n", {"f.toml:1:1: unknown key 'events'; a rules file holds a [book] table and [[event]] tables"}},
      // A rounds table that says more than the list, or other than its event.
      {Head + "dives = 1\n[[event.round]]\ndd = 2.0\n[[event.round]]\nwho = \"woman\"\n",
       {"f.toml:8:1: a round more than the list's 1 dive"}},
      {Head + "dives = 2\n[[event.round]]\nheights = [\"10m\"]\nwho = \"mixed pair\"\n",
       {"f.toml:6:1: the round's height 10m is not one of the event's (3m)"}},
      {Head + "dives = 2\n[[event.round]]\nwho = \"women\"\n",
       {"f.toml:7:7: 'who' wants \"woman\", \"man\", \"mixed pair\" or \"anyone\""}},
      {Head + "dives = 2\nassigned = { rounds = 3, dd = 2.0 }\n", {"f.toml:6:12: 'assigned' has more dives than the list's 2"}},
      {"[book]\ntitle = \"No id\"\n", {"f.toml:1:1: 'book' has no 'id'"}},
  };
  // clang-format on
  for (const Faulty& C : Cases) {
    EventBook Book;
    AddRulesText(Book, u"f.toml", C.Text + "\n" + std::string(Club));
    EXPECT_TRUE(Book.Events.empty()) << C.Text;
    EXPECT_EQ(Errors(Book), C.Errors) << C.Text;
  }
}

// A user's event replaces a built-in one of the same id, whatever the case, and keeps the
// vocabulary the built-in file does not use: a cap for one dive, repeats allowed, a list whose
// every dive is from a different group.
TEST(AddRulesText, AddsAUsersEventsBesideTheBuiltInOnes) {
  EventBook Book = BuiltInEvents();
  const std::size_t BuiltIn = Book.Events.size();
  AddRulesText(Book, u"club.toml",
               std::string(Club) +
                   "[[event]]\nid = \"MEN-1M\"\ntitle = \"Ours\"\n"
                   "heights = [\"1m\"]\ndives = 1\n");
  ASSERT_EQ(Errors(Book), std::vector<std::string>{});
  EXPECT_EQ(Book.Events.size(), BuiltIn + 1);
  EXPECT_EQ(ToUtf8(Book.Find(u"men-1m")->Title), "Ours");

  const CheckedSheet Sheet =
      CheckSheetText(u"Event: club-5\nHeight: 1m\n101A\n101B\n201A\n5132D\n401A 3m", Book);
  std::vector<std::string> Problems;
  for (const Problem& P : Sheet.Problems)
    Problems.push_back(ToUtf8(ProblemText(P, Places::ByLine)));
  EXPECT_EQ(Problems,
            (std::vector<std::string>{"a second forward dive among the free dives, after line 3",
                                      "DD 2.2 is over the 2.0 one dive may count"}));
}

// A file's events go to the book its [book] names, a new one or a known one, else to the
// default book; an id is replaced only within its book.
TEST(AddRulesText, PutsEachFilesEventsInItsBook) {
  EventBook Book = BuiltInEvents();
  AddRulesText(Book, u"club.toml", "[book]\nid = \"club\"\n\n" + std::string(Club));
  AddRulesText(Book, u"old.toml",
               "[book]\nid = \"FINA-2017-2021\"\nrepeat_rule = \"D 3.3 (club copy)\"\n\n"
               "[[event]]\nid = \"men-1m\"\ntitle = \"Ours\"\nheights = [\"1m\"]\ndives = 1\n");
  ASSERT_EQ(Errors(Book), std::vector<std::string>{});
  EXPECT_EQ(ToUtf8(Book.BookIds()), "world-aquatics-2024, fina-2017-2021, club");
  EXPECT_EQ(Book.Find(u"club-5"), nullptr);
  ASSERT_NE(Book.Find(u"club-5", u"club"), nullptr);
  EXPECT_EQ(ToUtf8(Book.FindBook(u"club")->Title), "club");
  EXPECT_EQ(ToUtf8(Book.Find(u"men-1m", u"fina-2017-2021")->Title), "Ours");
  EXPECT_EQ(ToUtf8(Book.Find(u"men-1m")->Title), "Men 1 m springboard");
  EXPECT_EQ(ToUtf8(Book.FindBook(u"fina-2017-2021")->RepeatRule), "D 3.3 (club copy)");
  EXPECT_EQ(ToUtf8(Book.FindBook(u"fina-2017-2021")->Title), "FINA Diving Rules 2017-2021");
}

}  // namespace
}  // namespace merrith
