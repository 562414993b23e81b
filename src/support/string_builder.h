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
  // Up to BlockUnits units of the text, a byte each while every one of them is below U+0100
  // (markup, numbers and most names), which halves the memory of a document and the work of
  // encoding it; the first piece that needs more widens the block for good.
  class Block {
   public:
    Block();
    std::size_t Size() const { return Wide ? WideUnits.size() : Bytes.size(); }
    // Appends Piece, which fits.
    void Add(std::u16string_view Piece);
    // Takes a high surrogate off the end, to start the next block with; 0 when there is none.
    char16_t TakeHighSurrogate();
    void AppendTo(std::u16string& Text) const;
    void AppendUtf16Le(std::vector<std::uint8_t>& Out) const;
    std::size_t Utf8Length() const;
    std::uint8_t* WriteUtf8(std::uint8_t* Out) const;

   private:
    void Widen();

    bool Wide = false;
    bool Ascii = true;                // no unit from U+0080 on, while the block is narrow
    std::vector<std::uint8_t> Bytes;  // while the block is narrow
    std::u16string WideUnits;         // once it is wide
  };

  void Store(std::u16string_view NewStr);

  // The pieces, end to end, in blocks that are never reallocated, so growing the text copies
  // nothing that is already stored. A block other than the last never ends in a high
  // surrogate: a pair split across two appends stays in one block.
  std::vector<Block> Blocks;
  std::size_t TotalUnits = 0;
  std::int32_t Count = 0;
};

}  // namespace merrith
