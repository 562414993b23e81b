#ifdef _WIN32

#include <windows.h>

#include <climits>

#include "support/code_page.h"
#include "support/text_decoding.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

const wchar_t* Wide(std::u16string_view Text) {
  return reinterpret_cast<const wchar_t*>(Text.data());
}

// The platform conversion, sized first and filled second; 0 from the sizing call means the
// code page is unknown (the text is never empty here).
std::optional<std::vector<std::uint8_t>> WideToMultiByte(std::u16string_view Text, UINT CodePage) {
  if (Text.empty()) return std::vector<std::uint8_t>{};
  if (Text.size() > INT_MAX) return std::nullopt;
  const int Length = static_cast<int>(Text.size());
  const int Size =
      WideCharToMultiByte(CodePage, 0, Wide(Text), Length, nullptr, 0, nullptr, nullptr);
  if (Size <= 0) return std::nullopt;
  std::vector<std::uint8_t> Bytes(static_cast<std::size_t>(Size));
  WideCharToMultiByte(CodePage, 0, Wide(Text), Length, reinterpret_cast<char*>(Bytes.data()), Size,
                      nullptr, nullptr);
  return Bytes;
}

}  // namespace

std::optional<std::u16string> NarrowToText(std::span<const std::uint8_t> Bytes,
                                           std::int32_t CodePage) {
  if (CodePage == mFSO::CodePageUtf8) return DecodeUtf8(Bytes);
  if (Bytes.empty()) return std::u16string{};
  if (Bytes.size() > INT_MAX || CodePage < 0) return std::nullopt;
  const auto Page = static_cast<UINT>(CodePage);
  const auto* Data = reinterpret_cast<const char*>(Bytes.data());
  const int Length = static_cast<int>(Bytes.size());
  const int Size = MultiByteToWideChar(Page, 0, Data, Length, nullptr, 0);
  if (Size <= 0) return std::nullopt;
  std::u16string Text(static_cast<std::size_t>(Size), u' ');
  MultiByteToWideChar(Page, 0, Data, Length, reinterpret_cast<wchar_t*>(Text.data()), Size);
  return Text;
}

std::optional<SystemText> ReadSystemText(std::span<const std::uint8_t> Bytes) {
  const UINT Page = GetACP();
  if (Page == CP_UTF8 || Bytes.size() > INT_MAX) return std::nullopt;
  std::u16string Name = u"code page " + NumberText(Page);
  if (Bytes.empty()) return SystemText{u"", std::move(Name)};
  // Bytes that are no character of the code page make the call fail, rather than become one.
  const auto* Data = reinterpret_cast<const char*>(Bytes.data());
  const int Length = static_cast<int>(Bytes.size());
  const int Size = MultiByteToWideChar(Page, MB_ERR_INVALID_CHARS, Data, Length, nullptr, 0);
  if (Size <= 0) return std::nullopt;
  std::u16string Text(static_cast<std::size_t>(Size), u' ');
  MultiByteToWideChar(Page, MB_ERR_INVALID_CHARS, Data, Length,
                      reinterpret_cast<wchar_t*>(Text.data()), Size);
  return SystemText{std::move(Text), std::move(Name)};
}

std::optional<std::vector<std::uint8_t>> TextToNarrow(std::u16string_view Text,
                                                      std::int32_t CodePage) {
  if (CodePage == mFSO::CodePageUtf8) return EncodeUtf8(Text);
  if (CodePage < 0) return std::nullopt;
  return WideToMultiByte(Text, static_cast<UINT>(CodePage));
}

std::vector<std::uint8_t> TextToLocaleNarrow(std::u16string_view Text, std::int32_t LCID) {
  // A locale without a narrow code page of its own (or an unknown one) falls back to the
  // system's.
  DWORD Page = CP_ACP;
  if (GetLocaleInfoW(static_cast<DWORD>(LCID), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&Page), sizeof Page / sizeof(wchar_t)) == 0) {
    Page = CP_ACP;
  }
  auto Bytes = WideToMultiByte(Text, static_cast<UINT>(Page));
  if (!Bytes) Bytes = WideToMultiByte(Text, CP_ACP);
  return Bytes ? std::move(*Bytes) : std::vector<std::uint8_t>{};
}

}  // namespace merrith

#endif
