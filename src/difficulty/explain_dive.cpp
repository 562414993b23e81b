#include "difficulty/explain_dive.h"

#include <cstddef>

#include "difficulty/dive_name.h"
#include "difficulty/heights.h"

namespace merrith {

DiveExplanation ExplainDive(std::u16string_view Code, std::int32_t HeightIndex,
                            ExplainParts Parts) {
  DiveExplanation E;
  E.Read = ReadDiveNumber(Code, HeightIndex);
  const Height* H = HeightAt(HeightIndex);
  if (H == nullptr) {
    E.Why = Refusal::NoSuchHeight;
    return E;
  }
  const DdWorking W = H->Calc->Work(E.Read, HeightIndex);
  E.Dive = W.Dive;
  E.DD = W.DD;
  E.Why = W.Why;
  if (W.Why == Refusal::None && Parts.Components)
    E.Components.assign(W.Components.begin(),
                        W.Components.begin() + static_cast<std::ptrdiff_t>(W.Count));
  if (W.Why == Refusal::NotADiveNumber || !Parts.Name) return E;
  E.Name = DiveName(W.Dive);
  E.Position = PositionName(W.Dive.Pos);
  if (E.Name && E.Position) E.Name->append(u", ").append(*E.Position);
  return E;
}

}  // namespace merrith
