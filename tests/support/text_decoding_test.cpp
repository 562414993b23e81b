#include "support/text_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merrith::mFSO {
namespace {

struct Row {
  const char* Name;
  std::vector<std::uint8_t> Bytes;
  std::u16string Text;
};

void ExpectRows(const std::vector<Row>& Rows, std::int32_t CodePage) {
  for (const Row& R : Rows) EXPECT_EQ(DecodeText(R.Bytes, CodePage), R.Text) << R.Name;
}

TEST(DecodeText, PicksUtf16LeOrUtf8FromTheFirstBytes) {
  ExpectRows(
      {
          {                        "no bytes",                                   {},              u""},
          {                      "utf-8 mark", {0xEF, 0xBB, 0xBF, 0x31, 0x30, 0x35},           u"105"},
          {                "utf-8 mark alone",                   {0xEF, 0xBB, 0xBF},              u""},
          {                   "utf-16le mark", {0xFF, 0xFE, 0x31, 0x00, 0x30, 0x00},            u"10"},
          {             "utf-16le mark alone",                         {0xFF, 0xFE},              u""},
          {                "zero second byte",             {0x31, 0x00, 0x30, 0x00},            u"10"},
          {           "odd last byte dropped",       {0xFF, 0xFE, 0x31, 0x00, 0x32},             u"1"},
          {"utf-16le unpaired surrogate kept",             {0xFF, 0xFE, 0x00, 0xD8}, std::u16string(1,0xD800)},
          {                        "one byte",                               {0x41},             u"A"                },
  },
      CodePageSystem);
}

TEST(DecodeText, RemovesOneLeadingByteOrderMarkOnly) {
  ExpectRows(
      {
          {"second mark after utf-8 mark", {0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 0x31}, u"\uFEFF1"},
          {       "two marks in utf-16le",       {0xFF, 0xFE, 0xFF, 0xFE, 0x31, 0x00}, u"\uFEFF1"},
          {  "unmarked utf-8 with a mark",                   {0x31, 0xEF, 0xBB, 0xBF}, u"1\uFEFF"},
          {                "U+FFFE stays",                   {0xFE, 0xFF, 0xFF, 0xFE},  u"\uFFFE"},
  },
      CodePageUtf8);
}

TEST(DecodeText, ReadsTheEncodingEachMarkAnnounces) {
  ExpectRows(
      {
          {              "utf-16be",                   {0xFE, 0xFF, 0x00, 0x31, 0x30, 0x00},    u"1\u3000"},
          {              "utf-32le",       {0xFF, 0xFE, 0x00, 0x00, 0x31, 0x00, 0x00, 0x00},          u"1"},
          {              "utf-32be",       {0x00, 0x00, 0xFE, 0xFF, 0x00, 0x01, 0xF3, 0x0A}, u"\U0001F30A"},
          {"utf-32 beyond U+10FFFF",       {0xFF, 0xFE, 0x00, 0x00, 0x00, 0x00, 0x11, 0x00},     u"\uFFFD"},
          {      "utf-32 surrogate",       {0xFF, 0xFE, 0x00, 0x00, 0x00, 0xD8, 0x00, 0x00},     u"\uFFFD"},
          {      "utf-32 cut short", {0xFF, 0xFE, 0x00, 0x00, 0x31, 0x00, 0x00, 0x00, 0x32},    u"1\uFFFD"},
  },
      CodePageSystem);
}

TEST(DecodeText, ConvertsUnmarkedBytesFromTheCodePage) {
  ExpectRows(
      {
          {        "utf-8", {0x41, 0xC3, 0xA9},  u"A\u00E9"},
          {"invalid utf-8", {0x41, 0xC3, 0x41}, u"A\uFFFDA"},
  },
      CodePageUtf8);
  EXPECT_EQ(DecodeText({0x31, 0x30, 0x35}, 12345), u"") << "unknown code page";
  EXPECT_EQ(DecodeText({0xEF, 0xBB, 0xBF, 0x31}, 12345), u"1") << "a mark needs no code page";
}

}  // namespace
}  // namespace merrith::mFSO
