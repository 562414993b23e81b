#include "venue/qr_code.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace merrith {
namespace {

// Error correction level M for versions 1 to 10, as the standard's table of error correction
// characteristics gives it: the codewords of the symbol, the error correction codewords of each
// block, and the blocks of the two groups with their data codewords. Where the two groups differ,
// the second's blocks hold one data codeword more.
struct VersionRow {
  int Version;
  int Codewords;
  int EcEach;
  int Blocks1;
  int Data1;
  int Blocks2;
  int Data2;
};
// clang-format off
constexpr std::array<VersionRow, 10> LevelM{{
  // version  codewords  ec per block  group 1 blocks  data each  group 2 blocks  data each
    { 1,              26,           10,              1,        16,              0,         0},
    { 2,              44,           16,              1,        28,              0,         0},
    { 3,              70,           26,              1,        44,              0,         0},
    { 4,             100,           18,              2,        32,              0,         0},
    { 5,             134,           24,              2,        43,              0,         0},
    { 6,             172,           16,              4,        27,              0,         0},
    { 7,             196,           18,              4,        31,              0,         0},
    { 8,             242,           22,              2,        38,              2,        39},
    { 9,             292,           22,              3,        36,              2,        37},
    {10,             346,           26,              4,        43,              1,        44},
}};
// clang-format on

constexpr int DataCodewords(const VersionRow& R) {
  return R.Blocks1 * R.Data1 + R.Blocks2 * R.Data2;
}

constexpr bool TablesAddUp() {
  for (std::size_t I = 0; I < LevelM.size(); ++I) {
    const VersionRow& R = LevelM[I];
    if (R.Version != static_cast<int>(I) + 1) return false;
    if (DataCodewords(R) + (R.Blocks1 + R.Blocks2) * R.EcEach != R.Codewords) return false;
    if (R.Blocks2 != 0 && R.Data2 != R.Data1 + 1) return false;
  }
  return true;
}
static_assert(TablesAddUp(), "each version's blocks add up to its codewords");

// The centres of the alignment patterns, rows and columns alike, of versions 2 to 10.
// clang-format off
constexpr std::array<std::array<int, 3>, 10> AlignmentCentres{{
  // version 1 has none
    {},
    { 6, 18},
    { 6, 22},
    { 6, 26},
    { 6, 30},
    { 6, 34},
    { 6, 22, 38},
    { 6, 24, 42},
    { 6, 26, 46},
    { 6, 28, 50},
}};
// clang-format on

// The penalty weights of the mask evaluation: runs, blocks, finder-like patterns, balance.
constexpr int PenaltyRun = 3;
constexpr int PenaltyBlock = 3;
constexpr int PenaltyFinder = 40;
constexpr int PenaltyBalance = 10;

// Multiplication in GF(256) modulo the standard's polynomial x^8 + x^4 + x^3 + x^2 + 1.
std::uint8_t Times(std::uint8_t A, std::uint8_t B) {
  unsigned Product = 0;
  for (int Bit = 7; Bit >= 0; --Bit) {
    Product = (Product << 1) ^ ((Product >> 7) * 0x11DU);
    if (((B >> Bit) & 1) != 0) Product ^= A;
  }
  return static_cast<std::uint8_t>(Product);
}

// A symbol being drawn: the modules, and which of them are function patterns that the data and
// the mask leave alone.
class CSymbol {
 public:
  explicit CSymbol(int Number)
      : Version(Number), Size(17 + 4 * Number), Dark(Cells(), false), Function(Cells(), false) {}

  void Set(int Row, int Column, bool IsDark) {
    Dark[Index(Row, Column)] = IsDark;
    Function[Index(Row, Column)] = true;
  }
  bool IsFunction(int Row, int Column) const { return Function[Index(Row, Column)]; }

  void DrawFunctionPatterns() {
    for (int I = 0; I < Size; ++I) {
      Set(6, I, I % 2 == 0);
      Set(I, 6, I % 2 == 0);
    }
    DrawFinder(3, 3);
    DrawFinder(3, Size - 4);
    DrawFinder(Size - 4, 3);
    const std::array<int, 3>& Centres = AlignmentCentres[static_cast<std::size_t>(Version - 1)];
    for (const int Row : Centres)
      for (const int Column : Centres) {
        // None on the finder patterns' corners.
        const bool OnFinder = (Row == 6 && Column == 6) || (Row == 6 && Column == Size - 7) ||
                              (Row == Size - 7 && Column == 6);
        if (Row != 0 && Column != 0 && !OnFinder) DrawAlignment(Row, Column);
      }
    DrawFormat(0);  // reserved now, written with the mask chosen
    DrawVersion();
  }

  void DrawFormat(int Mask) {
    const std::uint32_t Bits = QrFormatBits(Mask);
    const auto Bit = [Bits](int I) { return ((Bits >> I) & 1U) != 0; };
    // Around the top left finder pattern.
    for (int I = 0; I <= 5; ++I) Set(I, 8, Bit(I));
    Set(7, 8, Bit(6));
    Set(8, 8, Bit(7));
    Set(8, 7, Bit(8));
    for (int I = 9; I < 15; ++I) Set(8, 14 - I, Bit(I));
    // Again beside the other two, and the one module always dark.
    for (int I = 0; I < 8; ++I) Set(8, Size - 1 - I, Bit(I));
    for (int I = 8; I < 15; ++I) Set(Size - 15 + I, 8, Bit(I));
    Set(Size - 8, 8, true);
  }

  void DrawVersion() {
    if (Version < 7) return;
    const std::uint32_t Bits = QrVersionBits(Version);
    for (int I = 0; I < 18; ++I) {
      const bool IsDark = ((Bits >> I) & 1U) != 0;
      const int Across = Size - 11 + I % 3;
      const int Down = I / 3;
      Set(Down, Across, IsDark);
      Set(Across, Down, IsDark);
    }
  }

  // The codewords along the symbol in two-module columns, upwards and downwards in turn from
  // the bottom right, past the function patterns and the vertical timing pattern.
  void DrawCodewords(const std::vector<std::uint8_t>& Codewords) {
    std::size_t Bit = 0;
    const std::size_t Bits = Codewords.size() * 8;
    for (int Right = Size - 1; Right >= 1; Right -= 2) {
      if (Right == 6) Right = 5;
      const bool Upward = ((Right + 1) & 2) == 0;
      for (int Step = 0; Step < Size; ++Step) {
        const int Row = Upward ? Size - 1 - Step : Step;
        for (int Column = Right; Column >= Right - 1; --Column) {
          if (IsFunction(Row, Column) || Bit >= Bits) continue;
          Dark[Index(Row, Column)] = ((Codewords[Bit / 8] >> (7 - Bit % 8)) & 1) != 0;
          ++Bit;
        }
      }
    }
  }

  // Turns over the data modules that Mask picks (applying it twice takes it off).
  void ApplyMask(int Mask) {
    for (int Row = 0; Row < Size; ++Row)
      for (int Column = 0; Column < Size; ++Column)
        if (!IsFunction(Row, Column) && Masked(Mask, Row, Column))
          Dark[Index(Row, Column)] = !Dark[Index(Row, Column)];
  }

  int Penalty() const;

  QrCode Code(int Mask) const { return {Version, Mask, Size, Dark}; }

 private:
  std::size_t Cells() const {
    return static_cast<std::size_t>(Size) * static_cast<std::size_t>(Size);
  }
  std::size_t Index(int Row, int Column) const {
    return static_cast<std::size_t>(Row) * static_cast<std::size_t>(Size) +
           static_cast<std::size_t>(Column);
  }

  void DrawFinder(int Row, int Column) {
    for (int Down = -4; Down <= 4; ++Down)
      for (int Across = -4; Across <= 4; ++Across) {
        const int R = Row + Down;
        const int C = Column + Across;
        if (R < 0 || R >= Size || C < 0 || C >= Size) continue;
        const int Ring = std::max(std::abs(Down), std::abs(Across));
        Set(R, C, Ring != 2 && Ring != 4);
      }
  }
  void DrawAlignment(int Row, int Column) {
    for (int Down = -2; Down <= 2; ++Down)
      for (int Across = -2; Across <= 2; ++Across)
        Set(Row + Down, Column + Across, std::max(std::abs(Down), std::abs(Across)) != 1);
  }

  // The standard's eight data mask patterns, i the row and j the column.
  static bool Masked(int Mask, int I, int J) {
    switch (Mask) {
      case 0:
        return (I + J) % 2 == 0;
      case 1:
        return I % 2 == 0;
      case 2:
        return J % 3 == 0;
      case 3:
        return (I + J) % 3 == 0;
      case 4:
        return (I / 2 + J / 3) % 2 == 0;
      case 5:
        return I * J % 2 + I * J % 3 == 0;
      case 6:
        return (I * J % 2 + I * J % 3) % 2 == 0;
      default:
        return ((I + J) % 2 + I * J % 3) % 2 == 0;
    }
  }

  int Version;
  int Size;
  std::vector<bool> Dark;
  std::vector<bool> Function;
};

// The penalty points of a line of modules (a row or a column): runs of five or more alike, and
// the finder pattern's 1:1:3:1:1 with four light modules on either side.
int LinePenalty(const std::vector<bool>& Line) {
  int Points = 0;
  const int Size = static_cast<int>(Line.size());
  int Run = 1;
  for (int I = 1; I <= Size; ++I) {
    if (I < Size && Line[static_cast<std::size_t>(I)] == Line[static_cast<std::size_t>(I - 1)]) {
      ++Run;
      continue;
    }
    if (Run >= 5) Points += PenaltyRun + (Run - 5);
    Run = 1;
  }
  constexpr std::array<bool, 11> Before{true, false, true,  true,  true, false,
                                        true, false, false, false, false};
  constexpr std::array<bool, 11> After{false, false, false, false, true, false,
                                       true,  true,  true,  false, true};
  for (int Start = 0; Start + 11 <= Size; ++Start) {
    bool IsBefore = true;
    bool IsAfter = true;
    for (std::size_t K = 0; K < 11; ++K) {
      const bool M = Line[static_cast<std::size_t>(Start) + K];
      IsBefore = IsBefore && M == Before[K];
      IsAfter = IsAfter && M == After[K];
    }
    Points += (IsBefore ? PenaltyFinder : 0) + (IsAfter ? PenaltyFinder : 0);
  }
  return Points;
}

int CSymbol::Penalty() const {
  int Points = 0;
  for (int I = 0; I < Size; ++I) {
    std::vector<bool> Row(static_cast<std::size_t>(Size));
    std::vector<bool> Column(static_cast<std::size_t>(Size));
    for (int J = 0; J < Size; ++J) {
      Row[static_cast<std::size_t>(J)] = Dark[Index(I, J)];
      Column[static_cast<std::size_t>(J)] = Dark[Index(J, I)];
    }
    Points += LinePenalty(Row) + LinePenalty(Column);
  }
  int DarkCount = 0;
  for (int Row = 0; Row < Size; ++Row)
    for (int Column = 0; Column < Size; ++Column) {
      DarkCount += Dark[Index(Row, Column)] ? 1 : 0;
      if (Row + 1 == Size || Column + 1 == Size) continue;
      const bool M = Dark[Index(Row, Column)];
      if (M == Dark[Index(Row, Column + 1)] && M == Dark[Index(Row + 1, Column)] &&
          M == Dark[Index(Row + 1, Column + 1)])
        Points += PenaltyBlock;
    }
  // Ten points for each full 5 % that the dark modules stand off half of the symbol.
  const int Percent = DarkCount * 100 / (Size * Size);
  return Points + std::abs(Percent - 50) / 5 * PenaltyBalance;
}

// The data codewords: mode indicator, character count, the bytes, the terminator, padded to the
// version's capacity with 11101100 and 00010001 in turn.
std::vector<std::uint8_t> DataCodewordsOf(std::string_view Bytes, const VersionRow& R) {
  std::vector<bool> Bits;
  const auto Put = [&Bits](std::uint32_t Value, int Count) {
    for (int I = Count - 1; I >= 0; --I) Bits.push_back(((Value >> I) & 1U) != 0);
  };
  Put(0b0100, 4);
  Put(static_cast<std::uint32_t>(Bytes.size()), R.Version < 10 ? 8 : 16);
  for (const char C : Bytes) Put(static_cast<unsigned char>(C), 8);
  const std::size_t Capacity = static_cast<std::size_t>(DataCodewords(R)) * 8;
  for (int I = 0; I < 4 && Bits.size() < Capacity; ++I) Bits.push_back(false);
  while (Bits.size() % 8 != 0) Bits.push_back(false);
  std::vector<std::uint8_t> Codewords;
  for (std::size_t I = 0; I < Bits.size(); I += 8) {
    std::uint8_t Byte = 0;
    for (std::size_t K = 0; K < 8; ++K) Byte = static_cast<std::uint8_t>(Byte << 1 | Bits[I + K]);
    Codewords.push_back(Byte);
  }
  for (std::uint8_t Pad = 0xEC; Codewords.size() < Capacity / 8; Pad ^= 0xEC ^ 0x11)
    Codewords.push_back(Pad);
  return Codewords;
}

// The codewords in the order they are placed: the blocks' data codewords in turn, one of each
// block at a time, then their error correction codewords likewise.
std::vector<std::uint8_t> Interleaved(const std::vector<std::uint8_t>& Data, const VersionRow& R) {
  std::vector<std::vector<std::uint8_t>> Blocks;
  std::vector<std::vector<std::uint8_t>> Corrections;
  std::size_t At = 0;
  for (int B = 0; B < R.Blocks1 + R.Blocks2; ++B) {
    const auto Length = static_cast<std::size_t>(B < R.Blocks1 ? R.Data1 : R.Data2);
    Blocks.emplace_back(Data.begin() + static_cast<std::ptrdiff_t>(At),
                        Data.begin() + static_cast<std::ptrdiff_t>(At + Length));
    Corrections.push_back(QrErrorCorrection(Blocks.back(), static_cast<std::size_t>(R.EcEach)));
    At += Length;
  }
  std::vector<std::uint8_t> Out;
  for (std::size_t I = 0; I < static_cast<std::size_t>(std::max(R.Data1, R.Data2)); ++I)
    for (const std::vector<std::uint8_t>& Block : Blocks)
      if (I < Block.size()) Out.push_back(Block[I]);
  for (std::size_t I = 0; I < static_cast<std::size_t>(R.EcEach); ++I)
    for (const std::vector<std::uint8_t>& Block : Corrections) Out.push_back(Block[I]);
  return Out;
}

}  // namespace

std::uint32_t QrFormatBits(int Mask) {
  // Level M is 00; a BCH (15, 5) code, then the standard's mask 101010000010010.
  const auto Data = static_cast<std::uint32_t>(Mask);
  std::uint32_t Rest = Data;
  for (int I = 0; I < 10; ++I) Rest = (Rest << 1) ^ ((Rest >> 9) * 0x537U);
  return ((Data << 10) | Rest) ^ 0x5412U;
}

std::uint32_t QrVersionBits(int Version) {
  // A BCH (18, 6) code.
  const auto Data = static_cast<std::uint32_t>(Version);
  std::uint32_t Rest = Data;
  for (int I = 0; I < 12; ++I) Rest = (Rest << 1) ^ ((Rest >> 11) * 0x1F25U);
  return (Data << 12) | Rest;
}

std::vector<std::uint8_t> QrErrorCorrection(std::span<const std::uint8_t> Data, std::size_t Count) {
  // The generator polynomial (x - a^0)(x - a^1)...(x - a^(Count-1)), its leading 1 left out.
  std::vector<std::uint8_t> Generator(Count, 0);
  Generator[Count - 1] = 1;
  std::uint8_t Root = 1;
  for (std::size_t I = 0; I < Count; ++I) {
    for (std::size_t J = 0; J < Count; ++J) {
      Generator[J] = Times(Generator[J], Root);
      if (J + 1 < Count) Generator[J] ^= Generator[J + 1];
    }
    Root = Times(Root, 0x02);
  }
  // The remainder of Data times x^Count divided by it.
  std::vector<std::uint8_t> Rest(Count, 0);
  for (const std::uint8_t Byte : Data) {
    const auto Factor = static_cast<std::uint8_t>(Byte ^ Rest[0]);
    Rest.erase(Rest.begin());
    Rest.push_back(0);
    for (std::size_t I = 0; I < Count; ++I) Rest[I] ^= Times(Generator[I], Factor);
  }
  return Rest;
}

std::optional<QrCode> EncodeQr(std::string_view Bytes, std::optional<int> Mask) {
  const VersionRow* Row = nullptr;
  for (const VersionRow& R : LevelM) {
    // The mode indicator and the count take 12 bits (20 from version 10).
    const std::size_t Head = R.Version < 10 ? 12 : 20;
    if (Head + Bytes.size() * 8 <= static_cast<std::size_t>(DataCodewords(R)) * 8) {
      Row = &R;
      break;
    }
  }
  if (Row == nullptr) return std::nullopt;
  CSymbol Symbol(Row->Version);
  Symbol.DrawFunctionPatterns();
  Symbol.DrawCodewords(Interleaved(DataCodewordsOf(Bytes, *Row), *Row));
  int Best = Mask.value_or(0);
  if (!Mask) {
    int Lowest = 0;
    for (int M = 0; M < 8; ++M) {
      Symbol.ApplyMask(M);
      Symbol.DrawFormat(M);
      const int Points = Symbol.Penalty();
      if (M == 0 || Points < Lowest) {
        Lowest = Points;
        Best = M;
      }
      Symbol.ApplyMask(M);
    }
  }
  Symbol.ApplyMask(Best);
  Symbol.DrawFormat(Best);
  return Symbol.Code(Best);
}

std::string QrSvg(const QrCode& Code, int Pixels) {
  const int Side = Code.Size + 8;
  std::string Svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(Pixels) +
                    "\" height=\"" + std::to_string(Pixels) + "\" viewBox=\"0 0 " +
                    std::to_string(Side) + " " + std::to_string(Side) +
                    "\" shape-rendering=\"crispEdges\"><rect width=\"" + std::to_string(Side) +
                    "\" height=\"" + std::to_string(Side) + "\" fill=\"#fff\"/><path d=\"";
  for (int Row = 0; Row < Code.Size; ++Row)
    for (int Column = 0; Column < Code.Size; ++Column)
      if (Code.At(Row, Column))
        Svg += "M" + std::to_string(Column + 4) + " " + std::to_string(Row + 4) + "h1v1h-1z";
  return Svg + "\" fill=\"#000\"/></svg>";
}

}  // namespace merrith
