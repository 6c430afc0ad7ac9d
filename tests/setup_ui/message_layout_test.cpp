#include "setup_ui/message_layout.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

// A box as the template makes it at some screen position; buttons 65 x 24 pixels.
MessageLayoutInput Template(int count, int lines, int longest) {
  MessageLayoutInput in;
  in.dialog = {100, 100, 100 + 280, 100 + 110};
  in.text = {150, 120, 150 + 215, 120 + 20};
  in.buttons = {Rect{130, 160, 195, 184}, Rect{205, 160, 270, 184}, Rect{285, 160, 350, 184}};
  in.lines = lines;
  in.longestLine = longest;
  in.charWidth = 8;
  in.charHeight = 14;
  in.buttonCount = count;
  in.screenWidth = 1024;
  return in;
}

TEST(MessageLayout, WidthFollowsTheLongestLineWithinLimits) {
  const struct {
    int count, longest, width;
  } cases[] = {
      {2, 5, 150},     // 5 * 8 + 100 = 140, raised to the minimum for two buttons
      {1, 0, 100},
      {1, 20, 256},    // 260 capped at a quarter of the screen
      {2, 20, 260},
      {2, 255, 341},   // a third of 1024
      {3, 10, 300},
      {3, 255, 512},
      {1, -1, 100},    // no lines at all
  };
  for (const auto& c : cases) {
    const MessageLayout out = LayOutMessageBox(Template(c.count, 1, c.longest));
    EXPECT_EQ(out.dialog.width(), c.width) << c.count << " buttons, " << c.longest << " bytes";
    EXPECT_EQ(out.dialog.left, 100);
  }
}

TEST(MessageLayout, HeightGrowsWithTheLines) {
  const MessageLayout one = LayOutMessageBox(Template(1, 1, 5));
  EXPECT_EQ(one.dialog.height(), 110 + 10);
  EXPECT_EQ(one.text.height(), 20 + 14);
  const MessageLayout three = LayOutMessageBox(Template(1, 3, 5));
  EXPECT_EQ(three.dialog.height(), 110 + 2 * 14 + 10);
  EXPECT_EQ(three.text.height(), 20 + 3 * 14);
  EXPECT_EQ(three.text.width(), three.dialog.width() - 70);
}

TEST(MessageLayout, ButtonsAreSpreadAroundTheMiddle) {
  {
    const MessageLayout out = LayOutMessageBox(Template(2, 1, 5));  // W = 150, g = 2
    const int mid = (out.dialog.left + out.dialog.right) / 2;
    EXPECT_EQ(out.buttons[0], (Rect{mid - 67, out.dialog.bottom - 15 - 24, mid - 2, out.dialog.bottom - 15}));
    EXPECT_EQ(out.buttons[1].left, mid + 2);
    EXPECT_EQ(out.buttons[1].right, mid + 67);
  }
  {
    const MessageLayout out = LayOutMessageBox(Template(3, 1, 10));  // W = 300, g = 17
    const int mid = (out.dialog.left + out.dialog.right) / 2;
    EXPECT_EQ(out.buttons[0].left, mid - 114);
    EXPECT_EQ(out.buttons[0].right, mid - 49);
    EXPECT_EQ(out.buttons[1].left, mid - 32);
    EXPECT_EQ(out.buttons[1].right, mid + 33);
    EXPECT_EQ(out.buttons[2].left, mid + 49);
    EXPECT_EQ(out.buttons[2].right, mid + 114);
  }
  {
    const MessageLayoutInput in = Template(1, 1, 5);
    const MessageLayout out = LayOutMessageBox(in);
    const int mid = (out.dialog.left + out.dialog.right) / 2;
    EXPECT_EQ(out.buttons[0].left, mid - 32);
    EXPECT_EQ(out.buttons[1], in.buttons[1]) << "unused buttons stay where they are";
    EXPECT_EQ(out.buttons[2], in.buttons[2]);
  }
}

}  // namespace
}  // namespace sk
