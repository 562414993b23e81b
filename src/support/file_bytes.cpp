#include "support/file_bytes.h"

#include <cerrno>

namespace merrith::mFSO {

// Placeholder until the file layer lands.
std::int32_t ReadAllBytes(std::u16string_view, std::vector<std::uint8_t>&) { return ENOSYS; }
std::int32_t WriteAllBytes(std::u16string_view, const std::vector<std::uint8_t>&) { return ENOSYS; }

}  // namespace merrith::mFSO
