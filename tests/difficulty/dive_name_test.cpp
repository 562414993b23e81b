#include "difficulty/dive_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/utf8.h"

namespace merrith {
namespace {

std::string Utf8(const std::optional<std::u16string>& Text) {
  if (!Text) return "(no name)";
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(*Text);
  return {Bytes.begin(), Bytes.end()};
}

// The name without its position, as a list of dives names them.
TEST(DiveName, NamesTheDiveWithoutItsPosition) {
  struct Named {
    DiveCode Dive;  // Dir, Fly, Som, Twi, Pos, Arm
    std::string Name;
  };
  // clang-format off
  const Named Cases[] = {
      {{2, 0,  5,  3, 1, 0}, "Back 2½ Somersaults 1½ Twists"},
      {{1, 0,  2,  2, 3, 0}, "Forward Somersault 1 Twist"},
      {{3, 0,  9, 10, 1, 0}, "Reverse 4½ Somersaults 5 Twists"},
      {{4, 1,  1,  0, 2, 0}, "Inward Flying Dive"},
      {{1, 2,  3,  2, 1, 0}, "Forward 1½ Somersaults 1 Twist (M)"},
      {{0, 0,  0,  0, 0, 1}, "Armstand Dive"},
      {{3, 0,  2,  0, 2, 1}, "Armstand Reverse Somersault"},
      {{1, 0,  0,  0, 0, 0}, "Forward Jump"},
      {{0, 0,  4,  0, 1, 0}, "(no name)"},  // a twisting code's direction 0
      {{5, 0,  1,  1, 1, 0}, "(no name)"},
      {{5, 0,  1,  1, 1, 1}, "(no name)"},
      {{1, 0, -1,  0, 0, 0}, "(no name)"},
      {{1, 0,  4, -2, 1, 0}, "(no name)"},
      {{1, 3,  4,  2, 1, 0}, "(no name)"},  // a flying digit of the six-part form
      {{1, -1, 5,  0, 1, 0}, "(no name)"},
  };
  // clang-format on
  for (const Named& C : Cases) EXPECT_EQ(Utf8(DiveName(C.Dive)), C.Name) << C.Name;
}

TEST(PositionName, NamesTheFiveLettersOnly) {
  EXPECT_EQ(PositionName(0), u"Straight");
  EXPECT_EQ(PositionName(4), u"position E");
  EXPECT_FALSE(PositionName(5));
  EXPECT_FALSE(PositionName(-1));
}

}  // namespace
}  // namespace merrith
