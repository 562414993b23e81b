#include "support/text_decoding.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "support/code_page.h"
#include "support/utf8.h"
#include "support/words.h"

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

// Windows-1252 from 0x80 to 0x9F, where it differs from Latin-1, in the order of its code chart:
// the byte and the character's name beside each unit. The chart leaves five bytes empty;
// Windows' own conversion reads each as Latin-1's control of the same value, and so does this
// one, so that no byte is lost.
// clang-format off
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC,  // 80  euro sign
    0x0081,  // 81  (empty)
    0x201A,  // 82  single low-9 quotation mark
    0x0192,  // 83  f with hook
    0x201E,  // 84  double low-9 quotation mark
    0x2026,  // 85  horizontal ellipsis
    0x2020,  // 86  dagger
    0x2021,  // 87  double dagger
    0x02C6,  // 88  modifier letter circumflex accent
    0x2030,  // 89  per mille sign
    0x0160,  // 8A  S with caron
    0x2039,  // 8B  single left-pointing angle quotation mark
    0x0152,  // 8C  capital ligature OE
    0x008D,  // 8D  (empty)
    0x017D,  // 8E  Z with caron
    0x008F,  // 8F  (empty)
    0x0090,  // 90  (empty)
    0x2018,  // 91  left single quotation mark
    0x2019,  // 92  right single quotation mark
    0x201C,  // 93  left double quotation mark
    0x201D,  // 94  right double quotation mark
    0x2022,  // 95  bullet
    0x2013,  // 96  en dash
    0x2014,  // 97  em dash
    0x02DC,  // 98  small tilde
    0x2122,  // 99  trade mark sign
    0x0161,  // 9A  s with caron
    0x203A,  // 9B  single right-pointing angle quotation mark
    0x0153,  // 9C  small ligature oe
    0x009D,  // 9D  (empty)
    0x017E,  // 9E  z with caron
    0x0178,  // 9F  Y with diaeresis
};
// clang-format on
static_assert(std::ranges::none_of(Windows1252High, [](char16_t Unit) { return Unit == 0; }),
              "a character for each of the 32 bytes");

// Without a mark a zero second byte means UTF-16LE (a list of ASCII codes saved that way);
// anything else is converted from CodePage.
std::u16string DecodeUnmarked(std::span<const std::uint8_t> Bytes, std::int32_t CodePage) {
  std::u16string Text = Bytes.size() >= 2 && Bytes[1] == 0
                            ? DecodeUtf16(Bytes, false)
                            : NarrowToText(Bytes, CodePage).value_or(std::u16string{});
  if (!Text.empty() && Text.front() == u'\uFEFF') Text.erase(0, 1);
  return Text;
}

// Bytes read as Windows-1252, Latin-1 but for 0x80 to 0x9F: every byte is a character.
std::u16string DecodeWindows1252(std::span<const std::uint8_t> Bytes) {
  std::u16string Text(Bytes.size(), u'\0');
  for (std::size_t I = 0; I < Bytes.size(); ++I) {
    const std::uint8_t Byte = Bytes[I];
    Text[I] = Byte >= 0x80 && Byte <= 0x9F ? Windows1252High[static_cast<std::size_t>(Byte - 0x80)]
                                           : static_cast<char16_t>(Byte);
  }
  return Text;
}

}  // namespace

// Whether a character set's name is Latin-1's: "ISO-8859-1" as POSIX names it, code page
// 28591 as Windows does.
bool IsLatin1(std::u16string_view Charset) {
  return SameWord(Charset, u"ISO-8859-1") || SameWord(Charset, u"ISO8859-1") ||
         Charset == u"code page 28591";
}

DecodedDocument DecodeDocument(const std::vector<std::uint8_t>& Bytes) {
  const std::span<const std::uint8_t> All(Bytes);
  if (const Mark* Found = FindMark(All))
    return {DecodeMarked(All.subspan(Found->Length), Found->Marks), u""};
  if ((All.size() >= 2 && All[1] == 0) || IsUtf8(All))
    return {DecodeUnmarked(All, CodePageUtf8), u""};
  // Where the system's set is Latin-1 itself, Windows-1252 reads the same letters and the
  // quotes, dashes and euro signs that Windows programs write between 0x80 and 0x9F.
  if (std::optional<SystemText> System = ReadSystemText(All); System && !IsLatin1(System->Charset))
    return {std::move(System->Text), std::move(System->Charset)};
  return {DecodeWindows1252(All), std::u16string(Windows1252Name)};
}

std::u16string DecodeText(const std::vector<std::uint8_t>& Bytes, std::int32_t CodePage) {
  if (Bytes.empty()) return {};
  const std::span<const std::uint8_t> All(Bytes);
  // The mark is not part of the text; a second U+FEFF after it is.
  if (const Mark* Found = FindMark(All))
    return DecodeMarked(All.subspan(Found->Length), Found->Marks);
  return DecodeUnmarked(All, CodePage);
}

}  // namespace merrith::mFSO
