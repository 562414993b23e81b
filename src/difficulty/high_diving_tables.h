#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "difficulty/table_row.h"

// The values of a high dive's degree of difficulty from 12 m, 15 m, 20 m and 27 m, in DD points.
// Rows keep the lengths they are printed with: a column beyond a row's end, or a row a table
// does not list, has no value, which is not the same as an entry -999 (NotAllowed), although a
// dive meeting either is not allowed.
namespace merrith::high_diving {

// The high-diving heights, as HeightIndex values.
inline constexpr std::int32_t H12 = 6;
inline constexpr std::int32_t H15 = 7;
inline constexpr std::int32_t H20 = 8;
inline constexpr std::int32_t H27 = 9;

// A row of HdDirectionTable: the plain section (Arm 0) or the armstand section (Arm 1), a
// direction and a height, one column per half somersault.
struct HdDirectionRow {
  std::int32_t Arm;
  std::int32_t Dir;
  std::int32_t Height;
  RaggedRow<11> Values;
};

// The six sets of HdTwistTable, one per direction and armstand combination with twist values.
enum class HdTwistSet { Forward, ForwardArmstand, Back, BackArmstand, Reverse, Inward };

// A row of HdTwistTable: a set, a height and s whole somersaults, one column per twist column t.
struct HdTwistRow {
  HdTwistSet Set;
  std::int32_t Height;
  std::int32_t S;
  std::array<double, 5> Values;
};

// The rows of HdTwistCountTable.
enum HdTwistCountRow : std::size_t { ForwardAndInwardCount, OtherCount };

// The rows of HdParityTable.
enum HdParityRow : std::size_t {
  ForwardParity,
  ForwardArmstandParity,
  InwardParity,
  OtherParity,
  OtherArmstandParity,
};

// Which directions a row of HdNoTwistTable serves.
enum class HdNoTwistDirs { Back, NotBack, Any };

// A row of HdNoTwistTable: a height, the directions served and the armstand flag, one column
// per half somersault.
struct HdNoTwistRow {
  std::int32_t Height;
  HdNoTwistDirs Dirs;
  std::int32_t Arm;
  RaggedRow<11> Values;
};

// A row of HdPositionTable: a position (0 to 4 for A to E) and a flying indicator, one column
// per k = (Som + Arm) div 2.
struct HdPositionRow {
  std::int32_t Pos;
  std::int32_t Fly;
  std::array<double, 7> Values;
};

// clang-format off

// HdSomersaultTable: the somersault value, one row per height (12 m, 15 m, 20 m, 27 m), one
// column per half somersault.
inline constexpr std::array HdSomersaultTable{
    //  0    1    2    3    4    5    6    7    8     9    10    11    12     half somersaults
    Row(0, 2.3, 2.3, 2.6, 2.6, 3.4, 3.4, 4.7, 4.7, -999, -999, -999, -999),  // 12 m
    Row(0, 2.4, 2.4, 2.7, 2.7, 3.2, 3.2, 4.2, 4.2,  5.7, -999, -999, -999),  // 15 m
    Row(0, 2.5, 2.5, 2.8, 2.8, 3.4, 3.4, 4.4, 4.4,  5.9,  5.9, -999, -999),  // 20 m
    Row(0, 2.6, 2.6, 2.9, 2.9, 3.4, 3.4, 4.1, 4.1,  5.1,  5.1,  6.4,  6.4),  // 27 m
};

// HdDirectionTable: the direction value, by section, direction and height.
inline constexpr std::array<HdDirectionRow, 24> HdDirectionTable{{
    // arm dir height  0     1     2     3     4     5     6     7     8     9    10
    {0, 2, H12, Row(   0, -999,  0.2, -999,  0.3, -999,  0.5, -999,  0.7, -999, -999)},
    {0, 2, H15, Row(   0, -999,  0.2, -999,  0.3, -999,  0.5, -999,  0.7, -999, -999)},
    {0, 2, H20, Row(   0, -999,  0.2, -999,  0.3, -999,  0.4, -999,  0.5, -999,  0.6)},
    {0, 2, H27, Row(   0, -999,  0.1, -999,  0.2, -999,  0.3, -999,  0.4, -999,  0.5)},
    {0, 3, H12, Row(   0, -999,  0.2, -999,  0.3, -999,  0.5, -999,  0.7, -999, -999)},
    {0, 3, H15, Row(   0, -999,  0.2, -999,  0.3, -999,  0.5, -999,  0.7, -999, -999)},
    {0, 3, H20, Row(   0, -999,  0.2, -999,  0.3, -999,  0.5, -999,  0.7, -999,  0.9)},
    {0, 3, H27, Row(   0, -999,  0.1, -999,  0.2, -999,  0.4, -999,  0.6, -999,  0.8)},
    {0, 4, H12, Row(   0, -999,  0.2, -999,  0.4, -999,  0.6, -999,  0.8, -999, -999)},
    {0, 4, H15, Row(   0, -999,  0.2, -999,  0.4, -999,  0.6, -999,  0.8, -999, -999)},
    {0, 4, H20, Row(   0, -999,  0.2, -999,  0.4, -999,  0.6, -999,  0.8, -999,  0.6)},
    {0, 4, H27, Row(   0, -999,    0, -999,  0.2, -999,  0.4, -999,  0.6, -999,  0.8)},
    {1, 1, H12, Row(-999,    0, -999,  0.1, -999,  0.3, -999,  0.5, -999, -999)},
    {1, 1, H15, Row(-999,    0, -999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7)},
    {1, 1, H20, Row(-999,    0, -999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7)},
    {1, 1, H27, Row(-999,    0, -999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7)},
    {1, 2, H12, Row(-999,    0, -999,    0, -999,  0.3, -999,  0.5, -999, -999)},
    {1, 2, H15, Row(-999,    0, -999,    0, -999,  0.3, -999,  0.5, -999,  0.7)},
    {1, 2, H20, Row(-999,    0, -999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7)},
    {1, 2, H27, Row(-999,    0, -999,  0.1, -999,  0.2, -999,  0.4, -999,  0.6)},
    {1, 3, H12, Row(-999,  0.1, -999,  0.3, -999,  0.5, -999,  0.8, -999, -999)},
    {1, 3, H15, Row(-999,  0.1, -999,  0.3, -999,  0.5, -999,  0.8, -999,  1.1)},
    {1, 3, H20, Row(-999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7, -999,  0.9)},
    {1, 3, H27, Row(-999,  0.1, -999,  0.3, -999,  0.5, -999,  0.7, -999,  0.9)},
}};

inline constexpr HdTwistSet Fwd = HdTwistSet::Forward;
inline constexpr HdTwistSet FwdArm = HdTwistSet::ForwardArmstand;
inline constexpr HdTwistSet Back = HdTwistSet::Back;
inline constexpr HdTwistSet BackArm = HdTwistSet::BackArmstand;
inline constexpr HdTwistSet Rev = HdTwistSet::Reverse;
inline constexpr HdTwistSet Inw = HdTwistSet::Inward;

// HdTwistTable: the twist value, by set, height and s whole somersaults; only the rows listed
// exist.
inline constexpr std::array HdTwistTable{
    //        set     height s      t = 0     1     2     3     4
    HdTwistRow{Fwd,     H12, 1, Row(  0, -999, -999, -999, -999)},
    HdTwistRow{Fwd,     H12, 2, Row(0.2,  0.5,    1,  1.7,  2.6)},
    HdTwistRow{Fwd,     H12, 3, Row(0.4,  0.9,  1.6, -999, -999)},
    HdTwistRow{Fwd,     H12, 4, Row(0.6,  1.5, -999, -999, -999)},
    HdTwistRow{Fwd,     H15, 1, Row(  0, -999, -999, -999, -999)},
    HdTwistRow{Fwd,     H15, 2, Row(0.2,  0.5,  0.9,  1.4,    2)},
    HdTwistRow{Fwd,     H15, 3, Row(0.4,  0.9,  1.5, -999, -999)},
    HdTwistRow{Fwd,     H15, 4, Row(0.6,  1.4, -999, -999, -999)},
    HdTwistRow{Fwd,     H20, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{Fwd,     H20, 2, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{Fwd,     H20, 3, Row(  0,  0.5,  1.1,  1.8,  2.6)},
    HdTwistRow{Fwd,     H20, 4, Row(  0,  0.7,  1.5,  2.4,  3.4)},
    HdTwistRow{Fwd,     H20, 5, Row(  0,  0.9,  1.9,    3,  4.2)},
    HdTwistRow{Fwd,     H27, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{Fwd,     H27, 2, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{Fwd,     H27, 3, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{Fwd,     H27, 4, Row(  0,  0.6,  1.3,  2.1,    3)},
    HdTwistRow{Fwd,     H27, 5, Row(  0,  0.8,  1.7,  2.7,  3.8)},
    HdTwistRow{Fwd,     H27, 6, Row(  0, -999, -999, -999, -999)},

    HdTwistRow{FwdArm,  H12, 1, Row(  0, -999, -999, -999, -999)},
    HdTwistRow{FwdArm,  H12, 2, Row(0.1,  0.6,  1.3, -999, -999)},
    HdTwistRow{FwdArm,  H12, 3, Row(0.3,    1, -999, -999, -999)},
    HdTwistRow{FwdArm,  H12, 4, Row(0.5,  1.6, -999, -999, -999)},
    HdTwistRow{FwdArm,  H15, 1, Row(  0, -999, -999, -999, -999)},
    HdTwistRow{FwdArm,  H15, 2, Row(0.1,  0.6,  1.2, -999, -999)},
    HdTwistRow{FwdArm,  H15, 3, Row(0.3,  0.9, -999, -999, -999)},
    HdTwistRow{FwdArm,  H15, 4, Row(0.5,  1.4, -999, -999, -999)},
    HdTwistRow{FwdArm,  H15, 5, Row(0.7, -999, -999, -999, -999)},
    HdTwistRow{FwdArm,  H20, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{FwdArm,  H20, 2, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{FwdArm,  H20, 3, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{FwdArm,  H20, 4, Row(  0,  0.6,  1.3,  2.1,    3)},
    HdTwistRow{FwdArm,  H20, 5, Row(  0,  0.8,  1.7,  2.7,  3.8)},
    HdTwistRow{FwdArm,  H27, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{FwdArm,  H27, 2, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{FwdArm,  H27, 3, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{FwdArm,  H27, 4, Row(  0,  0.6,  1.3,  2.1,    3)},
    HdTwistRow{FwdArm,  H27, 5, Row(  0,  0.8,  1.7,  2.7,  3.8)},

    HdTwistRow{Back,    H12, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{Back,    H12, 2, Row(0.2,  0.6,  1.2,    2, -999)},
    HdTwistRow{Back,    H12, 3, Row(0.3,  0.9,  1.7,  2.7, -999)},
    HdTwistRow{Back,    H12, 4, Row(0.4, -999, -999, -999, -999)},
    HdTwistRow{Back,    H15, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{Back,    H15, 2, Row(0.2,  0.5,  0.9,  1.5, -999)},
    HdTwistRow{Back,    H15, 3, Row(0.3,  0.8,  1.4,  2.1, -999)},
    HdTwistRow{Back,    H15, 4, Row(0.4, -999, -999, -999, -999)},
    HdTwistRow{Back,    H20, 1, Row(  0,  0.2,  0.5,  0.9,  1.5)},
    HdTwistRow{Back,    H20, 2, Row(  0,  0.3,  0.7,  1.3,  2.1)},
    HdTwistRow{Back,    H20, 3, Row(  0,  0.5,  1.1,  1.9,  2.9)},
    HdTwistRow{Back,    H20, 4, Row(  0,  0.7,  1.5,  2.5,  3.7)},
    HdTwistRow{Back,    H20, 5, Row(  0,  0.9,  1.9,  3.1,  4.5)},
    HdTwistRow{Back,    H27, 1, Row(  0,  0.2,  0.5,  0.9,  1.5)},
    HdTwistRow{Back,    H27, 2, Row(  0,  0.3,  0.7,  1.2,  1.9)},
    HdTwistRow{Back,    H27, 3, Row(  0,  0.4,  0.9,  1.5,  2.3)},
    HdTwistRow{Back,    H27, 4, Row(  0,  0.6,  1.3,  2.1,  3.1)},
    HdTwistRow{Back,    H27, 5, Row(  0,  0.8,  1.7,  2.7,  3.9)},

    HdTwistRow{BackArm, H12, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{BackArm, H12, 2, Row(0.2,  0.7,  1.4,  2.3, -999)},
    HdTwistRow{BackArm, H12, 3, Row(0.4,    1,  1.8,  2.8, -999)},
    HdTwistRow{BackArm, H12, 4, Row(0.6, -999, -999, -999, -999)},
    HdTwistRow{BackArm, H15, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{BackArm, H15, 2, Row(0.2,  0.5,  0.9,  1.4, -999)},
    HdTwistRow{BackArm, H15, 3, Row(0.4,  0.9,  1.6,  2.5, -999)},
    HdTwistRow{BackArm, H15, 4, Row(0.6, -999, -999, -999, -999)},
    HdTwistRow{BackArm, H20, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{BackArm, H20, 2, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{BackArm, H20, 3, Row(  0,  0.5,  1.1,  1.8,  2.6)},
    HdTwistRow{BackArm, H20, 4, Row(  0,  0.7,  1.5,  2.4,  3.4)},
    HdTwistRow{BackArm, H20, 5, Row(  0,  0.9,  1.9,    3,  4.2)},
    HdTwistRow{BackArm, H27, 1, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{BackArm, H27, 2, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{BackArm, H27, 3, Row(  0,  0.5,  1.1,  1.8,  2.6)},
    HdTwistRow{BackArm, H27, 4, Row(  0,  0.7,  1.5,  2.4,  3.4)},
    HdTwistRow{BackArm, H27, 5, Row(  0,  0.9,  1.9,    3,  4.2)},

    HdTwistRow{Rev,     H12, 1, Row(0.2, -999, -999, -999, -999)},
    HdTwistRow{Rev,     H12, 2, Row(0.3,  0.7,  1.4,  2.4, -999)},
    HdTwistRow{Rev,     H12, 3, Row(0.4,  1.1, -999, -999, -999)},
    HdTwistRow{Rev,     H12, 4, Row(0.6, -999, -999, -999, -999)},
    HdTwistRow{Rev,     H15, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{Rev,     H15, 2, Row(0.3,  0.7,  1.2,  1.8, -999)},
    HdTwistRow{Rev,     H15, 3, Row(0.4,  1.1, -999, -999, -999)},
    HdTwistRow{Rev,     H15, 4, Row(0.6, -999, -999, -999, -999)},
    HdTwistRow{Rev,     H20, 1, Row(  0,  0.3,  0.7,  1.2,  1.9)},
    HdTwistRow{Rev,     H20, 2, Row(  0,  0.4,  0.9,  1.6,  2.5)},
    HdTwistRow{Rev,     H20, 3, Row(  0,  0.6,  1.3,  2.2,  3.3)},
    HdTwistRow{Rev,     H20, 4, Row(  0,  0.8,  1.7,  2.8,  4.1)},
    HdTwistRow{Rev,     H20, 5, Row(  0,    1,  2.1,  3.4,  4.9)},
    HdTwistRow{Rev,     H27, 1, Row(  0,  0.3,  0.7,  1.2,  1.9)},
    HdTwistRow{Rev,     H27, 2, Row(  0,  0.4,  0.9,  1.5,  2.3)},
    HdTwistRow{Rev,     H27, 3, Row(  0,  0.6,  1.3,  2.1,  3.1)},
    HdTwistRow{Rev,     H27, 4, Row(  0,  0.8,  1.7,  2.7,  3.9)},
    HdTwistRow{Rev,     H27, 5, Row(  0,    1,  2.1,  3.3,  4.7)},

    HdTwistRow{Inw,     H12, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{Inw,     H12, 2, Row(0.2,  0.6,  1.2,    2, -999)},
    HdTwistRow{Inw,     H12, 3, Row(0.4,    1,  1.8, -999, -999)},
    HdTwistRow{Inw,     H12, 4, Row(0.7,  1.6, -999, -999, -999)},
    HdTwistRow{Inw,     H15, 1, Row(0.1, -999, -999, -999, -999)},
    HdTwistRow{Inw,     H15, 2, Row(0.2,  0.6,  1.1,  1.7, -999)},
    HdTwistRow{Inw,     H15, 3, Row(0.4,    1,  1.7, -999, -999)},
    HdTwistRow{Inw,     H15, 4, Row(0.7,  1.5, -999, -999, -999)},
    HdTwistRow{Inw,     H20, 1, Row(  0,  0.2,  0.5,  0.9,  1.4)},
    HdTwistRow{Inw,     H20, 2, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{Inw,     H20, 3, Row(  0,  0.6,  1.3,  2.1,    3)},
    HdTwistRow{Inw,     H20, 4, Row(  0,  0.8,  1.7,  2.7,  3.8)},
    HdTwistRow{Inw,     H20, 5, Row(  0,    1,  2.1,  3.3,  4.6)},
    HdTwistRow{Inw,     H27, 1, Row(  0,  0.3,  0.7,  1.2,  1.8)},
    HdTwistRow{Inw,     H27, 2, Row(  0,  0.4,  0.9,  1.5,  2.2)},
    HdTwistRow{Inw,     H27, 3, Row(  0,  0.5,  1.1,  1.8,  2.6)},
    HdTwistRow{Inw,     H27, 4, Row(  0,  0.7,  1.5,  2.4,  3.4)},
    HdTwistRow{Inw,     H27, 5, Row(  0,  0.9,  1.9,    3,  4.2)},
};

// HdTwistCountTable: the twist count value, one row per HdTwistCountRow, one column per half
// twist.
inline constexpr std::array<RaggedRow<11>, 2> HdTwistCountTable{
    //  0  1  2  3    4  5    6  7    8    9  10     half twists
    Row(0, 0, 0, 0, 0.1, 0, 0.2, 0, 0.3,   0),    // forward and inward
    Row(0, 0, 0, 0,   0, 0.1, 0, 0.2, 0, 0.3, 0), // other
};

// HdParityTable: the parity value, one row per HdParityRow, one column per half somersault.
inline constexpr std::array<RaggedRow<11>, 5> HdParityTable{
    //  0    1    2    3    4    5    6    7    8    9   10     half somersaults
    Row(0,   0, 0.2,   0, 0.3,   0, 0.4,   0, 0.6,   0, 0.8),  // forward
    Row(0, 0.1,   0, 0.3,   0, 0.5,   0, 0.7,   0, 0.9),       // forward armstand
    Row(0,   0, 0.3,   0, 0.4,   0, 0.5,   0, 0.7,   0, 0.9),  // inward
    Row(0,   0, 0.2,   0, 0.3,   0, 0.5,   0, 0.7,   0, 0.9),  // other
    Row(0, 0.2,   0, 0.3,   0, 0.5,   0, 0.7,   0, 0.9),       // other armstand
};

inline constexpr HdNoTwistDirs Two = HdNoTwistDirs::Back;
inline constexpr HdNoTwistDirs NotTwo = HdNoTwistDirs::NotBack;
inline constexpr HdNoTwistDirs AnyDir = HdNoTwistDirs::Any;

// HdNoTwistTable: the no-twist value, by height, directions served and armstand flag.
inline constexpr std::array HdNoTwistTable{
    //          height dir   arm    0    1    2    3    4    5    6    7    8    9   10
    HdNoTwistRow{H12, Two,    0, Row(0,   0,   0,   0,   0,   0, 0.2,   0, 0.4)},
    HdNoTwistRow{H12, Two,    1, Row(0, 0.1,   0, 0.2,   0, 0.3,   0, 0.4)},
    HdNoTwistRow{H12, NotTwo, 0, Row(0,   0,   0,   0, 0.1,   0, 0.2,   0, 0.4)},
    HdNoTwistRow{H12, NotTwo, 1, Row(0, 0.2,   0, 0.4,   0, 0.6,   0, 0.8)},
    HdNoTwistRow{H15, Two,    0, Row(0,   0,   0,   0,   0,   0, 0.2,   0, 0.4)},
    HdNoTwistRow{H15, Two,    1, Row(0, 0.1,   0, 0.2,   0, 0.3,   0, 0.4,   0, 0.6)},
    HdNoTwistRow{H15, NotTwo, 0, Row(0,   0,   0,   0,   0,   0, 0.2,   0, 0.4)},
    HdNoTwistRow{H15, NotTwo, 1, Row(0, 0.2,   0, 0.4,   0, 0.6,   0, 0.8,   0,   1)},
    HdNoTwistRow{H20, AnyDir, 0, Row(0,   0,   0,   0, 0.1,   0, 0.2,   0, 0.3,   0, 0.5)},
    HdNoTwistRow{H20, AnyDir, 1, Row(0, 0.1,   0, 0.2,   0, 0.3,   0, 0.4,   0, 0.6)},
    HdNoTwistRow{H27, AnyDir, 0, Row(0,   0,   0,   0,   0,   0, 0.1,   0, 0.1,   0, 0.2)},
    HdNoTwistRow{H27, AnyDir, 1, Row(0,   0,   0, 0.1,   0, 0.2,   0, 0.3,   0, 0.4)},
};

// HdPositionTable: the position value, by position and flying indicator; only the pairs
// listed have a row.
inline constexpr std::array HdPositionTable{
    //          pos fly     k = 0    1     2     3     4     5     6
    HdPositionRow{0, 0, Row(-999,  0.2,  0.2, -999, -999, -999, -999)},  // A
    HdPositionRow{1, 0, Row(-999,    0,    0,    0,    0,    0,    0)},  // B
    HdPositionRow{2, 0, Row(-999, -0.1, -0.2, -0.2, -0.3, -0.5, -0.5)},  // C
    HdPositionRow{3, 0, Row(-999,    0,    0,    0,    0,    0,    0)},  // D
    HdPositionRow{4, 0, Row(-999,  0.1,  0.1,  0.2,  0.4, -999, -999)},  // E
    HdPositionRow{1, 1, Row(-999,  0.1,  0.1,  0.2,  0.4, -999, -999)},  // B flying
    HdPositionRow{2, 1, Row(-999,    0, -0.1, -0.1, -0.2, -999, -999)},  // C flying
    HdPositionRow{1, 2, Row(-999, -999, -999,  0.1,  0.3,  0.5, -999)},  // B twisting "M" form
    HdPositionRow{2, 2, Row(-999, -999, -999,    0,    0,  0.2, -999)},  // C twisting "M" form
};

// clang-format on

// Rows per table, and the ragged rows' lengths.
static_assert(HdSomersaultTable.size() == 4 && HdSomersaultTable[0].size() == 13);
static_assert(HdDirectionTable.size() == 24 && HdDirectionTable[0].Values.size() == 11 &&
              HdDirectionTable[12].Values.size() == 10);
static_assert(HdTwistTable.size() == 19 + 19 + 18 + 18 + 18 + 18);
static_assert(HdTwistCountTable[ForwardAndInwardCount].size() == 10 &&
              HdTwistCountTable[OtherCount].size() == 11);
static_assert(HdParityTable[ForwardParity].size() == 11 &&
              HdParityTable[ForwardArmstandParity].size() == 10 &&
              HdParityTable[InwardParity].size() == 11 && HdParityTable[OtherParity].size() == 11 &&
              HdParityTable[OtherArmstandParity].size() == 10);
static_assert(HdNoTwistTable.size() == 12 && HdPositionTable.size() == 9);

}  // namespace merrith::high_diving
