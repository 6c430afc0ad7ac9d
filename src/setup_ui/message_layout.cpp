#include "setup_ui/message_layout.h"

namespace sk {
namespace {

struct WidthLimits {
  int minimum, maximum;
};

WidthLimits LimitsFor(int buttonCount, int screenWidth) {
  switch (buttonCount) {
    case 1: return {100, screenWidth / 4};
    case 2: return {150, screenWidth / 3};
    default: return {300, screenWidth / 2};
  }
}

Rect Placed(const Rect& button, int left, int bottom) {
  const int w = button.width(), h = button.height();
  return {left, bottom - h, left + w, bottom};
}

}  // namespace

MessageLayout LayOutMessageBox(const MessageLayoutInput& in) {
  MessageLayout out;
  Rect d = in.dialog;
  d.bottom += (in.lines - 1) * in.charHeight + 10;
  d.right = d.left + in.longestLine * in.charWidth + 100;
  const WidthLimits limits = LimitsFor(in.buttonCount, in.screenWidth);
  if (d.width() < limits.minimum)
    d.right = d.left + limits.minimum;
  else if (d.width() > limits.maximum)
    d.right = d.left + limits.maximum;
  out.dialog = d;

  out.text = in.text;
  out.text.bottom += in.lines * in.charHeight;
  out.text.right = out.text.left + d.width() - 70;

  out.buttons = in.buttons;
  const int bottom = d.bottom - 15;
  const int mid = (d.left + d.right) / 2;
  const int w = d.width();
  const int bw[3] = {in.buttons[0].width(), in.buttons[1].width(), in.buttons[2].width()};
  auto place = [&](int i, int left) { out.buttons[i] = Placed(in.buttons[i], left, bottom); };
  // Each button computes its gap from its own width.
  auto gap2 = [&](int i) { return ((w - 2 * bw[i]) / 4) / 2; };
  auto gap3 = [&](int i) { return (w - 3 * bw[i]) / 6; };
  if (in.buttonCount == 1) {
    place(0, mid - bw[0] / 2);
  } else if (in.buttonCount == 2) {
    place(0, mid - gap2(0) - bw[0]);
    place(1, mid + gap2(1));
  } else {
    place(0, mid - gap3(0) - bw[0] / 2 - bw[0]);
    place(1, mid - bw[1] / 2);
    place(2, mid + gap3(2) + bw[2] / 2);
  }
  return out;
}

}  // namespace sk
