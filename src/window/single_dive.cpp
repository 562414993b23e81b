#include "window/single_dive.h"

#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "window/number_format.h"

namespace merrith {

double CalcTypedDD(std::u16string_view Typed, std::int32_t HeightIndex) {
  const Height* H = HeightAt(HeightIndex);
  if (H == nullptr) return NotAllowed;
  return H->Calc->DD(UpperCase(Typed), HeightIndex);
}

std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator) {
  const double DD = CalcTypedDD(Typed, HeightIndex);
  if (DD >= 0) return FormatGeneral(DD, DecimalSeparator);
  return u"ERROR";
}

}  // namespace merrith
