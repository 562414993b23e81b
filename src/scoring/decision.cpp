#include "scoring/decision.h"

#include <array>
#include <utility>

namespace merrith {
namespace {

// The words of the file form, in the order DecisionText writes them.
enum class Word : std::uint8_t { Failed, Max2, Max4Half, Restart, Unsafe };
struct WordRow {
  Word W;
  std::u16string_view Text;
};
constexpr std::array<WordRow, 5> Words{
    {
     {Word::Failed, u"failed"},
     {Word::Max2, u"max2"},
     {Word::Max4Half, u"max4.5"},
     {Word::Restart, u"restart"},
     {Word::Unsafe, u"unsafe"},
     }
};

bool Holds(const Decision& D, Word W) {
  switch (W) {
    case Word::Failed:
      return D.Failed;
    case Word::Max2:
      return D.Cap == CapOtherPosition;
    case Word::Max4Half:
      return D.Cap == CapArms;
    case Word::Restart:
      return D.Restart;
    case Word::Unsafe:
      return D.Unsafe;
  }
  return false;
}

// Sets W in D; false when D already has it, or another cap.
bool Set(Decision& D, Word W) {
  switch (W) {
    case Word::Failed:
      return !std::exchange(D.Failed, true);
    case Word::Max2:
    case Word::Max4Half:
      if (D.Cap) return false;
      D.Cap = W == Word::Max2 ? CapOtherPosition : CapArms;
      return true;
    case Word::Restart:
      return !std::exchange(D.Restart, true);
    case Word::Unsafe:
      return !std::exchange(D.Unsafe, true);
  }
  return false;
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
    if (!Found || !Set(D, Found->W)) return std::nullopt;
    if (Plus == std::u16string_view::npos) return D;
    Text.remove_prefix(Plus + 1);
  }
}

std::u16string DecisionText(const Decision& D) {
  std::u16string Text;
  for (const WordRow& Row : Words) {
    if (!Holds(D, Row.W)) continue;
    if (!Text.empty()) Text += u'+';
    Text += Row.Text;
  }
  return Text;
}

}  // namespace merrith
