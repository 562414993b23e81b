// Any bytes as a dive list: decoding with either code page, splitting at line feeds and
// trimming each line as the batch table does. Run under a locale whose character set is not
// UTF-8, the system code page goes through iconv, and its answers are checked too.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "support/charset_posix.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "support/utf8.h"

namespace {

using merrith::fuzz::Require;
namespace mFSO = merrith::mFSO;
namespace mXMLParser = merrith::mXMLParser;

bool IsWhite(char16_t Unit) {
  return mXMLParser::ClassifyChar(static_cast<std::int16_t>(Unit)) == mXMLParser::ClassWhiteSpace;
}

// A byte-order mark, or a zero second byte, decides the encoding whatever the code page says.
bool EncodingIsMarked(const std::vector<std::uint8_t>& Bytes) {
  if (Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF) return true;
  if (Bytes.size() < 2) return false;
  return Bytes[1] == 0x00 || (Bytes[0] == 0xFF && Bytes[1] == 0xFE) ||
         (Bytes[0] == 0xFE && Bytes[1] == 0xFF);
}

bool IsUtf8Path(const std::vector<std::uint8_t>& Bytes, std::int32_t CodePage) {
  const bool Utf8Mark =
      Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF;
  return Utf8Mark || (CodePage == mFSO::CodePageUtf8 && !EncodingIsMarked(Bytes));
}

void CheckTrim(const std::u16string& Line) {
  const std::u16string Trimmed = mXMLParser::TrimWhite(Line);
  if (!Trimmed.empty()) {
    Require(!IsWhite(Trimmed.front()) && !IsWhite(Trimmed.back()),
            "TrimWhite leaves no white space at either end");
  }
  std::size_t Lead = 0;
  while (Lead < Line.size() && IsWhite(Line[Lead])) ++Lead;
  Require(Line.compare(Lead, Trimmed.size(), Trimmed) == 0,
          "TrimWhite keeps the inside of the line as it was");
  for (std::size_t I = Lead + Trimmed.size(); I < Line.size(); ++I) {
    Require(IsWhite(Line[I]), "TrimWhite removes only white space at the end");
  }
}

void CheckLines(const std::u16string& Text) {
  std::size_t Start = 0;
  for (;;) {
    const std::size_t End = Text.find(u'\n', Start);
    CheckTrim(Text.substr(Start, End == std::u16string::npos ? std::u16string::npos : End - Start));
    if (End == std::u16string::npos) break;
    Start = End + 1;
  }
}

// Text written as UTF-8 with a mark reads back as the same text.
void CheckRoundTrip(const std::u16string& Text) {
  std::vector<std::uint8_t> Bytes = {0xEF, 0xBB, 0xBF};
  merrith::AppendUtf8(Text, Bytes);
  Require(
      mFSO::DecodeText(Bytes, mFSO::CodePageSystem) == merrith::fuzz::WithoutLoneSurrogates(Text),
      "UTF-8 with a mark decodes back to the text that was encoded");
}

// Whether a character joins the one before it, as a Hebrew vowel point or an accent does.
bool Joins(char16_t Unit) {
  return (Unit >= 0x0300 && Unit <= 0x036F) || (Unit >= 0x0591 && Unit <= 0x05C7);
}

// The character set of the run's locale, read once: each reading of the locale costs glibc a
// few bytes for good while LOCPATH is set, as it is for the locales built for these runs.
std::string Charset;
bool SingleByteLocale = false;

std::u16string System(std::span<const std::uint8_t> Bytes) {
  const std::optional<std::u16string> Text = merrith::posix::DecodeCharset(Bytes, Charset);
  Require(Text.has_value(), "the locale's character set is known");
  return *Text;
}

// A character that the system code page cannot hold is written as '?', U+FFFD among them.
std::u16string AsWritten(std::u16string Text) {
  for (char16_t& Unit : Text)
    if (Unit == u'\uFFFD') Unit = u'?';
  return Text;
}

// The system code page's text, written back in that code page, reads as the same text; and in
// a single-byte set, bytes read in two parts, split before a byte that starts a character of
// its own, read as the whole does, so nothing is lost, added or moved at a bad byte.
void CheckSystemCodePage(std::span<const std::uint8_t> Bytes) {
  const std::u16string Text = System(Bytes);
  const std::optional<std::vector<std::uint8_t>> Written =
      merrith::posix::EncodeCharset(Text, Charset);
  Require(Written.has_value(), "text encodes in the system code page");
  Require(AsWritten(System(*Written)) == AsWritten(Text),
          "text written in the system code page reads back as the same text");
  if (!SingleByteLocale || Bytes.size() < 2) return;
  const std::size_t Split = 1 + Bytes[0] % (Bytes.size() - 1);
  const std::u16string Second = System(Bytes.subspan(Split));
  if (Second.empty() || Joins(Second.front())) return;
  Require(System(Bytes.first(Split)) + Second == Text,
          "a single-byte code page reads in parts as it reads whole");
}

}  // namespace

// The locale that LC_ALL names must be installed; without it the system code page would
// quietly be plain ASCII, read as UTF-8, and iconv would go untested.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Require(std::setlocale(LC_ALL, "") != nullptr, "the locale the run names is installed");
  Charset = merrith::posix::LocaleCharset();
  // The bare C locale's plain ASCII is read as UTF-8, where é takes two bytes.
  const std::uint8_t EAcuteInUtf8[] = {0xC3, 0xA9};
  SingleByteLocale = MB_CUR_MAX == 1 && System(EAcuteInUtf8).size() == 2;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::vector<std::uint8_t> Bytes(Data, Data + Size);
  const std::u16string FromSystem = mFSO::DecodeText(Bytes, mFSO::CodePageSystem);
  const std::u16string FromUtf8 = mFSO::DecodeText(Bytes, mFSO::CodePageUtf8);

  for (const auto* Text : {&FromSystem, &FromUtf8}) {
    Require(Text->size() <= Size, "decoding gives at most one code unit per byte");
    CheckLines(*Text);
  }
  if (EncodingIsMarked(Bytes)) {
    Require(FromSystem == FromUtf8, "a marked file decodes the same under any code page");
  }
  if (IsUtf8Path(Bytes, mFSO::CodePageUtf8)) {
    Require(FromUtf8 == merrith::fuzz::WithoutLoneSurrogates(FromUtf8),
            "decoded UTF-8 holds no unpaired surrogate");
  }
  CheckRoundTrip(FromUtf8);
  CheckRoundTrip(merrith::fuzz::UnitsFromBytes(Data, Size));
  CheckSystemCodePage(Bytes);
  return 0;
}
