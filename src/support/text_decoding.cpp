#include "support/text_decoding.h"

namespace merrith::mFSO {

// Placeholder until decoding lands.
std::u16string DecodeText(const std::vector<std::uint8_t>&, std::int32_t) { return {}; }

}  // namespace merrith::mFSO
