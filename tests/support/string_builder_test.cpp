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

// Pieces below U+0100 are kept a byte each until a wider piece comes into their block; the text
// and its encodings are those of the pieces either way, with no byte-order mark added. A
// surrogate pair split over two appends, or over the builder's blocks, is still one character.
TEST(CStringBuilder, GivesTheTextOfThePiecesInEachEncoding) {
  const std::u16string Long(40000, u'x');  // beyond one block
  const std::u16string Wave = u"\U0001F30A";
  const std::u16string ToEdge = std::u16string(32767, u'a') + Wave;
  // clang-format off
  const std::vector<std::vector<std::u16string>> Scripts = {
      {u""},                                // no bytes at all
      {u"\uFEFF", u"<"},                    // the text's own mark only
      {u"A\u00E9"},                         // narrow, Latin-1 beyond ASCII
      {u"a\u00E9", u"\u20AC", u"b"},        // widened after a Latin-1 piece
      {Long, u"\u20AC", u"<td>"},           // a full narrow block, then a wide piece
      {u"\u20AC<td>", Long, u"\u00E9\r"},   // wide from the start, over a block edge
      {Wave.substr(0, 1), Wave.substr(1)},  // a pair over two appends
      {ToEdge, std::u16string(1, 0xDC00)},  // a pair over a block edge, then half a pair
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
