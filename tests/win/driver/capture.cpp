#include "win/driver/capture.h"

namespace sk::gui {
namespace {

// A 24-bit top-down DIB section of the rectangle's size, filled from the screen.
std::optional<Image> CopyScreen(HDC screen, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return std::nullopt;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return std::nullopt;
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
  GdiFlush();

  std::optional<Image> image;
  if (copied) {
    image = Image{width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * height * 3)};
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    const auto* source = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* bgr = source + y * stride + x * 3;
        std::uint8_t* rgb = image->rgb.data() + (static_cast<size_t>(y) * width + x) * 3;
        rgb[0] = bgr[2];
        rgb[1] = bgr[1];
        rgb[2] = bgr[0];
      }
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return image;
}

}  // namespace

std::optional<Image> CaptureScreen(const RECT& rect) {
  HDC screen = GetDC(nullptr);
  if (!screen) return std::nullopt;
  std::optional<Image> image = CopyScreen(screen, rect);
  ReleaseDC(nullptr, screen);
  return image;
}

std::optional<Image> CaptureWhenSettled(const RECT& rect, DWORD timeoutMs) {
  std::optional<Image> previous = CaptureScreen(rect);
  std::optional<Image> current = previous;
  WaitUntil(
      [&] {
        Sleep(150);
        previous = std::move(current);
        current = CaptureScreen(rect);
        return current && previous && current->rgb == previous->rgb;
      },
      timeoutMs);
  return current;
}

std::optional<Image> CaptureWindow(HWND window) {
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) return std::nullopt;
  return CaptureScreen(rect);
}

}  // namespace sk::gui
