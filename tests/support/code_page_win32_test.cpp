#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/string_builder.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

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

// A document Merrith wrote reads as UTF-8 whatever the ANSI code page (ctest runs this once more
// under a Japanese one); other bytes in the code page where it reads them all, else as
// Windows-1252, and say which.
TEST(DecodeDocument, ReadsUtf8AsUtf8AndOtherBytesInTheAnsiCodePageOrWindows1252) {
  const std::u16string Names = u"Zo\u00EB \u00C5str\u00F6m, Jos\u00E9 M\u00FCller, \u00C6gir";
  const DecodedDocument Utf8 = DecodeDocument(EncodeUtf8(Names));
  EXPECT_EQ(Utf8.Text, Names) << "code page " << GetACP();
  EXPECT_EQ(Utf8.FellBackTo, u"");
  const DecodedDocument Latin1 = DecodeDocument({Names.begin(), Names.end()});
  EXPECT_EQ(Latin1.Text, Names) << "code page " << GetACP();
  // Code page 1252 reads the names; Shift-JIS (932) cannot, and Windows-1252 does.
  const std::u16string_view Expected = GetACP() == 932 ? Windows1252Name : u"code page 1252";
  if (GetACP() == 1252 || GetACP() == 932) {
    EXPECT_EQ(Latin1.FellBackTo, Expected);
  }
}

}  // namespace
}  // namespace merrith::mFSO
