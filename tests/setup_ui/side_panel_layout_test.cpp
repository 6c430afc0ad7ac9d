#include <gtest/gtest.h>

#include "setup_ui/side_panel_layout.h"

namespace sk {
namespace {

TEST(SidePanelLayout, FollowsTheWizardsCorner) {
  EXPECT_EQ(SidePanelRect(0, 0), (Rect{13, 40, 133, 290}));
  EXPECT_EQ(SidePanelRect(200, 150), (Rect{213, 190, 333, 440}));
  // A wizard dragged partly off the screen takes the panel with it.
  EXPECT_EQ(SidePanelRect(-50, -30), (Rect{-37, 10, 83, 260}));
}

TEST(SidePanelLayout, StartsFromTheCentredWelcomePage) {
  struct Case {
    int screenWidth, screenHeight, pageWidth, pageHeight;
    int left, top;
  };
  for (const Case& c : {Case{1024, 768, 475, 293, 260, 179}, Case{800, 600, 475, 293, 148, 95},
                        // odd differences truncate
                        Case{1024, 768, 474, 292, 261, 180}, Case{1023, 767, 474, 292, 260, 179},
                        // a page wider than the screen truncates toward zero, not downward
                        Case{640, 480, 701, 601, -44, -118}}) {
    const Rect r = SidePanelStartRect(c.screenWidth, c.screenHeight, c.pageWidth, c.pageHeight);
    EXPECT_EQ(r, (Rect{c.left, c.top, c.left + 120, c.top + 250})) << c.screenWidth << "x" << c.screenHeight;
  }
}

}  // namespace
}  // namespace sk
