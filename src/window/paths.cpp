#include "window/paths.h"

#include <filesystem>
#include <system_error>

#include "support/utf8.h"

namespace merrith {
namespace {

namespace fs = std::filesystem;

// Paths in the system's own form: UTF-16 on Windows, UTF-8 elsewhere.
#ifdef _WIN32
fs::path NativePath(std::u16string_view Text) {
  return fs::path(std::wstring(Text.begin(), Text.end()));
}
std::u16string TextOf(const fs::path& Path) {
  const std::wstring& Native = Path.native();
  return {Native.begin(), Native.end()};
}
#else
fs::path NativePath(std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  return fs::path(std::string(Bytes.begin(), Bytes.end()));
}
std::u16string TextOf(const fs::path& Path) { return DecodeUtf8(Path.native()); }
#endif

}  // namespace

std::u16string AbsolutePath(std::u16string_view Path) {
  std::error_code Failed;
  if (Path.empty()) return {};
  const fs::path Absolute = fs::absolute(NativePath(Path), Failed);
  return Failed ? std::u16string(Path) : TextOf(Absolute);
}

std::u16string TemporaryPath(std::u16string_view Name) {
  std::error_code Failed;
  const fs::path Folder = fs::temp_directory_path(Failed);
  return TextOf((Failed ? fs::path() : Folder) / NativePath(Name));
}

std::u16string FileNameOf(std::u16string_view Path) { return TextOf(NativePath(Path).filename()); }

}  // namespace merrith
