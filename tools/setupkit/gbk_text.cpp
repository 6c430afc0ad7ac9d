#include "gbk_text.h"

#include <cstdio>

namespace sk::tool {

std::string GbkToUtf8(std::string_view gbk) {
  if (auto whole = DecodeGbk(gbk)) return *whole;
  std::string out;
  std::size_t i = 0;
  while (i < gbk.size()) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      out += gbk[i++];
      continue;
    }
    if (i + 1 < gbk.size()) {
      if (auto pair = DecodeGbk(gbk.substr(i, 2))) {
        out += *pair;
        i += 2;
        continue;
      }
    }
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", lead);
    out += escape;
    ++i;
  }
  return out;
}

}  // namespace sk::tool
