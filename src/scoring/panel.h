#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace merrith {

// The most judges a panel has, and how many pools its awards are cancelled in at most.
inline constexpr int MaxJudges = 11;
inline constexpr int PoolCount = 4;

// A panel of judges: 3, 5 or 7 for individual and team dives, 9 or 11 for synchronised ones.
enum class Panel : std::uint8_t { Three, Five, Seven, SynchroNine, SynchroEleven };

// Seating order: individual, judges 1..n. Synchro: the execution judges of diver 1, then of
// diver 2 (2 each on 9, 3 each on 11), then the 5 synchronisation judges.
enum class Seat : std::uint8_t { Judge, ExecutionDiver1, ExecutionDiver2, Synchronisation };

// How each panel sits and cancels. Synchro panels seat ExecutionEach execution judges per
// diver ahead of the 5 synchronisation judges; Pooled: the execution awards of both divers
// are cancelled as one pool (a diver with only 2 judges cannot lose a highest and a lowest).
// Cancelled: the awards cancelled at each end (highest and lowest) of every pool.
struct PanelRow {
  Panel P;
  int Judges;
  int ExecutionEach;
  bool Pooled;
  int Cancelled;
};
// clang-format off
inline constexpr std::array<PanelRow, 5> Panels{{
    // panel                judges  execution each  pooled  cancelled each end
    {Panel::Three,               3,              0,  false,                  0},
    {Panel::Five,                5,              0,  false,                  1},
    {Panel::Seven,               7,              0,  false,                  2},
    {Panel::SynchroNine,         9,              2,   true,                  1},
    {Panel::SynchroEleven,      11,              3,  false,                  1},
}};
// clang-format on

constexpr const PanelRow& RowOf(Panel P) { return Panels[static_cast<std::size_t>(P)]; }

// The panel of Judges judges (3, 5, 7 individual or team; 9, 11 synchronised); nothing else.
std::optional<Panel> PanelOfJudges(int Judges);
// How many judges sit on the panel.
constexpr int JudgesOf(Panel P) { return RowOf(P).Judges; }
// Whether the panel judges synchronised dives.
constexpr bool IsSynchro(Panel P) { return RowOf(P).ExecutionEach > 0; }

// What the judge in seat Index (from 0) of the panel watches.
constexpr Seat SeatOf(Panel P, int Index) {
  const int Each = RowOf(P).ExecutionEach;
  if (Each == 0) return Seat::Judge;
  if (Index < Each) return Seat::ExecutionDiver1;
  if (Index < 2 * Each) return Seat::ExecutionDiver2;
  return Seat::Synchronisation;
}

// How many awards are cancelled at each end, the highest and the lowest, of every pool.
constexpr int CancelledEachEnd(Panel P) { return RowOf(P).Cancelled; }

// The pool of awards that seat Index is cancelled with: the whole panel in individual and
// team events; in synchro each diver's execution awards (the four together on 9) and the
// synchronisation awards. From 0 to PoolCount - 1.
constexpr int PoolOf(Panel P, int Index) {
  const Seat S = SeatOf(P, Index);
  if (RowOf(P).Pooled && S == Seat::ExecutionDiver2) return static_cast<int>(Seat::ExecutionDiver1);
  return static_cast<int>(S);
}

// One value for each seat of a panel, in seating order, at most MaxJudges of them.
template <class T>
class SeatValues {
 public:
  SeatValues() = default;
  // Seats from 0 to MaxJudges (no more are kept), each holding T{}.
  explicit SeatValues(std::size_t Seats)
      : Count(static_cast<std::uint8_t>(std::min(Seats, std::size_t{MaxJudges}))) {}
  std::size_t size() const { return Count; }
  // The next seat's value; one beyond MaxJudges is not kept, so a reader counts what it was
  // given before it adds.
  template <class U>
  void push_back(U&& Value) {
    if (Count < Values.size()) Values[Count++] = std::forward<U>(Value);
  }
  T& operator[](std::size_t Seat) { return Values[Seat]; }
  const T& operator[](std::size_t Seat) const { return Values[Seat]; }
  T* begin() { return Values.data(); }
  T* end() { return Values.data() + Count; }
  const T* begin() const { return Values.data(); }
  const T* end() const { return Values.data() + Count; }
  bool operator==(const SeatValues& Other) const {
    return std::equal(begin(), end(), Other.begin(), Other.end());
  }

 private:
  std::array<T, MaxJudges> Values{};
  std::uint8_t Count = 0;  // a byte: a scored dive keeps four of these, a meet a thousand dives
};

}  // namespace merrith
