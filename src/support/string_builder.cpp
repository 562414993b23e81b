#include "support/string_builder.h"

namespace merrith {

// Placeholder until the string builder lands.
CStringBuilder& CStringBuilder::Append(std::u16string_view) { return *this; }
CStringBuilder& CStringBuilder::AppendLine(std::u16string_view) { return *this; }
std::vector<std::uint8_t> CStringBuilder::ToAnsiArray(std::int32_t) const { return {}; }
std::vector<std::uint8_t> CStringBuilder::ToAnsiArrayByCP(std::int32_t) const { return {}; }
std::vector<std::uint8_t> CStringBuilder::ToArray() const { return {}; }
std::u16string CStringBuilder::ToString() const { return {}; }
void CStringBuilder::Reset() {}
std::int32_t CStringBuilder::PieceCount() const { return 0; }

}  // namespace merrith
