#include "difficulty/calc_hdd.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>

#include "difficulty/dd_working.h"
#include "difficulty/dive_code.h"
#include "difficulty/high_diving_tables.h"
#include "difficulty/parse_code.h"

namespace merrith {
namespace {

using namespace high_diving;

// A component value, or nothing when the dive is not allowed. The functions that give one are
// inline: an optional returned from a call is pieced together in memory and read back slowly.
using Value = std::optional<double>;

constexpr std::size_t Index(std::int64_t I) { return static_cast<std::size_t>(I); }

// The entry of a ragged row, or nothing beyond its end.
template <std::size_t Capacity>
Value At(const RaggedRow<Capacity>& R, std::int64_t Column) {
  if (!R.Has(Column)) return std::nullopt;
  return R[Column];
}

template <std::size_t Length>
Value At(const std::array<double, Length>& R, std::int64_t Column) {
  if (Column < 0 || Column >= static_cast<std::int64_t>(Length)) return std::nullopt;
  return R[Index(Column)];
}

// Where the rows of a table stand by their key, a number from 0 to Keys - 1 that KeyOf gives a
// row, worked out from the table when the program is built: a lookup is one step, however long
// the table. The first row with a key is the one kept, as a search from the top finds it.
// NoRow for a key that no row has; a row whose key is out of range stops the build.
constexpr std::uint8_t NoRow = 0xFF;

template <std::size_t Keys, class Table, class KeyFn>
constexpr std::array<std::uint8_t, Keys> RowsByKey(const Table& Rows, KeyFn KeyOf) {
  static_assert(std::tuple_size_v<Table> < NoRow);
  std::array<std::uint8_t, Keys> Places{};
  Places.fill(NoRow);
  for (std::size_t I = Rows.size(); I-- > 0;)
    Places.at(KeyOf(Rows[I]).value()) = static_cast<std::uint8_t>(I);
  return Places;
}

// The row of Table that Places gives for Key, or nullptr when no row has it.
template <class Table, std::size_t Keys>
const typename Table::value_type* RowAt(const Table& Rows,
                                        const std::array<std::uint8_t, Keys>& Places,
                                        std::optional<std::size_t> Key) {
  if (!Key || Places[*Key] == NoRow) return nullptr;
  return &Rows[Places[*Key]];
}

// The keys of the rows: a place for each combination their tables can list.
constexpr std::int64_t HeightCount = H27 - H12 + 1;
constexpr std::int64_t TwistSets = 6;
constexpr std::int64_t MostWholeSomersaults = 6;

constexpr std::optional<std::size_t> DirectionKey(std::int64_t Arm, std::int64_t Dir,
                                                  std::int64_t Height) {
  if (Arm < 0 || Arm > 1 || Dir < 1 || Dir > 4 || Height < H12 || Height > H27) return {};
  return Index((Arm * 4 + Dir - 1) * HeightCount + Height - H12);
}
constexpr std::size_t DirectionKeys = Index(HeightCount * 2 * 4);

constexpr std::optional<std::size_t> TwistKey(HdTwistSet Set, std::int64_t Height, std::int64_t S) {
  const auto SetPlace = static_cast<std::int64_t>(Set);
  if (SetPlace < 0 || SetPlace >= TwistSets || Height < H12 || Height > H27 || S < 0 ||
      S > MostWholeSomersaults)
    return {};
  return Index((SetPlace * HeightCount + Height - H12) * (MostWholeSomersaults + 1) + S);
}
constexpr std::size_t TwistKeys = Index(TwistSets * HeightCount * (MostWholeSomersaults + 1));

constexpr std::optional<std::size_t> PositionKey(std::int64_t Pos, std::int64_t Fly) {
  if (Pos < 0 || Pos > 4 || Fly < 0 || Fly > 2) return {};
  return Index(Pos * 3 + Fly);
}
constexpr std::size_t PositionKeys = std::size_t{5} * 3;

constexpr auto DirectionRows = RowsByKey<DirectionKeys>(
    HdDirectionTable, [](const HdDirectionRow& R) { return DirectionKey(R.Arm, R.Dir, R.Height); });
constexpr auto TwistRows = RowsByKey<TwistKeys>(
    HdTwistTable, [](const HdTwistRow& R) { return TwistKey(R.Set, R.Height, R.S); });
constexpr auto PositionRows = RowsByKey<PositionKeys>(
    HdPositionTable, [](const HdPositionRow& R) { return PositionKey(R.Pos, R.Fly); });

// The direction value of any dive but an inward armstand dive.
inline Value DirectionValue(const DiveCode& D, std::int32_t HeightIndex) {
  if (D.Arm == 0 && (D.Dir < 2 || D.Dir > 4)) return 0.0;  // forward dives and other groups
  const HdDirectionRow* R =
      RowAt(HdDirectionTable, DirectionRows, DirectionKey(D.Arm, D.Dir, HeightIndex));
  if (R == nullptr) return std::nullopt;
  return At(R->Values, D.Som);
}

// Whether the position suits a twisting dive: free for short dives, pike or tuck for long
// ones, with limits that depend on the direction and the number of twists.
bool TwistingPositionAllowed(const DiveCode& D) {
  const bool Free = D.Pos == 3;
  const bool PikeOrTuck = D.Pos == 1 || D.Pos == 2;
  const bool ForwardOrInward = D.Dir == 1 || D.Dir == 4;
  if (D.Arm == 0 && ForwardOrInward && D.Twi == 1) {  // a half twist
    if (D.Som <= 2) return Free;
    if (D.Som >= 4) return !Free;
    return true;
  }
  if (D.Som >= 2 && D.Som <= 4 && !Free) return false;
  if (D.Arm == 0 && D.Som == 6) {
    const std::int32_t LastPikeOrTuck = ForwardOrInward ? 5 : (D.Dir == 2 || D.Dir == 3) ? 6 : 0;
    if (LastPikeOrTuck > 0 && D.Twi >= 1 && D.Twi <= LastPikeOrTuck && !PikeOrTuck) return false;
    if (LastPikeOrTuck > 0 && D.Twi > LastPikeOrTuck && !Free) return false;
  }
  if (D.Arm == 1 && D.Som == 5 && (D.Dir == 1 || D.Dir == 2)) {
    const std::int32_t LastPikeOrTuck = D.Dir == 1 ? 3 : 4;
    if (D.Twi >= 1 && D.Twi <= LastPikeOrTuck && !PikeOrTuck) return false;
    if (D.Twi > LastPikeOrTuck && !Free) return false;
  }
  if (D.Som >= 7 && !PikeOrTuck) return false;
  return true;
}

inline Value TwistValue(const DiveCode& D, std::int32_t HeightIndex) {
  HdTwistSet Set{};
  const std::int64_t Twi = D.Twi;
  std::int64_t T = 0;
  switch (D.Dir) {
    case 1:
      Set = D.Arm == 0 ? HdTwistSet::Forward : HdTwistSet::ForwardArmstand;
      T = Twi / 2;
      break;
    case 2:
      Set = D.Arm == 0 ? HdTwistSet::Back : HdTwistSet::BackArmstand;
      T = (Twi - 1) / 2;
      break;
    case 3:
      if (D.Arm == 1) return std::nullopt;
      Set = HdTwistSet::Reverse;
      T = (Twi - 1) / 2;
      break;
    case 4:  // no armstand dive is inward
      Set = HdTwistSet::Inward;
      T = Twi / 2;
      break;
    default:
      return 0.0;
  }
  const std::int64_t S = (static_cast<std::int64_t>(D.Som) + 1) / 2;
  const HdTwistRow* R = RowAt(HdTwistTable, TwistRows, TwistKey(Set, HeightIndex, S));
  if (R == nullptr) return std::nullopt;
  return At(R->Values, T);
}

inline Value TwistCountValue(const DiveCode& D) {
  const bool ForwardOrInward = D.Dir == 1 || D.Dir == 4;
  return At(HdTwistCountTable[ForwardOrInward ? ForwardAndInwardCount : OtherCount], D.Twi);
}

inline Value ParityValue(const DiveCode& D) {
  const std::int64_t P = (static_cast<std::int64_t>(D.Som) + D.Twi + D.Arm) % 2;
  HdParityRow Row = D.Arm == 0 ? OtherParity : OtherArmstandParity;
  if (D.Dir == 1) {
    if (P != 0) return 0.0;
    Row = D.Arm == 0 ? ForwardParity : ForwardArmstandParity;
  } else if (D.Dir == 4) {
    if (P != 0) return 0.0;
    Row = InwardParity;
  } else if ((D.Dir == 2 || D.Dir == 3) && P != 1) {
    return 0.0;
  }
  return At(HdParityTable[Row], D.Som);
}

inline Value NoTwistValue(const DiveCode& D, std::int32_t HeightIndex) {
  if (D.Dir == 1 || D.Dir == 4 || D.Som < 2 || D.Twi != 0) return 0.0;
  for (const HdNoTwistRow& R : HdNoTwistTable) {
    const bool Serves =
        R.Dirs == HdNoTwistDirs::Any || (R.Dirs == HdNoTwistDirs::Back) == (D.Dir == 2);
    if (R.Height == HeightIndex && R.Arm == D.Arm && Serves) return At(R.Values, D.Som);
  }
  return std::nullopt;
}

inline Value PositionValue(const DiveCode& D) {
  const std::int64_t K = (static_cast<std::int64_t>(D.Som) + D.Arm) / 2;
  const HdPositionRow* R = RowAt(HdPositionTable, PositionRows, PositionKey(D.Pos, D.Fly));
  if (R == nullptr) return std::nullopt;
  return At(R->Values, K);
}

// The rules of a high dive read from its code, written once for CalcHDD (Sink DdSum) and
// WorkHDD (Sink DdWorking): adds its seven values to Values in the order they are summed, or
// says which rule refuses it.
template <class Sink>
Refusal AddUpHighDive(const DiveCode& D, std::int32_t HeightIndex, Sink& Values) {
  // A high dive enters the water feet first: an even number of half somersaults, one more
  // for an armstand, which starts head down.
  if ((static_cast<std::int64_t>(D.Som) + D.Arm) % 2 != 0) return Refusal::FeetFirst;
  if (HeightIndex < H12 || HeightIndex > H27) return Refusal::NoSuchHeight;
  const Value Somersault = At(HdSomersaultTable[Index(HeightIndex - H12)], D.Som);
  if (!Somersault) return Refusal::NotAllowedHere;
  const Value Direction = DirectionValue(D, HeightIndex);
  if (!Direction) return Refusal::NotAllowedHere;
  if (!IsPosition(D.Pos)) return Refusal::NoSuchPosition;
  if (D.Twi == 0 && D.Pos == 3) return Refusal::FreeWithoutTwist;
  if (D.Twi != 0 && !TwistingPositionAllowed(D)) return Refusal::TwistingPosition;
  const Value Twist = D.Twi == 0 ? Value(0.0) : TwistValue(D, HeightIndex);
  const Value TwistCount = TwistCountValue(D);
  const Value Parity = ParityValue(D);
  const Value NoTwist = NoTwistValue(D, HeightIndex);
  const Value Position = PositionValue(D);
  if (!Twist || !TwistCount || !Parity || !NoTwist || !Position) return Refusal::NotAllowedHere;
  Values.Add(u"direction", *Direction);
  Values.Add(u"somersaults", *Somersault);
  Values.Add(u"twists", *Twist);
  Values.Add(u"twist count", *TwistCount);
  Values.Add(u"parity", *Parity);
  Values.Add(u"no twist", *NoTwist);
  Values.Add(u"position", *Position);
  return Refusal::None;
}

}  // namespace

double CalcHDD(std::u16string_view Code, std::int32_t HeightIndex) noexcept {
  const DecodedCode Decoded = DecodeDiveCode(Code);
  return DdBy(Decoded.Read, Decoded.Dive, HeightIndex, AddUpHighDive<DdSum>);
}

double CalcReadHDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept {
  return DdBy(Read.Read, Read.Dive, HeightIndex, AddUpHighDive<DdSum>);
}

DdWorking WorkHDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept {
  return WorkingBy(Read, HeightIndex, AddUpHighDive<DdWorking>);
}

}  // namespace merrith
