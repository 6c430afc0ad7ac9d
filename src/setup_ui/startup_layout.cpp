#include "setup_ui/startup_layout.h"

namespace sk {

Rect SplashRect(int screenWidth, int screenHeight) {
  const int left = screenWidth / 4 + 10, top = screenHeight / 6;
  return {left, top, left + screenWidth / 2, top + screenHeight / 2 - 20};
}

Rect PreparePlacement(int screenWidth, int screenHeight, int width, int height) {
  const int left = screenWidth - width - 30;
  const int top = screenHeight - static_cast<int>(height * 1.5) - 10;
  return {left, top, left + width, top + height};
}

bool PrepareCancelInEnglish(const std::string& languageSetting) { return languageSetting == "FALSE"; }

BackgroundFill BackgroundFillFor(int fillStyle) {
  switch (fillStyle) {
    case 0: return BackgroundFill::kSolid;
    case 1: return BackgroundFill::kTowardBlack;
    case 2: return BackgroundFill::kTowardWhite;
    default: return BackgroundFill::kNone;
  }
}

MessageIcon MessageIconFor(int kind, bool hasMainWindow) {
  switch (kind) {
    case 0: return hasMainWindow ? MessageIcon::kProgram : MessageIcon::kNone;
    case 1: return MessageIcon::kExclamation;
    case 2: return MessageIcon::kQuestion;
    case 3: return MessageIcon::kStop;
    default: return MessageIcon::kNone;
  }
}

}  // namespace sk
