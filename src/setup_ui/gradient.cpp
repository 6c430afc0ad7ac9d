#include "setup_ui/gradient.h"

#include <algorithm>

namespace sk {

int GradientStride(int width) { return ((24 * width + 31) / 8) & ~3; }

std::vector<std::uint8_t> GradientPixels(int width, int height, std::uint32_t colour, int band,
                                         bool towardWhite) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  band = std::max(band, 1);
  const int stride = GradientStride(width);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  const int bands = height / band;
  std::uint8_t rgb[3] = {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                         static_cast<std::uint8_t>(colour >> 16)};
  int step[3];
  // A bitmap lower than one band has no steps: the colour stays as it is.
  for (int c = 0; c < 3; ++c)
    step[c] = bands == 0 ? 0 : towardWhite ? (255 - rgb[c]) / bands : -(rgb[c] / bands);
  for (int row = 0; row < height; ++row) {
    std::uint8_t* p = pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride);
    for (int x = 0; x < width; ++x, p += 3) {
      p[0] = rgb[2];
      p[1] = rgb[1];
      p[2] = rgb[0];
    }
    if (row % band == 0)
      for (int c = 0; c < 3; ++c) rgb[c] = static_cast<std::uint8_t>(rgb[c] + step[c]);
  }
  return pixels;
}

}  // namespace sk
