// Pictures of what a program under test shows.
#pragma once

#include <windows.h>

#include <optional>

#include "win/driver/image.h"
#include "win/driver/wait.h"

namespace sk::gui {

// The screen's pixels under the window's rectangle, as the user sees them (child windows and
// any window on top included). Nothing when the window has no area or the screen cannot be read.
std::optional<Image> CaptureWindow(HWND window);
// The same for a rectangle of the screen.
std::optional<Image> CaptureScreen(const RECT& rect);
// The rectangle once two captures in a row are the same (the windows there have finished
// painting); the last capture when that does not happen within timeoutMs.
std::optional<Image> CaptureWhenSettled(const RECT& rect, DWORD timeoutMs = DefaultWaitMs());

}  // namespace sk::gui
