// Byte-string helpers for texts in the GBK code page.
#pragma once

#include <cstddef>
#include <string_view>

namespace sk {

// The longest prefix of text that is at most maxBytes long and does not end inside a
// double-byte character (lead byte 0x81..0xFE followed by its trail byte).
std::string_view CutOnCharBoundary(std::string_view text, std::size_t maxBytes);

}  // namespace sk
