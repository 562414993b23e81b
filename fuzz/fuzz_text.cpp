// Any bytes as a dive list: decoding with either code page, splitting at line feeds and
// trimming each line as the batch table does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
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

}  // namespace

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
  return 0;
}
