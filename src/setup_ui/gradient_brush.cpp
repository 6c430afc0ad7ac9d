#include "setup_ui/gradient_brush.h"

#include <vector>

#include "setup_ui/gradient.h"

namespace sk {

HBRUSH MakeGradientBrush(HDC dc, int width, int height, std::uint32_t colour, int band, bool towardWhite) {
  const std::vector<std::uint8_t> pixels = GradientPixels(width, height, colour, band, towardWhite);
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
