// The background window's gradient as a pattern brush.
#pragma once

#include <windows.h>

#include <cstdint>

namespace sk {

// A brush of width x height pixels whose colour (0x00BBGGRR) steps toward black or white once
// every band rows from the top down; null when the system makes none. The caller deletes it.
HBRUSH MakeGradientBrush(HDC dc, int width, int height, std::uint32_t colour, int band, bool towardWhite);

}  // namespace sk
