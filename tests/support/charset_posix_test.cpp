#include "support/charset_posix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/text_decoding.h"
#include "support/utf8.h"

// glibc 2.36 keeps the search path of every newlocale() call for good while LOCPATH is set, as
// it is for the locales these tests compile; the leak is glibc's, not ours. LeakSanitizer asks
// the program for suppressions by this name.
extern "C" const char* __lsan_default_suppressions() { return "leak:argz_add_sep\n"; }

namespace merrith::posix {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A document Merrith wrote in UTF-8 reads as UTF-8 under every locale; other bytes read in the
// locale's character set where it reads them all, else as Windows-1252, and say which. The
// locales other than C and C.UTF-8 are those the build compiles.
TEST(DecodeDocument, ReadsUtf8AsUtf8AndOtherBytesInTheLocalesSetOrWindows1252) {
  const std::u16string Names = u"Zo\u00EB \u00C5str\u00F6m, Jos\u00E9 M\u00FCller, \u00C6gir";
  const Bytes Utf8 = EncodeUtf8(Names);
  const Bytes Latin1(Names.begin(), Names.end());
  const std::u16string Windows1252(mFSO::Windows1252Name);
  const Bytes Quotes = {0x93, 'Z', 'o', 0xEB, 0x94, ' ', 0x80, 0x81};
  // clang-format off
  struct Row { const char *Locale, *Charset; Bytes In; std::u16string Text, FellBackTo; };
  const Row Rows[] = {
      {"C.UTF-8",          "UTF-8",          Utf8,   Names, u""},
      {"en_US.ISO-8859-1", "ISO-8859-1",     Utf8,   Names, u""},
      {"ja_JP.EUC-JP",     "EUC-JP",         Utf8,   Names, u""},
      {"C",                "ANSI_X3.4-1968", Latin1, Names, Windows1252},
      {"en_US.ISO-8859-1", "ISO-8859-1",     Latin1, Names, Windows1252},
      {"en_US.ISO-8859-1", "ISO-8859-1",     Quotes, u"\u201CZo\u00EB\u201D \u20AC\u0081",
                                                                                   Windows1252},
      {"ja_JP.EUC-JP",     "EUC-JP",         Latin1, Names, Windows1252},
      {"ja_JP.EUC-JP",     "EUC-JP",         {0xBB, 0xB3, 0xC5, 0xC4}, u"\u5C71\u7530", u"EUC-JP"},
      {"C.UTF-8",          "UTF-8",          Quotes, u"\u201CZo\u00EB\u201D \u20AC\u0081",
                                                                                   Windows1252},
  };
  // clang-format on
  setenv("LOCPATH", MERRITH_TEST_LOCALES, 1);
  for (const Row& R : Rows) {
    setenv("LC_ALL", R.Locale, 1);
    ASSERT_EQ(LocaleCharset(), R.Charset) << "the build compiles " << R.Locale << " (localedef)";
    const mFSO::DecodedDocument Read = mFSO::DecodeDocument(R.In);
    EXPECT_EQ(Read.Text, R.Text) << R.Locale;
    EXPECT_EQ(Read.FellBackTo, R.FellBackTo) << R.Locale;
  }
  unsetenv("LC_ALL");
}

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
