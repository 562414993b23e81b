#include "sheets/final_list.h"

#include <algorithm>
#include <map>
#include <string>

#include "support/words.h"

namespace merrith {
namespace {

// Why the preliminary has no limited part to check a final against; empty when it has one.
std::u16string_view NoLimitedPart(const CheckedSheet& Final, const CheckedSheet& Preliminary) {
  if (!Preliminary.Rules || !Preliminary.Rules->Limited) return u"its event has none";
  if (Final.Rules && !SameWord(Final.Rules->Id, Preliminary.Rules->Id))
    return u"it is of another event";
  if (Preliminary.Limited == LimitedBy::None) return u"no split of its dives keeps the rules";
  return {};
}

}  // namespace

EventBook FinalBook(const EventBook& Book) {
  EventBook Finals = Book;
  for (Event& E : Finals.Events) {
    if (!E.Limited) continue;
    E.Dives -= E.Limited->Dives;
    E.Limited.reset();
    E.MinGroups = 0;
    E.Note = u"the final: the dives without limit alone (12.4.5.1)";
  }
  return Finals;
}

void CheckAgainstPreliminary(CheckedSheet& Final, const CheckedSheet& Preliminary) {
  if (const std::u16string_view Why = NoLimitedPart(Final, Preliminary); !Why.empty()) {
    Final.Problems.push_back({SheetProblem::NoPreliminaryPart, 0, 0, {.Reason = Why}, 0, 0});
    return;
  }
  std::map<std::u16string_view, std::size_t> Limited;  // each number's line in the preliminary
  for (const CheckedDive& D : Preliminary.Dives)
    if (D.Limited && !D.Number.empty()) Limited.try_emplace(D.Number, D.Line);
  for (std::size_t I = 0; I < Final.Dives.size(); ++I) {
    const CheckedDive& D = Final.Dives[I];
    const auto Used = Limited.find(D.Number);
    if (Used == Limited.end()) continue;
    Final.Problems.push_back(
        {SheetProblem::UsedInPreliminary, D.Line, I + 1, {.Written = D.Number}, 0, Used->second});
  }
  // Each line's problems in order, then those of the list as a whole, as the checker has them.
  std::stable_sort(Final.Problems.begin(), Final.Problems.end(),
                   [](const Problem& A, const Problem& B) {
                     return A.Line != 0 && (B.Line == 0 || A.Line < B.Line);
                   });
}

}  // namespace merrith
