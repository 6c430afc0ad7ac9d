// Where the wizard's side panel goes, apart from the windows. Pure, in pixels.
#pragma once

#include "setup_ui/message_layout.h"

namespace sk {

inline constexpr int kSidePanelWidth = 120;
inline constexpr int kSidePanelHeight = 250;

// The panel over the pages' free left part, from the wizard's top-left corner on the screen.
Rect SidePanelRect(int wizardLeft, int wizardTop);
// The panel's place before the wizard first moves it, from the welcome page's size: the page
// centred on the screen, a little up and to the left.
Rect SidePanelStartRect(int screenWidth, int screenHeight, int pageWidth, int pageHeight);

}  // namespace sk
