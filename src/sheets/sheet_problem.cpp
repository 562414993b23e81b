#include "sheets/sheet_problem.h"

namespace merrith {

std::u16string ProblemRule(const Problem& P, const Event* E, const RuleBook* B) {
  const ProblemKind& K = KindOf(P.Why);
  switch (K.From) {
    case RuleFrom::Statement:
      return B != nullptr ? B->StatementRule : u"";
    case RuleFrom::Repeats:
      return B != nullptr ? B->RepeatRule : u"";
    case RuleFrom::Formula:
      return B != nullptr ? B->DdRule : u"";
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
