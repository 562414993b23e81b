#include "sheets/sheet_problem.h"

namespace merrith {

std::u16string ProblemRule(const Problem& P, const Event* E) {
  const ProblemKind& K = KindOf(P.Why);
  switch (K.From) {
    case RuleFrom::Book:
      return std::u16string(K.Rule);
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
