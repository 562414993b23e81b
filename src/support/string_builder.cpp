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

void CStringBuilder::Store(std::u16string_view NewStr) {
  while (!NewStr.empty()) {
    if (Blocks.empty() || Blocks.back().size() == BlockUnits) {
      std::u16string Block;
      Block.reserve(BlockUnits);
      if (!Blocks.empty() && IsHighSurrogate(Blocks.back().back())) {
        Block.push_back(Blocks.back().back());
        Blocks.back().pop_back();
      }
      Blocks.push_back(std::move(Block));
    }
    std::u16string& Last = Blocks.back();
    const std::size_t Taken = std::min(NewStr.size(), BlockUnits - Last.size());
    Last.append(NewStr.substr(0, Taken));
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
  for (const std::u16string& Block : Blocks) Text += Block;
  return Text;
}

std::vector<std::uint8_t> CStringBuilder::ToArray() const {
  std::vector<std::uint8_t> Bytes;
  Bytes.reserve(2 * TotalUnits);
  for (const std::u16string& Block : Blocks) {
    for (const char16_t Unit : Block) {
      Bytes.push_back(static_cast<std::uint8_t>(Unit & 0xFF));
      Bytes.push_back(static_cast<std::uint8_t>(Unit >> 8));
    }
  }
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
    for (const std::u16string& Block : Blocks) Size += Utf8Length(Block);
    std::vector<std::uint8_t> Bytes(Size);
    std::uint8_t* Next = Bytes.data();
    for (const std::u16string& Block : Blocks) Next = WriteUtf8(Block, Next);
    return Bytes;
  }
  auto Bytes = TextToNarrow(ToString(), CodePage);
  if (!Bytes) throw std::out_of_range("CStringBuilder: unknown code page");
  return std::move(*Bytes);
}

void CStringBuilder::Reset() {
  std::vector<std::u16string>().swap(Blocks);
  TotalUnits = 0;
  Count = 0;
}

std::int32_t CStringBuilder::PieceCount() const { return Count; }

}  // namespace merrith
