// Any sequence of appends, line appends and resets: the builder's text, piece count and
// encodings always agree with a plain string kept alongside.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "support/string_builder.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace {

using merrith::fuzz::Require;

// The builder keeps its text in blocks of 2^15 code units. A fill runs the text up to 0 to 7
// units short of the next block edge in one append, so that the small pieces after it, with
// their surrogate pairs and line ends, meet the edge in an input of a few bytes. Texts stop a
// little past the first edge, which keeps a run quick.
constexpr std::size_t BlockUnits = std::size_t{1} << 15;
constexpr std::size_t MaxUnits = BlockUnits + 512;

// The input as a script: an operation byte, then for appends a length byte and that many
// bytes of UTF-16 code units, or for a fill the unit to repeat and how many units short of
// the next block edge to stop.
class Script {
 public:
  explicit Script(std::span<const std::uint8_t> Bytes) : Rest(Bytes) {}
  bool Done() const { return Rest.empty(); }
  std::uint8_t Byte() {
    if (Rest.empty()) return 0;
    const std::uint8_t B = Rest.front();
    Rest = Rest.subspan(1);
    return B;
  }
  std::uint16_t Word() {
    const std::uint8_t Low = Byte();
    const std::uint8_t High = Byte();
    return static_cast<std::uint16_t>(Low | (High << 8));
  }
  std::u16string Fill(std::size_t Units) {
    const auto Unit = static_cast<char16_t>(Word());
    const std::size_t Short = Byte() % 8;
    const std::size_t ToEdge = BlockUnits - Units % BlockUnits;
    return std::u16string(ToEdge > Short ? ToEdge - Short : ToEdge + BlockUnits - Short, Unit);
  }
  std::u16string Piece() {
    const std::size_t Length = std::min<std::size_t>(Byte(), Rest.size());
    std::u16string Text = merrith::fuzz::UnitsFromBytes(Rest.data(), Length);
    Rest = Rest.subspan(Length);
    return Text;
  }

 private:
  std::span<const std::uint8_t> Rest;
};

// Long texts are compared a block of memory at a time: the fuzzer's tracing of every
// comparison would otherwise slow each run down unit by unit.
bool Same(const void* Left, const void* Right, std::size_t Bytes) {
  return Bytes == 0 || std::memcmp(Left, Right, Bytes) == 0;
}

bool Same(const std::u16string& Left, const std::u16string& Right) {
  return Left.size() == Right.size() && Same(Left.data(), Right.data(), 2 * Left.size());
}

bool IsUtf16LE(const std::vector<std::uint8_t>& Bytes, const std::u16string& Text) {
  if (Bytes.size() != 2 * Text.size()) return false;
  if constexpr (std::endian::native == std::endian::little) {
    return Same(Bytes.data(), Text.data(), Bytes.size());
  }
  for (std::size_t I = 0; I < Text.size(); ++I)
    if (Bytes[2 * I] != (Text[I] & 0xFF) || Bytes[2 * I + 1] != (Text[I] >> 8)) return false;
  return true;
}

void CheckAgrees(const merrith::CStringBuilder& Builder, const std::u16string& Expected,
                 std::int32_t Count) {
  Require(Same(Builder.ToString(), Expected), "the text is the pieces in order");
  Require(IsUtf16LE(Builder.ToArray(), Expected), "ToArray is the text as UTF-16LE");
  // The builder encodes block by block; a pair split between two blocks would come out as two
  // replacement characters. (That the encoding reads back is the text target's concern.)
  const std::vector<std::uint8_t> Utf8 = Builder.ToAnsiArrayByCP(merrith::mFSO::CodePageUtf8);
  const std::vector<std::uint8_t> Whole = merrith::EncodeUtf8(Expected);
  Require(Utf8.size() == Whole.size() && Same(Utf8.data(), Whole.data(), Utf8.size()),
          "UTF-8 output is the whole text's encoding");
  Require(Utf8.empty() == Expected.empty(), "only an empty text encodes to no bytes");
  Require(Builder.PieceCount() == Count, "the queries leave the piece count alone");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  Script Steps(std::span<const std::uint8_t>(Data, Size));
  merrith::CStringBuilder Builder;
  std::u16string Expected;
  std::int32_t Count = 0;
  int ChecksLeft = 1;

  while (!Steps.Done()) {
    switch (Steps.Byte() % 5) {
      case 0: {
        const std::u16string Piece = Steps.Piece();
        Builder.Append(Piece);
        Expected += Piece;
        Count += 1;
        break;
      }
      case 1: {
        const std::u16string Piece = Steps.Piece();
        Builder.AppendLine(Piece);
        Expected += Piece + u"\r\n";
        Count += 2;
        break;
      }
      case 2:
        Builder.Reset();
        Expected.clear();
        Count = 0;
        break;
      case 3: {
        const std::u16string Piece = Steps.Fill(Expected.size());
        if (Expected.size() + Piece.size() > MaxUnits) break;
        Builder.Append(Piece);
        Expected += Piece;
        Count += 1;
        break;
      }
      default:
        // A check between appends shows that the queries change nothing; more would only
        // slow the run down on long texts.
        if (ChecksLeft > 0) {
          --ChecksLeft;
          CheckAgrees(Builder, Expected, Count);
        }
        break;
    }
    Require(Builder.PieceCount() == Count, "each append counts its pieces");
  }
  CheckAgrees(Builder, Expected, Count);
  // The narrow encoding follows the machine's locale, so only its survival is checked; it
  // reads the locale afresh on every call, which is why it runs once per input.
  (void)Builder.ToAnsiArray(0);
  Require(Builder.PieceCount() == Count, "the narrow encoding leaves the piece count alone");
  return 0;
}
