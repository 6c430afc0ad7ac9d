#include "setup_ui/font_object.h"

#include <algorithm>

namespace sk {

LOGFONTA ToLogFont(const FontSpec& spec) {
  LOGFONTA font = {};
  font.lfHeight = spec.height;
  font.lfWidth = spec.width;
  font.lfEscapement = spec.escapement;
  font.lfOrientation = spec.orientation;
  font.lfWeight = spec.weight;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfStrikeOut = spec.strikeOut;
  font.lfCharSet = spec.charSet;
  font.lfOutPrecision = spec.outPrecision;
  font.lfClipPrecision = spec.clipPrecision;
  font.lfQuality = spec.quality;
  font.lfPitchAndFamily = spec.pitchAndFamily;
  const std::size_t length = std::min(spec.faceName.size(), sizeof font.lfFaceName - 1);
  std::copy_n(spec.faceName.data(), length, font.lfFaceName);
  return font;
}

HFONT CreateFontFromSpec(const std::string& text) {
  const LOGFONTA font = ToLogFont(ParseFontSpec(text));
  return CreateFontIndirectA(&font);
}

}  // namespace sk
