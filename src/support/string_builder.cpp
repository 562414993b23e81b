#include "support/string_builder.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "support/code_page.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith {
namespace {

constexpr std::size_t BlockUnits = std::size_t{1} << 15;

constexpr bool IsHighSurrogate(char16_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }

// The piece count after adding Added more pieces; a 32-bit count cannot go further.
std::int32_t GrowCount(std::int32_t Count, std::int32_t Added) {
  if (Count > std::numeric_limits<std::int32_t>::max() - Added) {
    throw std::overflow_error("CStringBuilder: too many pieces");
  }
  return Count + Added;
}

}  // namespace

CStringBuilder::Block::Block() { Bytes.reserve(BlockUnits); }

void CStringBuilder::Block::Widen() {
  WideUnits.reserve(BlockUnits);
  WideUnits.assign(Bytes.begin(), Bytes.end());
  std::vector<std::uint8_t>().swap(Bytes);
  Wide = true;
}

void CStringBuilder::Block::Add(std::u16string_view Piece) {
  if (!Wide) {
    // Copied a byte a unit while looking at the units, and taken back if one does not fit.
    const std::size_t Before = Bytes.size();
    Bytes.resize(Before + Piece.size());
    std::uint8_t* Next = Bytes.data() + Before;
    unsigned Bits = 0;
    for (const char16_t Unit : Piece) {
      Bits |= Unit;
      *Next++ = static_cast<std::uint8_t>(Unit);
    }
    if (Bits <= 0xFF) {
      Ascii = Ascii && Bits < 0x80;
      return;
    }
    Bytes.resize(Before);
    Widen();
  }
  WideUnits.append(Piece);
}

char16_t CStringBuilder::Block::TakeHighSurrogate() {
  if (!Wide || WideUnits.empty() || !IsHighSurrogate(WideUnits.back())) return 0;
  const char16_t High = WideUnits.back();
  WideUnits.pop_back();
  return High;
}

void CStringBuilder::Block::AppendTo(std::u16string& Text) const {
  if (Wide)
    Text += WideUnits;
  else
    Text.append(Bytes.begin(), Bytes.end());
}

void CStringBuilder::Block::AppendUtf16Le(std::vector<std::uint8_t>& Out) const {
  for (std::size_t I = 0; I < Size(); ++I) {
    const char16_t Unit = Wide ? WideUnits[I] : Bytes[I];
    Out.push_back(static_cast<std::uint8_t>(Unit & 0xFF));
    Out.push_back(static_cast<std::uint8_t>(Unit >> 8));
  }
}

std::size_t CStringBuilder::Block::Utf8Length() const {
  if (Wide) return merrith::Utf8Length(WideUnits);
  if (Ascii) return Bytes.size();
  std::size_t Length = Bytes.size();
  for (const std::uint8_t Byte : Bytes) Length += Byte >> 7;  // two bytes from U+0080
  return Length;
}

std::uint8_t* CStringBuilder::Block::WriteUtf8(std::uint8_t* Out) const {
  if (Wide) return merrith::WriteUtf8(WideUnits, Out);
  if (Ascii) return std::copy(Bytes.begin(), Bytes.end(), Out);
  for (const std::uint8_t Byte : Bytes) {
    if (Byte < 0x80) {
      *Out++ = Byte;
    } else {
      *Out++ = static_cast<std::uint8_t>(0xC0 | (Byte >> 6));
      *Out++ = static_cast<std::uint8_t>(0x80 | (Byte & 0x3F));
    }
  }
  return Out;
}

void CStringBuilder::Store(std::u16string_view NewStr) {
  while (!NewStr.empty()) {
    if (Blocks.empty() || Blocks.back().Size() == BlockUnits) {
      const char16_t High = Blocks.empty() ? 0 : Blocks.back().TakeHighSurrogate();
      Blocks.emplace_back();
      if (High != 0) Blocks.back().Add(std::u16string_view(&High, 1));
    }
    Block& Last = Blocks.back();
    const std::size_t Taken = std::min(NewStr.size(), BlockUnits - Last.Size());
    Last.Add(NewStr.substr(0, Taken));
    NewStr.remove_prefix(Taken);
    TotalUnits += Taken;
  }
}

CStringBuilder& CStringBuilder::Append(std::u16string_view NewStr) {
  const std::int32_t NewCount = GrowCount(Count, 1);
  Store(NewStr);
  Count = NewCount;
  return *this;
}

CStringBuilder& CStringBuilder::AppendLine(std::u16string_view NewStr) {
  const std::int32_t NewCount = GrowCount(Count, 2);
  Store(NewStr);
  Store(u"\r\n");
  Count = NewCount;
  return *this;
}

std::u16string CStringBuilder::ToString() const {
  std::u16string Text;
  Text.reserve(TotalUnits);
  for (const Block& B : Blocks) B.AppendTo(Text);
  return Text;
}

std::vector<std::uint8_t> CStringBuilder::ToArray() const {
  std::vector<std::uint8_t> Bytes;
  Bytes.reserve(2 * TotalUnits);
  for (const Block& B : Blocks) B.AppendUtf16Le(Bytes);
  return Bytes;
}

std::vector<std::uint8_t> CStringBuilder::ToAnsiArray(std::int32_t LCID) const {
  if (TotalUnits == 0) return {};
  return TextToLocaleNarrow(ToString(), LCID);
}

std::vector<std::uint8_t> CStringBuilder::ToAnsiArrayByCP(std::int32_t CodePage) const {
  if (TotalUnits == 0) return {};
  if (CodePage == mFSO::CodePageUtf8) {
    // Straight from the blocks: one pass to size the result, one to fill it.
    std::size_t Size = 0;
    for (const Block& B : Blocks) Size += B.Utf8Length();
    std::vector<std::uint8_t> Bytes(Size);
    std::uint8_t* Next = Bytes.data();
    for (const Block& B : Blocks) Next = B.WriteUtf8(Next);
    return Bytes;
  }
  auto Bytes = TextToNarrow(ToString(), CodePage);
  if (!Bytes) throw std::out_of_range("CStringBuilder: unknown code page");
  return std::move(*Bytes);
}

void CStringBuilder::Reset() {
  std::vector<Block>().swap(Blocks);
  TotalUnits = 0;
  Count = 0;
}

std::int32_t CStringBuilder::PieceCount() const { return Count; }

}  // namespace merrith
