#include "difficulty/parse_code.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

namespace merrith {
namespace {

// A code is cut into at most seven parts; an eighth makes it unreadable.
constexpr std::size_t MaxParts = 7;

// Where a part lies in its code's text: Size units from From. A plain pair, so that nothing
// clears the places before a code is cut (seven views cleared took longer than the cut): each
// part's place is written once, and the places of parts a code does not have never are.
struct PartPlace {
  std::size_t From;
  std::size_t Size;
};

// The parts of a code, as places in the code's text (a bracketed part without its brackets),
// and a letter after them where a number is read as if its position letter followed it.
struct Parts {
  std::u16string_view Code;
  std::u16string_view Letter;              // a part of its own after the code's; empty for none
  std::array<PartPlace, MaxParts> Places;  // the first Cut are set
  std::size_t Cut = 0;                     // the parts cut from the code
  std::size_t Count = 0;                   // and with the letter
  std::uint8_t Bracketed = 0;              // bit I set where part I was written in brackets
  std::uint8_t Digits = 0;  // bit I set where part I, read as a number, is digits and nothing else

  // The text of part I; empty where there is no part I.
  std::u16string_view Text(std::size_t I) const {
    if (I < Cut) return std::u16string_view(Code.data() + Places[I].From, Places[I].Size);
    return I == Cut ? Letter : std::u16string_view();
  }
};

// The bit of part I in the masks of Parts.
constexpr std::uint8_t PartBit(std::size_t I) { return static_cast<std::uint8_t>(1U << I); }

constexpr char16_t UpperUnit(char16_t C) {
  return (C >= u'a' && C <= u'z') ? static_cast<char16_t>(C - (u'a' - u'A')) : C;
}

constexpr bool IsDigit(char16_t C) { return C >= u'0' && C <= u'9'; }

// Cuts Code into single characters and bracketed groups, and Letter (when not empty) after them
// as one more part. Fails when a bracket is not closed or when there would be an eighth part.
bool SplitIntoParts(std::u16string_view Code, std::u16string_view Letter, Parts& Result) {
  Result.Code = Code;
  Result.Letter = Letter;
  std::size_t Count = 0;
  std::size_t i = 0;
  while (i < Code.size()) {
    PartPlace Place{i, 1};
    const bool Bracket = Code[i] == u'(';
    if (Bracket) {
      const std::size_t Close = Code.find(u')', i + 1);
      if (Close == std::u16string_view::npos) return false;
      Place = {i + 1, Close - i - 1};
      i = Close + 1;
    } else {
      ++i;
    }
    if (Count == MaxParts) return false;
    if (Bracket) Result.Bracketed |= PartBit(Count);
    Result.Places[Count++] = Place;
  }
  Result.Cut = Count;
  if (!Letter.empty() && Count++ == MaxParts) return false;
  Result.Count = Count;
  return true;
}

// The characters of one or two parts read as one text, so that a joined part needs no copy.
class PartReader {
 public:
  PartReader(std::u16string_view First, std::u16string_view Second) : a_(First), b_(Second) {}

  // The next character that is not a blank, tab or line feed, upper-cased; 0 at the end.
  char16_t Peek() {
    SkipBlanks();
    if (i_ < a_.size()) return UpperUnit(a_[i_]);
    if (i_ - a_.size() < b_.size()) return UpperUnit(b_[i_ - a_.size()]);
    return 0;
  }
  void Next() { ++i_; }

 private:
  char16_t Raw(std::size_t At) const {
    if (At < a_.size()) return a_[At];
    if (At - a_.size() < b_.size()) return b_[At - a_.size()];
    return u'x';  // past the end: anything that is not a blank
  }
  void SkipBlanks() {
    for (char16_t C = Raw(i_); C == u' ' || C == u'\t' || C == u'\n'; C = Raw(i_)) ++i_;
  }

  std::u16string_view a_;
  std::u16string_view b_;
  std::size_t i_ = 0;
};

// Exponents are capped here: far beyond any double, and safe from overflow while reading.
constexpr long long ExponentCap = 1'000'000'000'000'000;

// The decimal number at the start of a part as clean ASCII text for std::from_chars: sign,
// digits, fraction and exponent, without blanks or leading zeros. Empty when the part starts
// with no digit.
struct NumberText {
  std::string Text;
  long long Magnitude = 0;  // the power of ten of the first significant digit
  bool Zero = true;         // no significant digit at all
};

std::string ScanDigits(PartReader& In) {
  std::string Digits;
  for (; IsDigit(In.Peek()); In.Next()) Digits += static_cast<char>(In.Peek());
  return Digits;
}

long long ScanExponent(PartReader& In) {
  In.Next();
  const bool Negative = In.Peek() == u'-';
  if (In.Peek() == u'-' || In.Peek() == u'+') In.Next();
  long long Exponent = 0;
  for (; IsDigit(In.Peek()); In.Next())
    Exponent = std::min(Exponent * 10 + (In.Peek() - u'0'), ExponentCap);
  return Negative ? -Exponent : Exponent;
}

NumberText ScanNumber(PartReader& In) {
  NumberText Out;
  const bool Negative = In.Peek() == u'-';
  if (In.Peek() == u'-' || In.Peek() == u'+') In.Next();
  std::string Integer = ScanDigits(In);
  std::string Fraction;
  if (In.Peek() == u'.') {
    In.Next();
    Fraction = ScanDigits(In);
  }
  if (Integer.empty() && Fraction.empty()) return Out;
  const long long Exponent = In.Peek() == u'E' ? ScanExponent(In) : 0;

  Integer.erase(0, std::min(Integer.find_first_not_of('0'), Integer.size()));
  const std::size_t FractionZeros = std::min(Fraction.find_first_not_of('0'), Fraction.size());
  Out.Zero = Integer.empty() && FractionZeros == Fraction.size();
  Out.Magnitude = Exponent + (Integer.empty() ? -static_cast<long long>(FractionZeros) - 1
                                              : static_cast<long long>(Integer.size()) - 1);
  if (Negative) Out.Text.push_back('-');
  Out.Text.append(Integer.empty() ? std::string_view("0") : std::string_view(Integer));
  if (!Fraction.empty()) Out.Text.append(".").append(Fraction);
  Out.Text.append("E").append(std::to_string(Exponent));
  return Out;
}

// Rounds to the nearest integer, a tie going to the even one, and checks the 32-bit range.
std::optional<std::int32_t> RoundToInt32(double Value) {
  if (!(Value > -2147483649.0 && Value < 2147483648.0)) return std::nullopt;
  double Whole = std::floor(Value);
  const double Rest = Value - Whole;
  if (Rest > 0.5 || (Rest == 0.5 && std::fmod(Whole, 2.0) != 0.0)) Whole += 1.0;
  if (Whole < -2147483648.0 || Whole > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(Whole);
}

// The value of up to nine plain digits, the common case of 11 or (12), read without the
// general number reader; nothing for any other text.
std::optional<std::int32_t> PlainDigits(std::u16string_view Part, std::u16string_view Joined) {
  if (Part.size() + Joined.size() > 9 || Part.size() + Joined.size() == 0) return std::nullopt;
  std::int32_t Value = 0;
  for (std::u16string_view Text : {Part, Joined})
    for (char16_t C : Text) {
      if (!IsDigit(C)) return std::nullopt;
      Value = Value * 10 + (C - u'0');
    }
  return Value;
}

// The decimal number at the start of a part (or of two parts joined) rounded to an integer: 0
// when it starts with no number, nothing when the number is out of range.
std::optional<std::int32_t> NumberValue(std::u16string_view Part, std::u16string_view Joined) {
  PartReader In(Part, Joined);
  const NumberText Number = ScanNumber(In);
  if (Number.Text.empty() || Number.Zero) return 0;
  double Value = 0;
  const char* End = Number.Text.data() + Number.Text.size();
  const auto [Ptr, Error] = std::from_chars(Number.Text.data(), End, Value);
  if (Ptr != End) return 0;
  if (Error == std::errc::result_out_of_range) {
    if (Number.Magnitude >= 0) return std::nullopt;  // too large for any double
    return 0;                                        // too small: reads as zero
  }
  if (Error != std::errc()) return 0;
  return RoundToInt32(Value);
}

// PartValue of a part that is not a single character. A number too long for the memory left
// to hold its text is taken for one out of range, so its code for one that cannot be read.
std::optional<std::int32_t> LongPartValue(std::u16string_view Part,
                                          std::u16string_view Joined) noexcept {
  if (const auto Plain = PlainDigits(Part, Joined)) return Plain;
  try {
    return NumberValue(Part, Joined);
  } catch (...) {
    return std::nullopt;
  }
}

// Whether Text is one digit or more, and nothing else.
bool DigitsAlone(std::u16string_view Text) {
  return !Text.empty() && std::all_of(Text.begin(), Text.end(), IsDigit);
}

// ReadPart of a part that is not a single character, or of two parts joined.
bool ReadLongPart(Parts& P, std::size_t I, bool Joined, std::int32_t& Value) {
  const std::u16string_view Part = P.Text(I);
  const std::u16string_view Next = Joined ? P.Text(I + 1) : std::u16string_view();
  if (DigitsAlone(Part)) P.Digits |= PartBit(I);
  if (Joined && DigitsAlone(Next)) P.Digits |= PartBit(I + 1);
  const std::optional<std::int32_t> Long = LongPartValue(Part, Next);
  if (Long) Value = *Long;
  return Long.has_value();
}

// Reads into Value the value of part I, or of parts I and I + 1 read as one where Joined (two
// digits of half somersaults, 1011B): its leading decimal number rounded to an integer, 0 when
// it starts with no number; false when the number is out of range. Notes in P.Digits which
// parts were digits alone. Most parts are a single character, read here at once. (An optional
// made here on one path and by a call on the other would be pieced together in memory, and
// read back slowly.)
inline bool ReadPart(Parts& P, std::size_t I, bool Joined, std::int32_t& Value) {
  const std::u16string_view Part = P.Text(I);
  if (Part.size() != 1 || (Joined && !P.Text(I + 1).empty()))
    return ReadLongPart(P, I, Joined, Value);
  const bool Digit = IsDigit(Part[0]);
  if (Digit) P.Digits |= PartBit(I);
  Value = Digit ? Part[0] - u'0' : 0;
  return true;
}

// The position index: the first code unit, as a signed 16-bit number, minus A. Nothing for an
// empty part, or when the difference leaves the 16-bit range.
std::optional<std::int32_t> PositionOf(std::u16string_view Part) {
  if (Part.empty()) return std::nullopt;
  const auto Unit = static_cast<std::int16_t>(UpperUnit(Part[0]));
  const std::int32_t Pos = Unit - 65;
  if (Pos < INT16_MIN) return std::nullopt;
  return Pos;
}

bool IsM(std::u16string_view Part) { return Part.size() == 1 && UpperUnit(Part[0]) == u'M'; }

// Sets the fields of a twisting (5) or armstand (6) group's code from its direction, somersault
// and twist parts, which follow each other from DirPart, and its position part. Fails for any
// other group.
bool DecodeTwistingOrArmstand(std::int32_t Group, Parts& P, std::size_t DirPart,
                              std::size_t PosPart, DiveCode& Dive) {
  if (Group != 5 && Group != 6) return false;
  Dive.Arm = Group == 6 ? 1 : 0;
  std::int32_t Dir = 0;
  std::int32_t Som = 0;
  std::int32_t Twi = 0;
  const auto Pos = PositionOf(P.Text(PosPart));
  if (!ReadPart(P, DirPart, false, Dir) || !ReadPart(P, DirPart + 1, false, Som) ||
      !ReadPart(P, DirPart + 2, false, Twi) || !Pos)
    return false;
  Dive.Dir = Dir;
  Dive.Som = Som;
  Dive.Twi = Twi;
  Dive.Pos = *Pos;
  return true;
}

// Sets the fields of a four-part code: group, flying digit, half somersaults and position of a
// forward, back, reverse or inward dive, or an armstand dive without twist. Joined when two
// digits of somersaults were written, in parts 2 and 3, and PosPart the part that holds the
// position.
bool DecodeFourParts(std::int32_t Group, Parts& P, bool Joined, std::size_t PosPart,
                     DiveCode& Dive) {
  std::int32_t Second = 0;
  if (!ReadPart(P, 1, false, Second)) return false;
  if (Group >= 1 && Group <= 4) {
    if (Second > 1) return false;
    Dive.Dir = Group;
    Dive.Fly = Second;
  } else if (Group == 6) {
    Dive.Arm = 1;
    Dive.Dir = Second;
  } else {
    return false;
  }
  std::int32_t Som = 0;
  const auto Pos = PositionOf(P.Text(PosPart));
  if (!ReadPart(P, 2, Joined, Som) || !Pos) return false;
  Dive.Som = Som;
  Dive.Pos = *Pos;
  return true;
}

// Sets the fields of a six-part code: a twisting or armstand dive either written with M before
// its position (5132MB) or with a flying digit after its group (51132B).
bool DecodeSixParts(std::int32_t Group, Parts& P, DiveCode& Dive) {
  if (IsM(P.Text(4))) {
    Dive.Fly = 2;
    return DecodeTwistingOrArmstand(Group, P, 1, 5, Dive);
  }
  if (Group != 5 && Group != 6) return false;
  if (!ReadPart(P, 1, false, Dive.Fly)) return false;
  return DecodeTwistingOrArmstand(Group, P, 2, 5, Dive);
}

// Sets the fields from the parts, by the number of parts and the group, the value of part 0.
bool DecodeByGroup(Parts& P, std::int32_t Group, DiveCode& Dive) {
  Dive = DiveCode{};
  // Five parts of a forward, back, reverse or inward dive hold a two-digit number of half
  // somersaults: 1011B reads as 1, 0, 11, B. An empty bracket joins like any part, so 202()B
  // is 202B.
  const bool Joined = P.Count == 5 && Group >= 1 && Group <= 4;
  if (P.Count == 4 || Joined) return DecodeFourParts(Group, P, Joined, P.Count - 1, Dive);
  switch (P.Count) {
    case 5:
      return DecodeTwistingOrArmstand(Group, P, 1, 4, Dive);
    case 6:
      return DecodeSixParts(Group, P, Dive);
    default:
      return false;
  }
}

// Whether the parts are written as the rule book writes a number: every part digits, alone or in
// brackets, but the position letter at the end and the M of the twisting form before it, which
// stand alone. The parser reads more: 105X and 1)5B as 105, 202()B as 202B. P is a code that
// was decoded, of four parts or more, so each of its numbers has been read.
bool WrittenAsTheBookDoes(const Parts& P) {
  std::uint8_t Alone = PartBit(P.Count - 1);
  if (P.Count == 6 && IsM(P.Text(4))) Alone |= PartBit(4);
  const auto Numbers = static_cast<std::uint8_t>((PartBit(P.Count) - 1) & ~Alone);
  return (P.Bracketed & Alone) == 0 && (P.Digits & Numbers) == Numbers;
}

// Reads Code, followed by Letter as a part of its own, into Out, whose fields stay as they were
// when the code cannot be cut into parts.
void DecodeInto(std::u16string_view Code, std::u16string_view Letter, DecodedCode& Out) noexcept {
  Parts P;
  std::int32_t First = 0;
  Out.Read = SplitIntoParts(Code, Letter, P) && ReadPart(P, 0, false, First) &&
             DecodeByGroup(P, First, Out.Dive);
  if (!Out.Read) return;
  Out.Group = static_cast<DiveGroup>(First);
  Out.Written = WrittenAsTheBookDoes(P);
}

// DecodeInto, with the fields all 0 when the code cannot be read.
DecodedCode Decode(std::u16string_view Code, std::u16string_view Letter) noexcept {
  DecodedCode Decoded;
  DecodeInto(Code, Letter, Decoded);
  if (!Decoded.Read) Decoded.Dive = DiveCode{};
  return Decoded;
}

}  // namespace

DecodedCode DecodeDiveCode(std::u16string_view Code) noexcept { return Decode(Code, {}); }

DecodedCode DecodeDiveNumber(std::u16string_view Number) noexcept { return Decode(Number, u"A"); }

std::int32_t ParseCode(std::u16string_view Code, std::int32_t HeightIndex, DiveCode& Dive) {
  // Dive keeps its fields where the code cannot be cut into parts, as it always has.
  DecodedCode Decoded{.Dive = Dive};
  DecodeInto(Code, {}, Decoded);
  Dive = Decoded.Dive;
  return Decoded.Read && CheckAtHeight(Dive, HeightIndex) == Refusal::None ? CodeValid
                                                                           : CodeInvalid;
}

std::u16string UpperCase(std::u16string_view Text) {
  std::u16string Result(Text);
  for (char16_t& C : Result) C = UpperUnit(C);
  return Result;
}

}  // namespace merrith
