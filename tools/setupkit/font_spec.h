// The configuration's text form of a font: fourteen colon-separated LOGFONT fields in the
// alphabetical order of their names.
#pragma once

#include <cstdint>
#include <string>

namespace sk::tool {

struct FontChoice {
  std::string face;  // GBK, at most 31 bytes, no colon
  std::int32_t height = -12;
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  std::int32_t charset = 0;
};

std::string FontSpecText(const FontChoice& font);

}  // namespace sk::tool
