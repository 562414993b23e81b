#include "difficulty/calc_dd.h"

#include <cstddef>
#include <optional>

#include "difficulty/dd_working.h"
#include "difficulty/dive_code.h"
#include "difficulty/parse_code.h"
#include "difficulty/springboard_platform_tables.h"

namespace merrith {
namespace {

using namespace springboard_platform;

// A component value, or nothing when the dive is not allowed. The functions that give one are
// inline: an optional returned from a call is pieced together in memory and read back slowly.
using Value = std::optional<double>;

constexpr std::size_t Index(std::int64_t I) { return static_cast<std::size_t>(I); }

// The position value, with the flying row added for a flying dive. Springboard tables have a
// column per direction; platform tables add one for armstands, which a direction 5 also reads.
// Pos is a position letter.
inline Value PositionValue(const DiveCode& D, std::int32_t HeightIndex) {
  const bool Springboard = HeightIndex <= 2;
  const int Band = PositionBand(D.Som, Springboard);
  if (Band < 0) return std::nullopt;
  const std::int64_t DirColumn = static_cast<std::int64_t>(D.Dir) - 1;
  const std::int64_t Column =
      (!Springboard && D.Arm == 1) ? static_cast<std::int64_t>(ArmstandColumn) : DirColumn;
  const std::int64_t Columns = Springboard ? 4 : 5;
  if (Column < 0 || Column >= Columns) return std::nullopt;
  auto Read = [&](std::size_t RowIndex, std::int64_t Col) {
    return Springboard ? SpringboardPositionTable[Index(Band)][RowIndex][Index(Col)]
                       : PlatformPositionTable[Index(Band)][RowIndex][Index(Col)];
  };
  double Result = Read(Index(D.Pos), Column);
  if (D.Fly == 1) {
    if (DirColumn < 0 || DirColumn >= Columns) return std::nullopt;
    Result += Read(FlyingRow, DirColumn);
  }
  return Result;
}

// Whether a twisting dive's position suits its half somersaults: pike or tuck for the longer
// dives, free for the shorter ones.
bool TwistingPositionAllowed(const DiveCode& D) {
  if (D.Som == 1 && D.Pos >= 3) return false;
  if ((D.Som == 2 || D.Som == 3) && D.Pos != 3) return false;
  const bool PikeOrTuck = D.Pos == 1 || D.Pos == 2;
  if (D.Arm == 0) return !(D.Som >= 4 && !PikeOrTuck);
  if (D.Som == 4 && D.Twi <= 1 && !PikeOrTuck) return false;
  if (D.Som == 4 && D.Twi >= 2 && D.Pos != 3) return false;
  return !(D.Som >= 5 && !PikeOrTuck);
}

// The twist value of a dive whose position its twists allow.
inline Value TwistValue(const DiveCode& D, std::int32_t HeightIndex) {
  if (D.Twi == 0) return 0.0;
  const bool Springboard = HeightIndex <= 2;
  const bool HasColumn = D.Arm == 0 ? (D.Dir >= 1 && D.Dir <= 4) : (D.Dir >= 1 && D.Dir <= 3);
  if (!HasColumn) return 0.0;
  if (D.Twi < 1 || D.Twi > 9) return std::nullopt;
  const std::size_t Row = Index(D.Twi - 1);
  if (D.Arm == 0) return TwistTable[Row][Index(D.Dir - 1)].At(D.Som, Springboard);
  return ArmstandTwistTable[Row][D.Dir == 1 ? 0 : 1].At(D.Som, Springboard);
}

// The approach value of any dive but an inward armstand dive.
double ApproachValue(const DiveCode& D, std::int32_t HeightIndex) {
  if (D.Arm == 0) {
    for (const ApproachRow& R : ApproachTable)
      if (R.Dir == D.Dir && D.Som >= R.SomFrom && D.Som <= R.SomTo)
        return R.Values[Index(HeightIndex - 1)];
    return 0.0;  // directions beyond inward have no approach value
  }
  if (D.Twi != 0) return 0.0;
  for (const ArmstandApproachRow& R : ArmstandApproachTable)
    if (R.Dir == D.Dir && D.Som >= R.SomFrom && D.Som <= R.SomTo) return R.Value;
  return 0.0;
}

// The entry value; a twisting dive has none.
double EntryValue(const DiveCode& D, std::int32_t HeightIndex) {
  if (D.Twi > 0) return 0.0;
  EntryRow Row = ArmstandPlatformEntry;
  if ((D.Arm == 0 && (D.Dir == 2 || D.Dir == 3)) || (D.Arm == 1 && D.Dir == 1))
    Row = BackAndReverseEntry;
  else if (HeightIndex <= 2)
    Row = SpringboardEntry;
  else if (D.Arm == 0)
    Row = PlatformEntry;
  return EntryTable[Row][Index(D.Som)];
}

// The rules of a dive read from its code, written once for CalcDD (Sink DdSum) and
// WorkDD (Sink DdWorking): adds its five values to Values in the order they are summed, or
// says which rule refuses it.
template <class Sink>
Refusal AddUpDive(const DiveCode& D, std::int32_t HeightIndex, Sink& Values) {
  if (D.Fly == 2) return Refusal::MFormOnlyHighDiving;
  if (D.Fly > 2) return Refusal::NotAllowedHere;  // a six-part code's flying digit beyond 1
  if (HeightIndex < HeightIndexFirst || HeightIndex > HeightIndexLastPlatform)
    return Refusal::NoSuchHeight;
  if (D.Som < 0 || D.Som > 11) return Refusal::NotAllowedHere;
  if (!IsPosition(D.Pos)) return Refusal::NoSuchPosition;
  const Value Position = PositionValue(D, HeightIndex);
  if (!Position) return Refusal::NotAllowedHere;
  if (D.Twi == 0 && D.Pos == 3) return Refusal::FreeWithoutTwist;
  if (D.Twi != 0 && !TwistingPositionAllowed(D)) return Refusal::TwistingPosition;
  const Value Twist = TwistValue(D, HeightIndex);
  if (!Twist) return Refusal::NotAllowedHere;
  Values.Add(u"position", *Position);
  Values.Add(u"somersaults", SomersaultTable[Index(HeightIndex - 1)][Index(D.Som)]);
  Values.Add(u"twists", *Twist);
  Values.Add(u"approach", ApproachValue(D, HeightIndex));
  Values.Add(u"entry", EntryValue(D, HeightIndex));
  return Refusal::None;
}

}  // namespace

double CalcDD(std::u16string_view Code, std::int32_t HeightIndex) noexcept {
  const DecodedCode Decoded = DecodeDiveCode(Code);
  return DdBy(Decoded.Read, Decoded.Dive, HeightIndex, AddUpDive<DdSum>);
}

double CalcReadDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept {
  return DdBy(Read.Read, Read.Dive, HeightIndex, AddUpDive<DdSum>);
}

DdWorking WorkDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept {
  return WorkingBy(Read, HeightIndex, AddUpDive<DdWorking>);
}

}  // namespace merrith
