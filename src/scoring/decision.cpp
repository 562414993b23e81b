#include "scoring/decision.h"

namespace merrith {
namespace {

// The words of the file form, in the order DecisionText writes them: each sets a flag of the
// decision, or its cap.
struct WordRow {
  std::u16string_view Text;
  bool Decision::*Flag;
  HalfPoints Cap;
};
// clang-format off
constexpr WordRow Words[] = {
    {u"failed",  &Decision::Failed,  0},
    {u"max2",    nullptr,            CapOtherPosition},
    {u"max4.5",  nullptr,            CapArms},
    {u"restart", &Decision::Restart, 0},
    {u"unsafe",  &Decision::Unsafe,  0},
};
// clang-format on

bool Holds(const Decision& D, const WordRow& Row) {
  return Row.Flag != nullptr ? D.*Row.Flag : D.Cap == Row.Cap;
}

// Sets Row's word in D; false when D has it already, or another cap.
bool Set(Decision& D, const WordRow& Row) {
  if (Row.Flag == nullptr ? D.Cap.has_value() : D.*Row.Flag) return false;
  if (Row.Flag != nullptr)
    D.*Row.Flag = true;
  else
    D.Cap = Row.Cap;
  return true;
}

}  // namespace

std::optional<Decision> ReadDecision(std::u16string_view Text) {
  Decision D;
  if (Text.empty()) return D;
  while (true) {
    const std::size_t Plus = Text.find(u'+');
    const std::u16string_view Part = Text.substr(0, Plus);
    const WordRow* Found = nullptr;
    for (const WordRow& Row : Words)
      if (Row.Text == Part) Found = &Row;
    if (Found == nullptr || !Set(D, *Found)) return std::nullopt;
    if (Plus == std::u16string_view::npos) return D;
    Text.remove_prefix(Plus + 1);
  }
}

std::u16string DecisionText(const Decision& D) {
  std::u16string Text;
  for (const WordRow& Row : Words) {
    if (!Holds(D, Row)) continue;
    if (!Text.empty()) Text += u'+';
    Text += Row.Text;
  }
  return Text;
}

}  // namespace merrith
