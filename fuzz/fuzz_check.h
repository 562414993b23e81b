#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace merrith::fuzz {

// Stops the run with a message when a property does not hold; unlike assert it stays on in
// optimised builds, and the abort makes libFuzzer keep the input as a crash.
inline void Require(bool Holds, const char* What) {
  if (Holds) return;
  std::fprintf(stderr, "property violated: %s\n", What);
  std::abort();
}

// How often What stands in Text, without overlaps.
inline std::size_t Occurrences(std::u16string_view Text, std::u16string_view What) {
  std::size_t Found = 0;
  for (std::size_t At = Text.find(What); At != std::u16string_view::npos;
       At = Text.find(What, At + What.size())) {
    ++Found;
  }
  return Found;
}

// The fuzzer's bytes read as UTF-16 code units, low byte first; an odd last byte is dropped.
inline std::u16string UnitsFromBytes(const std::uint8_t* Data, std::size_t Size) {
  std::u16string Text(Size / 2, u'\0');
  for (std::size_t I = 0; I < Text.size(); ++I) {
    Text[I] = static_cast<char16_t>(Data[2 * I] | (Data[2 * I + 1] << 8));
  }
  return Text;
}

// Text with every unpaired surrogate replaced by U+FFFD: what a UTF-8 round trip gives back.
inline std::u16string WithoutLoneSurrogates(std::u16string Text) {
  auto IsHigh = [](char16_t U) { return U >= 0xD800 && U <= 0xDBFF; };
  auto IsLow = [](char16_t U) { return U >= 0xDC00 && U <= 0xDFFF; };
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (IsHigh(Text[I]) && I + 1 < Text.size() && IsLow(Text[I + 1])) {
      ++I;
    } else if (IsHigh(Text[I]) || IsLow(Text[I])) {
      Text[I] = u'\uFFFD';
    }
  }
  return Text;
}

}  // namespace merrith::fuzz
