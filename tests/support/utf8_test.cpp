#include "support/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merrith {
namespace {

struct DecodeCase {
  const char* Name;
  std::string Bytes;
  std::u16string Text;
};

TEST(DecodeUtf8, ReplacesEachMaximalBrokenSequenceWithOneReplacementChar) {
  // clang-format off
  const DecodeCase Cases[] = {
      {"four bytes",           "\xF0\x9F\x8C\x8A",     u"\U0001F30A"},
      {"mark kept",            "\xEF\xBB\xBF" "1",     u"\uFEFF1"},
      {"lone continuation",    "a\x80" "b",            u"a\uFFFDb"},
      {"overlong slash",       "\xC0\xAF",             u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF",         u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate",    "\xED\xA0\x80",         u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF",       "\xF4\x90\x80\x80",     u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"truncated at end",     "1\xE3\x80",            u"1\uFFFD"},
      {"broken by ascii",      "\xF0\x9F\x8C" "A",     u"\uFFFDA"},
      {"invalid lead",         "\xFF\xFE",             u"\uFFFD\uFFFD"},
  };
  // clang-format on
  for (const DecodeCase& Case : Cases) {
    EXPECT_EQ(DecodeUtf8(Case.Bytes), Case.Text) << Case.Name;
    const std::span Bytes(reinterpret_cast<const std::uint8_t*>(Case.Bytes.data()),
                          Case.Bytes.size());
    EXPECT_EQ(IsUtf8(Bytes), Case.Text.find(u'\uFFFD') == std::u16string::npos) << Case.Name;
  }
}

TEST(EncodeUtf8, EncodesUnpairedSurrogatesAsReplacementChar) {
  const std::u16string Text{u'a', char16_t(0xD800), u'b', char16_t(0xDC00), char16_t(0xDBFF)};
  EXPECT_EQ(EncodeUtf8(Text), (std::vector<std::uint8_t>{'a', 0xEF, 0xBF, 0xBD, 'b', 0xEF, 0xBF,
                                                         0xBD, 0xEF, 0xBF, 0xBD}));
}

TEST(EncodeUtf8, RoundTripsEveryCharacter) {
  std::u16string Text;
  for (char32_t Cp = 0; Cp <= 0xFFFF; ++Cp) {
    if (Cp < 0xD800 || Cp > 0xDFFF) Text.push_back(static_cast<char16_t>(Cp));
  }
  for (char32_t Cp = 0x10000; Cp <= 0x10FFFF; ++Cp) {
    Text.push_back(static_cast<char16_t>(0xD800 + ((Cp - 0x10000) >> 10)));
    Text.push_back(static_cast<char16_t>(0xDC00 + (Cp & 0x3FF)));
  }
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  EXPECT_EQ(Bytes.size(), Utf8Length(Text));
  EXPECT_EQ(DecodeUtf8(Bytes), Text);
  EXPECT_TRUE(IsUtf8(Bytes));
}

}  // namespace
}  // namespace merrith
