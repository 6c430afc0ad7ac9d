// A font as configuration text: fourteen colon-separated fields in the order charset,
// clip precision, escapement, face name, height, italic, orientation, out precision,
// pitch and family, quality, strike-out, underline, weight, width.
// Example: 134:0:0:宋体:-24:0:0:0:0:0:0:0:700:0 (a bold GB2312 font 24 pixels high).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sk {

// The fields of a LOGFONTA, without the platform header; byte fields keep their low 8 bits.
struct FontSpec {
  std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
  std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0, outPrecision = 0,
               clipPrecision = 0, quality = 0, pitchAndFamily = 0;
  std::string faceName;  // at most 31 bytes
};

// Fields that are missing stay 0; text that is no number reads as 0.
FontSpec ParseFontSpec(std::string_view text);
// The text form of a font; the face name must hold no colon.
std::string FormatFontSpec(const FontSpec& font);

// The offset of the headline's shadow, right and down: a tenth of the font's height.
inline int ShadowOffset(const FontSpec& font) { return -font.height / 10; }

}  // namespace sk
