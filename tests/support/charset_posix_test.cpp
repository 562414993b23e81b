#include "support/charset_posix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merrith::posix {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DecodeCharset, ReplacesBytesTheCharacterSetCannotReadAndGoesOn) {
  EXPECT_EQ(DecodeCharset(Bytes{'1', 0xE9}, "ISO-8859-1"), u"1\u00E9");
  EXPECT_EQ(DecodeCharset(Bytes{'a', 0xAE, 'b'}, "ISO-8859-7"), u"a\uFFFDb");
  EXPECT_EQ(DecodeCharset(Bytes{'a', 0xA4}, "EUC-JP"), u"a\uFFFD") << "cut off at the end";
  EXPECT_EQ(DecodeCharset(Bytes{'1'}, "NO-SUCH-SET"), std::nullopt);
}

// The Hebrew set's decoder holds a letter back in case a vowel point follows; the letter
// still comes before the replacement of the invalid byte after it, and nothing is lost at the
// end of the input.
TEST(DecodeCharset, KeepsALetterHeldBackForAVowelPointBeforeTheReplacement) {
  EXPECT_EQ(DecodeCharset(Bytes{0xE0, 0xFF, 'A'}, "CP1255"), u"\u05D0\uFFFDA");
  EXPECT_EQ(DecodeCharset(Bytes{'1', 0xE0, 0xC8, 0xFF}, "CP1255"), u"1\uFB2F\uFFFD");
  EXPECT_EQ(DecodeCharset(Bytes{0xE0}, "CP1255"), u"\u05D0");
}

// The bare C locale names plain ASCII; UTF-8 text is read as UTF-8 there rather than lost.
TEST(DecodeCharset, ReadsUtf8WhereTheLocaleSaysPlainAscii) {
  EXPECT_EQ(DecodeCharset(Bytes{'A', 0xC3, 0xA9}, "ANSI_X3.4-1968"), u"A\u00E9");
  EXPECT_EQ(DecodeCharset(Bytes{'A', 0xC3}, "UTF-8"), u"A\uFFFD");
}

TEST(EncodeCharset, ReplacesCharactersTheSetCannotHoldWithAQuestionMark) {
  const std::u16string Text = u"\u00E9\u20AC\U0001F30A" + std::u16string(1, 0xD800) + u"x";
  EXPECT_EQ(EncodeCharset(Text, "ISO-8859-1"), (Bytes{0xE9, '?', '?', '?', 'x'}));
  EXPECT_EQ(EncodeCharset(u"\u00E9", "ASCII"), (Bytes{0xC3, 0xA9}));
  EXPECT_EQ(EncodeCharset(u"x", "NO-SUCH-SET"), std::nullopt);
}

}  // namespace
}  // namespace merrith::posix
