#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "difficulty/table_row.h"

// The values of a dive's degree of difficulty from 1 m, 3 m, 5 m, 7.5 m and 10 m, in DD points.
// An entry -999 (NotAllowed) marks a combination that is not allowed.
namespace merrith::springboard_platform {

inline constexpr std::int32_t OrMore = INT32_MAX;

// A twist value that depends on the half somersaults (bands 0-2, 3-4, 5, 6 or more) and on
// whether the dive is from the springboard or the platform.
struct TwistCell {
  constexpr TwistCell(const std::array<double, 4>& OnSpringboard,
                      const std::array<double, 4>& OnPlatform)
      : Springboard(OnSpringboard), Platform(OnPlatform) {}

  std::array<double, 4> Springboard;
  std::array<double, 4> Platform;

  // The value for Som (0 or more) half somersaults.
  constexpr double At(std::int32_t Som, bool FromSpringboard) const {
    const std::size_t Band = Som <= 2 ? 0 : Som <= 4 ? 1 : Som == 5 ? 2 : 3;
    return FromSpringboard ? Springboard[Band] : Platform[Band];
  }
};

// One value for every dive.
constexpr TwistCell Any(double V) {
  return {
      {V, V, V, V},
      {V, V, V, V}
  };
}

// By half somersaults 0-2, 3-4, 5, 6 or more, from any height.
constexpr TwistCell BySom(double Som02, double Som34, double Som5, double Som6Up) {
  return {
      {Som02, Som34, Som5, Som6Up},
      {Som02, Som34, Som5, Som6Up}
  };
}

// One value up to 4 half somersaults; from 5 on, one for the springboard, one for the platform.
constexpr TwistCell Som5Up(double Som04, double Springboard5Up, double Platform5Up) {
  return {
      {Som04, Som04, Springboard5Up, Springboard5Up},
      {Som04, Som04,    Platform5Up,    Platform5Up}
  };
}

// One value on the springboard; on the platform one up to 4 half somersaults, one from 5 on.
constexpr TwistCell Platform5Up(double Springboard, double PlatformSom04, double Platform5Up) {
  return {
      {  Springboard,   Springboard, Springboard, Springboard},
      {PlatformSom04, PlatformSom04, Platform5Up, Platform5Up}
  };
}

// A row of the approach table: a direction and a band of half somersaults, with one value per
// height (1 m, 3 m, 5 m, 7.5 m, 10 m).
struct ApproachRow {
  std::int32_t Dir;
  std::int32_t SomFrom;
  std::int32_t SomTo;
  std::array<double, 5> Values;
};

// A row of the armstand approach table: a direction, a band of half somersaults and a value.
struct ArmstandApproachRow {
  std::int32_t Dir;
  std::int32_t SomFrom;
  std::int32_t SomTo;
  double Value;
};

// The rows of the entry table, in the order a dive's row is chosen.
enum EntryRow : std::size_t {
  BackAndReverseEntry,    // back and reverse dives, forward armstand dives
  SpringboardEntry,       // every other dive at 1 m and 3 m
  PlatformEntry,          // every other dive at 5 m to 10 m that is not an armstand dive
  ArmstandPlatformEntry,  // every other armstand dive at 5 m to 10 m
};

// The position tables' rows: A, B, C, D, then the flying row, which position E reads too.
inline constexpr std::size_t FlyingRow = 4;
// The platform position table's column for armstand dives.
inline constexpr std::size_t ArmstandColumn = 4;

// clang-format off

// SomersaultTable: the somersault value, one row per height, one column per half somersault.
inline constexpr std::array SomersaultTable{
    //   0    1    2    3    4    5    6    7    8     9    10    11      half somersaults
    Row(0.9, 1.1, 1.2, 1.6, 2.0, 2.4, 2.7, 3.0, 3.3,  3.8, -999, -999),  // 1 m
    Row(1.0, 1.3, 1.3, 1.5, 1.8, 2.2, 2.3, 2.8, 2.9,  3.5, -999, -999),  // 3 m
    Row(0.9, 1.1, 1.2, 1.6, 2.0, 2.4, 2.7, 3.0, 3.5, -999, -999, -999),  // 5 m
    Row(1.0, 1.3, 1.3, 1.5, 1.8, 2.2, 2.3, 2.8, 3.5,  3.5, -999, -999),  // 7.5 m
    Row(1.0, 1.3, 1.4, 1.5, 1.9, 2.1, 2.5, 2.7, 3.5,  3.5, -999,  4.5),  // 10 m
};

// SpringboardPositionTable: the position value at 1 m and 3 m, one block of rows per band of
// half somersaults, one column per direction.
inline constexpr std::array SpringboardPositionTable{
    //                 fwd   back    rev  inward          band  row
    std::array{Row( 0.3,  0.3,  0.3,  0.1),        //  0-2   A
               Row( 0.2,  0.2,  0.2, -0.2),        //  0-2   B
               Row( 0.1,  0.1,  0.1, -0.3),        //  0-2   C
               Row( 0.1,  0.1,  0.1, -0.1),        //  0-2   D
               Row( 0.2,  0.1,  0.1,  0.4)},       //  0-2   flying
    std::array{Row( 0.4,  0.5,  0.6,  0.8),        //  3-4   A
               Row( 0.1,  0.3,  0.3,  0.3),        //  3-4   B
               Row( 0.0,  0.0,  0.0,  0.1),        //  3-4   C
               Row( 0.0, -0.1, -0.1,  0.2),        //  3-4   D
               Row( 0.2,  0.2,  0.2,  0.5)},       //  3-4   flying
    std::array{Row( 0.6,  0.7,  0.6, -999),        //  5     A
               Row( 0.2,  0.3,  0.2,  0.5),        //  5     B
               Row( 0.0,  0.1,  0.0,  0.2),        //  5     C
               Row( 0.0, -0.1, -0.2,  0.4),        //  5     D
               Row( 0.3,  0.3,  0.3,  0.7)},       //  5     flying
    std::array{Row(-999, -999, -999, -999),        //  6-7   A
               Row( 0.3,  0.3,  0.3,  0.6),        //  6-7   B
               Row( 0.0,  0.0,  0.0,  0.3),        //  6-7   C
               Row( 0.0,  0.0,  0.0, -999),        //  6-7   D
               Row( 0.4, -999, -999, -999)},       //  6-7   flying
    std::array{Row(-999, -999, -999, -999),        //  8-9   A
               Row( 0.4,  0.4,  0.5,  0.8),        //  8-9   B
               Row( 0.0,  0.1,  0.2,  0.4),        //  8-9   C
               Row(-999, -999, -999, -999),        //  8-9   D
               Row(-999, -999, -999, -999)},       //  8-9   flying
};

// PlatformPositionTable: the position value at 5 m, 7.5 m and 10 m, one block of rows per band
// of half somersaults; armstand dives read the fifth column instead of their direction's.
inline constexpr std::array PlatformPositionTable{
    //                 fwd   back    rev  inward armstand        band  row
    std::array{Row( 0.3,  0.3,  0.3,  0.1,  0.4),        //  0-2   A
               Row( 0.2,  0.2,  0.2, -0.2,  0.3),        //  0-2   B
               Row( 0.1,  0.1,  0.1, -0.3,  0.1),        //  0-2   C
               Row( 0.1,  0.1,  0.1, -0.1,  0.0),        //  0-2   D
               Row( 0.2,  0.1,  0.1,  0.4, -999)},       //  0-2   flying
    std::array{Row( 0.4,  0.5,  0.6,  0.8,  0.5),        //  3-4   A
               Row( 0.1,  0.3,  0.3,  0.3,  0.3),        //  3-4   B
               Row( 0.0,  0.0,  0.0,  0.1,  0.0),        //  3-4   C
               Row( 0.0, -0.1, -0.1,  0.2,  0.0),        //  3-4   D
               Row( 0.2,  0.2,  0.2,  0.5, -999)},       //  3-4   flying
    std::array{Row( 0.6,  0.7,  0.6, -999, -999),        //  5     A
               Row( 0.2,  0.3,  0.2,  0.5,  0.0),        //  5     B
               Row( 0.0,  0.1,  0.0,  0.2,  0.1),        //  5     C
               Row( 0.0, -0.1, -0.2,  0.4,  0.0),        //  5     D
               Row( 0.3,  0.3,  0.3,  0.7, -999)},       //  5     flying
    std::array{Row(-999, -999, -999, -999, -999),        //  6-7   A
               Row( 0.3,  0.3,  0.3,  0.6,  0.4),        //  6-7   B
               Row( 0.0,  0.0,  0.0,  0.3,  0.2),        //  6-7   C
               Row( 0.0,  0.0,  0.0, -999, -999),        //  6-7   D
               Row( 0.4, -999, -999, -999, -999)},       //  6-7   flying
    std::array{Row(-999, -999, -999, -999, -999),        //  8-9   A
               Row( 0.4,  0.4,  0.6,  0.7,  0.5),        //  8-9   B
               Row( 0.0,  0.1,  0.3,  0.4,  0.3),        //  8-9   C
               Row(-999, -999, -999, -999, -999),        //  8-9   D
               Row(-999, -999, -999, -999, -999)},       //  8-9   flying
    std::array{Row(-999, -999, -999, -999, -999),        //  11    A
               Row(-999, -999, -999, -999, -999),        //  11    B
               Row( 0.0, -999, -999, -999, -999),        //  11    C
               Row(-999, -999, -999, -999, -999),        //  11    D
               Row(-999, -999, -999, -999, -999)},       //  11    flying
};

// TwistTable: the twist value of a dive that is not an armstand dive, one row per number of
// half twists from 1 to 9, one column per direction.
inline constexpr std::array<std::array<TwistCell, 4>, 9> TwistTable{{
    // forward  back                        reverse                     inward                         half twists
    {Any(0.4), BySom(0.2, 0.4, 0.0, 0.0),  BySom(0.2, 0.4, 0.0, 0.0),  BySom(0.2, 0.4, 0.2, 0.4)},  // 1
    {Any(0.6), Any(0.4),                   Any(0.4),                   Any(0.4)},                   // 2
    {Any(0.8), Som5Up(0.8, 0.7, 0.6),      Som5Up(0.8, 0.6, 0.6),      Any(0.8)},                   // 3
    {Any(1.0), Any(0.8),                   Any(0.8),                   Any(0.8)},                   // 4
    {Any(1.2), Som5Up(1.2, 1.1, 1.0),      Som5Up(1.2, 1.0, 1.0),      Any(1.2)},                   // 5
    {Any(1.5), Any(1.4),                   Any(1.4),                   Any(1.5)},                   // 6
    {Any(1.6), Platform5Up(1.7, 1.7, 1.5), Platform5Up(1.8, 1.7, 1.5), Any(1.6)},                   // 7
    {Any(1.9), Any(1.8),                   Any(1.8),                   Any(1.9)},                   // 8
    {Any(2.0), Platform5Up(2.1, 2.1, 1.9), Platform5Up(2.1, 2.1, 1.9), Any(2.0)},                   // 9
}};

// ArmstandTwistTable: the twist value of an armstand dive, one row per number of half twists
// from 1 to 9; forward has a column of its own, back and reverse share one.
inline constexpr std::array<std::array<TwistCell, 2>, 9> ArmstandTwistTable{{
    // forward                  back and reverse              half twists
    {BySom(0.4, 0.5, 0.5, 0.4), BySom(0.4, 0.5, 0.5, 0.5)},  // 1
    {Any(1.2),                  Any(1.2)},                   // 2
    {Any(1.3),                  Any(1.3)},                   // 3
    {Any(1.5),                  Any(1.3)},                   // 4
    {Any(1.7),                  Any(1.7)},                   // 5
    {Any(1.9),                  Any(1.9)},                   // 6
    {Any(2.1),                  Any(2.1)},                   // 7
    {Any(2.3),                  Any(2.3)},                   // 8
    {Any(2.5),                  Any(2.5)},                   // 9
}};

// ApproachTable: the approach value of a dive that is not an armstand dive.
inline constexpr std::array ApproachTable{
    //          dir  half somersaults   1 m  3 m  5 m 7.5 m 10 m
    ApproachRow{1,   0, 7,          Row(0.0, 0.0, 0.0, 0.0, 0.0)},  // forward
    ApproachRow{1,   8, OrMore,     Row(0.5, 0.3, 0.5, 0.3, 0.2)},
    ApproachRow{2,   0, 6,          Row(0.2, 0.2, 0.2, 0.2, 0.2)},  // back
    ApproachRow{2,   7, OrMore,     Row(0.6, 0.4, 0.5, 0.3, 0.2)},
    ApproachRow{3,   0, 4,          Row(0.3, 0.3, 0.3, 0.3, 0.3)},  // reverse
    ApproachRow{3,   5, 6,          Row(0.3, 0.3, 0.4, 0.4, 0.4)},
    ApproachRow{3,   7, OrMore,     Row(0.5, 0.3, 0.6, 0.4, 0.3)},
    ApproachRow{4,   0, 2,          Row(0.6, 0.3, 0.6, 0.3, 0.3)},  // inward
    ApproachRow{4,   3, OrMore,     Row(0.5, 0.3, 0.5, 0.3, 0.2)},
};

// ArmstandApproachTable: the approach value of an armstand dive without twist.
inline constexpr std::array ArmstandApproachTable{
    //                  dir  half somersaults  value
    ArmstandApproachRow{0,   0, 0,       0.2},
    ArmstandApproachRow{0,   1, OrMore, -999},
    ArmstandApproachRow{1,   0, 4,       0.2},  // forward
    ArmstandApproachRow{1,   5, OrMore,  0.4},
    ArmstandApproachRow{2,   0, 1,       0.2},  // back
    ArmstandApproachRow{2,   2, OrMore,  0.4},
    ArmstandApproachRow{3,   0, 1,       0.3},  // reverse
    ArmstandApproachRow{3,   2, OrMore,  0.5},
};

// EntryTable: the entry value of a dive without twist, one row per EntryRow, one column per
// half somersault.
inline constexpr std::array EntryTable{
    //   0    1    2    3    4    5    6    7    8    9    10    11      half somersaults
    Row(0.0, 0.1, 0.0, 0.2, 0.0, 0.3, 0.0, 0.4, 0.0, 0.4, -999,  0.0),  // back and reverse
    Row(0.0, 0.0, 0.1, 0.0, 0.2, 0.0, 0.2, 0.0, 0.2, 0.0, -999, -999),  // springboard
    Row(0.0, 0.0, 0.1, 0.0, 0.2, 0.0, 0.2, 0.0, 0.0, 0.0, -999,  0.0),  // platform
    Row(0.0, 0.0, 0.1, 0.0, 0.2, 0.0, 0.2, 0.0, 0.3, 0.0, -999,  0.0),  // armstand platform
};

// clang-format on

// Rows per table; the row types fix the number of columns.
static_assert(SomersaultTable.size() == 5 && SomersaultTable[0].size() == 12);
static_assert(SpringboardPositionTable.size() == 5 && SpringboardPositionTable[0][0].size() == 4);
static_assert(PlatformPositionTable.size() == 6 && PlatformPositionTable[0][0].size() == 5);
static_assert(TwistTable.size() == 9 && TwistTable[0].size() == 4);
static_assert(ArmstandTwistTable.size() == 9 && ArmstandTwistTable[0].size() == 2);
static_assert(ApproachTable.size() == 9 && ArmstandApproachTable.size() == 8);
static_assert(EntryTable.size() == 4 && EntryTable[0].size() == 12);

// The block of the position tables that a number of half somersaults reads, or -1 when there is
// none (ten half somersaults anywhere, eleven on the springboard).
constexpr int PositionBand(std::int32_t Som, bool Springboard) {
  if (Som < 0) return -1;
  if (Som <= 2) return 0;
  if (Som <= 4) return 1;
  if (Som == 5) return 2;
  if (Som <= 7) return 3;
  if (Som <= 9) return 4;
  if (Som == 11 && !Springboard) return 5;
  return -1;
}

}  // namespace merrith::springboard_platform
