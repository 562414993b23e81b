#include "support/string_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CStringBuilder, JoinsOwnCopiesOfThePiecesInTheOrderAppended) {
  CStringBuilder Builder;
  std::u16string Piece = u"a";
  Builder.Append(Piece).Append(u"b");
  Piece[0] = u'z';
  Builder.Append(u"");
  Builder.AppendLine(u"x").AppendLine(u"");
  EXPECT_EQ(Builder.ToString(), u"abx\r\n\r\n");
  EXPECT_EQ(Builder.ToString(), u"abx\r\n\r\n");

  Builder.Reset();
  EXPECT_EQ(Builder.ToString(), u"");
  EXPECT_EQ(Builder.Append(u"new").ToString(), u"new");
}

TEST(CStringBuilder, GivesNoBytesForTheEmptyTextAndRejectsAnUnknownCodePage) {
  CStringBuilder Builder;
  EXPECT_EQ(Builder.Append(u"").ToAnsiArray(1033), Bytes{});
  EXPECT_THROW(Builder.Append(u"105B").ToAnsiArrayByCP(-7), std::out_of_range);
}

// A surrogate pair split over two appends, or over the builder's internal blocks, is still one
// character; an unpaired surrogate becomes U+FFFD.
TEST(CStringBuilder, EncodesSurrogatePairsAcrossPieces) {
  const std::u16string Wave = u"\U0001F30A";
  CStringBuilder Builder;
  Builder.Append(Wave.substr(0, 1)).Append(Wave.substr(1));
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), (Bytes{0xF0, 0x9F, 0x8C, 0x8A}));

  Builder.Reset();
  const std::u16string Long = std::u16string(32767, u'a') + Wave + char16_t(0xDC00);
  Builder.Append(Long).Append(u"b");
  const Bytes Utf8 = Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8);
  EXPECT_EQ(Bytes(Utf8.end() - 8, Utf8.end()),
            (Bytes{0xF0, 0x9F, 0x8C, 0x8A, 0xEF, 0xBF, 0xBD, 'b'}));
  EXPECT_EQ(Utf8.size(), 32767U + 8U);
  EXPECT_EQ(Builder.ToString(), Long + u"b");
}

// Pieces below U+0100 are kept a byte each until a wider piece comes into their block; the text
// and its encodings are those of the pieces either way, with no byte-order mark added.
TEST(CStringBuilder, GivesTheTextOfThePiecesInEachEncoding) {
  const std::u16string Long(40000, u'x');  // beyond one block
  // clang-format off
  const std::vector<std::vector<std::u16string>> Scripts = {
      {u""},                                // no bytes at all
      {u"\uFEFF", u"<"},                    // the text's own mark only
      {u"A\u00E9"},                         // narrow, Latin-1 beyond ASCII
      {u"a\u00E9", u"\u20AC", u"b"},        // widened after a Latin-1 piece
      {Long, u"\u20AC", u"<td>"},           // a full narrow block, then a wide piece
      {u"\u20AC<td>", Long, u"\u00E9\r"},   // wide from the start, over a block edge
  };
  // clang-format on
  for (const std::vector<std::u16string>& Pieces : Scripts) {
    CStringBuilder Builder;
    std::u16string Text;
    Bytes Utf16Le;
    for (const std::u16string& Piece : Pieces) {
      Builder.Append(Piece);
      Text += Piece;
    }
    for (const char16_t Unit : Text)
      Utf16Le.insert(Utf16Le.end(),
                     {static_cast<std::uint8_t>(Unit), static_cast<std::uint8_t>(Unit >> 8)});
    EXPECT_EQ(Builder.ToString(), Text);
    EXPECT_EQ(Builder.ToArray(), Utf16Le);
    EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), EncodeUtf8(Text));
  }
}

}  // namespace
}  // namespace merrith
