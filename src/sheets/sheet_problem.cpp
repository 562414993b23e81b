#include "sheets/sheet_problem.h"

#include "sheets/sheet_words.h"

namespace merrith {
namespace {

const ProblemReason& ReasonOf(SheetProblem Why) {
  return ProblemReasons[static_cast<std::size_t>(Why)];
}

std::u16string PlaceText(const Problem& P, Places Naming) {
  if (Naming == Places::ByDive && P.OtherDive > 0) return u"dive " + NumberText(P.OtherDive);
  return u"line " + NumberText(P.OtherLine);
}

// What stands for the slot Slot ("1", "place") of P's text.
std::u16string SlotText(const Problem& P, std::u16string_view Slot, Places Naming) {
  if (Slot == u"place") return PlaceText(P, Naming);
  if (Slot.size() == 1 && Slot[0] >= u'1' && Slot[0] <= u'9') {
    const auto Word = static_cast<std::size_t>(Slot[0] - u'1');
    if (Word < P.Words.size()) return P.Words[Word];
  }
  return {};
}

}  // namespace

std::u16string ProblemText(const Problem& P, Places Naming) {
  const std::u16string_view Template = ReasonOf(P.Why).Text;
  std::u16string Text;
  std::size_t At = 0;
  while (At < Template.size()) {
    const std::size_t Open = Template.find(u'{', At);
    const std::size_t Close = Template.find(u'}', Open);
    if (Open == std::u16string_view::npos || Close == std::u16string_view::npos) break;
    Text += Template.substr(At, Open - At);
    Text += SlotText(P, Template.substr(Open + 1, Close - Open - 1), Naming);
    At = Close + 1;
  }
  if (At < Template.size()) Text += Template.substr(At);
  return Text;
}

std::u16string ProblemRule(const Problem& P, const Event* E) {
  const ProblemReason& R = ReasonOf(P.Why);
  switch (R.From) {
    case RuleFrom::Book:
      return std::u16string(R.Rule);
    case RuleFrom::Event:
      return E != nullptr ? E->Rule : u"";
    case RuleFrom::EventHeights:
      return E != nullptr ? E->HeightRule : u"";
    case RuleFrom::None:
      break;
  }
  return {};
}

}  // namespace merrith
