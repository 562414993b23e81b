#include "scoring/draw.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

// The lines of Text, each with its line end; the last given one where it had none.
std::vector<std::u16string> LinesWithEnds(std::u16string_view Text) {
  const std::size_t First = Text.find(u'\n');
  const std::u16string_view End =
      First != std::u16string_view::npos && First > 0 && Text[First - 1] == u'\r' ? u"\r\n" : u"\n";
  std::vector<std::u16string> Lines;
  for (std::size_t Start = 0; Start < Text.size();) {
    const std::size_t Stop = Text.find(u'\n', Start);
    if (Stop == std::u16string_view::npos) {
      Lines.emplace_back(std::u16string(Text.substr(Start)) + std::u16string(End));
      break;
    }
    Lines.emplace_back(Text.substr(Start, Stop + 1 - Start));
    Start = Stop + 1;
  }
  return Lines;
}

std::u16string_view Trimmed(const std::u16string& Line) { return mXMLParser::TrimWhiteView(Line); }

bool IsBlank(const std::u16string& Line) { return Trimmed(Line).empty(); }
bool IsComment(const std::u16string& Line) { return Trimmed(Line).starts_with(u'#'); }

// Line with its text replaced by Text, its line end kept.
std::u16string Replaced(const std::u16string& Line, std::u16string_view Text) {
  const std::size_t Body = Line.ends_with(u"\r\n") ? 2 : Line.ends_with(u'\n') ? 1 : 0;
  return std::u16string(Text) + Line.substr(Line.size() - Body);
}

// Where a diver's block stands, lines from 0: from its first line to its last own line.
struct Block {
  std::size_t First = 0;
  std::size_t Last = 0;
};

}  // namespace

std::uint64_t CDrawGenerator::Next() {
  State += 0x9E3779B97F4A7C15U;
  std::uint64_t Z = State;
  Z = (Z ^ (Z >> 30U)) * 0xBF58476D1CE4E5B9U;
  Z = (Z ^ (Z >> 27U)) * 0x94D049BB133111EBU;
  return Z ^ (Z >> 31U);
}

std::uint64_t CDrawGenerator::Below(std::uint64_t Bound) {
  // 2^64 mod Bound, in 64-bit arithmetic: (2^64 - Bound) mod Bound.
  const std::uint64_t Uneven = (0 - Bound) % Bound;
  for (;;) {
    const std::uint64_t Drawn = Next();
    if (Drawn >= Uneven) return Drawn % Bound;
  }
}

std::vector<std::size_t> DrawOrder(std::span<const std::u16string> Names, std::uint64_t Seed) {
  CDrawGenerator Draw(Seed);
  return DrawOrder(Names, Draw);
}

std::vector<std::size_t> DrawOrder(std::span<const std::u16string> Names, CDrawGenerator& Draw) {
  std::vector<std::size_t> Order(Names.size());
  std::iota(Order.begin(), Order.end(), std::size_t{0});
  std::stable_sort(Order.begin(), Order.end(),
                   [&Names](std::size_t A, std::size_t B) { return Names[A] < Names[B]; });
  for (std::size_t I = Order.size(); I > 1; --I)
    std::swap(Order[I - 1], Order[static_cast<std::size_t>(Draw.Below(I))]);
  return Order;
}

std::u16string SeedText(std::uint64_t Seed) {
  std::u16string Digits;
  do {
    Digits.insert(Digits.begin(), static_cast<char16_t>(u'0' + Seed % 10));
    Seed /= 10;
  } while (Seed > 0);
  return Digits;
}

std::optional<std::uint64_t> ReadSeed(std::u16string_view Text) {
  constexpr std::uint64_t Most = std::numeric_limits<std::uint64_t>::max();
  if (Text.empty()) return std::nullopt;
  std::uint64_t Seed = 0;
  for (const char16_t C : Text) {
    if (!IsDigit(C)) return std::nullopt;
    const auto Digit = static_cast<std::uint64_t>(C - u'0');
    if (Seed > (Most - Digit) / 10) return std::nullopt;
    Seed = Seed * 10 + Digit;
  }
  return Seed;
}

std::u16string DrawnText(std::u16string_view Text, const Competition& C,
                         std::span<const std::size_t> Order, std::uint64_t Seed) {
  std::vector<std::u16string> Lines = LinesWithEnds(Text);
  std::vector<bool> Status(Lines.size() + 1, false);
  for (const Entry& E : C.Entries)
    if (E.StatusLine != 0 && E.StatusLine <= Lines.size()) Status[E.StatusLine - 1] = true;
  // Each diver's block: its Diver: line and the comments just above it, to its last line that
  // is no blank line, comment or status.
  std::vector<Block> Blocks(C.Entries.size());
  for (std::size_t I = C.Entries.size(); I-- > 0;) {
    const std::size_t Stop = I + 1 < C.Entries.size() ? Blocks[I + 1].First : Lines.size();
    Block& B = Blocks[I];
    B.First = C.Entries[I].Line - 1;
    B.Last = B.First;
    for (std::size_t L = B.First + 1; L < Stop; ++L)
      if (!IsBlank(Lines[L]) && !IsComment(Lines[L]) && !Status[L]) B.Last = L;
    const std::size_t Floor = I > 0 ? C.Entries[I - 1].Line : 0;
    while (B.First > Floor && IsComment(Lines[B.First - 1])) --B.First;
  }
  const std::u16string Drawn = DrawLineText(Seed);
  std::vector<std::u16string> Out;
  Out.reserve(Lines.size() + 1);
  const std::size_t HeadEnd = Blocks.empty() ? Lines.size() : Blocks[0].First;
  std::size_t LastHeadLine = 0;  // after which a new Draw: line goes
  for (std::size_t L = 0; L < HeadEnd; ++L)
    if (!IsBlank(Lines[L]) && !IsComment(Lines[L])) LastHeadLine = L + 1;
  for (std::size_t L = 0; L < HeadEnd; ++L) {
    Out.push_back(L + 1 == C.DrawLine ? Replaced(Lines[L], Drawn) : Lines[L]);
    if (C.DrawLine == 0 && L + 1 == LastHeadLine) Out.push_back(Replaced(Lines[L], Drawn));
  }
  for (std::size_t Slot = 0; Slot < Blocks.size(); ++Slot) {
    const Block& Moved = Blocks[Order[Slot]];
    for (std::size_t L = Moved.First; L <= Moved.Last; ++L) Out.push_back(Lines[L]);
    const std::size_t GapEnd = Slot + 1 < Blocks.size() ? Blocks[Slot + 1].First : Lines.size();
    for (std::size_t L = Blocks[Slot].Last + 1; L < GapEnd; ++L) Out.push_back(Lines[L]);
  }
  std::u16string Joined;
  for (const std::u16string& Line : Out) Joined += Line;
  return Joined;
}

}  // namespace merrith
