#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "difficulty/dive_code.h"

namespace merrith {

// A calculator of degrees of difficulty, asked for the DD alone (NotAllowed when there is none),
// of a code or of a code already read, or for the working behind a code already read.
struct Calculator {
  double (*DD)(std::u16string_view Code, std::int32_t HeightIndex) noexcept;
  double (*ReadDD)(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;
  DdWorking (*Work)(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;
};

// The calculator of the springboard and platform heights, and that of the high-diving heights.
inline constexpr Calculator SpringboardAndPlatform{CalcDD, CalcReadDD, WorkDD};
inline constexpr Calculator HighDiving{CalcHDD, CalcReadHDD, WorkHDD};

// One height a dive is done from, as the window's height buttons offer it.
struct Height {
  std::int32_t Index;           // its HeightIndex
  std::string_view Caption;     // on its button, in the table's header and on the command line
  const Calculator* Calc;       // the calculator whose tables know this height
  std::u16string_view Letters;  // the positions a batch table tries here, in column order
};

// Every height in HeightIndex order: springboard, platform, high diving. High dives have a
// fifth position letter of their own.
inline constexpr Height Heights[] = {
  // HeightIndex, caption, calculator, position letters
    {1,   "1m", &SpringboardAndPlatform,  u"ABCD"},
    {2,   "3m", &SpringboardAndPlatform,  u"ABCD"},
    {3,   "5m", &SpringboardAndPlatform,  u"ABCD"},
    {4, "7.5m", &SpringboardAndPlatform,  u"ABCD"},
    {5,  "10m", &SpringboardAndPlatform,  u"ABCD"},
    {6,  "12m",             &HighDiving, u"ABCDE"},
    {7,  "15m",             &HighDiving, u"ABCDE"},
    {8,  "20m",             &HighDiving, u"ABCDE"},
    {9,  "27m",             &HighDiving, u"ABCDE"},
};

// The height of HeightIndex, or nullptr when there is no such height.
constexpr const Height* HeightAt(std::int32_t HeightIndex) {
  if (HeightIndex < HeightIndexFirst || HeightIndex > HeightIndexLast) return nullptr;
  return &Heights[static_cast<std::size_t>(HeightIndex - HeightIndexFirst)];
}

// Whether the caption Caption is the text Named but for the case of its letters ("3M").
template <class Unit>
constexpr bool SameCaption(std::string_view Caption, std::basic_string_view<Unit> Named) {
  if (Caption.size() != Named.size()) return false;
  for (std::size_t I = 0; I < Caption.size(); ++I) {
    const auto Upper = [](auto C) { return C >= 'a' && C <= 'z' ? C - 'a' + 'A' : C; };
    if (Upper(static_cast<char32_t>(Caption[I])) != Upper(static_cast<char32_t>(Named[I])))
      return false;
  }
  return true;
}

// The height whose caption is Caption in any case ("7.5m", "3M"), as the command line and a
// sheet name it; nullptr when no height has it.
template <class Unit>
constexpr const Height* HeightNamed(std::basic_string_view<Unit> Caption) {
  for (const Height& H : Heights)
    if (SameCaption(H.Caption, Caption)) return &H;
  return nullptr;
}
constexpr const Height* HeightNamed(std::string_view Caption) { return HeightNamed<char>(Caption); }
constexpr const Height* HeightNamed(std::u16string_view Caption) {
  return HeightNamed<char16_t>(Caption);
}

// The caption of HeightIndex's button ("1m" for 1); HeightIndex must be a height.
constexpr std::string_view HeightCaption(std::int32_t HeightIndex) {
  return HeightAt(HeightIndex)->Caption;
}

// Whether each height stands at the place of its HeightIndex.
constexpr bool HeightsInOrder() {
  for (std::size_t I = 0; I < std::size(Heights); ++I)
    if (Heights[I].Index != HeightIndexFirst + static_cast<std::int32_t>(I)) return false;
  return true;
}

static_assert(std::size(Heights) == HeightIndexLast - HeightIndexFirst + 1 && HeightsInOrder());
static_assert(HeightAt(HeightIndexLastPlatform)->Calc == &SpringboardAndPlatform &&
              HeightAt(HeightIndexLastPlatform + 1)->Calc == &HighDiving);

}  // namespace merrith
