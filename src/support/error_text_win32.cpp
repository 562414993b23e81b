#ifdef _WIN32

#include <windows.h>

#include <string>

#include "support/file_outcome.h"
#include "support/utf8.h"

namespace merrith {

std::u16string SystemErrorText(std::int32_t Error) {
  wchar_t* Buffer = nullptr;
  const DWORD Length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(Error), 0, reinterpret_cast<wchar_t*>(&Buffer), 0, nullptr);
  std::u16string Words;
  if (Length > 0 && Buffer != nullptr)
    Words.assign(reinterpret_cast<const char16_t*>(Buffer), Length);
  LocalFree(Buffer);
  // The system ends its sentences with a full stop and a line end.
  while (!Words.empty() && (Words.back() == u'\n' || Words.back() == u'\r' ||
                            Words.back() == u' ' || Words.back() == u'.'))
    Words.pop_back();
  if (Words.empty()) return u"error " + DecodeUtf8(std::to_string(Error));
  return Words;
}

}  // namespace merrith

#endif
