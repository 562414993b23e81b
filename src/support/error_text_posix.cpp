#ifndef _WIN32

#include <cstring>
#include <string>

#include "support/file_outcome.h"
#include "support/utf8.h"

namespace merrith {

// The windows and the command run on one thread, so strerror's own buffer is safe here.
std::u16string SystemErrorText(std::int32_t Error) {
  const char* Words = std::strerror(Error);  // NOLINT(concurrency-mt-unsafe)
  if (Words == nullptr || *Words == '\0') return u"error " + DecodeUtf8(std::to_string(Error));
  return DecodeUtf8(Words);
}

}  // namespace merrith

#endif
