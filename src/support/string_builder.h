#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Collects a text from many small pieces and hands it out once, as text or encoded as bytes.
// Appending copies only the new piece; the text is assembled when it is asked for.
class CStringBuilder {
 public:
  // Stores a copy of NewStr as the next piece. Throws std::overflow_error when the piece count
  // would pass the largest 32-bit signed value.
  CStringBuilder& Append(std::u16string_view NewStr);
  // Stores a copy of NewStr and then the line end CR LF, as two pieces (same overflow rule).
  CStringBuilder& AppendLine(std::u16string_view NewStr);

  // The text encoded in the narrow character set of the locale LCID; the empty text gives no
  // bytes.
  std::vector<std::uint8_t> ToAnsiArray(std::int32_t LCID) const;
  // The text encoded in CodePage (65001 is UTF-8, 0 the system's narrow character set), with no
  // byte-order mark of its own and no terminating zero; the empty text gives no bytes. Throws
  // std::out_of_range for a code page the platform does not know.
  std::vector<std::uint8_t> ToAnsiArrayByCP(std::int32_t CodePage) const;
  // The text as UTF-16LE bytes, without a byte-order mark.
  std::vector<std::uint8_t> ToArray() const;
  // All pieces joined in the order they were appended.
  std::u16string ToString() const;
  // Forgets every piece and releases their memory.
  void Reset();
  // How many pieces (not characters) are stored.
  std::int32_t PieceCount() const;

 private:
  void Store(std::u16string_view NewStr);

  // The pieces, end to end, in blocks of at most BlockUnits units that are never reallocated,
  // so growing the text copies nothing that is already stored. A block other than the last
  // never ends in a high surrogate: a pair split across two appends stays in one block.
  std::vector<std::u16string> Blocks;
  std::size_t TotalUnits = 0;
  std::int32_t Count = 0;
};

}  // namespace merrith
