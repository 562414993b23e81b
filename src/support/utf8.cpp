#include "support/utf8.h"

#include <array>

namespace merrith {
namespace {

constexpr bool IsHighSurrogate(char32_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }
constexpr bool IsContinuation(std::uint8_t Byte) { return (Byte & 0xC0U) == 0x80U; }

char16_t* WriteUtf16(char32_t Cp, char16_t* Out) {
  if (Cp < 0x10000) {
    *Out++ = static_cast<char16_t>(Cp);
  } else {
    Cp -= 0x10000;
    *Out++ = static_cast<char16_t>(0xD800 + (Cp >> 10));
    *Out++ = static_cast<char16_t>(0xDC00 + (Cp & 0x3FFU));
  }
  return Out;
}

// The length of the sequence that Lead starts, and the range its second byte must lie in;
// the narrowed ranges rule out overlong forms, surrogates and values above U+10FFFF.
struct LeadInfo {
  int Length;
  std::uint8_t SecondLow;
  std::uint8_t SecondHigh;
};

constexpr LeadInfo ClassifyLead(std::uint8_t Lead) {
  if (Lead < 0x80) return {1, 0, 0};
  if (Lead >= 0xC2 && Lead <= 0xDF) return {2, 0x80, 0xBF};
  if (Lead == 0xE0) return {3, 0xA0, 0xBF};
  if (Lead >= 0xE1 && Lead <= 0xEC) return {3, 0x80, 0xBF};
  if (Lead == 0xED) return {3, 0x80, 0x9F};
  if (Lead >= 0xEE && Lead <= 0xEF) return {3, 0x80, 0xBF};
  if (Lead == 0xF0) return {4, 0x90, 0xBF};
  if (Lead >= 0xF1 && Lead <= 0xF3) return {4, 0x80, 0xBF};
  if (Lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// Decodes the multi-byte sequence at Bytes[At] into Out; returns how many bytes it took. A
// truncated or broken sequence is replaced as a whole, up to the byte that broke it.
std::size_t DecodeSequence(std::span<const std::uint8_t> Bytes, std::size_t At, LeadInfo Info,
                           char16_t*& Out) {
  char32_t Cp = Bytes[At] & (0xFFU >> (Info.Length + 1));
  std::size_t Taken = 1;
  for (; Taken < static_cast<std::size_t>(Info.Length); ++Taken) {
    if (At + Taken >= Bytes.size()) break;
    const std::uint8_t Next = Bytes[At + Taken];
    const bool InRange =
        Taken == 1 ? (Next >= Info.SecondLow && Next <= Info.SecondHigh) : IsContinuation(Next);
    if (!InRange) break;
    Cp = (Cp << 6) | (Next & 0x3FU);
  }
  Out = WriteUtf16(Taken == static_cast<std::size_t>(Info.Length) ? Cp : ReplacementChar, Out);
  return Taken;
}

// Calls Emit with each character of Text; an unpaired surrogate comes out as U+FFFD.
template <typename EmitFn>
void ForEachChar(std::u16string_view Text, EmitFn&& Emit) {
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char32_t Cp = Text[I];
    if (IsHighSurrogate(Cp) && I + 1 < Text.size() && IsLowSurrogate(Text[I + 1])) {
      Cp = 0x10000 + ((Cp - 0xD800) << 10) + (static_cast<char32_t>(Text[I + 1]) - 0xDC00);
      ++I;
    } else if (IsHighSurrogate(Cp) || IsLowSurrogate(Cp)) {
      Cp = ReplacementChar;
    }
    Emit(Cp);
  }
}

constexpr std::size_t EncodedLength(char32_t Cp) {
  if (Cp < 0x80) return 1;
  if (Cp < 0x800) return 2;
  if (Cp < 0x10000) return 3;
  return 4;
}

std::uint8_t* WriteChar(char32_t Cp, std::uint8_t* Out) {
  const auto Byte = [](char32_t Value) { return static_cast<std::uint8_t>(Value); };
  switch (EncodedLength(Cp)) {
    case 1:
      *Out++ = Byte(Cp);
      break;
    case 2:
      *Out++ = Byte(0xC0 | (Cp >> 6));
      *Out++ = Byte(0x80 | (Cp & 0x3F));
      break;
    case 3:
      *Out++ = Byte(0xE0 | (Cp >> 12));
      *Out++ = Byte(0x80 | ((Cp >> 6) & 0x3F));
      *Out++ = Byte(0x80 | (Cp & 0x3F));
      break;
    default:
      *Out++ = Byte(0xF0 | (Cp >> 18));
      *Out++ = Byte(0x80 | ((Cp >> 12) & 0x3F));
      *Out++ = Byte(0x80 | ((Cp >> 6) & 0x3F));
      *Out++ = Byte(0x80 | (Cp & 0x3F));
      break;
  }
  return Out;
}

// Copies the ASCII units at the start of Text to Out, a byte each, sixteen at a time (which
// the compiler vectorises) while it can; returns how many it copied.
std::size_t CopyAscii(std::u16string_view Text, std::uint8_t* Out) {
  constexpr std::size_t Lane = 16;
  std::size_t I = 0;
  for (; I + Lane <= Text.size(); I += Lane) {
    unsigned Bits = 0;
    for (std::size_t K = 0; K < Lane; ++K) Bits |= Text[I + K];
    if (Bits >= 0x80) break;
    for (std::size_t K = 0; K < Lane; ++K) Out[I + K] = static_cast<std::uint8_t>(Text[I + K]);
  }
  for (; I < Text.size() && Text[I] < 0x80; ++I) Out[I] = static_cast<std::uint8_t>(Text[I]);
  return I;
}

}  // namespace

std::u16string DecodeUtf8(std::span<const std::uint8_t> Bytes) {
  // Every byte gives at most one unit (four bytes give two), so the text fits at once.
  std::u16string Text(Bytes.size(), u'\0');
  char16_t* Out = Text.data();
  std::size_t I = 0;
  for (; I < Bytes.size() && Bytes[I] < 0x80; ++I) *Out++ = Bytes[I];  // dive codes are ASCII
  while (I < Bytes.size()) {
    const std::uint8_t Lead = Bytes[I];
    const LeadInfo Info = ClassifyLead(Lead);
    if (Info.Length == 1) {
      *Out++ = Lead;
      ++I;
    } else if (Info.Length == 0) {
      *Out++ = ReplacementChar;
      ++I;
    } else {
      I += DecodeSequence(Bytes, I, Info, Out);
    }
  }
  Text.resize(static_cast<std::size_t>(Out - Text.data()));
  return Text;
}

bool IsUtf8(std::span<const std::uint8_t> Bytes) {
  for (std::size_t I = 0; I < Bytes.size();) {
    const LeadInfo Info = ClassifyLead(Bytes[I]);
    const auto Length = static_cast<std::size_t>(Info.Length);
    if (Length == 0 || Length > Bytes.size() - I) return false;
    const std::uint8_t Second = Length > 1 ? Bytes[I + 1] : Info.SecondLow;
    if (Second < Info.SecondLow || Second > Info.SecondHigh) return false;
    for (std::size_t K = 2; K < Length; ++K)
      if (!IsContinuation(Bytes[I + K])) return false;
    I += Length;
  }
  return true;
}

std::u16string DecodeUtf8(std::string_view Bytes) {
  return DecodeUtf8(std::span(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()));
}

std::size_t Utf8Length(std::u16string_view Text) {
  // A unit takes one byte, one more from U+0080 and another from U+0800: three for a surrogate,
  // alone (it becomes U+FFFD) or in a pair, whose four bytes are two fewer than its two units'.
  // Counted in 32-bit sums over runs short enough for them, which the compiler vectorises.
  constexpr std::size_t Run = std::size_t{1} << 20;
  std::size_t Length = Text.size();
  std::uint32_t Surrogates = 0;
  for (std::size_t At = 0; At < Text.size(); At += Run) {
    std::uint32_t Extra = 0;
    for (const char16_t Unit : Text.substr(At, Run)) {
      Extra += static_cast<std::uint32_t>(Unit >= 0x80) + static_cast<std::uint32_t>(Unit >= 0x800);
      Surrogates |= static_cast<std::uint32_t>(Unit >= 0xD800 && Unit <= 0xDFFF);
    }
    Length += Extra;
  }
  if (Surrogates == 0) return Length;
  for (std::size_t I = 0; I + 1 < Text.size(); ++I) {
    if (IsHighSurrogate(Text[I]) && IsLowSurrogate(Text[I + 1])) {
      Length -= 2;
      ++I;
    }
  }
  return Length;
}

std::uint8_t* WriteUtf8(std::u16string_view Text, std::uint8_t* Out) {
  while (!Text.empty()) {
    // Markup and dive numbers are ASCII: its runs go straight across.
    const std::size_t Ascii = CopyAscii(Text, Out);
    Out += Ascii;
    Text.remove_prefix(Ascii);
    std::size_t Other = 0;
    while (Other < Text.size() && Text[Other] >= 0x80) ++Other;
    // Neither half of a surrogate pair is ASCII, so no pair straddles two runs.
    ForEachChar(Text.substr(0, Other), [&Out](char32_t Cp) { Out = WriteChar(Cp, Out); });
    Text.remove_prefix(Other);
  }
  return Out;
}

void AppendUtf8(std::u16string_view Text, std::vector<std::uint8_t>& Out) {
  ForEachChar(Text, [&Out](char32_t Cp) {
    std::array<std::uint8_t, 4> Buffer{};
    std::uint8_t* End = WriteChar(Cp, Buffer.data());
    Out.insert(Out.end(), Buffer.data(), End);
  });
}

std::vector<std::uint8_t> EncodeUtf8(std::u16string_view Text) {
  std::vector<std::uint8_t> Out(Utf8Length(Text));
  WriteUtf8(Text, Out.data());
  return Out;
}

std::string ToUtf8(std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  return {Bytes.begin(), Bytes.end()};
}

}  // namespace merrith
