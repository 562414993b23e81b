#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Collects a text as separate pieces and joins them only when the text is asked for, so a
// long document costs one copy per piece rather than one per append.
class CStringBuilder {
 public:
  // Stores a copy of NewStr as the next piece.
  CStringBuilder& Append(std::u16string_view NewStr);
  // Stores a copy of NewStr and then the line end CR LF, as two pieces.
  CStringBuilder& AppendLine(std::u16string_view NewStr);

  // The text encoded in the narrow character set of the locale LCID.
  std::vector<std::uint8_t> ToAnsiArray(std::int32_t LCID) const;
  // The text encoded in CodePage (65001 is UTF-8, 0 the system's narrow character set).
  std::vector<std::uint8_t> ToAnsiArrayByCP(std::int32_t CodePage) const;
  // The text as UTF-16LE bytes, without a byte-order mark.
  std::vector<std::uint8_t> ToArray() const;
  // All pieces joined in the order they were appended.
  std::u16string ToString() const;
  // Forgets every piece.
  void Reset();
  // How many pieces (not characters) are stored.
  std::int32_t PieceCount() const;
};

}  // namespace merrith
