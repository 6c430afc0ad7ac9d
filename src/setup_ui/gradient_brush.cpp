#include "setup_ui/gradient_brush.h"

#include <algorithm>
#include <vector>

#include "setup_ui/gradient.h"

namespace sk {

HBRUSH MakeGradientBrush(HDC dc, int width, int height, std::uint32_t colour, int band, bool towardWhite) {
  const std::vector<std::uint8_t> topDown = GradientPixels(width, height, colour, band, towardWhite);
  // The bitmap is bottom-up: its first row in memory is the picture's bottom row.
  const auto stride = static_cast<std::size_t>(GradientStride(width));
  std::vector<std::uint8_t> pixels(topDown.size());
  for (std::size_t row = 0; stride > 0 && row < topDown.size() / stride; ++row)
    std::copy_n(topDown.begin() + static_cast<std::ptrdiff_t>(row * stride), stride,
                pixels.end() - static_cast<std::ptrdiff_t>((row + 1) * stride));
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(pixels.size());
  HBITMAP bitmap = CreateDIBitmap(dc, &header, CBM_INIT, pixels.data(),
                                  reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
  if (!bitmap) return nullptr;
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  return brush;
}

}  // namespace sk
