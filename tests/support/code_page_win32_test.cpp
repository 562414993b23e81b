#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/string_builder.h"
#include "support/text_decoding.h"

namespace merrith::mFSO {
namespace {

// Code page 0 reads and writes text through the system's ANSI code page.
TEST(CodePageSystem, DecodesAndEncodesThroughTheSystemAnsiCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
  // Windows-1252 differs from Latin-1 in 80 to 9F, where the euro sign and curly quotes live.
  const struct {
    const char* Name;
    std::vector<std::uint8_t> Bytes;
    std::u16string Text;
  } Rows[] = {
      {         "e acute",                   {0xE9}, u"\u00E9"},
      {       "euro sign",                   {0x80}, u"\u20AC"},
      {"y with diaeresis",                   {0x9F}, u"\u0178"},
      {   "a dive number", {0x31, 0x30, 0x35, 0x42},   u"105B"},
  };
  for (const auto& R : Rows) {
    EXPECT_EQ(DecodeText(R.Bytes, CodePageSystem), R.Text) << R.Name;
    CStringBuilder Builder;
    EXPECT_EQ(Builder.Append(R.Text).ToAnsiArrayByCP(CodePageSystem), R.Bytes) << R.Name;
  }
}

}  // namespace
}  // namespace merrith::mFSO
