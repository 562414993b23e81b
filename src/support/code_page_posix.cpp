#ifndef _WIN32

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "support/charset_posix.h"
#include "support/code_page.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith {
namespace posix {
namespace {

const char* const NativeUtf16 =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Plain ASCII (the character set of the bare C locale) is a subset of UTF-8, so such text is
// read and written as UTF-8: a dive list saved as UTF-8 stays readable where no locale is set.
bool IsUtf8Compatible(const std::string& Charset) {
  std::string Key;
  for (const char C : Charset) {
    const auto Byte = static_cast<unsigned char>(C);
    if (std::isalnum(Byte)) Key.push_back(static_cast<char>(std::toupper(Byte)));
  }
  return Key == "UTF8" || Key == "ASCII" || Key == "USASCII" || Key == "ANSIX341968";
}

// Owns one iconv conversion descriptor.
class Converter {
 public:
  Converter(const char* To, const char* From) : Cd(iconv_open(To, From)) {}
  ~Converter() {
    if (Valid()) iconv_close(Cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return Cd != reinterpret_cast<iconv_t>(-1); }
  // Converts until the input is used up (true) or iconv stops early (false, errno says why);
  // without input it writes what the converter holds back and resets its state.
  bool Step(char** In, std::size_t* InLeft, char** Out, std::size_t* OutLeft) {
    return iconv(Cd, In, InLeft, Out, OutLeft) != static_cast<std::size_t>(-1);
  }

 private:
  iconv_t Cd;
};

// Output of a conversion that grows whenever iconv runs out of room.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::size_t Capacity) : Bytes(Capacity < 16 ? 16 : Capacity) {}
  char* Next() { return Bytes.data() + Used; }
  std::size_t Room() const { return Bytes.size() - Used; }
  void Advance(const char* NewNext) { Used = static_cast<std::size_t>(NewNext - Bytes.data()); }
  void Grow() { Bytes.resize(Bytes.size() * 2); }
  void Put(std::string_view Text) {
    while (Room() < Text.size()) Grow();
    std::memcpy(Next(), Text.data(), Text.size());
    Used += Text.size();
  }
  std::vector<char> Take() {
    Bytes.resize(Used);
    return std::move(Bytes);
  }

 private:
  std::vector<char> Bytes;
  std::size_t Used = 0;
};

// Writes out what the converter still holds (a letter that a vowel point might yet join, the
// end of a shift state) and returns it to its initial state.
void Flush(Converter& Conv, OutputBuffer& Out) {
  while (true) {
    char* Next = Out.Next();
    std::size_t Room = Out.Room();
    const bool Done = Conv.Step(nullptr, nullptr, &Next, &Room);
    const int Error = errno;
    Out.Advance(Next);
    if (Done || Error != E2BIG) return;
    Out.Grow();
  }
}

// Converts Size bytes at Data. Input iconv rejects is replaced by Replacement, skipping as many
// bytes as SkipInvalid says, so the conversion always runs to the end of the input; what came
// before the rejected input is written out before its replacement. Replaced says whether any
// input was.
template <typename SkipFn>
std::vector<char> Convert(Converter& Conv, const char* Data, std::size_t Size,
                          std::string_view Replacement, SkipFn SkipInvalid, bool& Replaced) {
  OutputBuffer Out(Size * 2);
  char* In = const_cast<char*>(Data);  // iconv's interface is not const-correct
  std::size_t InLeft = Size;
  while (InLeft > 0) {
    char* Next = Out.Next();
    std::size_t Room = Out.Room();
    const bool Done = Conv.Step(&In, &InLeft, &Next, &Room);
    const int Error = errno;
    Out.Advance(Next);
    if (Done) continue;
    if (Error == E2BIG) {
      Out.Grow();
      continue;
    }
    Flush(Conv, Out);
    Out.Put(Replacement);
    Replaced = true;
    if (Error == EINVAL) {  // the input ends inside a character
      InLeft = 0;
    } else {
      const std::size_t Skip = std::min(InLeft, SkipInvalid(In, InLeft));
      In += Skip;
      InLeft -= Skip;
    }
  }
  Flush(Conv, Out);
  return Out.Take();
}

bool IsPairAt(const char* In, std::size_t Left) {
  if (Left < 4) return false;
  char16_t High = 0;
  char16_t Low = 0;
  std::memcpy(&High, In, 2);
  std::memcpy(&Low, In + 2, 2);
  return High >= 0xD800 && High <= 0xDBFF && Low >= 0xDC00 && Low <= 0xDFFF;
}

// Bytes converted from the iconv set Charset, each byte that cannot start a character there a
// U+FFFD; Replaced says whether there was one. Nothing where iconv does not know Charset.
std::optional<std::u16string> ConvertFrom(std::span<const std::uint8_t> Bytes,
                                          const std::string& Charset, bool& Replaced) {
  Converter Conv(NativeUtf16, Charset.c_str());
  if (!Conv.Valid()) return std::nullopt;
  const char16_t Replacement = ReplacementChar;
  const std::vector<char> Units = Convert(
      Conv, reinterpret_cast<const char*>(Bytes.data()), Bytes.size(),
      std::string_view(reinterpret_cast<const char*>(&Replacement), sizeof Replacement),
      [](const char*, std::size_t) { return std::size_t{1}; }, Replaced);
  std::u16string Text(Units.size() / 2, u'\0');
  std::memcpy(Text.data(), Units.data(), Text.size() * 2);
  return Text;
}

}  // namespace

std::string LocaleCharset() {
  locale_t Locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (Locale == static_cast<locale_t>(nullptr)) return "ASCII";
  std::string Charset = nl_langinfo_l(CODESET, Locale);
  freelocale(Locale);
  return Charset;
}

std::optional<std::u16string> DecodeCharset(std::span<const std::uint8_t> Bytes,
                                            const std::string& Charset) {
  if (IsUtf8Compatible(Charset)) return DecodeUtf8(Bytes);
  bool Replaced = false;
  return ConvertFrom(Bytes, Charset, Replaced);
}

std::optional<std::u16string> DecodeWholeCharset(std::span<const std::uint8_t> Bytes,
                                                 const std::string& Charset) {
  if (IsUtf8Compatible(Charset)) return std::nullopt;
  bool Replaced = false;
  std::optional<std::u16string> Text = ConvertFrom(Bytes, Charset, Replaced);
  if (Replaced) return std::nullopt;
  return Text;
}

std::optional<std::vector<std::uint8_t>> EncodeCharset(std::u16string_view Text,
                                                       const std::string& Charset) {
  if (IsUtf8Compatible(Charset)) return EncodeUtf8(Text);
  Converter Conv(Charset.c_str(), NativeUtf16);
  if (!Conv.Valid()) return std::nullopt;
  bool Replaced = false;
  const std::vector<char> Narrow = Convert(
      Conv, reinterpret_cast<const char*>(Text.data()), Text.size() * 2, "?",
      [](const char* In, std::size_t Left) -> std::size_t { return IsPairAt(In, Left) ? 4 : 2; },
      Replaced);
  return std::vector<std::uint8_t>(Narrow.begin(), Narrow.end());
}

}  // namespace posix

std::optional<std::u16string> NarrowToText(std::span<const std::uint8_t> Bytes,
                                           std::int32_t CodePage) {
  if (CodePage == mFSO::CodePageUtf8) return DecodeUtf8(Bytes);
  if (CodePage == mFSO::CodePageSystem) return posix::DecodeCharset(Bytes, posix::LocaleCharset());
  return std::nullopt;
}

std::optional<SystemText> ReadSystemText(std::span<const std::uint8_t> Bytes) {
  const std::string Charset = posix::LocaleCharset();
  std::optional<std::u16string> Text = posix::DecodeWholeCharset(Bytes, Charset);
  if (!Text) return std::nullopt;
  return SystemText{std::move(*Text), std::u16string(Charset.begin(), Charset.end())};
}

std::optional<std::vector<std::uint8_t>> TextToNarrow(std::u16string_view Text,
                                                      std::int32_t CodePage) {
  if (CodePage == mFSO::CodePageUtf8) return EncodeUtf8(Text);
  if (CodePage == mFSO::CodePageSystem) return posix::EncodeCharset(Text, posix::LocaleCharset());
  return std::nullopt;
}

std::vector<std::uint8_t> TextToLocaleNarrow(std::u16string_view Text, std::int32_t) {
  auto Narrow = TextToNarrow(Text, mFSO::CodePageSystem);
  return Narrow ? std::move(*Narrow) : EncodeUtf8(Text);
}

}  // namespace merrith

#endif
