#include "gbk.h"

namespace sk {

std::string_view CutOnCharBoundary(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t i = 0;
  while (i < maxBytes) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t width = (b >= 0x81 && b <= 0xFE) ? 2 : 1;
    if (i + width > maxBytes) break;
    i += width;
  }
  return text.substr(0, i);
}

}  // namespace sk
