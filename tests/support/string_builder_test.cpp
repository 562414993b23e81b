#include "support/string_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/text_decoding.h"

namespace merrith {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CStringBuilder, JoinsPiecesInTheOrderAppended) {
  CStringBuilder Builder;
  EXPECT_EQ(Builder.ToString(), u"");
  Builder.Append(u"a").Append(u"b");
  Builder.Append(u"");
  EXPECT_EQ(Builder.PieceCount(), 3);
  Builder.AppendLine(u"x");
  Builder.AppendLine(u"");
  EXPECT_EQ(Builder.PieceCount(), 7);
  EXPECT_EQ(Builder.ToString(), u"abx\r\n\r\n");
  EXPECT_EQ(Builder.ToString(), u"abx\r\n\r\n");
  EXPECT_EQ(Builder.PieceCount(), 7);
}

TEST(CStringBuilder, StartsAfreshAfterReset) {
  CStringBuilder Builder;
  Builder.Append(u"old");
  Builder.Reset();
  EXPECT_EQ(Builder.PieceCount(), 0);
  EXPECT_EQ(Builder.ToString(), u"");
  Builder.Append(u"new");
  EXPECT_EQ(Builder.ToString(), u"new");
}

TEST(CStringBuilder, KeepsItsOwnCopyOfEachPiece) {
  CStringBuilder Builder;
  std::u16string Piece = u"105B";
  Builder.Append(Piece);
  Piece[0] = u'2';
  EXPECT_EQ(Builder.ToString(), u"105B");
}

TEST(CStringBuilder, EncodesAsUtf16LeWithoutMark) {
  CStringBuilder Builder;
  EXPECT_EQ(Builder.ToArray(), Bytes{});
  Builder.Append(u"AB\u00E9");
  EXPECT_EQ(Builder.ToArray(), (Bytes{0x41, 0x00, 0x42, 0x00, 0xE9, 0x00}));
}

TEST(CStringBuilder, EncodesAsUtf8) {
  CStringBuilder Builder;
  Builder.Append(u"\uFEFF").Append(u"<");
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), (Bytes{0xEF, 0xBB, 0xBF, 0x3C}));
  Builder.Reset();
  Builder.Append(u"A\u00E9");
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), (Bytes{0x41, 0xC3, 0xA9}));
}

TEST(CStringBuilder, GivesNoBytesForTheEmptyText) {
  CStringBuilder Builder;
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), Bytes{});
  EXPECT_EQ(Builder.ToAnsiArray(1033), Bytes{});
  Builder.Append(u"");
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), Bytes{});
}

TEST(CStringBuilder, RejectsAnUnknownCodePage) {
  CStringBuilder Builder;
  Builder.Append(u"105B");
  EXPECT_THROW(Builder.ToAnsiArrayByCP(-7), std::out_of_range);
}

// A surrogate pair split over two appends, or over the builder's internal blocks, is still one
// character; an unpaired surrogate becomes U+FFFD.
TEST(CStringBuilder, EncodesSurrogatePairsAcrossPieces) {
  const std::u16string Wave = u"\U0001F30A";
  CStringBuilder Builder;
  Builder.Append(Wave.substr(0, 1)).Append(Wave.substr(1));
  EXPECT_EQ(Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8), (Bytes{0xF0, 0x9F, 0x8C, 0x8A}));

  Builder.Reset();
  std::u16string Long(32767, u'a');
  Long += Wave;
  Long += std::u16string(1, 0xDC00);
  Builder.Append(Long);
  Builder.Append(u"b");
  const Bytes Utf8 = Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8);
  const Bytes Tail(Utf8.end() - 8, Utf8.end());
  EXPECT_EQ(Tail, (Bytes{0xF0, 0x9F, 0x8C, 0x8A, 0xEF, 0xBF, 0xBD, 'b'}));
  EXPECT_EQ(Utf8.size(), 32767U + 8U);
  EXPECT_EQ(Builder.ToString(), Long + u"b");
}

}  // namespace
}  // namespace merrith
