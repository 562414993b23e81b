#include "support/trim_white.h"

#include <gtest/gtest.h>

#include <string>

namespace merrith::mXMLParser {
namespace {

std::int32_t Classify(char16_t Unit) { return ClassifyChar(static_cast<std::int16_t>(Unit)); }

TEST(ClassifyChar, SortsUnitsIntoWhiteSpaceNameCharOrOther) {
  struct Row {
    char16_t Unit;
    std::int32_t Class;
  };
  const Row Rows[] = {
      {0x0009, ClassWhiteSpace},
      {0x000D, ClassWhiteSpace},
      {0x0008,      ClassOther},
      {0x000E,      ClassOther},
      {0x0020, ClassWhiteSpace},
      {0x0085, ClassWhiteSpace},
      {0x00A0, ClassWhiteSpace},
      {0x1680, ClassWhiteSpace},
      {0x200A, ClassWhiteSpace},
      {0x2028, ClassWhiteSpace},
      {0x2029, ClassWhiteSpace},
      {0x202F, ClassWhiteSpace},
      {0x205F, ClassWhiteSpace},
      {0x3000, ClassWhiteSpace},
      {0x3001,   ClassNameChar},
      {0x0030,   ClassNameChar},
      {0x003A,   ClassNameChar},
      {0x005F,   ClassNameChar},
      {0x002D,      ClassOther},
      {0x002E,      ClassOther},
      {0x00B7,      ClassOther},
      {0x00D7,      ClassOther},
      {0x00F7,      ClassOther},
      {0x0300,      ClassOther},
      {0x037E,      ClassOther},
      {0x200B,      ClassOther},
      {0x200C,   ClassNameChar},
      {0x203F,      ClassOther},
      {0x180E,   ClassNameChar},
      {0x7FFF,   ClassNameChar},
      {0x8000,   ClassNameChar},
      {0xD800,   ClassNameChar},
      {0xDB7F,   ClassNameChar},
      {0xDB80,      ClassOther},
      {0xDBFF,      ClassOther},
      {0xDC00,   ClassNameChar},
      {0xDFFF,   ClassNameChar},
      {0xE000,      ClassOther},
      {0xF8FF,      ClassOther},
      {0xF900,   ClassNameChar},
      {0xFDD0,      ClassOther},
      {0xFDEF,      ClassOther},
      {0xFEFF,   ClassNameChar},
      {0xFFFD,   ClassNameChar},
      {0xFFFE,      ClassOther},
      {0xFFFF,      ClassOther},
  };
  for (const Row& R : Rows) {
    EXPECT_EQ(Classify(R.Unit), R.Class) << std::hex << "U+" << static_cast<unsigned>(R.Unit);
  }
}

TEST(TrimWhite, RemovesWhiteSpaceRunsAtBothEndsOnly) {
  struct Row {
    std::u16string Text;
    std::u16string Trimmed;
  };
  const Row Rows[] = {
      {                u"\t  105B\r",            u"105B"},
      {          u"\u3000"
          u"105\u00A0",             u"105"       },
      {                    u"\t\r\n",                u""},
      {                          u"",                u""},
      {                     u"1 0 5",           u"1 0 5"},
      {           u"\u200B105\u180E", u"\u200B105\u180E"},
      {                 u"\uFEFF105",       u"\uFEFF105"},
      {u" \u2028\u0085x\u205F\u1680",               u"x"},
  };
  for (const Row& R : Rows) EXPECT_EQ(TrimWhite(R.Text), R.Trimmed);
}

}  // namespace
}  // namespace merrith::mXMLParser
