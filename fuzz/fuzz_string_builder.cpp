// Any sequence of appends, line appends and resets: the builder's text, piece count and
// encodings always agree with a plain string kept alongside.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "support/string_builder.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace {

using merrith::fuzz::Require;

// Long runs stop here, so that one input stays quick while still spanning several of the
// builder's storage blocks.
constexpr std::size_t MaxUnits = (std::size_t{1} << 15) + 64;

// The input as a script: an operation byte, then for appends a length byte and that many
// bytes of UTF-16 code units, or for a run a 16-bit length and the unit to repeat (long
// enough to fill the builder's storage past any internal boundary).
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
  std::u16string Run() {
    const std::uint16_t Length = Word();
    return std::u16string(Length, static_cast<char16_t>(Word()));
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

std::vector<std::uint8_t> Utf16LE(const std::u16string& Text) {
  std::vector<std::uint8_t> Bytes;
  Bytes.reserve(2 * Text.size());
  for (const char16_t Unit : Text) {
    Bytes.push_back(static_cast<std::uint8_t>(Unit & 0xFF));
    Bytes.push_back(static_cast<std::uint8_t>(Unit >> 8));
  }
  return Bytes;
}

void CheckAgrees(const merrith::CStringBuilder& Builder, const std::u16string& Expected,
                 std::int32_t Count) {
  Require(Builder.ToString() == Expected, "the text is the pieces in order");
  Require(Builder.ToArray() == Utf16LE(Expected), "ToArray is the text as UTF-16LE");
  const std::vector<std::uint8_t> Utf8 = Builder.ToAnsiArrayByCP(merrith::mFSO::CodePageUtf8);
  Require(merrith::DecodeUtf8(std::span<const std::uint8_t>(Utf8)) ==
              merrith::fuzz::WithoutLoneSurrogates(Expected),
          "UTF-8 output decodes back to the text");
  Require(Utf8.empty() == Expected.empty(), "only an empty text encodes to no bytes");
  Require(Builder.PieceCount() == Count, "the queries leave the piece count alone");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  Script Steps(std::span<const std::uint8_t>(Data, Size));
  merrith::CStringBuilder Builder;
  std::u16string Expected;
  std::int32_t Count = 0;
  int ChecksLeft = 4;

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
        const std::u16string Piece = Steps.Run();
        if (Expected.size() + Piece.size() > MaxUnits) break;
        Builder.Append(Piece);
        Expected += Piece;
        Count += 1;
        break;
      }
      default:
        // A few checks between appends show that queries change nothing; more would
        // only slow the run down on long texts.
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
