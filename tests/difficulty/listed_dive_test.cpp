#include "difficulty/listed_dive.h"

#include <gtest/gtest.h>

#include <string>

namespace merrith {
namespace {

// The group is the number's first digit; the number is what "the same number" compares, with
// brackets only around a twisting or armstand part of two digits.
TEST(ListDive, GivesGroupNumberAndWhetherItIsADive) {
  struct Listed {
    std::u16string_view Code;
    std::int32_t HeightIndex;
    std::int32_t Group;
    std::u16string_view Number;
    NoDive Why;
  };
  // clang-format off
  const Listed Cases[] = {
      {u"105B",     2, 1, u"105",     NoDive::None},
      {u"10(11)B",  5, 1, u"1011",    NoDive::None},
      {u"1011C",    5, 1, u"1011",    NoDive::None},
      {u"5253B",    2, 5, u"5253",    NoDive::None},
      {u"52(10)2B", 9, 5, u"52(10)2", NoDive::None},
      {u"51132B",   5, 5, u"51132",   NoDive::None},
      {u"5132MB",   6, 5, u"5132M",   NoDive::None},
      {u"614C",     1, 6, u"614",     NoDive::None},  // a dive; its DD is another matter
      {u"6140C",    5, 6, u"614",     NoDive::None},
      {u"6243D",    5, 6, u"6243",    NoDive::None},
      {u"105E",     2, 1, u"105",     NoDive::NoSuchPosition},
      {u"105E",     6, 1, u"105",     NoDive::None},
      {u"105Z",     9, 1, u"105",     NoDive::NoSuchPosition},
      {u"5150B",    2, 5, u"",        NoDive::NoTwist},
      {u"5511B",    5, 5, u"",        NoDive::NotInRuleBook},
      {u"1(05B",    2, 0, u"",        NoDive::NotANumber},
  };
  // clang-format on
  for (const Listed& C : Cases) {
    const ListedDive D = ListDive(C.Code, C.HeightIndex);
    const std::string Code(C.Code.begin(), C.Code.end());
    EXPECT_EQ(D.Group, C.Group) << Code;
    EXPECT_EQ(D.Number, C.Number) << Code;
    EXPECT_EQ(D.Why, C.Why) << Code;
  }
}

}  // namespace
}  // namespace merrith
