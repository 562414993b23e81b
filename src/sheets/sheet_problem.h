#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/event_book.h"

namespace merrith {

// What can be wrong on a diver's sheet: its head, a line, a dive, or the list as a whole.
// Unlike a dive's refusal, a problem names the rule it breaks, so that the referee can find it.
enum class SheetProblem : std::uint8_t {
  NoEvent,            // no Event: line
  UnknownEvent,       // an Event: line naming no known event
  UnknownHeading,     // Key: value before the dives, with a key no sheet has
  HeadingTwice,       // a second Event:, Diver: or Height: line
  HeadingAfterDives,  // an Event:, Diver: or Height: line among the dives
  NotAHeight,         // a Height: line naming no height
  NotADiveLine,       // a line that is neither blank, a comment, a heading nor a dive
  UnknownWord,        // a word on a dive line that is no height, DD or "limited"
  WordTwice,          // a second height, DD or "limited" on one dive line
  NoHeight,           // a dive without a height, where the event has several or is unknown
  NotADive,           // a code that names no dive at its height
  NoDD,               // a dive without a DD at its height
  HeightNotAllowed,   // a height the event's dives are not done from
  WrongStatedDD,      // a stated DD that is not the formula's at one decimal
  RepeatedNumber,     // a dive number that an earlier dive has
  OverDiveCap,        // a dive that counts more than the event allows one dive
  MarkedNotLimited,   // "limited" in an event without a limited part
  LimitedSameGroup,   // two dives of the limited part from one group
  FreeSameGroup,      // two free dives from one group
  TooFewDives,        // fewer dives than the event's list has
  TooManyDives,       // more dives than the event's list has
  TooFewGroups,       // the dives come from fewer groups than the event wants
  LimitedMarks,       // a number of dives marked limited other than the limited part's
  LimitedOverCap,     // the marked limited dives add up to more than the cap
  NoSplitGroups,      // unmarked, and too few groups for a limited part
  NoSplitCrowded,     // unmarked, and a group with more dives than the parts can take
  NoSplitOverCap,     // unmarked, and no limited part within the cap
};

// Where the number of the rule a problem breaks comes from.
enum class RuleFrom : std::uint8_t {
  None,          // no rule of the book: a sheet's own form
  Book,          // the rule of every list, in the row
  Event,         // the event's rule for its list
  EventHeights,  // the event's rule for its heights
};

// A problem in words, with the rule it breaks. {1}, {2} and {3} stand for the problem's words,
// {place} for the other dive or line it names ("dive 2", "line 7").
struct ProblemReason {
  SheetProblem Why;
  RuleFrom From;
  std::u16string_view Rule;
  std::u16string_view Text;
};

// clang-format off
inline constexpr ProblemReason ProblemReasons[] = {
  // problem,                             rule from,             rule,   text
    {SheetProblem::NoEvent,               RuleFrom::None,         u"",   u"no Event: line names the event"},
    {SheetProblem::UnknownEvent,          RuleFrom::None,         u"",   u"no event has the id {1}"},
    {SheetProblem::UnknownHeading,        RuleFrom::None,         u"",   u"{1}: is no heading of a sheet (Event:, Diver: or Height:)"},
    {SheetProblem::HeadingTwice,          RuleFrom::None,         u"",   u"a second {1}: line, after {place}"},
    {SheetProblem::HeadingAfterDives,     RuleFrom::None,         u"",   u"{1}: goes before the first dive"},
    {SheetProblem::NotAHeight,            RuleFrom::None,         u"",   u"{1} is not a height ({2})"},
    {SheetProblem::NotADiveLine,          RuleFrom::Book,         u"D 4.9", u"not a dive: {1}"},
    {SheetProblem::UnknownWord,           RuleFrom::Book,         u"D 4.9", u"{1} is not a height, a DD or the word limited"},
    {SheetProblem::WordTwice,             RuleFrom::Book,         u"D 4.9", u"a second {1} on the line: {2}"},
    {SheetProblem::NoHeight,              RuleFrom::Book,         u"D 4.9", u"no height: add one to the line or a Height: line"},
    {SheetProblem::NotADive,              RuleFrom::Book,         u"D 1.6.2-1.6.3", u"{1} is not a dive: {2}"},
    {SheetProblem::NoDD,                  RuleFrom::Book,         u"D 1.6.2-1.6.3", u"{1} has no DD at {2}: {3}"},
    {SheetProblem::HeightNotAllowed,      RuleFrom::EventHeights, u"",   u"{1} is not a height of this event ({2})"},
    {SheetProblem::WrongStatedDD,         RuleFrom::Book,         u"D 4.9", u"stated DD {1}, by the formula {2}"},
    {SheetProblem::RepeatedNumber,        RuleFrom::Book,         u"D 3.3", u"the number {1} again, after {place}"},
    {SheetProblem::OverDiveCap,           RuleFrom::Event,        u"",   u"DD {1} is over the {2} one dive may count"},
    {SheetProblem::MarkedNotLimited,      RuleFrom::Event,        u"",   u"marked limited, but the event has no limited part"},
    {SheetProblem::LimitedSameGroup,      RuleFrom::Event,        u"",   u"a second {1} dive in the limited part, after {place}"},
    {SheetProblem::FreeSameGroup,         RuleFrom::Event,        u"",   u"a second {1} dive among the free dives, after {place}"},
    {SheetProblem::TooFewDives,           RuleFrom::Event,        u"",   u"too few dives: {1}, where the event has {2}"},
    {SheetProblem::TooManyDives,          RuleFrom::Event,        u"",   u"too many dives: {1}, where the event has {2}"},
    {SheetProblem::TooFewGroups,          RuleFrom::Event,        u"",   u"dives from {1} ({2}), where the event wants {3} or more"},
    {SheetProblem::LimitedMarks,          RuleFrom::Event,        u"",   u"{1} dives marked limited, where the limited part has {2}"},
    {SheetProblem::LimitedOverCap,        RuleFrom::Event,        u"",   u"the limited dives add up to {1}, over the cap of {2}"},
    {SheetProblem::NoSplitGroups,         RuleFrom::Event,        u"",   u"no {1} dives from different groups make a limited part: the dives are from {2}"},
    {SheetProblem::NoSplitCrowded,        RuleFrom::Event,        u"",   u"no limited part leaves the free dives in different groups: {1} {2} dives"},
    {SheetProblem::NoSplitOverCap,        RuleFrom::Event,        u"",   u"no limited part keeps within the cap of {1}: the least {2} dives that fit add up to {3}"},
};
// clang-format on

static_assert([] {
  std::size_t Row = 0;
  for (const ProblemReason& R : ProblemReasons)
    if (static_cast<std::size_t>(R.Why) != Row++) return false;
  return ProblemReasons[std::size(ProblemReasons) - 1].Why == SheetProblem::NoSplitOverCap;
}());

// One problem found on a sheet.
struct Problem {
  SheetProblem Why;
  std::size_t Line = 0;               // the line it is on, from 1; 0 for the list as a whole
  std::size_t Dive = 0;               // the dive it is on, from 1 (the round); 0 for none
  std::vector<std::u16string> Words;  // what stands for {1}, {2} and {3} in its text
  std::size_t OtherDive = 0;          // the other dive {place} names, from 1; 0 for a line
  std::size_t OtherLine = 0;          // that dive's line, or the line {place} names
};

// How a text names a place on the sheet: the report says "dive 2" for a dive (its round) and
// "line 7" for another line; a file of data says "line 7" for both.
enum class Places : std::uint8_t { ByDive, ByLine };

// The problem in words, without its rule.
std::u16string ProblemText(const Problem& P, Places Naming);

// The number of the rule the problem breaks ("D 3.3"); empty where there is none. E is the
// sheet's event, or nullptr where the sheet has none.
std::u16string ProblemRule(const Problem& P, const Event* E);

}  // namespace merrith
