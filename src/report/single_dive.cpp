#include "report/single_dive.h"

#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "report/number_format.h"

namespace merrith {

double CalcTypedDD(std::u16string_view Typed, std::int32_t HeightIndex) {
  const Height* H = HeightAt(HeightIndex);
  if (H == nullptr) return NotAllowed;
  return H->Calc->DD(UpperCase(Typed), HeightIndex);
}

std::u16string ResultText(double DD, std::u16string_view DecimalSeparator) {
  if (DD >= 0) return FormatGeneral(DD, DecimalSeparator);
  return u"ERROR";
}

std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator) {
  return ResultText(CalcTypedDD(Typed, HeightIndex), DecimalSeparator);
}

std::u16string SumLine(const DiveExplanation& Dive, std::u16string_view DecimalSeparator) {
  std::u16string Line;
  for (const DdComponent& C : Dive.Components) {
    if (!Line.empty()) Line += u" + ";
    Line.append(C.Name).append(u" ").append(FormatGeneral(C.Value, DecimalSeparator));
  }
  return Line + u" = " + ResultText(Dive.DD, DecimalSeparator);
}

ResultBox ExplainCode(std::u16string_view Typed, std::int32_t HeightIndex,
                      std::u16string_view DecimalSeparator) {
  const DiveExplanation Dive = ExplainDive(UpperCase(Typed), HeightIndex);
  ResultBox Box{ResultText(Dive.DD, DecimalSeparator), std::u16string(RefusalText(Dive.Why))};
  if (Dive.Why == Refusal::None)
    Box.Tip = Dive.Name ? *Dive.Name + u"\n" + SumLine(Dive, DecimalSeparator)
                        : SumLine(Dive, DecimalSeparator);
  return Box;
}

}  // namespace merrith
