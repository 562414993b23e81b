#include "report/problem_text.h"

#include "sheets/event_book.h"
#include "support/words.h"

namespace merrith {
namespace {

std::u16string PlaceText(const Problem& P, Places Naming) {
  if (Naming == Places::ByDive && P.OtherDive > 0) return u"dive " + NumberText(P.OtherDive);
  return u"line " + NumberText(P.OtherLine);
}

std::u16string HeightsJoined(const std::vector<std::int32_t>& Heights) {
  std::u16string Text;
  for (std::int32_t H : Heights) AppendJoined(Text, u", ", HeightText(H));
  return Text;
}

// What stands for the slot Slot of P's text.
std::u16string SlotText(const Problem& P, std::u16string_view Slot, Places Naming) {
  if (wording::SameName(Slot, "place")) return PlaceText(P, Naming);
  if (wording::SameName(Slot, "all_heights")) return AllHeightsText(u" ");
  for (const ProblemValue V : KindOf(P.Why).Values)
    if (V != ProblemValue::None && wording::SameName(Slot, ProblemValueKey(V)))
      return ProblemValueText(P, V);
  return {};
}

}  // namespace

std::u16string ProblemValueText(const Problem& P, ProblemValue Value) {
  const ProblemValues& V = P.Values;
  switch (Value) {
    case ProblemValue::None:
      break;
    case ProblemValue::Event:
    case ProblemValue::Key:
    case ProblemValue::LineText:
    case ProblemValue::Word:
    case ProblemValue::Code:
    case ProblemValue::Number:
    case ProblemValue::Book:
      return V.Written;
    case ProblemValue::Books:
    case ProblemValue::Divers:
      return V.Choices;
    case ProblemValue::Heading:
    case ProblemValue::WordKind:
    case ProblemValue::Role:
      return std::u16string(V.Named);
    case ProblemValue::Height:
      return HeightText(V.Height);
    case ProblemValue::AllowedHeights:
      return HeightsJoined(V.Heights);
    case ProblemValue::Reason:
      return std::u16string(V.Reason);
    case ProblemValue::Dd:
      return TenthsText(V.Dd);
    case ProblemValue::StatedDd:
      return TenthsText(V.Stated);
    case ProblemValue::CapDd:
      return TenthsText(V.Cap);
    case ProblemValue::TotalDd:
      return TenthsText(V.Total);
    case ProblemValue::Dives:
      return NumberText(V.Dives);
    case ProblemValue::Wanted:
      return NumberText(V.Wanted);
    case ProblemValue::GroupCount:
      return CountText(V.GroupCount, u"group", u"groups");
    case ProblemValue::Groups:
      return GroupsText(V.Groups);
    case ProblemValue::Group:
      return GroupName(V.Group);
    case ProblemValue::Meant:
      return V.Meant;
  }
  return {};
}

std::u16string ProblemText(const Problem& P, Places Naming) {
  const std::u16string_view Template = ProblemWordings[static_cast<std::size_t>(P.Why)].Text;
  std::u16string Text;
  std::size_t At = 0;
  for (std::size_t Open = Template.find(u'{'); Open != std::u16string_view::npos;
       Open = Template.find(u'{', At)) {
    const std::size_t Close = Template.find(u'}', Open);
    Text += Template.substr(At, Open - At);
    Text += SlotText(P, Template.substr(Open + 1, Close - Open - 1), Naming);
    At = Close + 1;
  }
  return Text + std::u16string(Template.substr(At));
}

}  // namespace merrith
