#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dive_group.h"
#include "sheets/event_book.h"
#include "sheets/sheet_words.h"

namespace merrith {

// What can be wrong on a diver's sheet: its head, a line, a dive, or the list as a whole.
// Unlike a dive's refusal, a problem names the rule it breaks, so that the referee can find it.
enum class SheetProblem : std::uint8_t {
  NoEvent,             // no Event: line
  UnknownEvent,        // an Event: line naming no known event
  UnknownHeading,      // Key: value before the dives, with a key no sheet has
  HeadingTwice,        // a second heading of one key: Event:, Diver:, Height: ...
  HeadingAfterDives,   // a heading among the dives
  NotAHeight,          // a Height: line naming no height
  NotADiveLine,        // a line that is neither blank, a comment, a heading nor a dive
  UnknownWord,         // a word on a dive line that is no height, DD or "limited"
  WordTwice,           // a second height, DD or "limited" on one dive line
  NoHeight,            // a dive without a height, where the event has several or is unknown
  NotADive,            // a code that names no dive at its height
  NoDD,                // a dive without a DD at its height
  HeightNotAllowed,    // a height the event's dives are not done from
  WrongStatedDD,       // a stated DD that is not the formula's at one decimal
  RepeatedNumber,      // a dive number that an earlier dive has
  OverDiveCap,         // a dive that counts more than the event allows one dive
  MarkedNotLimited,    // "limited" in an event without a limited part
  LimitedSameGroup,    // two dives of the limited part from one group
  FreeSameGroup,       // two free dives from one group
  TooFewDives,         // fewer dives than the event's list has
  TooManyDives,        // more dives than the event's list has
  TooFewGroups,        // the dives come from fewer groups than the event wants
  LimitedMarks,        // a number of dives marked limited other than the limited part's
  LimitedOverCap,      // the marked limited dives add up to more than the cap
  NoSplitGroups,       // unmarked, and too few groups for a limited part
  NoSplitCrowded,      // unmarked, and a group with more dives than the parts can take
  NoSplitOverCap,      // unmarked, and no limited part within the cap
  UnknownBook,         // a Book: line naming no known rule book
  HeightNotOfRound,    // a height the event does not fix for the line
  DiverWithoutName,    // (W) or (M) on the Divers: line without a name before it
  DiverWithoutSex,     // a diver of a team's list without (W) or (M)
  TooManyDivers,       // more divers than may share the list
  NoDiverOfSex,        // a team's divers without a woman, or without a man
  UnknownDiver,        // a line's diver who is not one of the sheet's
  WrongDivers,         // a line's divers who do not fit who dives it
  CellOutsideColumns,  // a cell of a pasted table's row beyond its header's columns
  UnknownEventNear,    // an Event: line naming no known event, but near one
  UsedInPreliminary,   // a final's dive that the preliminary's limited part used
  NoPreliminaryPart,   // a final whose preliminary has no limited part to check against
  NotAPosition,        // a pasted table's position cell that is no position letter
};

// The values a problem may carry; each names one member of ProblemValues.
enum class ProblemValue : std::uint8_t {
  None,            // no value: ends a kind's list
  Event,           // Written: the event id the sheet names
  Key,             // Written: a heading's key that no sheet has
  LineText,        // Written: a line that is no dive
  Word,            // Written: a word as the line writes it
  Code,            // Written: a dive code as written, upper-cased
  Number,          // Written: a dive number as the rule book writes it
  Heading,         // Named: Event, Diver or Height
  WordKind,        // Named: height, DD or limited
  Height,          // Height
  AllowedHeights,  // Heights: the event's
  Reason,          // Reason: why a code is no dive or has no DD
  Dd,              // Dd: by the formula, or what counts
  StatedDd,        // Stated
  CapDd,           // Cap: the most a dive or a part may count
  TotalDd,         // Total: what dives add up to
  Dives,           // Dives: a number of dives
  Wanted,          // Wanted: the number the event wants
  GroupCount,      // GroupCount: a number of groups
  Groups,          // Groups
  Group,           // Group
  Book,            // Written: the rule book id the sheet names
  Books,           // Choices: the ids of the books there are
  Role,            // Named: who dives a line or what a team lacks ("a woman")
  Divers,          // Choices: the names of the sheet's divers
  Meant,           // Meant: the event a sheet likely means, its id and title
};

// Each value's stable name, as data for other programs and as its slot in a problem's wording.
struct ProblemValueName {
  ProblemValue Value;
  std::string_view Name;
};

// clang-format off
inline constexpr ProblemValueName ProblemValueNames[] = {
    {ProblemValue::None,       ""},
    {ProblemValue::Event,      "event"},
    {ProblemValue::Key,        "key"},
    {ProblemValue::LineText,   "line_text"},
    {ProblemValue::Word,       "word"},
    {ProblemValue::Code,       "code"},
    {ProblemValue::Number,     "number"},
    {ProblemValue::Heading,    "heading"},
    {ProblemValue::WordKind,   "word_kind"},
    {ProblemValue::Height,     "height"},
    {ProblemValue::AllowedHeights, "heights"},
    {ProblemValue::Reason,     "reason"},
    {ProblemValue::Dd,         "dd"},
    {ProblemValue::StatedDd,   "stated_dd"},
    {ProblemValue::CapDd,      "cap_dd"},
    {ProblemValue::TotalDd,    "total_dd"},
    {ProblemValue::Dives,      "dives"},
    {ProblemValue::Wanted,     "wanted"},
    {ProblemValue::GroupCount, "group_count"},
    {ProblemValue::Groups,     "groups"},
    {ProblemValue::Group,      "group"},
    {ProblemValue::Book,       "book"},
    {ProblemValue::Books,      "books"},
    {ProblemValue::Role,       "role"},
    {ProblemValue::Divers,     "divers"},
    {ProblemValue::Meant,      "meant"},
};
// clang-format on

static_assert([] {
  std::size_t Row = 0;
  for (const ProblemValueName& N : ProblemValueNames)
    if (static_cast<std::size_t>(N.Value) != Row++) return false;
  return ProblemValueNames[std::size(ProblemValueNames) - 1].Value == ProblemValue::Meant;
}());

constexpr std::string_view ProblemValueKey(ProblemValue Value) {
  return ProblemValueNames[static_cast<std::size_t>(Value)].Name;
}

// Where the number of the rule a problem breaks comes from.
enum class RuleFrom : std::uint8_t {
  None,          // no rule of the book: a sheet's own form
  Statement,     // the book's rule of what a statement of dives gives
  Repeats,       // the book's rule of no dive number twice
  Formula,       // the book's rule of each dive's DD by the formula
  Event,         // the event's rule for its list
  EventHeights,  // the event's rule for its heights
};

// The values one kind of problem carries; None fills the rest.
using ProblemValueList = std::array<ProblemValue, 3>;

// A kind of problem: its stable name, the rule it breaks and the values it carries.
struct ProblemKind {
  SheetProblem Why;
  std::string_view Name;
  RuleFrom From;
  ProblemValueList Values;
};

// clang-format off
inline constexpr std::array ProblemKinds = [] {
  using enum ProblemValue;
  using P = SheetProblem;
  using R = RuleFrom;
  return std::array<ProblemKind, 40>{{
  // problem,              name,                   rule from,    values
    {P::NoEvent,           "no-event",             R::None,         {}},
    {P::UnknownEvent,      "unknown-event",        R::None,         {Event}},
    {P::UnknownHeading,    "unknown-heading",      R::None,         {Key}},
    {P::HeadingTwice,      "heading-twice",        R::None,         {Heading}},
    {P::HeadingAfterDives, "heading-after-dives",  R::None,         {Heading}},
    {P::NotAHeight,        "not-a-height",         R::None,         {Word}},
    {P::NotADiveLine,      "not-a-dive-line",      R::Statement,    {LineText}},
    {P::UnknownWord,       "unknown-word",         R::Statement,    {Word}},
    {P::WordTwice,         "word-twice",           R::Statement,    {WordKind, Word}},
    {P::NoHeight,          "no-height",            R::Statement,    {}},
    {P::NotADive,          "not-a-dive",           R::Formula,      {Code, Reason}},
    {P::NoDD,              "no-dd",                R::Formula,      {Code, Height, Reason}},
    {P::HeightNotAllowed,  "height-not-allowed",   R::EventHeights, {Height, AllowedHeights}},
    {P::WrongStatedDD,     "wrong-stated-dd",      R::Statement,    {StatedDd, Dd}},
    {P::RepeatedNumber,    "repeated-number",      R::Repeats,      {Number}},
    {P::OverDiveCap,       "over-dive-cap",        R::Event,        {Dd, CapDd}},
    {P::MarkedNotLimited,  "marked-not-limited",   R::Event,        {}},
    {P::LimitedSameGroup,  "limited-same-group",   R::Event,        {Group}},
    {P::FreeSameGroup,     "free-same-group",      R::Event,        {Group}},
    {P::TooFewDives,       "too-few-dives",        R::Event,        {Dives, Wanted}},
    {P::TooManyDives,      "too-many-dives",       R::Event,        {Dives, Wanted}},
    {P::TooFewGroups,      "too-few-groups",       R::Event,        {GroupCount, Groups, Wanted}},
    {P::LimitedMarks,      "limited-marks",        R::Event,        {Dives, Wanted}},
    {P::LimitedOverCap,    "limited-over-cap",     R::Event,        {TotalDd, CapDd}},
    {P::NoSplitGroups,     "no-split-groups",      R::Event,        {Wanted, GroupCount}},
    {P::NoSplitCrowded,    "no-split-crowded",     R::Event,        {Dives, Group}},
    {P::NoSplitOverCap,    "no-split-over-cap",    R::Event,        {CapDd, Wanted, TotalDd}},
    {P::UnknownBook,       "unknown-book",         R::None,         {Book, Books}},
    {P::HeightNotOfRound,  "height-not-of-round",  R::Event,        {Height, AllowedHeights}},
    {P::DiverWithoutName,  "diver-without-name",   R::None,         {Word}},
    {P::DiverWithoutSex,   "diver-without-sex",    R::Event,        {Word}},
    {P::TooManyDivers,     "too-many-divers",      R::Event,        {Dives, Wanted}},
    {P::NoDiverOfSex,      "no-diver-of-sex",      R::Event,        {Role}},
    {P::UnknownDiver,      "unknown-diver",        R::None,         {Word, Divers}},
    {P::WrongDivers,       "wrong-divers",         R::EventHeights, {Word, Role}},
    {P::CellOutsideColumns, "cell-outside-columns", R::Statement,  {Word, Wanted}},
    {P::UnknownEventNear,  "unknown-event-near",   R::None,         {Event, Meant}},
    {P::UsedInPreliminary, "used-in-preliminary",  R::None,         {Number}},
    {P::NoPreliminaryPart, "no-preliminary-part",  R::None,         {Reason}},
    {P::NotAPosition,      "not-a-position",       R::Statement,    {Word}},
  }};
}();
// clang-format on

static_assert([] {
  std::size_t Row = 0;
  for (const ProblemKind& K : ProblemKinds)
    if (static_cast<std::size_t>(K.Why) != Row++) return false;
  return ProblemKinds[std::size(ProblemKinds) - 1].Why == SheetProblem::NotAPosition;
}());

// Software keys on a kind's name: each is lower case words joined by hyphens, and its own.
static_assert([] {
  for (std::size_t Row = 0; Row != ProblemKinds.size(); ++Row) {
    const std::string_view Name = ProblemKinds[Row].Name;
    if (Name.empty() || Name.front() == '-' || Name.back() == '-') return false;
    for (const char C : Name)
      if ((C < 'a' || C > 'z') && C != '-') return false;
    for (std::size_t Other = 0; Other != Row; ++Other)
      if (ProblemKinds[Other].Name == Name) return false;
  }
  return true;
}());

constexpr const ProblemKind& KindOf(SheetProblem Why) {
  return ProblemKinds[static_cast<std::size_t>(Why)];
}

// What a problem is about, each value typed; a kind carries those its row names.
struct ProblemValues {
  std::u16string Written{};     // an event id, key, line, word, code or number as written
  std::u16string_view Named{};  // a heading ("Event") or a kind of word ("height")
  std::int32_t Height = 0;      // a height's index
  std::vector<std::int32_t> Heights{};
  std::u16string_view Reason{};  // why a code is no dive or has no DD, in words
  DdTotal Dd = 0;                // DDs and sums of them in tenths
  DdTotal Stated = 0;
  DdTotal Cap = 0;
  DdTotal Total = 0;
  std::size_t Dives = 0;
  std::size_t Wanted = 0;
  std::size_t GroupCount = 0;
  std::vector<DiveGroup> Groups{};
  DiveGroup Group = DiveGroup::None;
  std::u16string Choices{};  // the ids or names there are, joined by ", "
  std::u16string Meant{};    // an event's id and title: "men-3m (Men 3 m springboard)"
};

// One problem found on a sheet.
struct Problem {
  SheetProblem Why;
  std::size_t Line = 0;       // the line it is on, from 1; 0 for the list as a whole
  std::size_t Dive = 0;       // the dive it is on, from 1 (the round); 0 for none
  ProblemValues Values;       // those its kind carries
  std::size_t OtherDive = 0;  // the other dive it names, from 1; 0 for a line
  std::size_t OtherLine = 0;  // that dive's line, or the other line it names; 0 for none
};

// The number of the rule the problem breaks ("3.3"); empty where there is none. E is the
// sheet's event and B its rule book, each nullptr where the sheet has none.
std::u16string ProblemRule(const Problem& P, const Event* E, const RuleBook* B);

}  // namespace merrith
