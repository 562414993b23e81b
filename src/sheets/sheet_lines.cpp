#include "sheets/sheet_lines.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "support/trim_white.h"
#include "support/words.h"

namespace merrith {
namespace {

bool IsDigit(char16_t C) { return C >= u'0' && C <= u'9'; }

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

std::vector<std::u16string_view> SplitWords(std::u16string_view Line) {
  std::vector<std::u16string_view> Words;
  std::size_t At = 0;
  while (At < Line.size()) {
    while (At < Line.size() && mXMLParser::IsWhiteUnit(Line[At])) ++At;
    const std::size_t Start = At;
    while (At < Line.size() && !mXMLParser::IsWhiteUnit(Line[At])) ++At;
    if (At > Start) Words.push_back(Line.substr(Start, At - Start));
  }
  return Words;
}

bool IsDiveLine(std::u16string_view Line) {
  if (Line.empty()) return false;
  if (IsDigit(Line[0])) return true;
  const std::vector<std::u16string_view> Words = SplitWords(Line.substr(0, 16));
  return Words.size() >= 2 && SameWord(Words[0], u"round") && IsDigit(Words[1][0]);
}

std::vector<std::u16string> DiveLineWords(std::u16string_view Line) {
  std::vector<std::u16string_view> Split = SplitWords(Line);
  std::vector<std::u16string> Words;
  // A round's number with no dive after it is read as the code, which then is no dive.
  std::size_t I = RoundWords(Split) < Split.size() ? RoundWords(Split) : 0;
  if (I == 0 && !Split.empty()) {  // "1)107B": the mark glued to the code
    const std::size_t Mark = Split[0].find(u')');
    if (Mark != std::u16string_view::npos && Mark + 1 < Split[0].size() &&
        IsRoundNumber(Split[0].substr(0, Mark + 1), true))
      Split[0].remove_prefix(Mark + 1);
  }
  for (; I < Split.size(); ++I) {
    std::u16string Word(Split[I]);
    const bool Code = Words.empty();
    const bool Next = I + 1 < Split.size();
    // A position letter apart from its number: "207 C".
    if (Code && Next && TakesPosition(Word, Split[I + 1])) {
      Word += Split[++I];
    } else if (!Code && Next && Word.find_first_not_of(u"0123456789.") == std::u16string::npos &&
               HeightWritten(Word, true) != nullptr && IsMetres(Split[I + 1])) {
      Word += u"m";  // "3 m", "3 metre"
      ++I;
    }
    Words.push_back(std::move(Word));
  }
  return Words;
}

bool TakesPosition(std::u16string_view Code, std::u16string_view Letter) {
  return !Code.empty() && (IsDigit(Code.back()) || Code.back() == u')') && Letter.size() == 1 &&
         std::u16string_view(u"ABCDEabcde").find(Letter[0]) != std::u16string_view::npos;
}

const Height* HeightWritten(std::u16string_view Text, bool Bare) {
  const std::vector<std::u16string_view> Words = SplitWords(Text);
  if (Words.size() == 2 && IsMetres(Words[1])) return HeightWritten(Words[0], true);
  if (Words.size() != 1) return nullptr;
  std::u16string Word(Words[0]);
  if (const Height* H = HeightNamed(std::u16string_view(Word))) return H;
  // The number before a unit written out: "3metres".
  const std::size_t Unit = static_cast<std::size_t>(
      std::find_if(Word.begin(), Word.end(), [](char16_t C) { return !IsDigit(C) && C != u'.'; }) -
      Word.begin());
  if (Unit == Word.size() ? !Bare : !IsMetres(std::u16string_view(Word).substr(Unit)))
    return nullptr;
  Word.resize(Unit);
  return HeightNamed(std::u16string_view(Word + u"m"));
}

}  // namespace merrith
