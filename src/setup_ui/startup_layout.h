// Where the start-up windows go and what they say, apart from the windows. Pure, in pixels.
#pragma once

#include <string>

#include "setup_ui/message_layout.h"

namespace sk {

// The splash covers the middle of the screen, a little right of centre.
Rect SplashRect(int screenWidth, int screenHeight);
// The preparing dialog keeps its size and sits in the bottom-right corner.
Rect PreparePlacement(int screenWidth, int screenHeight, int width, int height);
// The preparing dialog's button says "Cancel" only for the exact word "FALSE"; any other
// language setting keeps the template's "取消".
bool PrepareCancelInEnglish(const std::string& languageSetting);

// How the background window fills itself.
enum class BackgroundFill { kSolid, kTowardBlack, kTowardWhite, kNone };
BackgroundFill BackgroundFillFor(int fillStyle);
// Rows per colour step of the gradient fills.
inline constexpr int kBackgroundBand = 10;

// The icon a message box shows for an icon kind.
enum class MessageIcon { kNone, kProgram, kExclamation, kQuestion, kStop };
// The program icon only appears when the application has a main window.
MessageIcon MessageIconFor(int kind, bool hasMainWindow);

}  // namespace sk
