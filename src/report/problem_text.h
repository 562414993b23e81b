#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "sheets/sheet_problem.h"

namespace merrith {

// Each kind of problem in words. {name} stands for the value of that name, which the kind must
// carry, {place} for the other dive or line it names ("dive 2", "line 7") and {all_heights}
// for every height; the text names every value the kind carries.
struct ProblemWording {
  SheetProblem Why;
  std::u16string_view Text;
};

// clang-format off
inline constexpr ProblemWording ProblemWordings[] = {
  // problem,                            text
    {SheetProblem::NoEvent,              u"no Event: line names the event"},
    {SheetProblem::UnknownEvent,         u"no event has the id {event}"},
    {SheetProblem::UnknownHeading,       u"{key}: is no heading of a sheet (Book:, Event:, Diver:, Divers: or Height:)"},
    {SheetProblem::HeadingTwice,         u"a second {heading}: line, after {place}"},
    {SheetProblem::HeadingAfterDives,    u"{heading}: goes before the first dive"},
    {SheetProblem::NotAHeight,           u"{word} is not a height ({all_heights})"},
    {SheetProblem::NotADiveLine,         u"not a dive: {line_text}"},
    {SheetProblem::UnknownWord,          u"{word} is not a height, a DD or the word limited"},
    {SheetProblem::WordTwice,            u"a second {word_kind} on the line: {word}"},
    {SheetProblem::NoHeight,             u"no height: add one to the line or a Height: line"},
    {SheetProblem::NotADive,             u"{code} is not a dive: {reason}"},
    {SheetProblem::NoDD,                 u"{code} has no DD at {height}: {reason}"},
    {SheetProblem::HeightNotAllowed,     u"{height} is not a height of this event ({heights})"},
    {SheetProblem::WrongStatedDD,        u"stated DD {stated_dd}, by the formula {dd}"},
    {SheetProblem::RepeatedNumber,       u"the number {number} again, after {place}"},
    {SheetProblem::OverDiveCap,          u"DD {dd} is over the {cap_dd} one dive may count"},
    {SheetProblem::MarkedNotLimited,     u"marked limited, but the event has no limited part"},
    {SheetProblem::LimitedSameGroup,     u"a second {group} dive in the limited part, after {place}"},
    {SheetProblem::FreeSameGroup,        u"a second {group} dive among the free dives, after {place}"},
    {SheetProblem::TooFewDives,          u"too few dives: {dives}, where the event has {wanted}"},
    {SheetProblem::TooManyDives,         u"too many dives: {dives}, where the event has {wanted}"},
    {SheetProblem::TooFewGroups,         u"dives from {group_count} ({groups}), where the event wants {wanted} or more"},
    {SheetProblem::LimitedMarks,         u"{dives} dives marked limited, where the limited part has {wanted}"},
    {SheetProblem::LimitedOverCap,       u"the limited dives add up to {total_dd}, over the cap of {cap_dd}"},
    {SheetProblem::NoSplitGroups,        u"no {wanted} dives from different groups make a limited part: the dives are from {group_count}"},
    {SheetProblem::NoSplitCrowded,       u"no limited part leaves the free dives in different groups: {dives} {group} dives"},
    {SheetProblem::NoSplitOverCap,       u"no limited part keeps within the cap of {cap_dd}: the least {wanted} dives that fit add up to {total_dd}"},
    {SheetProblem::UnknownBook,          u"no rule book has the id {book}: the books are {books}"},
    {SheetProblem::HeightNotOfRound,     u"{height} is not a height of this dive of the list ({heights})"},
    {SheetProblem::DiverWithoutName,     u"{word} without a name before it"},
    {SheetProblem::DiverWithoutSex,      u"{word}: add (W) for a woman or (M) for a man"},
    {SheetProblem::TooManyDivers,        u"{dives} divers named, where at most {wanted} share the list"},
    {SheetProblem::NoDiverOfSex,         u"no {role} among the divers, where a team has a woman and a man at least"},
    {SheetProblem::UnknownDiver,         u"{word} is not one of the divers ({divers})"},
    {SheetProblem::WrongDivers,          u"dived by {word}, where this dive is for {role}"},
    {SheetProblem::CellOutsideColumns,   u"{word} is beyond the {wanted} columns of the header row"},
    {SheetProblem::UnknownEventNear,     u"no event '{event}': did you mean {meant}?"},
    {SheetProblem::UsedInPreliminary,    u"{number} was dived in the preliminary's limited part ({place} of the preliminary), which a final may not use again (12.4.5.1)"},
    {SheetProblem::NoPreliminaryPart,    u"the preliminary has no limited part to check the final against: {reason} (12.4.5.1)"},
    {SheetProblem::NotAPosition,         u"{word} is not a position letter (A, B, C, D or E)"},
};
// clang-format on

namespace wording {

// The slots that stand for no value of the problem's own.
inline constexpr std::string_view OwnSlots[] = {"place", "all_heights"};

constexpr bool SameName(std::u16string_view Slot, std::string_view Name) {
  if (Slot.size() != Name.size()) return false;
  for (std::size_t I = 0; I < Slot.size(); ++I)
    if (Slot[I] != static_cast<char16_t>(Name[I])) return false;
  return true;
}

// Whether Text names each value of Values and nothing else, every brace closed.
constexpr bool Fits(std::u16string_view Text, const ProblemValueList& Values) {
  std::size_t Named[std::tuple_size_v<ProblemValueList>] = {};
  for (std::size_t At = Text.find(u'{'); At != std::u16string_view::npos;
       At = Text.find(u'{', At + 1)) {
    const std::size_t Close = Text.find(u'}', At);
    if (Close == std::u16string_view::npos) return false;
    const std::u16string_view Slot = Text.substr(At + 1, Close - At - 1);
    bool Known = false;
    for (const std::string_view Own : OwnSlots) Known = Known || SameName(Slot, Own);
    for (std::size_t V = 0; V < Values.size(); ++V) {
      if (Values[V] == ProblemValue::None || !SameName(Slot, ProblemValueKey(Values[V]))) continue;
      Known = true;
      ++Named[V];
    }
    if (!Known) return false;
  }
  for (std::size_t V = 0; V < Values.size(); ++V)
    if (Values[V] != ProblemValue::None && Named[V] == 0) return false;
  return true;
}

}  // namespace wording

// Every kind has its wording, in order, and each wording names exactly its kind's values.
static_assert([] {
  if (std::size(ProblemWordings) != std::size(ProblemKinds)) return false;
  for (std::size_t Row = 0; Row != std::size(ProblemWordings); ++Row) {
    const ProblemWording& W = ProblemWordings[Row];
    if (static_cast<std::size_t>(W.Why) != Row) return false;
    if (!wording::Fits(W.Text, KindOf(W.Why).Values)) return false;
  }
  return true;
}());

// How a text names a place on the sheet: the report says "dive 2" for a dive (its round) and
// "line 7" for another line; a file of data says "line 7" for both.
enum class Places : std::uint8_t { ByDive, ByLine };

// The value Value of P in words, as the problem's text gives it.
std::u16string ProblemValueText(const Problem& P, ProblemValue Value);

// The problem in words, without its rule.
std::u16string ProblemText(const Problem& P, Places Naming);

}  // namespace merrith
