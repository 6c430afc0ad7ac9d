#include "setup_ui/side_panel_layout.h"

namespace sk {
namespace {

Rect PanelAt(int left, int top) { return {left, top, left + kSidePanelWidth, top + kSidePanelHeight}; }

}  // namespace

Rect SidePanelRect(int wizardLeft, int wizardTop) { return PanelAt(wizardLeft + 13, wizardTop + 40); }

Rect SidePanelStartRect(int screenWidth, int screenHeight, int pageWidth, int pageHeight) {
  return PanelAt((screenWidth - pageWidth) / 2 - 14, (screenHeight - pageHeight) / 2 - 58);
}

}  // namespace sk
