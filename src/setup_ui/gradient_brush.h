// The background window's gradient as a pattern brush.
#pragma once

#include <windows.h>

#include <cstdint>

namespace sk {

// A brush of width x height pixels whose colour (0x00BBGGRR) steps toward black or white once
// every band rows; null when the system makes none. The caller deletes it.
// The bitmap is bottom-up: the first row of GradientPixels is the brush's bottom row, so the
// base colour lies along the bottom edge and the steps run upward from it.
HBRUSH MakeGradientBrush(HDC dc, int width, int height, std::uint32_t colour, int band, bool towardWhite);

}  // namespace sk
