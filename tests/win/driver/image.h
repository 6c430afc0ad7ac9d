// A captured picture in memory and its PNG file form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sk::gui {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // top row first, three bytes per pixel, no padding

  Rgb Pixel(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * width + x) * 3;
    return {rgb[at], rgb[at + 1], rgb[at + 2]};
  }
};

// The bytes of a PNG file: 8-bit truecolour, no interlace, each row unfiltered, compressed by
// zlib. Empty when the image is empty or its pixels do not match its size.
std::string EncodePng(const Image& image);
bool SavePng(const Image& image, const std::string& path);

}  // namespace sk::gui
