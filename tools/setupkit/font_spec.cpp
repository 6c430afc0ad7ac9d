#include "font_spec.h"

namespace sk::tool {

std::string FontSpecText(const FontChoice& f) {
  const auto n = [](std::int32_t v) { return std::to_string(v); };
  // charset, clip precision, escapement, face, height, italic, orientation, out precision,
  // pitch and family, quality, strike-out, underline, weight, width
  return n(f.charset) + ":0:0:" + f.face + ":" + n(f.height) + ":" + n(f.italic) + ":0:0:0:0:0:" +
         n(f.underline) + ":" + n(f.weight) + ":0";
}

}  // namespace sk::tool
