// Reads the events of a rules file (TOML) with toml++, which no other file of the program sees.
#include <toml++/toml.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "difficulty/dive_group.h"
#include "difficulty/heights.h"
#include "sheets/event_book.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// What a value of each TOML type is called in a message, by toml::node_type.
constexpr std::u16string_view TypeNames[] = {
    u"nothing",          u"a table",       u"a list", u"text",   u"a whole number",
    u"a decimal number", u"true or false", u"a date", u"a time", u"a date and time",
};
static_assert(std::size(TypeNames) == static_cast<std::size_t>(toml::node_type::date_time) + 1);

// The highest DD a rules file may give, in tenths: far above any dive's.
constexpr DdTenths HighestDd = 999;

std::u16string Quoted(std::string_view Key) { return u"'" + DecodeUtf8(Key) + u"'"; }

// One rules file being read: its name, and the faults found so far.
struct Reading {
  std::u16string File;
  std::vector<RulesError> Errors;
  std::string_view Key;  // the key whose value is being read, for the messages

  void Fail(const toml::source_region& At, std::u16string Text) {
    Errors.push_back({File, At.begin.line, At.begin.column, std::move(Text)});
  }

  // Fails at Value: the key wants Wanted, and Value is not that.
  void Want(const toml::node& Value, std::u16string_view Wanted) {
    Fail(Value.source(), Quoted(Key) + u" wants " + std::u16string(Wanted) + u", not " +
                             std::u16string(TypeNames[static_cast<std::size_t>(Value.type())]));
  }

  std::optional<std::u16string> Text(const toml::node& Value) {
    if (const auto* S = Value.as_string()) return DecodeUtf8(S->get());
    Want(Value, u"text in quotes");
    return std::nullopt;
  }

  std::optional<bool> Flag(const toml::node& Value) {
    if (const auto* B = Value.as_boolean()) return B->get();
    Want(Value, u"true or false");
    return std::nullopt;
  }

  std::optional<std::int32_t> Whole(const toml::node& Value, std::int64_t Least,
                                    std::int64_t Most) {
    const auto* I = Value.as_integer();
    if (I != nullptr && I->get() >= Least && I->get() <= Most)
      return static_cast<std::int32_t>(I->get());
    Want(Value, u"a whole number from " + AsciiText(std::to_string(Least)) + u" to " +
                    AsciiText(std::to_string(Most)));
    return std::nullopt;
  }

  // A DD with one decimal (9.5, or 9 for 9.0), as whole tenths.
  std::optional<DdTenths> Dd(const toml::node& Value) {
    std::optional<double> Number;
    if (const auto* F = Value.as_floating_point()) Number = F->get();
    if (const auto* I = Value.as_integer()) Number = static_cast<double>(I->get());
    if (Number && *Number >= 0 && *Number * 10 <= HighestDd + 0.5) {
      const double Tenths = std::round(*Number * 10);
      if (std::abs(Tenths - *Number * 10) < 1e-6) return static_cast<DdTenths>(Tenths);
    }
    Want(Value, u"a DD of one decimal, such as 9.5");
    return std::nullopt;
  }
};

// One key of a table in a rules file: its name, whether the table must have it, and what
// reads its value into the thing the table describes.
template <class Into>
struct Key {
  std::string_view Name;
  bool Needed;
  void (*Read)(Reading& R, const toml::node& Value, Into& Target);
};

// The keys of Keys, for a message: "id, title, rule".
template <class Into, std::size_t Count>
std::u16string KeyNames(const Key<Into> (&Keys)[Count]) {
  std::u16string Names;
  for (const Key<Into>& K : Keys) AppendJoined(Names, u", ", DecodeUtf8(K.Name));
  return Names;
}

// Reads each key of Table into Target by Keys; What names the table in messages.
template <class Into, std::size_t Count>
void ReadKeys(Reading& R, const toml::table& Table, const Key<Into> (&Keys)[Count],
              std::u16string_view What, Into& Target) {
  for (auto&& [KeyOf, Value] : Table) {
    const toml::key& Name = KeyOf;  // (clang 14 cannot capture a structured binding)
    const auto* K = std::find_if(std::begin(Keys), std::end(Keys), [&Name](const Key<Into>& Each) {
      return Each.Name == Name.str();
    });
    if (K == std::end(Keys)) {
      R.Fail(Name.source(), u"unknown key " + Quoted(Name.str()) + u"; " + std::u16string(What) +
                                u" has " + KeyNames(Keys));
      continue;
    }
    R.Key = K->Name;
    K->Read(R, Value, Target);
  }
  for (const Key<Into>& K : Keys)
    if (K.Needed && !Table.contains(K.Name))
      R.Fail(Table.source(), std::u16string(What) + u" has no " + Quoted(K.Name));
}

// Reads a table's value into Target by Keys; What names it in messages.
template <class Into, std::size_t Count>
void ReadTable(Reading& R, const toml::node& Value, const Key<Into> (&Keys)[Count], Into& Target) {
  if (const auto* Table = Value.as_table()) return ReadKeys(R, *Table, Keys, Quoted(R.Key), Target);
  R.Want(Value, u"a table { " + KeyNames(Keys) + u" }");
}

// An id is what a sheet's "Event:" line names: letters, digits, - and _.
bool IsId(std::u16string_view Id) {
  return !Id.empty() && std::all_of(Id.begin(), Id.end(), [](char16_t C) {
    return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z') || (C >= u'0' && C <= u'9') ||
           C == u'-' || C == u'_';
  });
}

// An id as IsId wants it; nothing, and a fault, for any other value.
std::optional<std::u16string> IdText(Reading& R, const toml::node& Value) {
  std::optional<std::u16string> Id = R.Text(Value);
  if (Id && !IsId(*Id)) {
    R.Fail(Value.source(), u"'id' wants letters, digits, - and _ only");
    return std::nullopt;
  }
  return Id;
}

void ReadId(Reading& R, const toml::node& Value, Event& E) {
  if (std::optional<std::u16string> Id = IdText(R, Value)) E.Id = std::move(*Id);
}

// A key of text, read into the member Field of the table's thing.
template <class Into, std::u16string Into::*Field>
void ReadText(Reading& R, const toml::node& Value, Into& Target) {
  Target.*Field = R.Text(Value).value_or(u"");
}

void ReadTitle(Reading& R, const toml::node& Value, Event& E) {
  E.Title = R.Text(Value).value_or(u"");
  if (E.Title.empty() && Value.is_string()) R.Fail(Value.source(), u"'title' is empty");
}

void ReadHeight(Reading& R, const toml::node& Value, Event& E) {
  const std::optional<std::u16string> Caption = R.Text(Value);
  if (!Caption) return;
  if (const Height* H = HeightNamed(*Caption)) {
    E.Heights.push_back(H->Index);
    return;
  }
  R.Fail(Value.source(),
         u"'heights': \"" + *Caption + u"\" is not a height (" + AllHeightsText(u" ") + u")");
}

void ReadHeights(Reading& R, const toml::node& Value, Event& E) {
  const auto* List = Value.as_array();
  if (List == nullptr || List->empty())
    return R.Want(Value, u"a list of heights, such as [\"3m\"]");
  for (const toml::node& Each : *List) ReadHeight(R, Each, E);
}

void ReadDives(Reading& R, const toml::node& Value, Event& E) {
  E.Dives = R.Whole(Value, 1, MostDives).value_or(0);
}

void ReadMinGroups(Reading& R, const toml::node& Value, Event& E) {
  E.MinGroups = R.Whole(Value, 1, static_cast<std::int64_t>(std::size(DiveGroups))).value_or(0);
}

void ReadMaxDiveDd(Reading& R, const toml::node& Value, Event& E) { E.MaxDiveDD = R.Dd(Value); }

void ReadMostDivers(Reading& R, const toml::node& Value, Event& E) {
  E.MostDivers = R.Whole(Value, 1, MostDives).value_or(0);
}

void ReadWomenAndMen(Reading& R, const toml::node& Value, Event& E) {
  E.WomenAndMen = R.Flag(Value).value_or(false);
}

void ReadRepeats(Reading& R, const toml::node& Value, Event& E) {
  E.Repeats = R.Flag(Value).value_or(false);
}

void ReadSynchro(Reading& R, const toml::node& Value, Event& E) {
  E.Synchro = R.Flag(Value).value_or(false);
}

void ReadPartDives(Reading& R, const toml::node& Value, PartRule& P) {
  P.Dives = R.Whole(Value, 1, MostDives).value_or(0);
}

void ReadDifferentGroups(Reading& R, const toml::node& Value, PartRule& P) {
  P.DifferentGroups = R.Flag(Value).value_or(false);
}

void ReadMaxTotalDd(Reading& R, const toml::node& Value, PartRule& P) { P.MaxTotal = R.Dd(Value); }

// The older form of assigned rounds: the first Rounds lines count DD, whatever the dive.
struct AssignedRounds {
  std::int32_t Rounds = 0;
  DdTenths DD = 0;
};

void ReadAssignedCount(Reading& R, const toml::node& Value, AssignedRounds& A) {
  A.Rounds = R.Whole(Value, 1, MostDives).value_or(0);
}

void ReadAssignedDd(Reading& R, const toml::node& Value, AssignedRounds& A) {
  A.DD = R.Dd(Value).value_or(0);
}

// Who dives a line, in a rules file's words.
struct WhoName {
  Who By;
  std::u16string_view Name;
};

constexpr WhoName WhoNames[] = {
    {   Who::Anyone,     u"anyone"},
    {    Who::Woman,      u"woman"},
    {      Who::Man,        u"man"},
    {Who::MixedPair, u"mixed pair"},
};

void ReadWho(Reading& R, const toml::node& Value, RoundRule& Round) {
  const std::optional<std::u16string> Name = R.Text(Value);
  if (!Name) return;
  for (const WhoName& W : WhoNames)
    if (*Name == W.Name) {
      Round.By = W.By;
      return;
    }
  R.Fail(Value.source(), u"'who' wants \"woman\", \"man\", \"mixed pair\" or \"anyone\"");
}

void ReadRoundHeights(Reading& R, const toml::node& Value, RoundRule& Round) {
  Event AtHeights;
  ReadHeights(R, Value, AtHeights);
  Round.Heights = std::move(AtHeights.Heights);
}

void ReadRoundDd(Reading& R, const toml::node& Value, RoundRule& Round) {
  Round.AssignedDD = R.Dd(Value);
}

// clang-format off
constexpr Key<PartRule> LimitedKeys[] = {
  // key,               needed, reader
    {"dives",             true, ReadPartDives},
    {"different_groups",  true, ReadDifferentGroups},
    {"max_total_dd",     false, ReadMaxTotalDd},
};
constexpr Key<PartRule> FreeKeys[] = {
    {"different_groups",  true, ReadDifferentGroups},
};
constexpr Key<AssignedRounds> AssignedKeys[] = {
    {"rounds",            true, ReadAssignedCount},
    {"dd",                true, ReadAssignedDd},
};
constexpr Key<RoundRule> RoundKeys[] = {
    {"heights",          false, ReadRoundHeights},
    {"who",              false, ReadWho},
    {"dd",               false, ReadRoundDd},
};
// clang-format on

void ReadLimited(Reading& R, const toml::node& Value, Event& E) {
  ReadTable(R, Value, LimitedKeys, E.Limited.emplace());
}

void ReadFree(Reading& R, const toml::node& Value, Event& E) {
  ReadTable(R, Value, FreeKeys, E.Free);
}

// The rounds of the older form, as the first lines of the list.
void ReadAssigned(Reading& R, const toml::node& Value, Event& E) {
  AssignedRounds Assigned;
  ReadTable(R, Value, AssignedKeys, Assigned);
  if (!E.Rounds.empty())
    return R.Fail(Value.source(),
                  u"'assigned' and 'round' both give the first rounds: keep 'round'");
  E.Rounds.assign(static_cast<std::size_t>(Assigned.Rounds),
                  RoundRule{{}, Who::Anyone, Assigned.DD});
}

// The [[event.round]] tables: the rules of the first lines of the list, one table a line.
void ReadRoundList(Reading& R, const toml::node& Value, Event& E) {
  const auto* List = Value.as_array();
  if (List == nullptr || !List->is_array_of_tables())
    return R.Want(Value, u"[[event.round]] tables");
  if (!E.Rounds.empty())
    return R.Fail(Value.source(),
                  u"'assigned' and 'round' both give the first rounds: keep 'round'");
  for (const toml::node& Each : *List) {
    R.Key = "round";
    ReadTable(R, Each, RoundKeys, E.Rounds.emplace_back());
  }
}

// The keys of an [[event]], as the head of the built-in rules file explains them.
// clang-format off
constexpr Key<Event> EventKeys[] = {
  // key,           needed, reader
    {"id",            true, ReadId},
    {"title",         true, ReadTitle},
    {"rule",         false, ReadText<Event, &Event::Rule>},
    {"height_rule",  false, ReadText<Event, &Event::HeightRule>},
    {"heights",       true, ReadHeights},
    {"dives",         true, ReadDives},
    {"min_groups",   false, ReadMinGroups},
    {"limited",      false, ReadLimited},
    {"free",         false, ReadFree},
    {"round",        false, ReadRoundList},
    {"most_divers",  false, ReadMostDivers},
    {"women_and_men", false, ReadWomenAndMen},
    {"assigned",     false, ReadAssigned},
    {"max_dive_dd",  false, ReadMaxDiveDd},
    {"repeats",      false, ReadRepeats},
    {"synchro",      false, ReadSynchro},
    {"note",         false, ReadText<Event, &Event::Note>},
};
// clang-format on

void ReadBookId(Reading& R, const toml::node& Value, RuleBook& B) {
  if (std::optional<std::u16string> Id = IdText(R, Value)) B.Id = std::move(*Id);
}

// The keys of a file's [book], as the head of the built-in rules file explains them.
// clang-format off
constexpr Key<RuleBook> BookKeys[] = {
  // key,              needed, reader
    {"id",               true, ReadBookId},
    {"title",           false, ReadText<RuleBook, &RuleBook::Title>},
    {"statement_rule",  false, ReadText<RuleBook, &RuleBook::StatementRule>},
    {"repeat_rule",     false, ReadText<RuleBook, &RuleBook::RepeatRule>},
    {"dd_rule",         false, ReadText<RuleBook, &RuleBook::DdRule>},
};
// clang-format on

// Each round is a line of the list, at heights of the event.
void CheckRounds(Reading& R, const toml::table& Table, const Event& E) {
  const toml::array* Rounds = Table["round"].as_array();
  if (Rounds == nullptr) return;
  for (std::size_t I = 0; I < E.Rounds.size(); ++I) {
    const toml::source_region& At = Rounds->get(I)->source();
    if (I == static_cast<std::size_t>(E.Dives))
      R.Fail(At, u"a round more than the list's " +
                     CountText(static_cast<std::size_t>(E.Dives), u"dive", u"dives"));
    for (const std::int32_t H : E.Rounds[I].Heights)
      if (std::find(E.Heights.begin(), E.Heights.end(), H) == E.Heights.end())
        R.Fail(At, u"the round's height " + HeightText(H) + u" is not one of the event's (" +
                       HeightsText(E, u", ") + u")");
  }
}

// A part of the list cannot have more dives than the list.
void CheckParts(Reading& R, const toml::table& Table, const Event& E) {
  if (E.Dives == 0) return;
  const auto TooMany = [&](std::string_view Name, std::int32_t Dives) {
    if (Dives <= E.Dives) return;
    R.Fail(Table[Name].node()->source(),
           Quoted(Name) + u" has more dives than the list's " + AsciiText(std::to_string(E.Dives)));
  };
  if (E.Limited) TooMany("limited", E.Limited->Dives);
  if (Table.contains("assigned")) TooMany("assigned", static_cast<std::int32_t>(E.Rounds.size()));
  CheckRounds(R, Table, E);
}

std::optional<Event> ReadEvent(Reading& R, const toml::node& Value) {
  const auto* Table = Value.as_table();
  if (Table == nullptr) {
    R.Key = "event";
    R.Want(Value, u"[[event]] tables");
    return std::nullopt;
  }
  const std::size_t Before = R.Errors.size();
  Event E;
  E.File = R.File;
  ReadKeys(R, *Table, EventKeys, u"an event", E);
  if (R.Errors.size() == Before) CheckParts(R, *Table, E);
  if (E.HeightRule.empty()) E.HeightRule = E.Rule;
  if (R.Errors.size() != Before) return std::nullopt;
  return E;
}

// The events of a file, and the book they belong to where it names one.
struct RulesRead {
  std::optional<RuleBook> Book;
  std::vector<Event> Events;
};

RulesRead ReadEvents(Reading& R, const toml::table& Top) {
  RulesRead Read;
  std::vector<Event>& Events = Read.Events;
  for (auto&& [Name, Value] : Top) {
    if (Name.str() == "book" && Value.is_table()) {
      R.Key = "book";
      ReadTable(R, Value, BookKeys, Read.Book.emplace());
      continue;
    }
    const auto* List = Value.as_array();
    if (Name.str() != "event" || List == nullptr) {
      R.Fail(Name.source(), u"unknown key " + Quoted(Name.str()) +
                                u"; a rules file holds a [book] table and [[event]] tables");
      continue;
    }
    for (const toml::node& Each : *List) {
      std::optional<Event> E = ReadEvent(R, Each);
      if (!E) continue;
      const bool Twice = std::any_of(Events.begin(), Events.end(), [&E](const Event& Other) {
        return SameWord(Other.Id, E->Id);
      });
      if (Twice)
        R.Fail(Each.as_table()->get("id")->source(), u"a second event with the id " + E->Id);
      else
        Events.push_back(std::move(*E));
    }
  }
  return Read;
}

// Adds the book Read names to Book, or gives a known one the rules Read states; the id of the
// book the file's events belong to.
std::u16string TakeBook(EventBook& Book, const std::u16string& File, const RulesRead& Read) {
  if (!Read.Book) return std::u16string(DefaultBookId);
  RuleBook Named = *Read.Book;
  auto Known = std::find_if(Book.Books.begin(), Book.Books.end(),
                            [&Named](const RuleBook& B) { return SameWord(B.Id, Named.Id); });
  if (Known == Book.Books.end()) {
    if (Named.Title.empty()) Named.Title = Named.Id;
    Named.File = File;
    Book.Books.push_back(Named);
    return Named.Id;
  }
  for (auto Field :
       {&RuleBook::Title, &RuleBook::StatementRule, &RuleBook::RepeatRule, &RuleBook::DdRule})
    if (!(Named.*Field).empty()) (*Known).*Field = Named.*Field;
  return Known->Id;
}

}  // namespace

void AddRulesText(EventBook& Book, std::u16string_view File, std::string_view Text) {
  Reading R{std::u16string(File), {}, {}};
  RulesRead Read;
  toml::parse_result Parsed = toml::parse(Text);
  if (Parsed)
    Read = ReadEvents(R, Parsed.table());
  else
    R.Fail(Parsed.error().source(), DecodeUtf8(Parsed.error().description()));
  if (!R.Errors.empty()) {
    // toml++ keeps a table's keys in order of their names: the faults go in the file's order.
    std::stable_sort(R.Errors.begin(), R.Errors.end(),
                     [](const RulesError& A, const RulesError& B) {
                       return std::pair(A.Line, A.Column) < std::pair(B.Line, B.Column);
                     });
    std::move(R.Errors.begin(), R.Errors.end(), std::back_inserter(Book.Errors));
    return;
  }
  const std::u16string BookId = TakeBook(Book, R.File, Read);
  for (Event& E : Read.Events) {
    E.Book = BookId;
    auto Known = std::find_if(Book.Events.begin(), Book.Events.end(), [&E](const Event& Other) {
      return SameWord(Other.Id, E.Id) && SameWord(Other.Book, E.Book);
    });
    if (Known == Book.Events.end())
      Book.Events.push_back(std::move(E));
    else
      *Known = std::move(E);
  }
}

}  // namespace merrith
