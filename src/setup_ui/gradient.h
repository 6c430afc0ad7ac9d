// The background window's gradient: rows of a 24-bit bitmap whose colour steps once per band of
// rows toward black or white.
#pragma once

#include <cstdint>
#include <vector>

namespace sk {

// Bytes per row of a 24-bit bitmap, padded to a multiple of four.
int GradientStride(int width);

// Top row first, blue-green-red per pixel, each row padded with zeros to the stride.
// colour is 0x00BBGGRR; band is the number of rows per colour step.
std::vector<std::uint8_t> GradientPixels(int width, int height, std::uint32_t colour, int band,
                                         bool towardWhite);

}  // namespace sk
