#include "ui/single_dive.h"

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "difficulty/dive_code.h"
#include "difficulty/parse_code.h"
#include "ui/number_format.h"

namespace merrith {

double CalcTypedDD(std::u16string_view Typed, std::int32_t HeightIndex) {
  const std::u16string Code = UpperCase(Typed);
  return HeightIndex > HeightIndexLastPlatform ? CalcHDD(Code, HeightIndex)
                                               : CalcDD(Code, HeightIndex);
}

std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator) {
  const double DD = CalcTypedDD(Typed, HeightIndex);
  if (DD >= 0) return FormatGeneral(DD, DecimalSeparator);
  return u"ERROR";
}

}  // namespace merrith
