#include "support/text_decoding.h"

#include <algorithm>
#include <array>
#include <span>

#include "support/code_page.h"
#include "support/utf8.h"

namespace merrith::mFSO {
namespace {

enum class Encoding { Utf32Le, Utf32Be, Utf8, Utf16Le, Utf16Be };

// A byte-order mark and the encoding it announces.
struct Mark {
  std::array<std::uint8_t, 4> Bytes;
  std::size_t Length;
  Encoding Marks;
};

// Tried in this order: the UTF-32LE mark begins with the UTF-16LE one.
constexpr std::array<Mark, 5> Marks{
    {
     {{0xFF, 0xFE, 0x00, 0x00}, 4, Encoding::Utf32Le},
     {{0x00, 0x00, 0xFE, 0xFF}, 4, Encoding::Utf32Be},
     {{0xEF, 0xBB, 0xBF, 0x00}, 3, Encoding::Utf8},
     {{0xFF, 0xFE, 0x00, 0x00}, 2, Encoding::Utf16Le},
     {{0xFE, 0xFF, 0x00, 0x00}, 2, Encoding::Utf16Be},
     }
};

const Mark* FindMark(std::span<const std::uint8_t> Bytes) {
  for (const Mark& Candidate : Marks) {
    if (Bytes.size() < Candidate.Length) continue;
    if (std::equal(Candidate.Bytes.begin(), Candidate.Bytes.begin() + Candidate.Length,
                   Bytes.begin())) {
      return &Candidate;
    }
  }
  return nullptr;
}

void AppendChar(char32_t Cp, std::u16string& Out) {
  if (Cp > 0x10FFFF || (Cp >= 0xD800 && Cp <= 0xDFFF)) {
    Out.push_back(ReplacementChar);
  } else if (Cp < 0x10000) {
    Out.push_back(static_cast<char16_t>(Cp));
  } else {
    Out.push_back(static_cast<char16_t>(0xD800 + ((Cp - 0x10000) >> 10)));
    Out.push_back(static_cast<char16_t>(0xDC00 + (Cp & 0x3FF)));
  }
}

// Units are taken as they are, unpaired surrogates included; an odd last byte is not text.
std::u16string DecodeUtf16(std::span<const std::uint8_t> Bytes, bool BigEndian) {
  std::u16string Text(Bytes.size() / 2, u'\0');
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const unsigned First = Bytes[2 * I];
    const unsigned Second = Bytes[2 * I + 1];
    Text[I] = static_cast<char16_t>(BigEndian ? (First << 8) | Second : (Second << 8) | First);
  }
  return Text;
}

// A unit beyond U+10FFFF, a surrogate, or a trailing piece of a unit becomes U+FFFD.
std::u16string DecodeUtf32(std::span<const std::uint8_t> Bytes, bool BigEndian) {
  std::u16string Text;
  Text.reserve(Bytes.size() / 4 + 1);
  std::size_t I = 0;
  for (; I + 4 <= Bytes.size(); I += 4) {
    char32_t Cp = 0;
    for (std::size_t K = 0; K < 4; ++K) {
      const std::size_t Shift = 8 * (BigEndian ? 3 - K : K);
      Cp |= static_cast<char32_t>(Bytes[I + K]) << Shift;
    }
    AppendChar(Cp, Text);
  }
  if (I < Bytes.size()) Text.push_back(ReplacementChar);
  return Text;
}

std::u16string DecodeMarked(std::span<const std::uint8_t> Body, Encoding Kind) {
  switch (Kind) {
    case Encoding::Utf32Le:
      return DecodeUtf32(Body, false);
    case Encoding::Utf32Be:
      return DecodeUtf32(Body, true);
    case Encoding::Utf8:
      return DecodeUtf8(Body);
    case Encoding::Utf16Le:
      return DecodeUtf16(Body, false);
    case Encoding::Utf16Be:
      return DecodeUtf16(Body, true);
  }
  return {};
}

// Without a mark a zero second byte means UTF-16LE (a list of ASCII codes saved that way);
// anything else is converted from CodePage.
std::u16string DecodeUnmarked(std::span<const std::uint8_t> Bytes, std::int32_t CodePage) {
  std::u16string Text = Bytes.size() >= 2 && Bytes[1] == 0
                            ? DecodeUtf16(Bytes, false)
                            : NarrowToText(Bytes, CodePage).value_or(std::u16string{});
  if (!Text.empty() && Text.front() == u'\uFEFF') Text.erase(0, 1);
  return Text;
}

}  // namespace

std::u16string DecodeText(const std::vector<std::uint8_t>& Bytes, std::int32_t CodePage) {
  if (Bytes.empty()) return {};
  const std::span<const std::uint8_t> All(Bytes);
  // The mark is not part of the text; a second U+FEFF after it is.
  if (const Mark* Found = FindMark(All))
    return DecodeMarked(All.subspan(Found->Length), Found->Marks);
  return DecodeUnmarked(All, CodePage);
}

}  // namespace merrith::mFSO
