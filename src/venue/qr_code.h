#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// A QR code symbol: Size by Size modules, each dark or light, row by row.
struct QrCode {
  int Version = 1;  // 1 to 10
  int Mask = 0;     // the data mask chosen, 0 to 7
  int Size = 21;    // 17 + 4 * Version
  std::vector<bool> Dark;

  bool At(int Row, int Column) const {
    return Dark[static_cast<std::size_t>(Row) * static_cast<std::size_t>(Size) +
                static_cast<std::size_t>(Column)];
  }
};

// Bytes as the smallest QR code of versions 1 to 10 that holds them in byte mode at error
// correction level M (15 % of the symbol may be lost), its mask chosen by the standard's penalty
// rules, or Mask where one is given; nothing where they are longer than version 10 holds (213
// bytes).
std::optional<QrCode> EncodeQr(std::string_view Bytes, std::optional<int> Mask = std::nullopt);

// The symbol as an SVG picture, four light modules of quiet zone around it, Pixels wide.
std::string QrSvg(const QrCode& Code, int Pixels);

// The 15 bits of format information for level M and mask Mask (0 to 7), masked as written.
std::uint32_t QrFormatBits(int Mask);
// The 18 bits of version information of Version (7 and up).
std::uint32_t QrVersionBits(int Version);
// The Count error correction codewords of Data, by Reed-Solomon over GF(256).
std::vector<std::uint8_t> QrErrorCorrection(std::span<const std::uint8_t> Data, std::size_t Count);

}  // namespace merrith
