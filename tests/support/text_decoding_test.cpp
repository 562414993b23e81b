#include "support/text_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merrith::mFSO {
namespace {

// A byte-order mark picks the encoding and only the first is removed; unmarked bytes are UTF-16LE
// where the second byte is 0, else text in the code page.
TEST(DecodeText, ReadsTheEncodingItsMarkAnnouncesOrElseTheCodePage) {
  const std::int32_t System = CodePageSystem;
  const std::int32_t Utf8 = CodePageUtf8;
  // clang-format off
  const struct {
    const char* Name;
    std::int32_t CodePage;
    std::vector<std::uint8_t> Bytes;
    std::u16string Text;
  } Rows[] = {
      {"no bytes",                         System, {},                                           u""},
      {"utf-8 mark",                       System, {0xEF, 0xBB, 0xBF, 0x31, 0x30, 0x35},         u"105"},
      {"utf-8 mark alone",                 System, {0xEF, 0xBB, 0xBF},                           u""},
      {"utf-16le mark",                    System, {0xFF, 0xFE, 0x31, 0x00, 0x30, 0x00},         u"10"},
      {"utf-16le mark alone",              System, {0xFF, 0xFE},                                 u""},
      {"zero second byte",                 System, {0x31, 0x00, 0x30, 0x00},                     u"10"},
      {"odd last byte dropped",            System, {0xFF, 0xFE, 0x31, 0x00, 0x32},               u"1"},
      {"utf-16le unpaired surrogate kept", System, {0xFF, 0xFE, 0x00, 0xD8},                     std::u16string(1, 0xD800)},
      {"one byte",                         System, {0x41},                                       u"A"},
      {"second mark after utf-8 mark",     Utf8,   {0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 0x31},   u"\uFEFF1"},
      {"two marks in utf-16le",            Utf8,   {0xFF, 0xFE, 0xFF, 0xFE, 0x31, 0x00},         u"\uFEFF1"},
      {"unmarked utf-8 with a mark",       Utf8,   {0x31, 0xEF, 0xBB, 0xBF},                     u"1\uFEFF"},
      {"U+FFFE stays",                     Utf8,   {0xFE, 0xFF, 0xFF, 0xFE},                     u"\uFFFE"},
      {"utf-16be",                         System, {0xFE, 0xFF, 0x00, 0x31, 0x30, 0x00},         u"1\u3000"},
      {"utf-32le",                         System, {0xFF, 0xFE, 0x00, 0x00, 0x31, 0x00, 0x00, 0x00}, u"1"},
      {"utf-32be",                         System, {0x00, 0x00, 0xFE, 0xFF, 0x00, 0x01, 0xF3, 0x0A}, u"\U0001F30A"},
      {"utf-32 beyond U+10FFFF",           System, {0xFF, 0xFE, 0x00, 0x00, 0x00, 0x00, 0x11, 0x00}, u"\uFFFD"},
      {"utf-32 surrogate",                 System, {0xFF, 0xFE, 0x00, 0x00, 0x00, 0xD8, 0x00, 0x00}, u"\uFFFD"},
      {"utf-32 cut short",                 System, {0xFF, 0xFE, 0x00, 0x00, 0x31, 0x00, 0x00, 0x00, 0x32}, u"1\uFFFD"},
      {"utf-8",                            Utf8,   {0x41, 0xC3, 0xA9},                           u"A\u00E9"},
      {"invalid utf-8",                    Utf8,   {0x41, 0xC3, 0x41},                           u"A\uFFFDA"},
      {"unknown code page",                12345,  {0x31, 0x30, 0x35},                           u""},
      {"a mark needs no code page",        12345,  {0xEF, 0xBB, 0xBF, 0x31},                     u"1"},
  };
  // clang-format on
  for (const auto& R : Rows) EXPECT_EQ(DecodeText(R.Bytes, R.CodePage), R.Text) << R.Name;
}

}  // namespace
}  // namespace merrith::mFSO
