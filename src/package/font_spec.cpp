#include "font_spec.h"

#include "gbk.h"
#include "package_trailer.h"

namespace sk {
namespace {

constexpr int kFields = 14;
constexpr std::size_t kFaceNameBytes = 31;

}  // namespace

FontSpec ParseFontSpec(std::string_view text) {
  // Fields 1 to 13 from the left; the width is whatever follows the last colon.
  std::string_view fields[kFields - 1];
  int count = 0;
  std::string_view rest = text;
  for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos;) {
    if (count < kFields - 1) fields[count++] = rest.substr(0, colon);
    rest.remove_prefix(colon + 1);
  }
  if (count < kFields - 1) fields[count++] = rest;
  const bool hasWidth = text.find(':') != std::string_view::npos;

  FontSpec f;
  auto num = [&](int i) { return i < count ? ParseDecimal(fields[i]) : 0; };
  auto byte = [&](int i) { return static_cast<std::uint8_t>(num(i) & 0xFF); };
  f.charSet = byte(0);
  f.clipPrecision = byte(1);
  f.escapement = num(2);
  f.faceName = std::string(CutOnCharBoundary(count > 3 ? fields[3] : std::string_view(), kFaceNameBytes));
  f.height = num(4);
  f.italic = byte(5);
  f.orientation = num(6);
  f.outPrecision = byte(7);
  f.pitchAndFamily = byte(8);
  f.quality = byte(9);
  f.strikeOut = byte(10);
  f.underline = byte(11);
  f.weight = num(12);
  f.width = hasWidth ? ParseDecimal(rest) : 0;
  return f;
}

std::string FormatFontSpec(const FontSpec& f) {
  const auto n = [](std::int32_t v) { return std::to_string(v) + ":"; };
  return n(f.charSet) + n(f.clipPrecision) + n(f.escapement) + f.faceName + ":" + n(f.height) + n(f.italic) +
         n(f.orientation) + n(f.outPrecision) + n(f.pitchAndFamily) + n(f.quality) + n(f.strikeOut) +
         n(f.underline) + n(f.weight) + std::to_string(f.width);
}

}  // namespace sk
