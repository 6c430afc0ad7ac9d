// What the Flash stand-in and its tests agree on: the log's variable and the stop message.
#pragma once

#include <windows.h>

namespace sk::test {

// The file the stand-in appends one line per call to: "put <dispid> <type> <value>",
// "call <dispid>" or "call <dispid> -> <BOOL>", "ole <method>", "window <event>".
inline constexpr char kStandinLogVariable[] = "SK_FLASH_STANDIN_LOG";
// The window class of the stand-in's control window.
inline constexpr char kStandinWindowClass[] = "SkFlashStandin";
// Posted to the control window: the movie stops, as at its end without the loop.
inline constexpr UINT kStandinStopMessage = WM_APP + 0x46;

}  // namespace sk::test
