#include "support/trim_white.h"

#include <gtest/gtest.h>

#include <string>

namespace merrith::mXMLParser {
namespace {

TEST(ClassifyChar, SortsUnitsIntoWhiteSpaceNameCharOrOther) {
  const struct {
    std::int32_t Class;
    std::u16string Units;
  } Rows[] = {
      {ClassWhiteSpace,             {0x09, 0x0D, 0x20, 0x85, 0xA0, 0x1680, 0x200A, 0x202F, 0x3000}},
      {  ClassNameChar,    {'0', ':', '_', 0x180E, 0x200C, 0x3001, 0x8000, 0xD800, 0xDC00, 0xFFFD}},
      {     ClassOther, {0x0E, '-', '.', 0xB7, 0xD7, 0x300, 0x37E, 0x200B, 0xDB80, 0xE000, 0xFFFF}},
  };
  for (const auto& Row : Rows) {
    for (const char16_t Unit : Row.Units) {
      EXPECT_EQ(ClassifyChar(static_cast<std::int16_t>(Unit)), Row.Class)
          << std::hex << "U+" << static_cast<unsigned>(Unit);
    }
  }
}

TEST(TrimWhite, RemovesWhiteSpaceRunsAtBothEndsOnly) {
  // clang-format off
  const struct {
    std::u16string Text;
    std::u16string Trimmed;
  } Rows[] = {
      {u"\t  105B\r",                    u"105B"},
      {u"\u3000" u"105\u00A0",           u"105"},
      {u"\t\r\n",                        u""},
      {u"1 0 5",                         u"1 0 5"},
      {u"\u200B105\u180E",               u"\u200B105\u180E"},
      {u"\uFEFF105",                     u"\uFEFF105"},
      {u" \u2028\u0085x\u205F\u1680",    u"x"},
      {u"   105B 3m  ",                  u"105B 3m"},
      {u"  \t105 \r ",                   u"105"},
      {u"105  \u00A0",                   u"105"},
      {u"   ",                            u""},
      {u" \x7F" u"105\x01 ",               u"\x7F" u"105\x01"},
  };
  // clang-format on
  for (const auto& Row : Rows) EXPECT_EQ(TrimWhite(Row.Text), Row.Trimmed);
}

}  // namespace
}  // namespace merrith::mXMLParser
