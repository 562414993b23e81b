#include "venue/qr_code.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace merrith {
namespace {

// The Reed-Solomon codewords of two worked examples of version 1-M: the standard's own
// "01234567" in numeric mode and the usual tutorial's "HELLO WORLD" in alphanumeric mode, their
// 16 data codewords in and 10 error correction codewords out.
TEST(QrErrorCorrection, GivesTheCodewordsOfTheWorkedExamples) {
  struct Case {
    std::vector<std::uint8_t> Data;
    std::vector<std::uint8_t> Correction;
  };
  // clang-format off
  const Case Cases[] = {
      {{0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11},
       {0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}},
      {{32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236, 17, 236, 17},
       {196, 35, 39, 119, 235, 215, 231, 226, 93, 23}},
  };
  // clang-format on
  for (const Case& C : Cases) EXPECT_EQ(QrErrorCorrection(C.Data, 10), C.Correction);
}

// The format information of level M with each mask, and the version information of versions 7
// to 10, as the standard's tables print them.
TEST(QrFormatBits, ReadAsTheStandardsTables) {
  const std::uint32_t LevelM[8] = {0b101010000010010, 0b101000100100101, 0b101111001111100,
                                   0b101101101001011, 0b100010111111001, 0b100000011001110,
                                   0b100111110010111, 0b100101010100000};
  for (int Mask = 0; Mask < 8; ++Mask) EXPECT_EQ(QrFormatBits(Mask), LevelM[Mask]) << Mask;
  EXPECT_EQ(QrVersionBits(7), 0x07C94U);
  EXPECT_EQ(QrVersionBits(8), 0x085BCU);
  EXPECT_EQ(QrVersionBits(9), 0x09A99U);
  EXPECT_EQ(QrVersionBits(10), 0x0A4D3U);
}

// The smallest version that holds the bytes is chosen, up to 10; longer text has no code.
TEST(EncodeQr, TakesTheSmallestVersionThatHoldsTheBytes) {
  struct Case {
    std::size_t Bytes;
    int Version;
  };
  const Case Cases[] = {
      { 14,  1},
      { 15,  2},
      { 62,  4},
      { 63,  5},
      {213, 10},
      {214,  0}
  };
  for (const Case& C : Cases) {
    const std::optional<QrCode> Code = EncodeQr(std::string(C.Bytes, 'a'));
    ASSERT_EQ(Code.has_value(), C.Version != 0) << C.Bytes;
    if (!Code) continue;
    EXPECT_EQ(Code->Version, C.Version) << C.Bytes;
    EXPECT_EQ(Code->Size, 17 + 4 * C.Version);
  }
}

// The function patterns stand where a reader looks for them: the three finder patterns, the
// timing patterns, the dark module, and the format information around the top left finder
// read back as the mask chosen.
TEST(EncodeQr, DrawsTheFunctionPatternsAndTheFormatOfTheMaskChosen) {
  const std::string Url = "http://192.168.1.20:8080/pad#abcdefghijklmnopqrstuvwxyz";
  for (int Mask = 0; Mask < 8; ++Mask) {
    const std::optional<QrCode> Code = EncodeQr(Url, Mask);
    ASSERT_TRUE(Code);
    const int S = Code->Size;
    for (const auto& [Row, Column] : {
             std::pair{    0,     0},
             std::pair{    0, S - 7},
             std::pair{S - 7,     0}
    }) {
      EXPECT_TRUE(Code->At(Row + 3, Column + 3));   // the centre
      EXPECT_FALSE(Code->At(Row + 1, Column + 1));  // the light ring
      EXPECT_TRUE(Code->At(Row, Column + 6));       // the dark ring
    }
    for (int I = 8; I < S - 8; ++I) {
      EXPECT_EQ(Code->At(6, I), I % 2 == 0);
      EXPECT_EQ(Code->At(I, 6), I % 2 == 0);
    }
    EXPECT_TRUE(Code->At(S - 8, 8));
    std::uint32_t Format = 0;
    for (int I = 0; I <= 5; ++I) Format |= static_cast<std::uint32_t>(Code->At(I, 8)) << I;
    Format |= static_cast<std::uint32_t>(Code->At(7, 8)) << 6;
    Format |= static_cast<std::uint32_t>(Code->At(8, 8)) << 7;
    Format |= static_cast<std::uint32_t>(Code->At(8, 7)) << 8;
    for (int I = 9; I < 15; ++I) Format |= static_cast<std::uint32_t>(Code->At(8, 14 - I)) << I;
    EXPECT_EQ(Format, QrFormatBits(Mask));
  }
}

// The picture: one square path of dark modules inside four modules of quiet zone.
TEST(QrSvg, DrawsTheModulesInsideAQuietZone) {
  const std::optional<QrCode> Code = EncodeQr("J1");
  ASSERT_TRUE(Code);
  const std::string Svg = QrSvg(*Code, 100);
  EXPECT_NE(Svg.find("viewBox=\"0 0 29 29\""), std::string::npos);
  EXPECT_NE(Svg.find("M4 4h1v1h-1z"), std::string::npos);  // the top left finder's corner
  EXPECT_EQ(Svg.find("M3 "), std::string::npos);
}

}  // namespace
}  // namespace merrith
