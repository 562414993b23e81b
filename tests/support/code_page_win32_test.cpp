#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/string_builder.h"
#include "support/text_decoding.h"

namespace merrith::mFSO {
namespace {

struct Row {
  const char* Name;
  std::vector<std::uint8_t> Bytes;
  std::u16string Text;
};

// Windows-1252 differs from Latin-1 in 80 to 9F, where the euro sign and curly quotes live.
const std::vector<Row> Windows1252 = {
    {         "e acute",                   {0xE9}, u"\u00E9"},
    {       "euro sign",                   {0x80}, u"\u20AC"},
    {"y with diaeresis",                   {0x9F}, u"\u0178"},
    {   "a dive number", {0x31, 0x30, 0x35, 0x42},   u"105B"},
};

TEST(DecodeText, ConvertsCodePageZeroThroughTheSystemAnsiCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
  for (const Row& R : Windows1252) EXPECT_EQ(DecodeText(R.Bytes, CodePageSystem), R.Text) << R.Name;
}

TEST(CStringBuilder, EncodesCodePageZeroThroughTheSystemAnsiCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
  for (const Row& R : Windows1252) {
    CStringBuilder Builder;
    Builder.Append(R.Text);
    EXPECT_EQ(Builder.ToAnsiArrayByCP(CodePageSystem), R.Bytes) << R.Name;
  }
}

}  // namespace
}  // namespace merrith::mFSO
