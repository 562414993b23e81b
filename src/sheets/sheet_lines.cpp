#include "sheets/sheet_lines.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

bool AllDigits(std::u16string_view Word) {
  return !Word.empty() && std::all_of(Word.begin(), Word.end(), IsDigit);
}

// A round's number as a line starts with it: one or two digits, then nothing or a mark
// ("1", "1.", "1)", "1:").
bool IsRoundNumber(std::u16string_view Word, bool Marked) {
  if (Marked) {
    if (Word.size() < 2) return false;
    const char16_t Mark = Word.back();
    if (Mark != u'.' && Mark != u')' && Mark != u':') return false;
    Word.remove_suffix(1);
  }
  return Word.size() <= 2 && AllDigits(Word);
}

// The words that stand for metres after a height's number.
constexpr std::u16string_view MetreWords[] = {u"m", u"metre", u"metres", u"meter", u"meters"};

bool IsMetres(std::u16string_view Word) {
  return std::any_of(std::begin(MetreWords), std::end(MetreWords),
                     [Word](std::u16string_view M) { return SameWord(M, Word); });
}

// How many words in front of Words are the round's number: "1.", "1)", "Round 1:", or a
// number alone before a word that starts with a digit.
std::size_t RoundWords(const std::vector<std::u16string_view>& Words) {
  if (Words.size() < 2) return 0;
  if (SameWord(Words[0], u"round")) {
    if (IsRoundNumber(Words[1], true)) return 2;
    if (Words.size() > 2 && IsRoundNumber(Words[1], false) && Words[2] == u":") return 3;
    return IsRoundNumber(Words[1], false) ? 2 : 0;
  }
  if (IsRoundNumber(Words[0], true)) return 1;
  return IsRoundNumber(Words[0], false) && IsDigit(Words[1][0]) ? 1 : 0;
}

}  // namespace

std::u16string_view NextWord(std::u16string_view& Rest) {
  std::size_t Start = 0;
  while (Start < Rest.size() && mXMLParser::IsWhiteUnit(Rest[Start])) ++Start;
  std::size_t End = Start;
  while (End < Rest.size() && !mXMLParser::IsWhiteUnit(Rest[End])) ++End;
  const std::u16string_view Word = Rest.substr(Start, End - Start);
  Rest.remove_prefix(End);
  return Word;
}

bool IsDiveLine(std::u16string_view Line) {
  if (Line.empty()) return false;
  if (IsDigit(Line[0])) return true;
  std::u16string_view Start = Line.substr(0, 16);
  const std::u16string_view First = NextWord(Start);
  const std::u16string_view Second = NextWord(Start);
  return !Second.empty() && SameWord(First, u"round") && IsDigit(Second[0]);
}

std::span<const std::u16string_view> DiveLineWords::Read(std::u16string_view Line) {
  Words.clear();
  for (std::u16string_view Rest = Line, Word = NextWord(Rest); !Word.empty(); Word = NextWord(Rest))
    Words.push_back(Word);
  // Mostly a code alone, with nothing to take apart or join.
  if (Words.size() == 1 && Words[0].find(u')') == std::u16string_view::npos) return Words;
  // A word made of two is shorter than the two and the space between them on the line: the
  // room never grows while the words point into it.
  Joined.clear();
  Joined.reserve(Line.size());
  const auto Join = [this](std::u16string_view Word, std::u16string_view Then) {
    const std::size_t Start = Joined.size();
    Joined += Word;
    Joined += Then;
    return std::u16string_view(Joined).substr(Start);
  };
  // A round's number with no dive after it is read as the code, which then is no dive.
  std::size_t I = RoundWords(Words);
  if (I >= Words.size()) I = 0;
  if (I == 0 && !Words.empty()) {  // "1)107B": the mark glued to the code
    const std::size_t Mark = Words[0].find(u')');
    if (Mark != std::u16string_view::npos && Mark + 1 < Words[0].size() &&
        IsRoundNumber(Words[0].substr(0, Mark + 1), true))
      Words[0].remove_prefix(Mark + 1);
  }
  // The words as read take the place of those of the line, never ahead of the one being read.
  std::size_t Kept = 0;
  for (; I < Words.size(); ++I) {
    std::u16string_view Word = Words[I];
    const bool Code = Kept == 0;
    const bool Next = I + 1 < Words.size();
    // A position letter apart from its number: "207 C".
    if (Code && Next && TakesPosition(Word, Words[I + 1])) {
      Word = Join(Word, Words[++I]);
    } else if (!Code && Next &&
               Word.find_first_not_of(u"0123456789.") == std::u16string_view::npos &&
               HeightWritten(Word, true) != nullptr && IsMetres(Words[I + 1])) {
      Word = Join(Word, u"m");  // "3 m", "3 metre"
      ++I;
    }
    Words[Kept++] = Word;
  }
  Words.resize(Kept);
  return Words;
}

bool IsPositionLetter(std::u16string_view Letter) {
  return Letter.size() == 1 &&
         std::u16string_view(u"ABCDEabcde").find(Letter[0]) != std::u16string_view::npos;
}

bool TakesPosition(std::u16string_view Code, std::u16string_view Letter) {
  return !Code.empty() && (IsDigit(Code.back()) || Code.back() == u')') && IsPositionLetter(Letter);
}

const Height* HeightWritten(std::u16string_view Text, bool Bare) {
  const std::u16string_view Word = NextWord(Text);
  const std::u16string_view Unit = NextWord(Text);
  if (!NextWord(Text).empty()) return nullptr;
  if (!Unit.empty()) return IsMetres(Unit) ? HeightWritten(Word, true) : nullptr;
  if (Word.empty()) return nullptr;
  if (const Height* H = HeightNamed(Word)) return H;
  // The number before a unit written out: "3metres".
  const std::size_t Number = std::min(Word.find_first_not_of(u"0123456789."), Word.size());
  if (Number == Word.size() ? !Bare : !IsMetres(Word.substr(Number))) return nullptr;
  return HeightNamed(std::u16string_view(std::u16string(Word.substr(0, Number)) + u"m"));
}

}  // namespace merrith
