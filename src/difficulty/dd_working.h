#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "difficulty/dive_code.h"
#include "difficulty/dive_numbers.h"
#include "difficulty/parse_code.h"
#include "difficulty/refusal.h"

namespace merrith {

// The running sum of a DD as a calculator's rules add the dive's values one by one, which is
// all that the DD alone needs. It starts at -0.0, the one number that leaves every value it
// is added to exactly as it was, so the sum is that of the values written out with +, from
// left to right.
class DdSum {
 public:
  // Adds the next value; its name is for DdWorking.
  constexpr void Add(std::u16string_view /*Name*/, double Value) { Sum += Value; }

  // The sum so far.
  constexpr double Total() const { return Sum; }

 private:
  double Sum = -0.0;
};

// One value that a DD adds up, such as "somersaults" 2.2.
struct DdComponent {
  std::u16string_view Name;
  double Value = 0;
};

// How a calculator came to its answer for one dive at one height: the values it added, in the
// order it added them, and their sum; or the rule that refuses the dive.
struct DdWorking {
  // The most values a calculator adds: seven for a high dive, five below.
  static constexpr std::size_t MaxComponents = 7;

  DiveCode Dive;                // the code decoded; all 0 when it cannot be read
  Refusal Why = Refusal::None;  // Refusal::None when the dive has a DD
  std::array<DdComponent, MaxComponents> Components{};
  std::size_t Count = 0;   // the number of Components added
  double DD = NotAllowed;  // the sum of the components, or NotAllowed
  DdSum Running;

  // Keeps the next value with its name and adds it to the sum.
  constexpr void Add(std::u16string_view Name, double Value) {
    Components[Count++] = {Name, Value};
    Running.Add(Name, Value);
  }

  // The sum so far.
  constexpr double Total() const { return Running.Total(); }
};

// A calculator's rules, given a decoded dive, its HeightIndex and a DdSum or DdWorking: they
// add the dive's values to the sink in the order of the sum, or say which rule refuses the
// dive. (Parameter names here would make cppcheck take HeightIndex for a variable in scope.)
template <class Sink>
using DdRules = Refusal (*)(const DiveCode&, std::int32_t, Sink&);

// Applies AddUp to a dive at HeightIndex, read (Read) into Dive or not: Refusal::None when the
// dive has a DD, the sum in Values. A sum below 0 means that a table entry -999 was met.
template <class Sink>
Refusal WorkOut(bool Read, const DiveCode& Dive, std::int32_t HeightIndex, DdRules<Sink> AddUp,
                Sink& Values) {
  if (!Read) return Refusal::NotADiveNumber;
  Refusal Why = CheckAtHeight(Dive, HeightIndex);
  // The tables we hold are older than armstand dives turning inward, and price none of them.
  if (Why == Refusal::None && Dive.Arm == 1 && Dive.Dir == 4) Why = Refusal::InwardArmstand;
  if (Why == Refusal::None) Why = AddUp(Dive, HeightIndex, Values);
  if (Why == Refusal::None && Values.Total() < 0) Why = Refusal::NotAllowedHere;
  return Why;
}

// The DD of a dive at HeightIndex by AddUp, or NotAllowed.
inline double DdBy(bool Read, const DiveCode& Dive, std::int32_t HeightIndex,
                   DdRules<DdSum> AddUp) {
  DdSum Values;
  const Refusal Why = WorkOut(Read, Dive, HeightIndex, AddUp, Values);
  return Why == Refusal::None ? Values.Total() : NotAllowed;
}

// The DD of a dive read as Read at HeightIndex by AddUp, with its working.
inline DdWorking WorkingBy(const RuleBookDive& Read, std::int32_t HeightIndex,
                           DdRules<DdWorking> AddUp) {
  DdWorking W;
  W.Why = WorkOut(Read.Read, Read.Dive, HeightIndex, AddUp, W);
  W.Dive = Read.Dive;
  if (W.Why == Refusal::None) W.DD = W.Total();
  return W;
}

}  // namespace merrith
